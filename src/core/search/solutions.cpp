#include "search/solutions.h"

#include "model/fill_editing.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"
#include "util/file_io.h"
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

std::string FormatSolutionsText(Puzzle& puzzle, const SearchResults& results, bool lowercase) {
    const std::string backup = puzzle.GridToString();
    std::string text;
    if (!puzzle.html.title.empty()) text += puzzle.html.title + "\r\n\r\n";
    for (int i = 0; i < results.m_solutionCount && i < static_cast<int>(results.m_solutions.size());
         ++i) {
        puzzle.StringToGrid(results.m_solutions[i]);
        text += StrFormat("Oplossing %d\r\n\r\n", i + 1);
        puzzle.WriteGridText(text, lowercase);
        text += "\r\n";
    }
    puzzle.StringToGrid(backup);
    return text;
}

bool WriteSolutionsFile(CRooster2Doc& doc, const SearchResults& results, const std::string& path,
                        bool lowercase) {
    doc.lastFiles.text = path;
    return WriteFileAtomically(path, FormatSolutionsText(doc.puzzle, results, lowercase));
}
