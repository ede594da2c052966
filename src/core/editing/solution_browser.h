#pragma once
// Showing the solutions of a search: stepping through them, taking one over
// ("&Klaar") and putting the best partial fill in the grid. The window draws;
// this decides what the grid and status show.

#include <functional>
#include <string>

#include "editing/edit_result.h"
#include "search/search_run.h"
#include "util/file_io.h"

class Rooster2Doc;

class SolutionBrowser {
public:
    SolutionBrowser(Rooster2Doc& doc, SearchResults& results);

    bool CanShowSolutions() const;  // "&Toon oplossingen"
    bool CanShowBest() const;       // "Toon &beste zoekresultaat"

    // Keeps the grid as it is and shows the first solution.
    void OnShowSolutions();
    // Each returns true when it put another solution in the grid.
    bool First();
    bool Next();
    bool Previous();
    bool Last();
    // "&Klaar": keeps the shown solution (the option to fill with the last shown
    // one) or the grid from before, and returns to filling.
    void OnSolutionsDone();
    // "Oplossing overnemen": keeps the shown solution whatever that option says and
    // returns to filling; one undo step brings back the grid from before.
    void TakeOverSolution();
    // "Verbeter vulling" ended with `grid`: while solutions are shown it becomes a
    // solution of its own, shown now; in the filling phase it replaces the grid as
    // one step to undo. A grid equal to the one in place changes nothing.
    void TakeImprovedFill(const std::string& grid);
    // Puts the deepest partial fill in the grid, without a phase change.
    void OnShowBest();
    // "Frequentieverdeling": the cursor goes to the open cell whose letter varies
    // least over the solutions, and the status text names it ("Vak H3/V5: 1 letter
    // in 100 oplossingen"). Not applied without solutions or open cells.
    EditResult MarkLeastVariedCell();

    int CurrentSolution() const { return m_currentSolution; }
    // Status-bar pane 0 after the last solution shown.
    const std::string& StatusText() const { return m_statusText; }

    // Switch the phase; without it only the document's phase is set.
    std::function<void(Phase phase)> setPhase;

private:
    void ShowSolution(int k);
    void SetStatus();
    void SetPhase(Phase phase);

    Rooster2Doc& m_doc;
    SearchResults& m_results;
    int m_currentSolution = 0;
    std::string m_gridBackup;
    std::string m_statusText;
};
