#include "view/rooster2_view.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "app/command_router.h"
#include "app/command_table.h"
#include "app/file_chooser.h"
#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "dialogs/dialog_support.h"
#include "formats/text_export.h"
#include "model/clue_text.h"
#include "model/colour_presets.h"
#include "model/command_ids.h"
#include "model/fill_editing.h"
#include "model/phase_switch.h"
#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/str_format.h"
#include "view/png_export.h"

namespace {

constexpr int TIMER_PERIOD_MS = 100;
constexpr int MIN_CELL_SIZE = 5;
constexpr int MAX_CELL_SIZE = 200;
constexpr int CONTEXT_MENU_OFFSET = 30;

}  // namespace

CRooster2View::CRooster2View(CRooster2Doc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_editor(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_timer.setInterval(TIMER_PERIOD_MS);
    connect(&m_timer, &QTimer::timeout, this, &CRooster2View::OnTimer);
    m_browser.m_setPhase = [this](int phase) { SetPhase(phase); };
}

void CRooster2View::OnInitialUpdate() {
    if (m_doc.phase == PHASE_VORMEN) CloseClueWindows();
    m_pendingWord = -1;
    m_timer.start();
    // Solutions of another puzzle cannot be shown in this one.
    m_results = SearchResults{};
    m_editor.DocumentShown();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    Invalidate();
}

void CRooster2View::SetPhase(int phase) {
    ::SetPhase(m_doc, phase);
    if (phase == PHASE_VORMEN) CloseClueWindows();
    Invalidate();
}

// ---- Drawing ------------------------------------------------------------------------

QPoint CRooster2View::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

GridPaintParams CRooster2View::ScreenParams() const {
    GridPaintParams params;
    params.phase = m_doc.phase;
    params.cellPixels = m_cellPixels;
    params.margin = m_doc.puzzle.appearance.margin;
    params.smallLetters = m_smallLetters;
    params.scrolledToOrigin = ScrollPosition().isNull();
    params.markX = m_editor.m_markX;
    params.markY = m_editor.m_markY;
    params.mouseX = m_editor.m_mouseX;
    params.mouseY = m_editor.m_mouseY;
    params.client = QRect(ScrollPosition(), viewport()->size());
    return params;
}

void CRooster2View::UpdateLayout() {
    const QSize client = viewport()->size();
    m_cellPixels = ComputeCellSize(m_doc, m_doc.puzzle.appearance.margin, client.width(), client.height(), false, m_scrollBars);
    UpdateScrollRanges();
}

void CRooster2View::UpdateScrollRanges() {
    const Qt::ScrollBarPolicy policy = m_scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    if (!m_scrollBars) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
        return;
    }
    const int m = m_doc.puzzle.appearance.margin;
    const int totalWidth = m_doc.puzzle.width * m_doc.puzzle.appearance.cellSize + 2 * m;
    const int totalHeight = m_doc.puzzle.height * m_doc.puzzle.appearance.cellSize + 2 * m + m_doc.puzzle.appearance.clueTextSize;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, totalHeight - client.height()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setSingleStep(std::max(1, m_cellPixels));
    verticalScrollBar()->setSingleStep(std::max(1, m_cellPixels));
}

void CRooster2View::paintEvent(QPaintEvent*) {
    UpdateLayout();
    if (m_cellPixels < MIN_CELL_SIZE) return;
    // While searching, that pane shows the progress.
    if (m_runningSearch == nullptr) ShowSizeStatus();
    // The words follow every shape change; in the filling phase only the numbers.
    if (m_doc.phase == PHASE_VORMEN)
        m_doc.puzzle.BuildWords();
    else if (m_doc.phase == PHASE_VULLEN && !m_doc.puzzle.numbering.doorloper)
        m_doc.puzzle.Renumber();
    QPainter painter(viewport());
    painter.translate(-ScrollPosition());
    PaintGrid(painter, m_doc, ScreenParams());
}

void CRooster2View::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateLayout();
}

void CRooster2View::scrollContentsBy(int, int) { viewport()->update(); }

void CRooster2View::Invalidate() {
    UpdateLayout();
    viewport()->update();
    emit StateChanged();
}

void CRooster2View::InvalidateCell(int x, int y) {
    if (!m_doc.puzzle.IsInGrid(x, y) || m_cellPixels <= 0) return;
    viewport()->update(CellRect(m_doc, ScreenParams(), x, y).translated(-ScrollPosition()));
}

