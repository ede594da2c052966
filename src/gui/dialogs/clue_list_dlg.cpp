#include "dialogs/clue_list_dlg.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/clue_window_support.h"
#include "forms/clue_windows.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"

namespace {

// Fills a list with the items; returns the widest item and the summed heights.
std::pair<int, int> FillList(QListWidget& list, const std::vector<std::string>& items) {
    list.clear();
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (const std::string& item : items) {
        const QString text = Latin1(item);
        list.addItem(text);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return {widest, static_cast<int>(items.size()) * metrics.height()};
}

void SelectRow(QListWidget& list, int row) {
    if (row >= 0 && row < list.count())
        list.setCurrentRow(row);
    else
        list.clearSelection();
}

}  // namespace

ClueListDlg::ClueListDlg(Rooster2Doc& doc, int cellPixels, std::function<void(int)> chooseWord,
                         QWidget* parent)
    : QDialog(parent, Qt::Window),
      m_doc(doc),
      m_chooseWord(std::move(chooseWord)),
      m_fontHeight(CLUE_LIST_FONT_HEIGHT) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Latin1("Omschrijvingen"));
    m_across = new QListWidget;
    m_down = new QListWidget;
    m_across->setObjectName(Latin1("acrossClues"));
    m_down->setObjectName(Latin1("downClues"));
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_across);
    m_layout->addWidget(m_down);
    m_layout->addLayout(FontButtons(this, [this](bool larger) { StepFont(larger); }));
    m_down->setVisible(!HasSingleClueList(doc));
    connect(m_across, &QListWidget::currentRowChanged, this,
            [this](int row) { Choose(false, row); });
    connect(m_down, &QListWidget::currentRowChanged, this, [this](int row) { Choose(true, row); });
    Fill(true);
    PlaceClueWindow(*this, m_doc, cellPixels);
}

void ClueListDlg::Fill(bool resizeWindow) {
    m_filling = true;
    const QFont font = ClueWindowFont(m_doc, m_fontHeight);
    m_across->setFont(font);
    m_down->setFont(font);
    const ClueListItems items = BuildClueListItems(m_doc);
    const auto [acrossWidest, acrossHeight] = FillList(*m_across, items.across);
    const auto [downWidest, downHeight] = FillList(*m_down, items.down);
    m_acrossHeight = acrossHeight;
    m_downHeight = downHeight;
    if (resizeWindow) {
        const WindowSize size =
            ClueListWindowSize(std::max(acrossWidest, downWidest), acrossHeight, downHeight);
        resize(size.width, size.height);
        KeepClueWindowInMainWindow(*this);
    }
    const ClueListSelection selection = SelectedClueListItems(m_doc);
    SelectRow(*m_across, selection.across);
    SelectRow(*m_down, selection.down);
    ShareHeight();
    m_filling = false;
}

void ClueListDlg::StepFont(bool larger) {
    m_fontHeight = StepClueFontHeight(m_fontHeight, larger);
    Fill(true);
}

void ClueListDlg::Choose(bool downList, int row) {
    if (m_filling || row < 0) return;
    const int word = WordOfClueListItem(m_doc, downList, row);
    if (word < 0) return;
    m_chooseWord(word);
    if (QWidget* view = parentWidget()) {
        view->activateWindow();
        view->setFocus();
    }
}

void ClueListDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ShareHeight();
}

// Each list gets its own items' height and half of the room left over.
void ClueListDlg::ShareHeight() {
    const bool single = HasSingleClueList(m_doc);
    const ClueListHeights heights =
        ShareClueListHeight(height(), m_acrossHeight, m_downHeight, single);
    m_layout->setStretch(0, std::max(1, heights.upper));
    m_layout->setStretch(1, single ? 0 : std::max(1, heights.lower));
}
