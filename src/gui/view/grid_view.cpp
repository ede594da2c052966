#include "view/grid_view.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "editing/command_catalog.h"
#include "editing/command_ids.h"
#include "editing/fill_editing.h"
#include "editing/grid_editor.h"
#include "model/rooster2_doc.h"
#include "render/fillability_overlay.h"
#include "render/latin1_text.h"
#include "support/command_router.h"
#include "util/str_format.h"
#include "view/context_menus.h"

namespace {

constexpr int MIN_CELL_SIZE = 5;
constexpr int MAX_CELL_SIZE = 200;
constexpr int CONTEXT_MENU_OFFSET = 30;

// The scroll value, moved in whole cells, that shows the cell starting at pos; when
// the window is smaller than a cell, the cell's start stays visible.
int ScrollValueShowing(int pos, int value, int s, int client) {
    if (pos < value) return std::max(0, value - (value - pos + s - 1) / s * s);
    if (pos + s <= value + client) return value;
    int target = value + (pos + s - value - client + s - 1) / s * s;
    while (target > pos) target -= s;
    return std::max(value, target);
}

// Keypad navigation keys with Num Lock off arrive as these keys too.
std::optional<EditKey> EditKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return EditKey::Left;
        case Qt::Key_Right:
            return EditKey::Right;
        case Qt::Key_Up:
            return EditKey::Up;
        case Qt::Key_Down:
            return EditKey::Down;
        case Qt::Key_Home:
            return EditKey::Home;
        case Qt::Key_End:
            return EditKey::End;
        case Qt::Key_Delete:
            return EditKey::Delete;
        default:
            return std::nullopt;
    }
}

}  // namespace

GridView::GridView(Rooster2Doc& doc, GridEditor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_editor(editor) {
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// ---- Drawing ------------------------------------------------------------------------

const Puzzle& GridView::ShownPuzzle() const {
    return m_searchSnapshot ? *m_searchSnapshot : m_doc.puzzle();
}

void GridView::UpdateSearchSnapshot(const std::string& grid) {
    if (m_searchSnapshot) m_searchSnapshot->StringToGrid(grid);
}

QPoint GridView::ScrollPosition() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

GridPaintParams GridView::ScreenParams() const {
    GridPaintParams params;
    params.phase = m_doc.phase;
    params.cellPixels = m_cellPixels;
    params.margin = m_doc.puzzle().appearance.margin;
    params.smallLetters = m_smallLetters;
    params.scrolledToOrigin = ScrollPosition().isNull();
    params.markX = m_editor.markX;
    params.markY = m_editor.markY;
    params.mouseX = m_editor.mouseX;
    params.mouseY = m_editor.mouseY;
    params.curWord = m_doc.curWord;
    params.curPos = m_doc.curPos;
    params.showLocks = true;
    params.selection = m_editor.selection;
    params.client = QRect(ScrollPosition(), viewport()->size());
    return params;
}

void GridView::UpdateLayout() {
    const QSize client = viewport()->size();
    m_cellPixels = ComputeCellSize(m_doc.puzzle(), m_doc.puzzle().appearance.margin, client.width(),
                                   client.height(), false, m_scrollBars);
    UpdateScrollRanges();
}

void GridView::UpdateScrollRanges() {
    const Qt::ScrollBarPolicy policy =
        m_scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    if (!m_scrollBars) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
        return;
    }
    const Puzzle& puzzle = m_doc.puzzle();
    const int m = puzzle.appearance.margin;
    const int totalWidth = puzzle.width * puzzle.appearance.cellSize + 2 * m;
    const int totalHeight =
        puzzle.height * puzzle.appearance.cellSize + 2 * m + puzzle.appearance.clueTextSize;
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, totalHeight - client.height()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setPageStep(client.height());
    horizontalScrollBar()->setSingleStep(std::max(1, m_cellPixels));
    verticalScrollBar()->setSingleStep(std::max(1, m_cellPixels));
}

void GridView::paintEvent(QPaintEvent*) {
    UpdateLayout();
    if (m_cellPixels < MIN_CELL_SIZE) return;
    // While searching, that pane shows the progress.
    if (!m_searchSnapshot) ShowSizeStatus();
    QPainter painter(viewport());
    painter.translate(-ScrollPosition());
    PaintGrid(painter, ShownPuzzle(), ScreenParams());
    const bool editing = m_doc.phase == Phase::Vormen || m_doc.phase == Phase::Vullen;
    if (m_fillability && editing && !m_searchSnapshot)
        PaintFillability(painter, m_doc.puzzle(), ScreenParams(), *m_fillability, m_heatMap);
}

// Without the heat map only the dead cells show: a report that leaves the frames on
// this grid as they are repaints nothing (a paint also puts the size back into the
// info pane).
void GridView::ShowFillability(std::shared_ptr<const FillabilityReport> report, bool heatMap) {
    const auto deadCells = [this](const std::shared_ptr<const FillabilityReport>& shown) {
        std::vector<int> cells;
        if (!shown || !ReportFits(m_doc.puzzle(), *shown)) return cells;
        for (std::size_t cell = 0; cell < shown->deadCells.size(); ++cell)
            if (shown->deadCells[cell]) cells.push_back(static_cast<int>(cell));
        return cells;
    };
    const bool changed = heatMap || m_heatMap || deadCells(report) != deadCells(m_fillability);
    m_fillability = std::move(report);
    m_heatMap = heatMap;
    if (changed) viewport()->update();
}

void GridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateLayout();
}