void CRooster2View::InvalidateCellIndex(int index) {
    if (m_doc.puzzle.width > 0) InvalidateCell(index % m_doc.puzzle.width, index / m_doc.puzzle.width);
}

void CRooster2View::InvalidateWord(int word) {
    if (!m_doc.puzzle.IsValidWordIndex(word)) return;
    const WordInfo& info = m_doc.puzzle.words[word];
    for (int i = 0; i < info.length; ++i) InvalidateCell(info.CellX(i), info.CellY(i));
}

void CRooster2View::ShowWordChange(int oldWord, int newWord) {
    if (oldWord != newWord) InvalidateWord(oldWord);
    InvalidateWord(newWord);
    // The caption line above the grid.
    if (m_doc.puzzle.appearance.clueTextSize > 0)
        viewport()->update(QRect(0, 0, viewport()->width(), m_doc.puzzle.appearance.margin + m_doc.puzzle.appearance.clueTextSize));
    SetMessagePane(Latin1(WordCaption(m_doc, newWord)));
    KeepCursorInView();
}

// The scroll value, moved in whole cells, that shows the cell starting at pos; when
// the window is smaller than a cell, the cell's start stays visible.
static int ScrollValueShowing(int pos, int value, int s, int client) {
    if (pos < value) return std::max(0, value - (value - pos + s - 1) / s * s);
    if (pos + s <= value + client) return value;
    int target = value + (pos + s - value - client + s - 1) / s * s;
    while (target > pos) target -= s;
    return std::max(value, target);
}

void CRooster2View::KeepCursorInView() {
    if (!m_scrollBars || !m_doc.puzzle.IsValidWordIndex(m_doc.curWord) || m_cellPixels <= 0) return;
    const WordInfo& word = m_doc.puzzle.words[m_doc.curWord];
    const int s = m_cellPixels;
    const int m = m_doc.puzzle.appearance.margin;
    const int px = word.CellX(m_doc.curPos) * s + m;
    const int py = m + word.CellY(m_doc.curPos) * s + m_doc.puzzle.appearance.clueTextSize;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setValue(ScrollValueShowing(px, h->value(), s, viewport()->width()));
    v->setValue(ScrollValueShowing(py, v->value(), s, viewport()->height()));
}

void CRooster2View::ShowSizeStatus() {
    emit InfoPaneChanged(Latin1(StrFormat("%d x %d, %d, %d", m_doc.puzzle.width, m_doc.puzzle.height,
                                          m_cellPixels, m_doc.puzzle.appearance.margin)));
}

void CRooster2View::SetMessagePane(const QString& text) { emit MessagePaneChanged(text); }

void CRooster2View::ApplyEdit(const EditResult& result) {
    if (!result.applied) return;
    if (result.forgetBestResult) m_results.m_bestDepth = 0;
    if (result.forgetSolutions) m_results.m_solutionCount = 0;
    if (result.redrawAll || result.redrawLetters) {
        Invalidate();
    } else {
        for (int index : result.cells) InvalidateCellIndex(index);
        if (result.highlightCell >= 0) InvalidateCellIndex(result.highlightCell);
    }
    if (result.wordChange) ShowWordChange(result.oldWord, result.newWord);
    emit StateChanged();
}

void CRooster2View::GridReplaced() {
    m_results = SearchResults{};
    m_editor.DocumentShown();
    m_doc.curWord = m_doc.puzzle.words.empty() ? -1 : 0;
    m_doc.curPos = 0;
    Invalidate();
}

IFileChooser& CRooster2View::FileChooser() const {
    return m_chooser != nullptr ? *m_chooser : DefaultFileChooser();
}

QImage CRooster2View::RenderGridToImage() const {
    const int s = m_cellPixels;
    const int extra = 1 + m_doc.puzzle.appearance.lineWidth;
    QImage image(m_doc.puzzle.width * s + extra, m_doc.puzzle.height * s + extra, QImage::Format_RGB32);
    GridPaintParams params;
    params.phase = PHASE_BITMAP;
    params.cellPixels = s;
    params.margin = 0;
    params.smallLetters = m_smallLetters;
    params.client = image.rect();
    QPainter painter(&image);
    PaintGrid(painter, m_doc, params);
    return image;
}

