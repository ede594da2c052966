#pragma once
// Live fillability while shaping and filling: after every change of the grid,
// the lists or the cursor's word, the check runs again in the background. Its
// report goes to the grid (dead cells, and the heat map with "Vulbaarheid
// tonen", remembered in the profile), to the status bar ("Vulbaar" or "H12:
// geen woorden") and to the "Kandidaten" pane, whose double click or Enter
// places a word as one undoable edit.

#include <QObject>
#include <QString>
#include <string>

#include "view/fillability_checker.h"

struct AppState;
class CandidatePane;
class CommandRouter;
class GridController;
class GridView;
class Rooster2Doc;

class LiveFillability : public QObject {
    Q_OBJECT

public:
    LiveFillability(Rooster2Doc& doc, AppState& app, GridView& view, GridController& controller,
                    CandidatePane& pane);

    // "Vulbaarheid tonen" and "&Kandidaten".
    void RegisterCommands(CommandRouter& router);
    bool HeatMapShown() const { return m_heatMap; }
    // Asks for a check when anything it depends on changed since the last one.
    void Refresh();

signals:
    void StatusChanged(const QString& text);
    void HeatMapToggled(bool shown);

private:
    bool Editing() const;
    int FocusWord() const;
    std::string RequestKey(int focusWord) const;
    void OnChecked();
    void ShowPane(const FillabilityReport& report);
    void ToggleHeatMap();
    void PlaceCandidate(const QString& word);

    Rooster2Doc& m_doc;
    AppState& m_app;
    GridView& m_view;
    GridController& m_controller;
    CandidatePane& m_pane;
    FillabilityChecker m_checker;
    std::string m_lastKey;
    int m_focusWord = -1;  // of the newest request
    bool m_heatMap = false;
};
