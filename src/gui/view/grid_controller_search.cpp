// The search commands: the options dialog, "Start zoeken" with its progress,
// interruption and result, and showing the solutions it found.
#include <QApplication>

#include "dialogs/search_options_dlg.h"
#include "editing/command_ids.h"
#include "editing/grid_editor.h"
#include "formats/solutions_file.h"
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
    SearchOptionsDlg dialog(m_doc, m_chooser, &m_view);
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

void GridController::WireProgress(SearchCallbacks& callbacks) {
    // The search holds the one user-interface thread: at its polls the window
    // gets a turn, so menus, "&Onderbreken", Escape and repaints work.
    callbacks.poll = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    callbacks.status = [this](int pane, const std::string& text) {
        if (pane == 0)
            ShowMessage(text);
        else
            emit InfoPaneChanged(Latin1(text));
    };
}

void GridController::WireSearch(SearchRun& search) {
    SearchCallbacks& callbacks = search.callbacks;
    WireProgress(callbacks);
    callbacks.redraw = [this] { m_view.RedrawNow(); };
    callbacks.beep = [](SearchBeep) { QApplication::beep(); };
    callbacks.setPhase = [this](Phase phase) { SetBrowserPhase(phase); };
}

void GridController::OnSearch() {
    // Menus and tool bar show their state before the long run.
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool scrollBarsBefore = m_view.ScrollBars();
    const std::unique_ptr<SearchRun> search = MakeSearchRun(ReadSearchMethod(m_doc.profile), m_doc);
    WireSearch(*search);
    if (m_searchSetup) m_searchSetup(*search);
    m_runningSearch = search.get();
    m_view.ShowSearchPuzzle(&search->WorkingPuzzle());
    const bool started = search->Run();
    m_view.ShowSearchPuzzle(nullptr);
    m_runningSearch = nullptr;
    if (started) EndSearch(*search, scrollBarsBefore);
    // The reason a search could not start stays in the status bar after its message.
    if (!started && !search->Messages().empty()) ShowMessage(search->Messages().back().text);
    QApplication::restoreOverrideCursor();
    for (const UserMessage& message : search->Messages()) ShowInformation(&m_view, message);
}

void GridController::EndSearch(SearchRun& search, bool scrollBarsBefore) {
    m_results = std::move(search.results);
    m_view.ShowSizeStatus();
    ShowFillResult(search.ResultText(), search.ScoreText(), search.LowestText());
    m_editor.Histories().ResetFillUndo(m_doc);
    m_view.SetScrollBars(scrollBarsBefore);
}

// The fill's score and its lowest words follow the result text, which stays as it was.
void GridController::ShowFillResult(const std::string& result, const std::string& score,
                                    const std::string& lowest) {
    std::string text = result;
    for (const std::string* part : {&score, &lowest})
        if (!part->empty()) text += "   " + *part;
    ShowMessage(text);
}

void GridController::OnSearchInterrupt() {
    if (m_runningSearch != nullptr) m_runningSearch->Interrupt();
    if (m_runningImprover != nullptr) m_runningImprover->Interrupt();
}

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
    m_browser.OnSolutionsDone(m_editor.Histories());
    m_view.Invalidate();
    ResetStatusTexts();
}

void GridController::OnTakeOverSolution() {
    m_browser.TakeOverSolution(m_editor.Histories());
    m_view.Invalidate();
    ResetStatusTexts();
}

void GridController::OnShowBest() {
    m_browser.OnShowBest(m_editor.Histories());
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
    spec.initialName = FromLocalPath(m_doc.lastFiles.text);
    const QString path = m_chooser.ChooseFile(&m_view, spec);
    if (path.isEmpty()) return;
    // A file that cannot be written ends the command without a message.
    WriteSolutionsFile(m_doc, m_results, LocalPath(path), m_view.SmallLetters());
}
