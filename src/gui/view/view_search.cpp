// The view's search commands: the options dialog, "Start zoeken" with its
// progress, interruption and result, and showing the solutions it found.
#include <QApplication>

#include "app/file_chooser.h"
#include "dialogs/dialog_support.h"
#include "dialogs/search_options_dlg.h"
#include "model/command_ids.h"
#include "model/rooster2_doc.h"
#include "search/search_engine.h"
#include "view/rooster2_view.h"

void CRooster2View::RegisterSearchCommands(CCommandRouter& router) {
    router.Register(ID_SEARCH_OPTIONS, [this] { OnSearchOptions(); });
    router.Register(ID_SEARCH_START, [this] { OnSearch(); });
    router.Register(ID_SEARCH_INTERRUPT, [this] { OnSearchInterrupt(); });
    router.Register(ID_SOLUTIONS_SHOW, [this] { OnShowSolutions(); });
    router.Register(ID_SOLUTION_FIRST, [this] { StepSolution(&CSolutionBrowser::First); });
    router.Register(ID_SOLUTION_NEXT, [this] { StepSolution(&CSolutionBrowser::Next); });
    router.Register(ID_SOLUTION_PREVIOUS, [this] { StepSolution(&CSolutionBrowser::Previous); });
    router.Register(ID_SOLUTION_LAST, [this] { StepSolution(&CSolutionBrowser::Last); });
    router.Register(ID_SOLUTIONS_DONE, [this] { OnSolutionsDone(); });
    router.Register(ID_SHOW_BEST_RESULT, [this] { OnShowBest(); });
    router.Register(ID_WRITE_SOLUTIONS, [this] { OnWriteSolutions(); });
}

void CRooster2View::OnSearchOptions() {
    CSearchOptionsDlg dialog(m_doc, FileChooser(), this);
    dialog.exec();
    // "Start zoeken" follows the word file.
    emit StateChanged();
}

void CRooster2View::RedrawNow() { viewport()->repaint(); }

void CRooster2View::SetBrowserPhase(int phase) {
    if (phase == PHASE_ZOEKEN) {
        // The search starts now: the old results go, and the grid is shown whole.
        m_results = SearchResults{};
        m_scrollBars = false;
    }
    SetPhase(phase);
}

void CRooster2View::WireSearch(CSearchRun& search) {
    SearchCallbacks& callbacks = search.m_callbacks;
    // The search holds the one user-interface thread: at its polls the window
    // gets a turn, so menus, "&Onderbreken", Escape and repaints work.
    callbacks.poll = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    callbacks.status = [this](int pane, const std::string& text) {
        if (pane == 0)
            SetMessagePane(Latin1(text));
        else
            emit InfoPaneChanged(Latin1(text));
    };
    callbacks.redraw = [this] { RedrawNow(); };
    callbacks.beep = [](SearchBeep) { QApplication::beep(); };
    callbacks.setPhase = [this](int phase) { SetBrowserPhase(phase); };
}

void CRooster2View::OnSearch() {
    // Menus and tool bar show their state before the long run.
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool scrollBarsBefore = m_scrollBars;
    CSearchEngine search(m_doc);
    WireSearch(search);
    if (m_searchSetup) m_searchSetup(search);
    m_runningSearch = &search;
    const bool started = search.Run();
    m_runningSearch = nullptr;
    if (started) EndSearch(search, scrollBarsBefore);
    QApplication::restoreOverrideCursor();
    for (const UserMessage& message : search.Messages()) ShowInformation(this, message);
}

void CRooster2View::EndSearch(CSearchRun& search, bool scrollBarsBefore) {
    m_results = std::move(search.m_results);
    ShowSizeStatus();
    // The first solution's score follows the result text, which stays as it was.
    const std::string& score = search.ScoreText();
    SetMessagePane(Latin1(search.ResultText() + (score.empty() ? "" : "   " + score)));
    m_editor.Histories().ResetFillUndo(m_doc);
    m_scrollBars = scrollBarsBefore;
    Invalidate();
}

void CRooster2View::OnSearchInterrupt() {
    if (m_runningSearch != nullptr) m_runningSearch->Interrupt();
}

void CRooster2View::OnShowSolutions() {
    m_browser.OnShowSolutions();
    SetMessagePane(Latin1(m_browser.StatusText()));
    RedrawNow();
}

void CRooster2View::StepSolution(bool (CSolutionBrowser::*step)()) {
    if (!(m_browser.*step)()) return;
    SetMessagePane(Latin1(m_browser.StatusText()));
    RedrawNow();
}

void CRooster2View::OnSolutionsDone() {
    m_browser.OnSolutionsDone(m_editor.Histories());
    Invalidate();
}

void CRooster2View::OnShowBest() {
    m_browser.OnShowBest(m_editor.Histories());
    SetMessagePane(Latin1(m_browser.StatusText()));
    Invalidate();
}

void CRooster2View::OnWriteSolutions() {
    FileDialogSpec spec = MakeFileDialogSpec(true, "Openen tekstbestand oplossingen", "txt",
                                             "Tekstbestand (*.txt);;Alle bestanden (*.*)");
    // Starts at the last text file but does not replace it.
    spec.initialName = FromLocalPath(m_doc.lastFiles.text);
    const QString path = FileChooser().ChooseFile(this, spec);
    if (path.isEmpty()) return;
    // A file that cannot be written ends the command without a message.
    WriteSolutionsFile(m_doc, m_results, LocalPath(path), m_smallLetters);
}
