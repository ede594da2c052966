#include "editing/solution_browser.h"

#include "editing/fill_editing.h"
#include "model/rooster2_doc.h"
#include "search/solution_frequencies.h"
#include "util/str_format.h"

SolutionBrowser::SolutionBrowser(Rooster2Doc& doc, SearchResults& results)
    : m_doc(doc), m_results(results) {}

bool SolutionBrowser::CanShowSolutions() const {
    return m_doc.phase == Phase::Vullen && m_results.solutionCount > 0;
}

bool SolutionBrowser::CanShowBest() const {
    return m_doc.phase != Phase::Zoeken && m_results.bestDepth > 0;
}

void SolutionBrowser::OnShowSolutions() {
    m_gridBackup = m_doc.puzzle().GridToString();
    SetPhase(Phase::Tonen);
    m_currentSolution = 0;
    ShowSolution(0);
}

bool SolutionBrowser::First() {
    m_currentSolution = 0;
    ShowSolution(m_currentSolution);
    return true;
}

bool SolutionBrowser::Next() {
    if (m_currentSolution + 1 >= m_results.solutionCount) return false;
    ShowSolution(++m_currentSolution);
    return true;
}

bool SolutionBrowser::Previous() {
    if (m_currentSolution - 1 < 0) return false;
    ShowSolution(--m_currentSolution);
    return true;
}

bool SolutionBrowser::Last() {
    m_currentSolution = m_results.solutionCount - 1;
    ShowSolution(m_currentSolution);
    return true;
}

void SolutionBrowser::OnSolutionsDone() {
    if (m_doc.puzzle().search.fillWithLastShown)
        PuzzleEdit(m_doc, EditKind::Setting).Commit();
    else
        PuzzleEdit(m_doc, EditKind::Shown)->StringToGrid(m_gridBackup);
    m_gridBackup.clear();
    SetPhase(Phase::Vullen);
    PuzzleEdit(m_doc, EditKind::Restart).Commit();
}

void SolutionBrowser::TakeOverSolution() {
    const std::string solution = m_doc.puzzle().GridToString();
    PuzzleEdit(m_doc, EditKind::Shown)->StringToGrid(m_gridBackup);
    m_gridBackup.clear();
    SetPhase(Phase::Vullen);
    PuzzleEdit(m_doc, EditKind::Restart).Commit();
    PuzzleEdit(m_doc)->StringToGrid(solution);
}

void SolutionBrowser::TakeImprovedFill(const std::string& grid) {
    if (grid == m_doc.puzzle().GridToString()) return;
    if (m_doc.phase == Phase::Tonen) {
        m_results.solutions.push_back(grid);
        m_results.solutionCount = static_cast<int>(m_results.solutions.size());
        Last();
        return;
    }
    PuzzleEdit(m_doc)->StringToGrid(grid);
}

void SolutionBrowser::OnShowBest() {
    // A fill recorded for another grid size would scramble the grid.
    if (m_results.bestFill.size() != static_cast<std::size_t>(m_doc.puzzle().CellCount())) return;
    // While shaping, one undo step takes the grid back.
    const EditKind kind = m_doc.phase == Phase::Vormen ? EditKind::ShownStep : EditKind::Shown;
    PuzzleEdit(m_doc, kind)->StringToGrid(m_results.bestFill);
    SetStatus();
}

void SolutionBrowser::ShowSolution(int k) {
    if (k < 0 || k >= static_cast<int>(m_results.solutions.size())) return;
    const std::string& solution = m_results.solutions[k];
    if (solution.size() == static_cast<std::size_t>(m_doc.puzzle().CellCount()))
        PuzzleEdit(m_doc, EditKind::Shown)->StringToGrid(solution);
    SetStatus();
}

void SolutionBrowser::SetStatus() {
    if (m_results.bestDepth != 0)
        m_statusText = BestResultStatus(m_doc, m_results.bestDepth);
    else
        m_statusText = StrFormat("Oplossing %d/%d, met <ESC> stoppen", m_currentSolution + 1,
                                 m_results.solutionCount);
}

void SolutionBrowser::SetPhase(Phase phase) {
    if (setPhase)
        setPhase(phase);
    else
        m_doc.phase = phase;
}

EditResult SolutionBrowser::MarkLeastVariedCell() {
    // While solutions are shown the open cells are those of the grid from before.
    Puzzle open = m_doc.puzzle();
    if (m_doc.phase == Phase::Tonen) open.StringToGrid(m_gridBackup);
    const std::optional<LeastVariedCell> least = FindLeastVariedCell(open, m_results.solutions);
    if (!least) return {};
    m_statusText = least->statusText;
    EditResult result = PutCursorOnCell(m_doc, least->cell.x, least->cell.y);
    result.applied = true;
    return result;
}