void GridView::scrollContentsBy(int, int) { viewport()->update(); }

void GridView::Invalidate() {
    UpdateLayout();
    viewport()->update();
}

void GridView::RedrawNow() { viewport()->repaint(); }

QRect GridView::CellInViewport(int x, int y) const {
    return CellRect(m_doc.puzzle(), ScreenParams(), x, y).translated(-ScrollPosition());
}

void GridView::InvalidateCell(int x, int y) {
    if (!m_doc.puzzle().IsInGrid(x, y) || m_cellPixels <= 0) return;
    viewport()->update(CellInViewport(x, y));
}

void GridView::InvalidateCellIndex(int index) {
    if (m_doc.puzzle().width > 0)
        InvalidateCell(index % m_doc.puzzle().width, index / m_doc.puzzle().width);
}

void GridView::InvalidateWord(int word) {
    if (!m_doc.puzzle().IsValidWordIndex(word)) return;
    const WordInfo& info = m_doc.puzzle().words[word];
    for (int i = 0; i < info.length; ++i) InvalidateCell(info.CellX(i), info.CellY(i));
}

void GridView::ShowWordChange(int oldWord, int newWord) {
    if (oldWord != newWord) InvalidateWord(oldWord);
    InvalidateWord(newWord);
    const Appearance& appearance = m_doc.puzzle().appearance;
    // The caption line above the grid.
    if (appearance.clueTextSize > 0)
        viewport()->update(
            QRect(0, 0, viewport()->width(), appearance.margin + appearance.clueTextSize));
    emit MessagePaneChanged(Latin1(WordCaption(m_doc, newWord)));
    KeepCursorInView();
}

void GridView::KeepCursorInView() {
    if (!m_scrollBars || !m_doc.puzzle().IsValidWordIndex(m_doc.curWord) || m_cellPixels <= 0)
        return;
    const WordInfo& word = m_doc.puzzle().words[m_doc.curWord];
    const int s = m_cellPixels;
    const int m = m_doc.puzzle().appearance.margin;
    const int px = word.CellX(m_doc.curPos) * s + m;
    const int py = m + word.CellY(m_doc.curPos) * s + m_doc.puzzle().appearance.clueTextSize;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setValue(ScrollValueShowing(px, h->value(), s, viewport()->width()));
    v->setValue(ScrollValueShowing(py, v->value(), s, viewport()->height()));
}

