#pragma once
// "Kandidaten": the dockable pane beside the grid with the current word's
// candidates from the live check, each with its score and what it leaves the
// crossing words ("Ruimte"), sorted by either. A double click or Enter asks for
// the word to be placed; what placing means belongs to the caller.

#include <QDockWidget>
#include <vector>

#include "search/fillability.h"

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CandidatePane : public QDockWidget {
    Q_OBJECT

public:
    explicit CandidatePane(QWidget* parent = nullptr);

    CandidateOrder Order() const;
    // title: the word and how many fit ("H12: 345 woorden"), or why none are listed.
    void ShowCandidates(const QString& title, const std::vector<FillabilityCandidate>& candidates);
    QTreeWidget* List() const { return m_list; }

signals:
    void OrderChanged();
    // The word as the list writes it (ISO-8859-1 through QString::fromLatin1).
    void PlaceRequested(const QString& word);

private:
    void OnActivated(QTreeWidgetItem* item);

    QLabel* m_title = nullptr;
    QComboBox* m_order = nullptr;
    QTreeWidget* m_list = nullptr;
};