void CRooster2View::PrintPage(QPainter& painter, const QSize& printable) const {
    constexpr int PRINT_MARGIN = 200;
    const CRooster2Doc& doc = m_doc;
    GridPaintParams params;
    params.phase = doc.phase;
    params.cellPixels =
        ComputeCellSize(doc, PRINT_MARGIN, printable.width(), printable.height(), true, false);
    params.margin = PRINT_MARGIN;
    params.printing = true;
    params.smallLetters = m_smallLetters;
    params.client = QRect(QPoint(0, 0), printable);
    if (params.cellPixels < MIN_CELL_SIZE) return;
    PaintGrid(painter, doc, params);
}

// ---- Mouse ------------------------------------------------------------------------------

QPoint CRooster2View::PointToCell(const QPoint& point) const {
    const QPoint scroll = ScrollPosition();
    const std::optional<GridCell> cell =
        ::PointToCell(point.x(), point.y(), scroll.x(), scroll.y(), m_doc.puzzle.appearance.margin,
                      m_doc.puzzle.appearance.clueTextSize, m_cellPixels);
    return cell ? QPoint(cell->x, cell->y) : QPoint(-1, -1);
}

void CRooster2View::ShowContextMenu(const QPoint& globalPos, bool fromKeyboard) {
    const std::vector<ContextMenuItem>& items = ContextMenuOfPhase(m_doc.phase);
    if (items.empty() || m_router == nullptr) return;
    QPoint at = globalPos;
    if (fromKeyboard) {
        at = viewport()->mapToGlobal(
            QPoint(m_doc.puzzle.width * m_cellPixels + m_doc.puzzle.appearance.margin + CONTEXT_MENU_OFFSET,
                   CONTEXT_MENU_OFFSET));
    } else if (m_doc.phase == PHASE_VORMEN || m_doc.phase == PHASE_VULLEN) {
        // On a grid cell the right button edits instead (the scroll offset is not counted).
        const QPoint local = viewport()->mapFromGlobal(globalPos);
        const std::optional<GridCell> cell = ::PointToCell(
            local.x(), local.y(), 0, 0, m_doc.puzzle.appearance.margin, m_doc.puzzle.appearance.clueTextSize, m_cellPixels);
        if (cell && m_doc.puzzle.IsInGrid(cell->x, cell->y)) return;
    }
    QMenu menu(this);
    for (const ContextMenuItem& item : items) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(Latin1(item.text));
        const CommandStatus status = m_router->Status(item.id);
        action->setEnabled(status.enabled);
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { m_router->Run(id); });
    }
    menu.exec(at);
}

void CRooster2View::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    const QPoint cell = PointToCell(event->position().toPoint());
    m_editor.ButtonDown(cell.x(), cell.y());
}

void CRooster2View::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint cell = PointToCell(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        ApplyEdit(m_editor.LeftButtonUp(cell.x(), cell.y(),
                                        event->modifiers().testFlag(Qt::ControlModifier)));
    } else if (event->button() == Qt::RightButton) {
        ApplyEdit(m_editor.RightButtonUp(cell.x(), cell.y()));
        ShowContextMenu(event->globalPosition().toPoint(), false);
    }
}

void CRooster2View::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_doc.phase == PHASE_VULLEN &&
        HasCurrentWord(m_doc) && m_router != nullptr)
        m_router->Run(ID_EDIT_WORD);
    else
        mousePressEvent(event);
}

void CRooster2View::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cell = PointToCell(event->position().toPoint());
    const EditResult moved = m_editor.MouseMove(cell.x(), cell.y());
    if (!moved.applied) return;
    ApplyEdit(moved);
    if (m_doc.phase != PHASE_VULLEN) return;
    if (const std::optional<std::string> status =
            MouseMoveStatus(m_doc, cell.x(), cell.y(), SolutionCount(), BestDepth()))
        SetMessagePane(Latin1(*status));
}

void CRooster2View::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (m_doc.phase == PHASE_TONEN && delta != 0) {
        if (m_router != nullptr) m_router->Run(delta > 0 ? ID_SOLUTION_NEXT : ID_SOLUTION_PREVIOUS);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

// ---- Keys -----------------------------------------------------------------------------------

bool CRooster2View::event(QEvent* event) {
    // The context-menu key asks for the phase's menu right of the grid.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        ShowContextMenu(QPoint(), true);
        return true;
    }
    return QAbstractScrollArea::event(event);
}

// Keypad navigation keys with Num Lock off arrive as these keys too.
static std::optional<EditKey> EditKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left: return EditKey::Left;
        case Qt::Key_Right: return EditKey::Right;
        case Qt::Key_Up: return EditKey::Up;
        case Qt::Key_Down: return EditKey::Down;
        case Qt::Key_Home: return EditKey::Home;
        case Qt::Key_End: return EditKey::End;
        case Qt::Key_Delete: return EditKey::Delete;
        default: return std::nullopt;
    }
}