void GridView::ShowSizeStatus() {
    emit InfoPaneChanged(
        Latin1(StrFormat("%d x %d, %d, %d", m_doc.puzzle().width, m_doc.puzzle().height,
                         m_cellPixels, m_doc.puzzle().appearance.margin)));
}

void GridView::ApplyEdit(const EditResult& result) {
    if (!result.applied) return;
    if (result.redrawAll || result.redrawLetters) {
        Invalidate();
    } else {
        for (int index : result.cells) InvalidateCellIndex(index);
        if (result.highlightCell >= 0) InvalidateCellIndex(result.highlightCell);
    }
    if (result.wordChange) ShowWordChange(result.oldWord, result.newWord);
    emit Edited(result);
}

QImage GridView::RenderGridToImage() const {
    return RenderGridImage(m_doc.puzzle(), m_cellPixels, m_smallLetters);
}

void GridView::PrintPage(QPainter& painter, const QSize& printable, int dotsPerInch) const {
    PaintPrintedGrid(painter, m_doc.puzzle(), printable, dotsPerInch, m_smallLetters);
}

int GridView::GridRightOnScreen() const {
    const int right = m_doc.puzzle().appearance.margin + m_doc.puzzle().width * m_cellPixels;
    return viewport()->mapToGlobal(QPoint(right, 0)).x();
}

// ---- Scrolling and zoom -----------------------------------------------------------------

void GridView::SetScrollBars(bool on) {
    m_scrollBars = on;
    Invalidate();
}

void GridView::ScrollByCells(Qt::Orientation orientation, int cells) {
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    if (bar->maximum() <= 0) return;  // everything fits
    bar->setValue(std::max(0, bar->value() + cells * m_cellPixels));
}

void GridView::ScrollToOrigin() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void GridView::Zoom(int step) {
    const int size = m_doc.puzzle().appearance.cellSize;
    if (step > 0 && size >= MAX_CELL_SIZE) return;
    if (step < 0 && size <= MIN_CELL_SIZE) return;
    // A view setting that the file keeps, not a change of the puzzle.
    PuzzleEdit(m_doc, EditKind::Shown)->appearance.cellSize = size + step;
    Invalidate();
}

// ---- Mouse ------------------------------------------------------------------------------

QPoint GridView::PointToCell(const QPoint& point) const {
    const QPoint scroll = ScrollPosition();
    const std::optional<GridCell> cell = ::PointToCell(
        point.x(), point.y(), scroll.x(), scroll.y(), m_doc.puzzle().appearance.margin,
        m_doc.puzzle().appearance.clueTextSize, m_cellPixels);
    return cell ? QPoint(cell->x, cell->y) : QPoint(-1, -1);
}

bool GridView::RunCommand(int id) const { return m_router != nullptr && m_router->Run(id); }

void GridView::ShowContextMenu(const QPoint& globalPos, bool fromKeyboard) {
    const std::vector<int>& items = ContextMenuOfPhase(m_doc.phase);
    if (items.empty() || m_router == nullptr) return;
    const Puzzle& puzzle = m_doc.puzzle();
    QPoint at = globalPos;
    if (fromKeyboard) {
        at = viewport()->mapToGlobal(
            QPoint(puzzle.width * m_cellPixels + puzzle.appearance.margin + CONTEXT_MENU_OFFSET,
                   CONTEXT_MENU_OFFSET));
    } else if (m_doc.phase == Phase::Vormen || m_doc.phase == Phase::Vullen) {
        // On a grid cell the right button edits instead (the scroll offset is not counted).
        const QPoint local = viewport()->mapFromGlobal(globalPos);
        const std::optional<GridCell> cell =
            ::PointToCell(local.x(), local.y(), 0, 0, puzzle.appearance.margin,
                          puzzle.appearance.clueTextSize, m_cellPixels);
        if (cell && puzzle.IsInGrid(cell->x, cell->y)) return;
    }
    QMenu menu(this);
    for (const int id : items) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(Latin1(FindCommand(id)->OtherName()));
        action->setEnabled(m_router->Status(id).enabled);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    menu.exec(at);
}

