#include "view/grid_controller.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "editing/command_ids.h"
#include "editing/fill_editing.h"
#include "editing/grid_editor.h"
#include "editing/phase_switch.h"
#include "formats/export_status.h"
#include "formats/text_export.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "render/latin1_text.h"
#include "render/png_export.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"
#include "util/file_io.h"
#include "view/grid_view.h"

GridController::GridController(Rooster2Doc& doc, AppState& app, GridView& view, GridEditor& editor,
                               IFileChooser& chooser)
    : m_doc(doc), m_app(app), m_view(view), m_editor(editor), m_chooser(chooser) {
    m_browser.setPhase = [this](Phase phase) { SetPhase(phase); };
    connect(&m_view, &GridView::Edited, this, &GridController::OnEdited);
    connect(&m_view, &GridView::HoveredCell, this, &GridController::OnHoveredCell);
    connect(&m_view, &GridView::ClueCellDoubleClicked, this,
            &GridController::OnClueCellDoubleClicked);
    connect(&m_view, &GridView::KeyDuringSearch, this, [this] {
        if (m_search) m_search->DrawAgain();
    });
    WireSearchRelay();
}

GridController::~GridController() {
    // A search or an improvement still running stops, so that its thread is joined at once.
    m_interruptSearch = true;
    // The clue windows die with the window; they must not call back into this then.
    for (QDialog* window :
         {static_cast<QDialog*>(m_clueTextDlg), static_cast<QDialog*>(m_clueListDlg)})
        if (window != nullptr) window->disconnect(this);
}

void GridController::OnInitialUpdate() {
    if (m_doc.phase == Phase::Vormen) CloseClueWindows();
    if (m_clueCellEditor != nullptr) m_clueCellEditor->Drop();
    m_pendingWord = -1;
    // Solutions of another puzzle cannot be shown in this one.
    m_results = SearchResults{};
    m_editor.DocumentShown();
    m_view.ScrollToOrigin();
    m_view.Invalidate();
    ResetStatusTexts();
    emit StateChanged();
}

// The texts of the last search or solution shown belong to the grid before.
void GridController::ResetStatusTexts() {
    ShowMessage(std::string());
    m_view.ShowSizeStatus();
}

void GridController::GridReplaced() {
    m_results = SearchResults{};
    m_editor.DocumentShown();
    m_doc.curWord = m_doc.puzzle().words.empty() ? -1 : 0;
    m_doc.curPos = 0;
    m_view.Invalidate();
    ResetStatusTexts();
    emit StateChanged();
}

void GridController::DocumentChanged(const DocumentChange& change) {
    if (change.kind == EditKind::Setting) m_clueListStale = true;
}

void GridController::SetPhase(Phase phase) {
    ::SetPhase(m_doc, phase);
    if (phase == Phase::Vormen) CloseClueWindows();
    if (phase == Phase::Vullen) CatchUpWithClueWindowsLater();
    m_view.Invalidate();
    emit StateChanged();
}

void GridController::ShowMessage(const std::string& text) { emit MessagePaneChanged(Latin1(text)); }

void GridController::OnEdited(const EditResult& result) {
    if (result.forgetBestResult) m_results.bestDepth = 0;
    if (result.forgetSolutions) m_results.solutionCount = 0;
    emit StateChanged();
}

void GridController::OnHoveredCell(int x, int y) {
    if (const std::optional<std::string> status =
            MouseMoveStatus(m_doc, x, y, m_results.solutionCount, m_results.bestDepth))
        ShowMessage(*status);
}

void GridController::SetPendingWord(int word) {
    m_pendingWord = word;
    CatchUpWithClueWindowsLater();
}

// Queued, so that the window that caused it has finished handling its own event
// (a list must not be refilled inside its own selection change).
void GridController::CatchUpWithClueWindowsLater() {
    QMetaObject::invokeMethod(this, &GridController::CatchUpWithClueWindows, Qt::QueuedConnection);
}

// What the clue windows asked for while filling; outside it, it waits for the
// return to filling.
void GridController::CatchUpWithClueWindows() {
    if (m_doc.phase != Phase::Vullen) return;
    if (m_pendingWord >= 0) {
        m_doc.curPos = 0;
        const int old = m_doc.curWord;
        m_doc.curWord = m_pendingWord;
        m_view.ShowWordChange(old, m_pendingWord);
        m_pendingWord = -1;
        RefreshClueList();
        emit StateChanged();
    }
    // Clues typed in the text window reach the list once the text window is gone.
    if (m_clueListStale && m_clueTextDlg == nullptr) RefreshClueList();
}

// ---- Commands ------------------------------------------------------------------------------

CommandFacts GridController::Facts() const {
    CommandFacts facts;
    facts.solutionCount = m_results.solutionCount;
    facts.bestDepth = m_results.bestDepth;
    facts.scrollBars = m_view.ScrollBars();
    facts.autoNextWord = m_editor.autoNextWord;
    facts.clueDialogOpen = m_clueTextDlg != nullptr;
    facts.clueListOpen = m_clueListDlg != nullptr;
    return facts;
}

