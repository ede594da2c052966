// The search commands: the options dialog, "Start zoeken" with its progress,
// interruption and result, and showing the solutions it found.
#include <QApplication>

#include "dialogs/search_options_dlg.h"
#include "editing/command_ids.h"
#include "editing/grid_editor.h"
#include "editing/phase_switch.h"
#include "formats/solutions_file.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "render/latin1_text.h"
#include "search/search_method.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

void GridController::RegisterSearchCommands(CommandRouter& router) {
    Add(router, ID_SEARCH_OPTIONS, [this] { OnSearchOptions(); });
    Add(router, ID_SEARCH_START, [this] { OnSearch(); });
    Add(router, ID_FILL_SELECTION, [this] { OnSearch(m_editor.selection); });
    Add(router, ID_SEARCH_INTERRUPT, [this] { OnSearchInterrupt(); });
    Add(router, ID_SOLUTIONS_SHOW, [this] { OnShowSolutions(); });
    Add(router, ID_SOLUTION_FIRST, [this] { StepSolution(&SolutionBrowser::First); });
    Add(router, ID_SOLUTION_NEXT, [this] { StepSolution(&SolutionBrowser::Next); });
    Add(router, ID_SOLUTION_PREVIOUS, [this] { StepSolution(&SolutionBrowser::Previous); });
    Add(router, ID_SOLUTION_LAST, [this] { StepSolution(&SolutionBrowser::Last); });
    Add(router, ID_SOLUTIONS_DONE, [this] { OnSolutionsDone(); });
    Add(router, ID_SOLUTION_TAKE_OVER, [this] { OnTakeOverSolution(); });
    Add(router, ID_SHOW_BEST_RESULT, [this] { OnShowBest(); });
    Add(router, ID_FREQUENCY_DISTRIBUTION, [this] { OnFrequencyDistribution(); });
    Add(router, ID_WRITE_SOLUTIONS, [this] { OnWriteSolutions(); });
    Add(router, ID_IMPROVE_FILL, [this] { OnImproveFill(); });
}

void GridController::OnSearchOptions() {
    SearchOptionsDlg dialog(m_doc, m_app, m_chooser, &m_view);
    dialog.exec();
}

void GridController::SetBrowserPhase(Phase phase) {
    if (phase == Phase::Zoeken) {
        // The search starts now: the old results go, and the grid is shown whole.
        m_results = SearchResults{};
        m_view.SetScrollBars(false);
    }
    SetPhase(phase);
}

// The search runs on its own thread; what it reports arrives here queued, on
// the window's thread, while the window stays free for "&Onderbreken" and Escape.
void GridController::WireSearchRelay() {
    connect(&m_relay, &SearchRelay::StatusChanged, this, &GridController::OnSearchStatus,
            Qt::QueuedConnection);
    connect(&m_relay, &SearchRelay::GridChanged, this, &GridController::OnSearchGrid,
            Qt::QueuedConnection);
    connect(
        &m_relay, &SearchRelay::Beeped, this, [] { QApplication::beep(); }, Qt::QueuedConnection);
    connect(&m_relay, &SearchRelay::Finished, this, &GridController::EndSearch,
            Qt::QueuedConnection);
}

void GridController::OnSearchStatus(int pane, const QString& text) {
    if (pane == 0)
        emit MessagePaneChanged(text);
    else
        emit InfoPaneChanged(text);
}

void GridController::OnSearchGrid() {
    const SearchRelay::Snapshot snapshot = m_relay.TakeSnapshot();
    if (snapshot.grid.empty()) return;
    m_view.UpdateSearchSnapshot(snapshot.grid);
    if (snapshot.draw) m_view.RedrawNow();
}