bool CRooster2View::HandleNavigationKey(QKeyEvent* event) {
    const std::optional<EditKey> key = EditKeyOf(event->key());
    if (!key) return false;
    ApplyEdit(m_editor.KeyDown(*key, m_ctrlDown));
    return true;
}

void CRooster2View::HandleCharacter(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        const EscapeAction action = EscapeActionFor(m_doc.phase);
        if (m_router == nullptr) return;
        if (action == EscapeAction::InterruptSearch) m_router->Run(ID_SEARCH_INTERRUPT);
        if (action == EscapeAction::FinishSolutions) m_router->Run(ID_SOLUTIONS_DONE);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        ApplyEdit(m_editor.Char('\b'));
        return;
    }
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() > 0xFF) return;
    // Ctrl combinations that are no command give control characters; they type nothing.
    const unsigned char ch = static_cast<unsigned char>(text[0].toLatin1());
    if (ch < 0x20) return;
    ApplyEdit(m_editor.Char(ch));
}

void CRooster2View::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_ctrlDown = true;
    // Any key but Escape lets the search draw its current fill again.
    if (m_runningSearch != nullptr && event->key() != Qt::Key_Escape) m_runningSearch->OnOtherKey();
    if (!RunKeypadCommand(event) && !HandleNavigationKey(event)) HandleCharacter(event);
    event->accept();
}

// Qt on X11 does not match shortcuts that carry the keypad flag ("Grijze +",
// "Ctrl+Grijze+"), so such a key reaches the view, which runs the command itself.
bool CRooster2View::RunKeypadCommand(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::KeypadModifier) || m_router == nullptr) return false;
    const int id = CommandForKey(event->keyCombination());
    return id != 0 && m_router->Run(id);
}

void CRooster2View::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_ctrlDown = false;
    QAbstractScrollArea::keyReleaseEvent(event);
}

void CRooster2View::focusInEvent(QFocusEvent* event) {
    m_ctrlDown = false;
    QAbstractScrollArea::focusInEvent(event);
}

bool CRooster2View::focusNextPrevChild(bool) {
    // Tab belongs to "&Bewerk woord...", never to the focus chain.
    return false;
}

// ---- Commands ------------------------------------------------------------------------------

void CRooster2View::OnToggleScrollBars() {
    m_scrollBars = !m_scrollBars;
    Invalidate();
}

void CRooster2View::ScrollByCells(Qt::Orientation orientation, int cells) {
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    if (bar->maximum() <= 0) return;  // everything fits
    bar->setValue(std::max(0, bar->value() + cells * m_cellPixels));
}

void CRooster2View::Zoom(int step) {
    const int size = m_doc.puzzle.appearance.cellSize;
    if (step > 0 && size >= MAX_CELL_SIZE) return;
    if (step < 0 && size <= MIN_CELL_SIZE) return;
    m_doc.puzzle.appearance.cellSize = size + step;
    Invalidate();
}

void CRooster2View::SetColourPreset(ColourPreset preset) {
    ApplyColourPreset(m_doc, preset);
    Invalidate();
}

void CRooster2View::CopyToClipboard() { QApplication::clipboard()->setImage(RenderGridToImage()); }

void CRooster2View::ExportPng() {
    const QImage image = RenderGridToImage();
    const std::string path = ChooseRememberedFile(
        FileChooser(), this,
        MakeFileDialogSpec(true, "Opslaan rooster als png)", "png",
                           "PNG bestand (*.png);;Alle bestanden (*.*)"),
        m_doc.lastFiles.png);
    if (path.empty()) return;
    if (!WritePng(path, image))
        QMessageBox::warning(this, Latin1("Oei"), Latin1("Schrijven png mislukt"));
    Invalidate();
}

void CRooster2View::ExportText() {
    const std::string path = ChooseRememberedFile(
        FileChooser(), this,
        MakeFileDialogSpec(true, "Opslaan inhoud rooster", "txt",
                           "Tekstbestand (*.txt);;Alle bestanden (*.*)"),
        m_doc.lastFiles.text);
    if (path.empty()) return;
    // A file that cannot be written ends the command without a message.
    WriteFileAtomically(path, ExportPlainText(m_doc.puzzle, m_smallLetters));
}