void GridController::Add(CommandRouter& router, int id, std::function<void()> handler) {
    router.Register(id, [this, handler = std::move(handler)] {
        handler();
        emit StateChanged();
    });
}

void GridController::RunEditorCommand(int id) {
    if (id == ID_PHASE_SHAPE && ShapingLosesClues(m_doc)) {
        const UserMessage question = ClueLossQuestion();
        if (QMessageBox::question(&m_view, Latin1(question.caption), Latin1(question.text),
                                  QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return;
    }
    const EditResult result = m_editor.RunCommand(id);
    if (id == ID_PHASE_SHAPE && result.applied) CloseClueWindows();
    m_view.ApplyEdit(result);
}

void GridController::SetColourPreset(ColourPreset preset) {
    ApplyColourPreset(m_doc, preset);
    m_view.Invalidate();
}

void GridController::CopyToClipboard() {
    QApplication::clipboard()->setImage(m_view.RenderGridToImage());
}

void GridController::ExportPng() {
    const QImage image = m_view.RenderGridToImage();
    const std::string path =
        ChooseExportFile(m_chooser, &m_view,
                         MakeFileDialogSpec(true, "Opslaan rooster als png)", "png",
                                            "PNG bestand (*.png);;Alle bestanden (*.*)"),
                         m_app.lastFiles.png, m_doc.pathName);
    if (path.empty()) return;
    if (!WritePng(path, image))
        QMessageBox::warning(&m_view, Latin1("Oei"), Latin1("Schrijven png mislukt"));
    else
        ShowMessage(ExportedStatusText(path));
    m_view.Invalidate();
}

void GridController::ExportText() {
    const std::string path =
        ChooseExportFile(m_chooser, &m_view,
                         MakeFileDialogSpec(true, "Opslaan inhoud rooster", "txt",
                                            "Tekstbestand (*.txt);;Alle bestanden (*.*)"),
                         m_app.lastFiles.text, m_doc.pathName);
    if (path.empty()) return;
    // A file that cannot be written ends the command without a message.
    if (WriteFileAtomically(path, ExportPlainText(m_doc.puzzle(), m_view.SmallLetters())))
        ShowMessage(ExportedStatusText(path));
}

void GridController::RegisterCommands(CommandRouter& router) {
    Add(router, ID_VIEW_SCROLLBARS, [this] { m_view.SetScrollBars(!m_view.ScrollBars()); });
    Add(router, ID_SCROLL_DOWN, [this] { m_view.ScrollByCells(Qt::Vertical, 1); });
    Add(router, ID_SCROLL_UP, [this] { m_view.ScrollByCells(Qt::Vertical, -1); });
    Add(router, ID_SCROLL_RIGHT, [this] { m_view.ScrollByCells(Qt::Horizontal, 1); });
    Add(router, ID_SCROLL_LEFT, [this] { m_view.ScrollByCells(Qt::Horizontal, -1); });
    Add(router, ID_ZOOM_IN, [this] { m_view.Zoom(1); });
    Add(router, ID_ZOOM_OUT, [this] { m_view.Zoom(-1); });
    Add(router, ID_REDRAW, [this] { m_view.Invalidate(); });
    Add(router, ID_GRID_COPY, [this] { CopyToClipboard(); });
    Add(router, ID_COLOURS_ACROSS_LITE, [this] { SetColourPreset(ColourPreset::AcrossLite); });
    Add(router, ID_COLOURS_WEBPUZZEL, [this] { SetColourPreset(ColourPreset::Webpuzzel); });
    Add(router, ID_EXPORT_PNG, [this] { ExportPng(); });
    Add(router, ID_EXPORT_TEXT, [this] { ExportText(); });
    for (int id : {ID_UNDO,
                   ID_REDO,
                   ID_PHASE_SHAPE,
                   ID_PHASE_FILL,
                   ID_DIRECTION_ACROSS,
                   ID_DIRECTION_DOWN,
                   ID_AUTO_NEXT_WORD,
                   ID_GRID_CLEAN,
                   ID_GRID_REMOVE_LETTERS,
                   ID_GRID_EDGE_BLACK,
                   ID_SHIFT_RIGHT,
                   ID_SHIFT_LEFT,
                   ID_SHIFT_DOWN,
                   ID_SHIFT_UP,
                   ID_ROTATE_CLOCKWISE,
                   ID_MIRROR_ROWS,
                   ID_MIRROR_COLUMNS,
                   ID_ALTERNATE_BLACK,
                   ID_FREE_CELLS_BLACK,
                   ID_BAR_RIGHT,
                   ID_BAR_BELOW,
                   ID_KEY_CELL})
        Add(router, id, [this, id] { RunEditorCommand(id); });
    Add(router, ID_LOCK, [this] { RunEditorCommand(ID_LOCK); });
    RegisterDialogCommands(router);
    RegisterSearchCommands(router);
}
