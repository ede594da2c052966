#include "view/clue_cell_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

bool IsFinishingKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Escape || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

ClueCellEditor::ClueCellEditor(const QString& text, QWidget* grid, QWidget* parent)
    : QLineEdit(text, parent), m_grid(grid) {
    setObjectName(QStringLiteral("clueCellEditor"));
}

// Escape and Enter are the editor's own, not the window's shortcuts.
bool ClueCellEditor::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        IsFinishingKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void ClueCellEditor::keyPressEvent(QKeyEvent* event) {
    if (IsFinishingKey(*event))
        Finish(event->key() != Qt::Key_Escape);
    else
        QLineEdit::keyPressEvent(event);
}

// A menu or another program taking the focus for a moment leaves the editor open.
void ClueCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Finish(true);
}

void ClueCellEditor::Finish(bool accept) {
    if (m_finished) return;
    m_finished = true;
    if (accept) emit Accepted(text());
    hide();
    if (m_grid) m_grid->setFocus();
    deleteLater();
}
