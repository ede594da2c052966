#pragma once
// The commands of the grid: the editing commands of the core's grid editor,
// scrolling, zoom, the clipboard image and the image and text exports, the
// dialogs (properties, comment, clue windows, word data, extra search files,
// the grid check),
// the search with its solutions, and what their states depend on. The
// grid widget draws and takes the input; this decides what a command does.

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "dialogs/grid_check_dlg.h"
#include "editing/colour_presets.h"
#include "editing/command_catalog.h"
#include "editing/edit_result.h"
#include "editing/solution_browser.h"
#include "formats/clue_files.h"
#include "forms/word_edit.h"
#include "search/fill_improver.h"
#include "search/search_service.h"
#include "support/command_router.h"
#include "util/worker_thread.h"
#include "view/clue_cell_editor.h"
#include "view/search_relay.h"

struct AppState;
class GridEditor;
struct DocumentChange;
class Rooster2Doc;
class GridView;
class IFileChooser;
class QDialog;

class GridController : public QObject {
    Q_OBJECT

public:
    GridController(Rooster2Doc& doc, AppState& app, GridView& view, GridEditor& editor,
                   IFileChooser& chooser);
    ~GridController() override;

    // The handlers of the grid's commands.
    void RegisterCommands(CommandRouter& router);
    // What the view and the search know that the commands' states depend on.
    CommandFacts Facts() const;

    // A document was created or opened.
    void OnInitialUpdate();
    // An import replaced the grid: undo starts afresh, the solutions and the best
    // fill are gone, the cursor is on the first word, everything repaints.
    void GridReplaced();
    // The document told of a change: a changed setting (the clues among them)
    // leaves the clue list to catch up.
    void DocumentChanged(const DocumentChange& change);
    void SetPhase(Phase phase);
    // A text (ISO-8859-1) in the status bar's first pane.
    void ShowMessage(const std::string& text);

    const SearchResults& Results() const { return m_results; }
    // Called with the search's request and callbacks just before it starts (tests
    // set its clock or hooks; the callbacks run on the search's thread).
    using SearchSetup = std::function<void(SearchRequest&, SearchCallbacks&)>;
    void SetSearchSetup(SearchSetup setup) { m_searchSetup = std::move(setup); }

    // The clue windows, null while closed.
    ClueTextDlg* ClueTextWindow() const { return m_clueTextDlg; }
    ClueListDlg* ClueListWindow() const { return m_clueListDlg; }
    // After clues changed elsewhere: the open clue windows show them again.
    void RefreshClueText();
    void RefreshClueList();
    // Clues changed outside the clue windows: both windows and the grid follow.
    void CluesChanged();
    // Where the clue-line reader stands; clue files, pasted text and the clue window share it.
    ClueSection& ClueReadSection() { return m_clueSection; }
    // A word chosen in the clue list; it becomes current as soon as the list's event
    // is handled (in the filling phase).
    void SetPendingWord(int word);
    // Puts value (as a list writes it) into word as "&Bewerk woord..." does: one undo step.
    void PlaceWord(int word, const std::string& value);
    int PendingWord() const { return m_pendingWord; }

signals:
    // Something changed that the update rules depend on.
    void StateChanged();
    // Status-bar texts: pane 0 for prompts and results, pane 1 for the search's progress.
    void MessagePaneChanged(const QString& text);
    void InfoPaneChanged(const QString& text);
    // "Start zoeken" ended: the results, texts and phase are in place.
    void SearchFinished();

private:
    // Registers a handler after which the rules are evaluated again.
    void Add(CommandRouter& router, int id, std::function<void()> handler);
    void OnEdited(const EditResult& result);
    void OnHoveredCell(int x, int y);
    void CatchUpWithClueWindowsLater();
    void CatchUpWithClueWindows();
    void ResetStatusTexts();
    void RunEditorCommand(int id);
    void SetColourPreset(ColourPreset preset);
    void CopyToClipboard();
    void ExportPng();
    void ExportText();

    // The dialogs (grid_controller_dialogs.cpp).
    void RegisterDialogCommands(CommandRouter& router);
    void OnProperties();
    void OnComment();
    void OnShowClues();
    void OnShowClueList();
    void OnEditWord();
    void ApplyWordFields(int word, const WordDataFields& fields);
    void OnExtraFiles();
    void OnGridCheck();
    void OnClueArrows();
    void OnZweedsLayout();
    void OnClueCellDoubleClicked(int x, int y);
    void RunGridCheck();
    void CloseClueWindows();
    void ForgetWhenClosed(QDialog* window, const std::function<void()>& forget);

    // The search and its solutions (grid_controller_search.cpp).
    void RegisterSearchCommands(CommandRouter& router);
    void OnSearchOptions();
    // "Start zoeken", or "Vul selectie" with the selected region.
    void OnSearch(std::optional<GridRegion> region = std::nullopt);
    void WireSearchRelay();
    void OnSearchStatus(int pane, const QString& text);
    void OnSearchGrid();
    void EndSearch();
    void TakeOverSearch(SearchOutcome& outcome);
    void ShowFillResult(const std::string& result, const std::string& score,
                        const std::string& lowest);
    void OnImproveFill();
    void EndImproveFill();
    void OnSearchInterrupt();
    void OnShowSolutions();
    void StepSolution(bool (SolutionBrowser::*step)());
    void OnSolutionsDone();
    void OnTakeOverSolution();
    void OnShowBest();
    void OnFrequencyDistribution();
    void OnWriteSolutions();
    void SetBrowserPhase(Phase phase);

    Rooster2Doc& m_doc;
    AppState& m_app;
    GridView& m_view;
    GridEditor& m_editor;
    IFileChooser& m_chooser;
    int m_pendingWord = -1;
    // Clues changed since the clue list was filled.
    bool m_clueListStale = false;
    // Where the clue-line reader is; it carries over from one read to the next.
    ClueSection m_clueSection = ClueSection::Across;
    QPointer<ClueTextDlg> m_clueTextDlg;
    QPointer<ClueListDlg> m_clueListDlg;
    QPointer<GridCheckDlg> m_gridCheckDlg;
    QPointer<ClueCellEditor> m_clueCellEditor;

    SearchResults m_results;
    SolutionBrowser m_browser{m_doc, m_results};
    SearchSetup m_searchSetup;
    // The running search and what it returns to; the relay outlives the search.
    SearchRelay m_relay;
    std::atomic<bool> m_interruptSearch{false};
    Phase m_phaseBeforeSearch = Phase::Vullen;
    bool m_scrollBarsBeforeSearch = false;
    SearchResults m_resultsBeforeSearch;  // back when the search could not start
    std::unique_ptr<SearchService> m_search;
    // "Verbeter vulling" while it runs on its own thread, and what it returns.
    std::unique_ptr<FillImprover> m_improver;
    std::unique_ptr<WorkerThread> m_improving;
    std::string m_improvedFill;
};
