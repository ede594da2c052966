#pragma once
// The grid view: drawing, the phases, mouse and keyboard editing, scrolling,
// zoom, the clipboard image, the PNG export and the undo histories.

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "app/command_router.h"
#include "formats/clue_files.h"
#include "model/colour_presets.h"
#include "model/edit_result.h"
#include "model/grid_editor.h"
#include "search/solutions.h"
#include "view/grid_painter.h"

class CClueListDlg;
class CClueTextDlg;
class CRooster2Doc;
class IFileChooser;
class QDialog;
class QPainter;

class CRooster2View : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CRooster2View(CRooster2Doc& doc, QWidget* parent = nullptr);
    ~CRooster2View() override;

    // A document was created or opened.
    void OnInitialUpdate();
    // The view's commands, handlers and update rules.
    void RegisterCommands(CCommandRouter& router);
    // Where the context menus and Escape find their commands.
    void SetCommandRouter(const CCommandRouter* router) { m_router = router; }

    // The grid at the current cell size without margin, cursor or clue line: the
    // picture of "&Kopieer" and the PNG export.
    QImage RenderGridToImage() const;
    // Draws one printed page on a device of the given printable size.
    void PrintPage(QPainter& painter, const QSize& printable) const;

    void SetPhase(int phase);
    int CellPixels() const { return m_cellPixels; }
    int SolutionCount() const { return m_results.m_solutionCount; }
    int BestDepth() const { return m_results.m_bestDepth; }
    const SearchResults& Results() const { return m_results; }
    bool SmallLetters() const { return m_smallLetters; }
    // A word chosen in the clue list; the 100 ms timer makes it current.
    void SetPendingWord(int word) { m_pendingWord = word; }
    int PendingWord() const { return m_pendingWord; }

    // The clue windows, null while closed.
    CClueTextDlg* ClueTextWindow() const;
    CClueListDlg* ClueListWindow() const;
    // After clues changed elsewhere: the open clue windows show them again.
    void RefreshClueText();
    void RefreshClueList();

    // Repaints after an editing step of the core.
    void ApplyEdit(const EditResult& result);
    // An import replaced the grid: undo starts afresh, the solutions and the best
    // fill are gone, the cursor is on the first word, everything repaints.
    void GridReplaced();

    // The file dialogs of the view's commands; the tests give their own.
    void SetFileChooser(IFileChooser* chooser) { m_chooser = chooser; }
    IFileChooser& FileChooser() const;
    // Where the clue-line reader stands; clue files, pasted text and the clue window share it.
    ClueSection& ClueReadSection() { return m_clueSection; }
    // Called with the search just before it runs (tests set its clock or hooks).
    void SetSearchSetup(std::function<void(CSearchRun&)> setup) { m_searchSetup = std::move(setup); }

signals:
    void StateChanged();
    void MessagePaneChanged(const QString& text);
    void InfoPaneChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    GridPaintParams ScreenParams() const;
    // The puzzle on screen: the search's own while it runs, else the document's.
    const Puzzle& ShownPuzzle() const;
    QPoint ScrollPosition() const;
    // Cell under a viewport point; (-1, -1) before the cell size is known.
    QPoint PointToCell(const QPoint& point) const;
    void UpdateLayout();
    void UpdateScrollRanges();
    void Invalidate();
    void InvalidateCell(int x, int y);
    void InvalidateCellIndex(int index);
    void ShowWordChange(int oldWord, int newWord);
    void InvalidateWord(int word);
    void KeepCursorInView();
    void ShowSizeStatus();
    void SetMessagePane(const QString& text);
    void ShowContextMenu(const QPoint& globalPos, bool fromKeyboard);
    bool RunKeypadCommand(QKeyEvent* event);
    bool HandleNavigationKey(QKeyEvent* event);
    void HandleCharacter(QKeyEvent* event);
    CommandFacts Facts() const;
    std::optional<CommandStatus> SharedRule(int id) const;
    void RunEditorCommand(int id);

    // Commands.
    void OnToggleScrollBars();
    void ScrollByCells(Qt::Orientation orientation, int cells);
    void Zoom(int step);
    void SetColourPreset(ColourPreset preset);
    void CopyToClipboard();
    void ExportPng();
    void ExportText();
    void OnTimer();

    // The search and its solutions.
    void RegisterSearchCommands(CCommandRouter& router);
    void OnSearchOptions();
    void OnSearch();
    void WireSearch(CSearchRun& search);
    void EndSearch(CSearchRun& search, bool scrollBarsBefore);
    void OnSearchInterrupt();
    void OnShowSolutions();
    void StepSolution(bool (CSolutionBrowser::*step)());
    void OnSolutionsDone();
    void OnShowBest();
    void OnWriteSolutions();
    // Draws the grid at once, while the search holds the message loop.
    void RedrawNow();
    void SetBrowserPhase(int phase);

    // The dialogs' commands (view_dialogs.cpp).
    void RegisterDialogCommands(CCommandRouter& router);
    void OnProperties();
    void OnComment();
    void OnShowClues();
    void OnShowClueList();
    void OnEditWord();
    void OnExtraFiles();
    void CloseClueWindows();
    void ForgetWhenClosed(QDialog* window, const std::function<void()>& forget);

    CRooster2Doc& m_doc;
    const CCommandRouter* m_router = nullptr;
    CGridEditor m_editor;
    QTimer m_timer;

    int m_cellPixels = 0;
    bool m_scrollBars = false;
    bool m_smallLetters = false;
    bool m_ctrlDown = false;
    int m_pendingWord = -1;
    IFileChooser* m_chooser = nullptr;
    // Where the clue-line reader is; it carries over from one read to the next.
    ClueSection m_clueSection = ClueSection::Across;
    QPointer<CClueTextDlg> m_clueTextDlg;
    QPointer<CClueListDlg> m_clueListDlg;

    SearchResults m_results;
    CSolutionBrowser m_browser{m_doc, m_results};
    CSearchRun* m_runningSearch = nullptr;
    std::function<void(CSearchRun&)> m_searchSetup;
};