void CRooster2View::OnTimer() {
    if (m_doc.phase != PHASE_VULLEN) return;
    if (m_pendingWord >= 0) {
        m_doc.curPos = 0;
        const int old = m_doc.curWord;
        m_doc.curWord = m_pendingWord;
        ShowWordChange(old, m_pendingWord);
        m_pendingWord = -1;
        RefreshClueList();
    }
    // Clues typed in the text window reach the list once the text window is gone.
    if (m_doc.clueListDirty && m_clueTextDlg == nullptr) {
        m_doc.clueListDirty = false;
        RefreshClueList();
    }
}

CommandFacts CRooster2View::Facts() const {
    CommandFacts facts;
    facts.solutionCount = SolutionCount();
    facts.bestDepth = BestDepth();
    facts.scrollBars = m_scrollBars;
    facts.autoNextWord = m_editor.m_autoNextWord;
    facts.clueDialogOpen = m_clueTextDlg != nullptr;
    facts.clueListOpen = m_clueListDlg != nullptr;
    return facts;
}

// The commands whose menu items carry a check mark.
static bool HasCheckMark(int id) {
    switch (id) {
        case ID_PHASE_SHAPE:
        case ID_PHASE_FILL:
        case ID_DIRECTION_ACROSS:
        case ID_DIRECTION_DOWN:
        case ID_VIEW_SCROLLBARS:
        case ID_AUTO_NEXT_WORD: return true;
        default: return false;
    }
}

std::optional<CommandStatus> CRooster2View::SharedRule(int id) const {
    const std::optional<CommandState> state = m_editor.CommandStateOf(id, Facts());
    if (!state) return std::nullopt;
    CommandStatus status{state->enabled, std::nullopt};
    if (HasCheckMark(id)) status.checked = state->checked;
    return status;
}

void CRooster2View::RunEditorCommand(int id) {
    if (id == ID_PHASE_SHAPE && ShapingLosesClues(m_doc)) {
        const UserMessage question = ClueLossQuestion();
        if (QMessageBox::question(this, Latin1(question.caption), Latin1(question.text),
                                  QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return;
    }
    const EditResult result = m_editor.RunCommand(id);
    if (id == ID_PHASE_SHAPE && result.applied) CloseClueWindows();
    ApplyEdit(result);
}

void CRooster2View::RegisterCommands(CCommandRouter& router) {
    router.SetSharedRules([this](int id) { return SharedRule(id); });
    router.Register(ID_VIEW_SCROLLBARS, [this] { OnToggleScrollBars(); });
    router.Register(ID_SCROLL_DOWN, [this] { ScrollByCells(Qt::Vertical, 1); });
    router.Register(ID_SCROLL_UP, [this] { ScrollByCells(Qt::Vertical, -1); });
    router.Register(ID_SCROLL_RIGHT, [this] { ScrollByCells(Qt::Horizontal, 1); });
    router.Register(ID_SCROLL_LEFT, [this] { ScrollByCells(Qt::Horizontal, -1); });
    router.Register(ID_ZOOM_IN, [this] { Zoom(1); });
    router.Register(ID_ZOOM_OUT, [this] { Zoom(-1); });
    router.Register(ID_REDRAW, [this] { Invalidate(); });
    router.Register(ID_GRID_COPY, [this] { CopyToClipboard(); });
    router.Register(ID_COLORS_ACROSS_LITE, [this] { SetColourPreset(ColourPreset::AcrossLite); });
    router.Register(ID_COLORS_WEBPUZZEL, [this] { SetColourPreset(ColourPreset::Webpuzzel); });
    router.Register(ID_EXPORT_PNG, [this] { ExportPng(); });
    router.Register(ID_EXPORT_TEXT, [this] { ExportText(); });
    RegisterDialogCommands(router);
    for (int id : {ID_UNDO, ID_REDO, ID_PHASE_SHAPE, ID_PHASE_FILL, ID_DIRECTION_ACROSS,
                   ID_DIRECTION_DOWN, ID_AUTO_NEXT_WORD, ID_GRID_CLEAN, ID_GRID_REMOVE_LETTERS,
                   ID_GRID_EDGE_BLACK, ID_SHIFT_RIGHT, ID_SHIFT_LEFT, ID_SHIFT_DOWN, ID_SHIFT_UP,
                   ID_ROTATE_CLOCKWISE, ID_MIRROR_ROWS, ID_MIRROR_COLUMNS, ID_ALTERNATE_BLACK,
                   ID_FREE_CELLS_BLACK})
        router.Register(id, [this, id] { RunEditorCommand(id); });
    RegisterSearchCommands(router);
}
