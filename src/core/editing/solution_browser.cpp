#include "editing/solution_browser.h"

#include "editing/fill_editing.h"
#include "model/rooster2_doc.h"
#include "editing/undo_history.h"
#include "search/solution_frequencies.h"
#include "util/str_format.h"

CSolutionBrowser::CSolutionBrowser(CRooster2Doc& doc, SearchResults& results)
    : m_doc(doc), m_results(results) {}

bool CSolutionBrowser::CanShowSolutions() const {
    return m_doc.phase == PHASE_VULLEN && m_results.m_solutionCount > 0;
}

bool CSolutionBrowser::CanShowBest() const {
    return m_doc.phase != PHASE_ZOEKEN && m_results.m_bestDepth > 0;
}

void CSolutionBrowser::OnShowSolutions() {
    m_gridBackup = m_doc.puzzle.GridToString();
    SetPhase(PHASE_TONEN);
    m_currentSolution = 0;
    ShowSolution(0);
}

bool CSolutionBrowser::First() {
    m_currentSolution = 0;
    ShowSolution(m_currentSolution);
    return true;
}

bool CSolutionBrowser::Next() {
    if (m_currentSolution + 1 >= m_results.m_solutionCount) return false;
    ShowSolution(++m_currentSolution);
    return true;
}

bool CSolutionBrowser::Previous() {
    if (m_currentSolution - 1 < 0) return false;
    ShowSolution(--m_currentSolution);
    return true;
}

bool CSolutionBrowser::Last() {
    m_currentSolution = m_results.m_solutionCount - 1;
    ShowSolution(m_currentSolution);
    return true;
}

void CSolutionBrowser::OnSolutionsDone(CUndoHistories& undo) {
    if (m_doc.puzzle.search.fillWithLastShown)
        m_doc.MarkModified(true);
    else
        m_doc.puzzle.StringToGrid(m_gridBackup);
    m_gridBackup.clear();
    SetPhase(PHASE_VULLEN);
    undo.ResetFillUndo(m_doc);
}

void CSolutionBrowser::OnShowBest(CUndoHistories& undo) {
    // A fill recorded for another grid size would scramble the grid.
    if (m_results.m_bestFill.size() != static_cast<std::size_t>(m_doc.puzzle.CellCount())) return;
    m_doc.puzzle.StringToGrid(m_results.m_bestFill);
    SetStatus();
    if (m_doc.phase == PHASE_VORMEN) undo.PushShapeUndo(m_doc);
}

void CSolutionBrowser::ShowSolution(int k) {
    if (k < 0 || k >= static_cast<int>(m_results.m_solutions.size())) return;
    const std::string& solution = m_results.m_solutions[k];
    if (solution.size() == static_cast<std::size_t>(m_doc.puzzle.CellCount())) m_doc.puzzle.StringToGrid(solution);
    SetStatus();
}

void CSolutionBrowser::SetStatus() {
    if (m_results.m_bestDepth != 0)
        m_statusText = BestResultStatus(m_doc, m_results.m_bestDepth);
    else
        m_statusText = StrFormat("Oplossing %d/%d, met <ESC> stoppen", m_currentSolution + 1,
                                 m_results.m_solutionCount);
}

void CSolutionBrowser::SetPhase(int phase) {
    if (m_setPhase)
        m_setPhase(phase);
    else
        m_doc.phase = phase;
}

EditResult CSolutionBrowser::MarkLeastVariedCell() {
    // While solutions are shown the open cells are those of the grid from before.
    Puzzle open = m_doc.puzzle;
    if (m_doc.phase == PHASE_TONEN) open.StringToGrid(m_gridBackup);
    const std::optional<LeastVariedCell> least = FindLeastVariedCell(open, m_results.m_solutions);
    if (!least) return {};
    m_statusText = least->statusText;
    EditResult result = PutCursorOnCell(m_doc, least->cell.x, least->cell.y);
    result.applied = true;
    return result;
}
