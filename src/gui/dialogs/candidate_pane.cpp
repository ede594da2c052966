#include "dialogs/candidate_pane.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "render/latin1_text.h"

namespace {

enum Column { WORD_COLUMN, SCORE_COLUMN, ROOM_COLUMN };

}  // namespace

CandidatePane::CandidatePane(QWidget* parent) : QDockWidget(Latin1("Kandidaten"), parent) {
    setObjectName(Latin1("Kandidaten"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    m_title = new QLabel;
    m_order = new QComboBox;
    m_order->setObjectName(Latin1("order"));
    m_order->addItem(Latin1("Sorteer op score"));
    m_order->addItem(Latin1("Sorteer op ruimte voor de kruisende woorden"));
    m_list = new QTreeWidget;
    m_list->setObjectName(Latin1("candidates"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({Latin1("Woord"), Latin1("Score"), Latin1("Ruimte")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setToolTip(
        Latin1("Ruimte: hoeveel woorden de kruisende woorden overhouden (hoger is ruimer). "
               "Dubbelklik of Enter plaatst het woord."));
    layout->addWidget(m_title);
    layout->addWidget(m_order);
    layout->addWidget(m_list);
    setWidget(body);
    connect(m_order, &QComboBox::currentIndexChanged, this, &CandidatePane::OrderChanged);
    connect(m_list, &QTreeWidget::itemActivated, this, &CandidatePane::OnActivated);
}

CandidateOrder CandidatePane::Order() const {
    return m_order->currentIndex() == 1 ? CandidateOrder::Room : CandidateOrder::Score;
}

void CandidatePane::ShowCandidates(const QString& title,
                                   const std::vector<FillabilityCandidate>& candidates) {
    m_title->setText(title);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const FillabilityCandidate& candidate : candidates) {
        auto* item = new QTreeWidgetItem;
        item->setText(WORD_COLUMN, Latin1(candidate.word));
        item->setText(SCORE_COLUMN, QString::number(candidate.score));
        item->setText(ROOM_COLUMN, QString::number(candidate.room, 'f', 1));
        item->setTextAlignment(SCORE_COLUMN, Qt::AlignRight);
        item->setTextAlignment(ROOM_COLUMN, Qt::AlignRight);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
}

void CandidatePane::OnActivated(QTreeWidgetItem* item) {
    if (item != nullptr) emit PlaceRequested(item->text(WORD_COLUMN));
}
