#include "dialogs/clue_text_dlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/clue_window_support.h"
#include "forms/clue_windows.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"

namespace {

constexpr int DESIGNED_WIDTH = 360;
constexpr int DESIGNED_HEIGHT = 420;

}  // namespace

ClueTextDlg::ClueTextDlg(Rooster2Doc& doc, ClueSection& section, int cellPixels, QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_doc(doc),
      m_section(section),
      m_fontHeight(CLUE_TEXT_FONT_HEIGHT) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Latin1("Omschrijvingen tonen/wijzigen"));
    m_edit = new QPlainTextEdit(FromCrLfText(BuildClueWindowText(doc, true)));
    m_edit->setObjectName(Latin1("clueText"));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->installEventFilter(this);
    connect(m_edit, &QPlainTextEdit::textChanged, this, [this] { m_changed = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit, 1);
    layout->addLayout(FontButtons(this, [this](bool larger) { StepFont(larger); }));
    resize(DESIGNED_WIDTH, DESIGNED_HEIGHT);
    ApplyFont();
    PlaceClueWindow(*this, m_doc, cellPixels);
}

void ClueTextDlg::Refresh() {
    const QSignalBlocker quiet(m_edit);
    m_edit->setPlainText(FromCrLfText(BuildClueWindowText(m_doc, false)));
}

void ClueTextDlg::StepFont(bool larger) {
    m_fontHeight = StepClueFontHeight(m_fontHeight, larger);
    ApplyFont();
}

void ClueTextDlg::ApplyFont() { m_edit->setFont(ClueWindowFont(m_doc, m_fontHeight)); }

bool ClueTextDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::FocusOut) ReadBack();
    return QDialog::eventFilter(watched, event);
}

void ClueTextDlg::ReadBack() {
    // The flag stays set: every later loss of focus reads the text again.
    if (!m_changed || m_doc.puzzle().numbering.numberPartWords) return;
    ReadBackClueText(m_doc, m_section, ToCrLfText(m_edit->toPlainText()));
    emit CluesApplied();
}
