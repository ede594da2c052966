#include "dialogs/clue_window_support.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "forms/clue_windows.h"
#include "model/rooster2_doc.h"
#include "render/grid_painter.h"
#include "support/dialog_support.h"

QFont ClueWindowFont(const Rooster2Doc& doc, int height) {
    return LetterFont(doc.puzzle(), -height);
}

QHBoxLayout* FontButtons(QDialog* owner, std::function<void(bool larger)> step) {
    auto* row = new QHBoxLayout;
    auto* smaller = new QPushButton(Latin1("Kleiner"));
    auto* larger = new QPushButton(Latin1("Groter"));
    smaller->setObjectName(Latin1("smaller"));
    larger->setObjectName(Latin1("larger"));
    // Enter in the window must not press a button (it types a line break or does nothing).
    for (QPushButton* button : {smaller, larger}) button->setAutoDefault(false);
    QObject::connect(smaller, &QPushButton::clicked, owner, [step] { step(false); });
    QObject::connect(larger, &QPushButton::clicked, owner, [step] { step(true); });
    row->addWidget(smaller);
    row->addWidget(larger);
    row->addStretch();
    return row;
}

void PlaceClueWindow(QDialog& window, const Rooster2Doc& doc, int cellPixels) {
    const QWidget* view = window.parentWidget();
    if (view == nullptr) return;
    const QRect screenRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    const int left = ClueWindowLeft(doc, screenRect.left(), cellPixels,
                                    window.frameGeometry().width(), screenRect.right() + 1);
    window.move(left, screenRect.top());
    KeepClueWindowInMainWindow(window);
}

void KeepClueWindowInMainWindow(QDialog& window) {
    const QWidget* view = window.parentWidget();
    if (view == nullptr) return;
    // On a small screen the designed height would run past the main window.
    const int frameExtra = window.frameGeometry().height() - window.height();
    const int room =
        view->window()->frameGeometry().bottom() + 1 - window.frameGeometry().top() - frameExtra;
    if (room > 0 && window.height() > room) window.resize(window.width(), room);
}