// The phase is Zoeken from the start, so the enabling rules keep every command
// that would replace or reshape the puzzle away until the search has ended.
void GridController::OnSearch(std::optional<GridRegion> region) {
    SearchRequest request{m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring,
                          ReadSearchMethod(m_app.profile)};
    request.region = region;
    SearchCallbacks callbacks = m_relay.Callbacks();
    if (m_searchSetup) m_searchSetup(request, callbacks);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_phaseBeforeSearch = m_doc.phase;
    m_scrollBarsBeforeSearch = m_view.ScrollBars();
    m_resultsBeforeSearch = std::move(m_results);
    SetBrowserPhase(Phase::Zoeken);
    m_view.ShowSearchSnapshot(m_doc.puzzle());
    m_interruptSearch = false;
    m_search = std::make_unique<SearchService>(request, callbacks, m_interruptSearch,
                                               [this] { emit m_relay.Finished(); });
}

void GridController::EndSearch() {
    SearchOutcome outcome = m_search->TakeOutcome();
    m_search.reset();
    m_view.EndSearchSnapshot();
    if (outcome.started) {
        TakeOverSearch(outcome);
    } else {
        m_results = std::move(m_resultsBeforeSearch);
        SetPhase(m_phaseBeforeSearch);
        // Why the search could not start stays in the status bar after its message.
        if (!outcome.messages.empty()) ShowMessage(outcome.messages.back().text);
    }
    m_resultsBeforeSearch = SearchResults{};
    m_view.SetScrollBars(m_scrollBarsBeforeSearch);
    QApplication::restoreOverrideCursor();
    for (const UserMessage& message : outcome.messages) ShowInformation(&m_view, message);
    emit SearchFinished();
}

void GridController::TakeOverSearch(SearchOutcome& outcome) {
    m_results = std::move(outcome.results);
    SetPhase(PhaseAfterSearch(m_doc, m_phaseBeforeSearch, m_results.solutionCount));
    m_view.ShowSizeStatus();
    ShowFillResult(outcome.resultText, outcome.scoreText, outcome.lowestText);
    PuzzleEdit(m_doc, EditKind::Restart).Commit();
}

// The fill's score and its lowest words follow the result text, which stays as it was.
void GridController::ShowFillResult(const std::string& result, const std::string& score,
                                    const std::string& lowest) {
    std::string text = result;
    for (const std::string* part : {&score, &lowest})
        if (!part->empty()) text += "   " + *part;
    ShowMessage(text);
}

void GridController::OnSearchInterrupt() { m_interruptSearch = true; }

void GridController::OnShowSolutions() {
    m_browser.OnShowSolutions();
    ShowMessage(m_browser.StatusText());
    m_view.RedrawNow();
}

void GridController::StepSolution(bool (SolutionBrowser::*step)()) {
    if (!(m_browser.*step)()) return;
    ShowMessage(m_browser.StatusText());
    m_view.RedrawNow();
}

void GridController::OnSolutionsDone() {
    m_browser.OnSolutionsDone();
    m_view.Invalidate();
    ResetStatusTexts();
}

void GridController::OnTakeOverSolution() {
    m_browser.TakeOverSolution();
    m_view.Invalidate();
    ResetStatusTexts();
}

void GridController::OnShowBest() {
    m_browser.OnShowBest();
    ShowMessage(m_browser.StatusText());
    m_view.Invalidate();
}

void GridController::OnFrequencyDistribution() {
    const EditResult marked = m_browser.MarkLeastVariedCell();
    if (!marked.applied) return;
    m_view.ApplyEdit(marked);
    ShowMessage(m_browser.StatusText());
}

void GridController::OnWriteSolutions() {
    FileDialogSpec spec = MakeFileDialogSpec(true, "Openen tekstbestand oplossingen", "txt",
                                             "Tekstbestand (*.txt);;Alle bestanden (*.*)");
    // Starts at the last text file but does not replace it.
    spec.initialName = FromLocalPath(m_app.lastFiles.text);
    const QString path = m_chooser.ChooseFile(&m_view, spec);
    if (path.isEmpty()) return;
    m_app.lastFiles.text = LocalPath(path);
    // A file that cannot be written ends the command without a message.
    WriteSolutionsFile(m_doc.puzzle(), m_results, m_app.lastFiles.text, m_view.SmallLetters());
}