std::optional<CellEdge> GridView::EdgeNear(const QPoint& point) const {
    const QPoint scroll = ScrollPosition();
    return EdgeNearPoint(m_doc.puzzle(), point.x(), point.y(), scroll.x(), scroll.y(),
                         m_cellPixels);
}

void GridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    const QPoint point = event->position().toPoint();
    const QPoint cell = PointToCell(point);
    m_editor.ButtonDown(cell.x(), cell.y(), EdgeNear(point));
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(m_skipRelease, false)) return;
    const QPoint point = event->position().toPoint();
    const QPoint cell = PointToCell(point);
    if (event->button() == Qt::LeftButton) {
        ApplyEdit(m_editor.LeftButtonUp(
            cell.x(), cell.y(), event->modifiers().testFlag(Qt::ControlModifier), EdgeNear(point)));
    } else if (event->button() == Qt::RightButton) {
        ApplyEdit(m_editor.RightButtonUp(cell.x(), cell.y()));
        ShowContextMenu(event->globalPosition().toPoint(), false);
    }
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint cell = PointToCell(event->position().toPoint());
    const bool filling = event->button() == Qt::LeftButton && m_doc.phase == Phase::Vullen;
    if (filling && m_doc.puzzle().IsZweedsClueCell(cell.x(), cell.y())) {
        m_skipRelease = true;
        emit ClueCellDoubleClicked(cell.x(), cell.y());
    } else if (filling && HasCurrentWord(m_doc) && m_router != nullptr)
        m_router->Run(ID_EDIT_WORD);
    else
        mousePressEvent(event);
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint cell = PointToCell(event->position().toPoint());
    const EditResult moved = m_editor.MouseMove(cell.x(), cell.y());
    if (!moved.applied) return;
    ApplyEdit(moved);
    if (m_doc.phase == Phase::Vullen) emit HoveredCell(cell.x(), cell.y());
}

void GridView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (m_doc.phase == Phase::Tonen && delta != 0) {
        RunCommand(delta > 0 ? ID_SOLUTION_NEXT : ID_SOLUTION_PREVIOUS);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

// ---- Keys -----------------------------------------------------------------------------------

bool GridView::event(QEvent* event) {
    // The context-menu key asks for the phase's menu right of the grid.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        ShowContextMenu(QPoint(), true);
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool GridView::HandleNavigationKey(QKeyEvent* event) {
    const std::optional<EditKey> key = EditKeyOf(event->key());
    if (!key) return false;
    ApplyEdit(m_editor.KeyDown(*key, m_ctrlDown, event->modifiers() & Qt::ShiftModifier));
    return true;
}

void GridView::HandleCharacter(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        const EscapeAction action = EscapeActionFor(m_doc.phase);
        if (action == EscapeAction::InterruptSearch) RunCommand(ID_SEARCH_INTERRUPT);
        if (action == EscapeAction::FinishSolutions) RunCommand(ID_SOLUTIONS_DONE);
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

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_ctrlDown = true;
    if (m_searchSnapshot && event->key() != Qt::Key_Escape) emit KeyDuringSearch();
    if (!RunKeypadCommand(event) && !HandleNavigationKey(event)) HandleCharacter(event);
    event->accept();
}

// Qt on X11 does not match shortcuts that carry the keypad flag ("Grijze +",
// "Ctrl+Grijze+"), so such a key reaches the view, which runs the command itself.
bool GridView::RunKeypadCommand(QKeyEvent* event) {
    if (!(event->modifiers() & Qt::KeypadModifier) || m_router == nullptr) return false;
    return m_router->RunShortcut(event->keyCombination());
}

void GridView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control) m_ctrlDown = false;
    QAbstractScrollArea::keyReleaseEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
    m_ctrlDown = false;
    QAbstractScrollArea::focusInEvent(event);
}

bool GridView::focusNextPrevChild(bool) {
    // Tab belongs to "&Bewerk woord...", never to the focus chain.
    return false;
}
