#include "editing/grid_editor.h"

#include <algorithm>
#include <cstdlib>

#include "editing/cell_locks.h"
#include "editing/command_ids.h"
#include "editing/fill_editing.h"
#include "editing/form_editing.h"
#include "editing/grid_transforms.h"
#include "editing/phase_switch.h"
#include "editing/shape_editing.h"
#include "model/rooster2_doc.h"

std::optional<GridCell> PointToCell(int px, int py, int scrollX, int scrollY, int margin,
                                    int clueTextSize, int cellPixels) {
    if (cellPixels <= 0) return std::nullopt;
    return GridCell{(px + scrollX - margin) / cellPixels,
                    (py + scrollY - margin - clueTextSize) / cellPixels};
}

namespace {

// A sixth of a cell each side of a line leaves the middle two thirds, where the mouse
// usually goes, to the cell; 2 pixels keep a tiny zoom's edges within reach.
constexpr int EDGE_REACH_DIVISOR = 6;
constexpr int MIN_EDGE_REACH = 2;

}  // namespace

std::optional<CellEdge> EdgeNearPoint(const Puzzle& puzzle, int px, int py, int scrollX,
                                      int scrollY, int cellPixels) {
    if (cellPixels <= 0) return std::nullopt;
    const int gx = px + scrollX - puzzle.appearance.margin;
    const int gy = py + scrollY - puzzle.appearance.margin - puzzle.appearance.clueTextSize;
    if (gx < 0 || gy < 0 || !puzzle.IsInGrid(gx / cellPixels, gy / cellPixels)) return std::nullopt;
    const int reach = std::max(MIN_EDGE_REACH, cellPixels / EDGE_REACH_DIVISOR);
    // The nearest line across and down and how far each is.
    const int column = (gx + cellPixels / 2) / cellPixels;
    const int row = (gy + cellPixels / 2) / cellPixels;
    const int toColumnLine = std::abs(gx - column * cellPixels);
    const int toRowLine = std::abs(gy - row * cellPixels);
    const int cellY = gy / cellPixels;
    const int cellX = gx / cellPixels;
    if (toColumnLine < toRowLine && toColumnLine <= reach && column > 0 && column < puzzle.width)
        return CellEdge{column - 1, cellY, 1, 0};
    if (toRowLine < toColumnLine && toRowLine <= reach && row > 0 && row < puzzle.height)
        return CellEdge{cellX, row - 1, 0, 1};
    return std::nullopt;
}

EscapeAction EscapeActionFor(Phase phase) {
    if (phase == Phase::Zoeken) return EscapeAction::InterruptSearch;
    if (phase == Phase::Tonen) return EscapeAction::FinishSolutions;
    return EscapeAction::None;
}

void GridEditor::DocumentShown() {
    pressX = pressY = -1;
    mouseX = mouseY = -1;
    markX = markY = -1;
    selection.reset();
}

void GridEditor::ButtonDown(int x, int y, std::optional<CellEdge> edge) {
    const bool inGrid = m_doc.puzzle().IsInGrid(x, y);
    pressX = inGrid ? x : -1;
    pressY = inGrid ? y : -1;
    pressEdge = edge;
}

EditResult GridEditor::LeftButtonUp(int x, int y, bool ctrl, std::optional<CellEdge> edge) {
    if (m_doc.phase == Phase::Vormen && edge && edge == pressEdge)
        if (EditResult toggled = ToggleBarOn(*edge); toggled.applied) return toggled;
    if (m_doc.phase == Phase::Vormen) return ShapeMouseUp(m_doc, pressX, pressY, x, y, ctrl);
    if (m_doc.phase == Phase::Vullen) return SelectOrClick(x, y);
    return {};
}

EditResult GridEditor::SelectOrClick(int x, int y) {
    const bool hadSelection = selection.has_value();
    selection.reset();
    if (m_doc.puzzle().IsInGrid(pressX, pressY) && m_doc.puzzle().IsInGrid(x, y) &&
        (pressX != x || pressY != y)) {
        selection = GridRegion::Spanning(pressX, pressY, x, y);
        m_selectionAnchor = {pressX, pressY};
        m_selectionEnd = {x, y};
        EditResult result;
        result.applied = true;
        result.redrawAll = true;
        return result;
    }
    EditResult result = FillMouseUp(m_doc, x, y);
    result.redrawAll = result.redrawAll || hadSelection;
    return result;
}

// Where the bar commands are off (another form), the click is the cell's.
EditResult GridEditor::ToggleBarOn(const CellEdge& edge) {
    const int id = edge.dx == 1 ? ID_BAR_RIGHT : ID_BAR_BELOW;
    const std::optional<CommandState> state = CommandStateOf(id, CommandFacts{});
    if (!state || !state->enabled) return {};
    return RunFormCellCommand(id, m_doc, edge.x, edge.y);
}

EditResult GridEditor::RightButtonUp(int x, int y) {
    if (m_doc.phase == Phase::Vormen) return ShapeMouseUp(m_doc, pressX, pressY, x, y, true);
    if (m_doc.phase == Phase::Vullen) return ToggleIJ(m_doc, x, y);
    return {};
}

EditResult GridEditor::MouseMove(int x, int y) {
    if (x == mouseX && y == mouseY) return {};
    EditResult result;
    result.applied = true;
    if (IsMarkHighlighted()) result.cells.push_back(markY * m_doc.puzzle().width + markX);
    markX = mouseX = x;
    markY = mouseY = y;
    return result;
}

bool GridEditor::IsMarkHighlighted() const {
    return (markX != mouseX || markY != mouseY) && m_doc.puzzle().IsInGrid(markX, markY);
}

namespace {

struct Step {
    int dx;
    int dy;
};

std::optional<Step> ArrowStep(EditKey key) {
    switch (key) {
        case EditKey::Left:
            return Step{-1, 0};
        case EditKey::Right:
            return Step{1, 0};
        case EditKey::Up:
            return Step{0, -1};
        case EditKey::Down:
            return Step{0, 1};
        default:
            return std::nullopt;
    }
}

}  // namespace

EditResult GridEditor::KeyDown(EditKey key, bool ctrl, bool shift) {
    if (m_doc.phase == Phase::Vullen && shift && ArrowStep(key)) return ExtendSelection(key);
    if (m_doc.phase == Phase::Vullen) return DropSelection(FillKeyDown(m_doc, key, ctrl));
    if (m_doc.phase == Phase::Vormen) return MoveShapeMark(m_doc, markX, markY, key);
    return {};
}

// The rectangle grows or shrinks cell by cell, over black cells too, as in a spreadsheet;
// the cursor stays where it is.
EditResult GridEditor::ExtendSelection(EditKey key) {
    if (!selection) {
        if (!HasCurrentWord(m_doc)) return {};
        const WordInfo& word = m_doc.puzzle().words[m_doc.curWord];
        m_selectionAnchor = {word.CellX(m_doc.curPos), word.CellY(m_doc.curPos)};
        m_selectionEnd = m_selectionAnchor;
    }
    const Step step = *ArrowStep(key);
    const GridCell end{m_selectionEnd.x + step.dx, m_selectionEnd.y + step.dy};
    if (m_doc.puzzle().IsInGrid(end.x, end.y)) m_selectionEnd = end;
    selection = GridRegion::Spanning(m_selectionAnchor.x, m_selectionAnchor.y, m_selectionEnd.x,
                                     m_selectionEnd.y);
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

EditResult GridEditor::DropSelection(EditResult result) {
    if (!selection) return result;
    selection.reset();
    result.applied = true;
    result.redrawAll = true;
    return result;
}

EditResult GridEditor::Char(unsigned char ch) {
    constexpr unsigned char BACKSPACE = 8;
    if (m_doc.phase == Phase::Vullen)
        return ch == BACKSPACE ? FillBackspace(m_doc) : FillChar(m_doc, ch, autoNextWord);
    if (m_doc.phase == Phase::Vormen) return TypeAtShapeMark(m_doc, markX, markY, ch);
    return {};
}

std::optional<CommandState> GridEditor::CommandStateOf(int id, CommandFacts facts) const {
    facts.autoNextWord = autoNextWord;
    facts.selection = selection;
    return GetCommandState(id, m_doc, facts);
}

EditResult GridEditor::RunCommand(int id) {
    // The grid commands' rules do not depend on what only the view knows.
    const std::optional<CommandState> state = CommandStateOf(id, CommandFacts{});
    if (!state || !state->enabled) return {};
    if (IsGridTransform(id)) return RunGridTransform(id, m_doc, mouseX, mouseY);
    if (IsFormCellCommand(id)) return RunFormCellCommand(id, m_doc, markX, markY);
    EditResult done;
    done.applied = true;
    switch (id) {
        case ID_UNDO:
            return Undo();
        case ID_REDO:
            return Redo();
        case ID_LOCK:
            return ToggleLocks(m_doc, selection);
        case ID_PHASE_FILL:
            selection.reset();
            return EnterFillingPhase(m_doc);
        case ID_PHASE_SHAPE:
            selection.reset();
            return EnterShapingPhase(m_doc);
        case ID_DIRECTION_ACROSS:
            m_doc.direction = Direction::Across;
            return done;
        case ID_DIRECTION_DOWN:
            m_doc.direction = Direction::Down;
            return done;
        case ID_AUTO_NEXT_WORD:
            autoNextWord = !autoNextWord;
            return done;
        default:
            return {};
    }
}

EditResult GridEditor::RestoreResult(std::vector<int> cells) const {
    EditResult result;
    result.applied = true;
    // While shaping the restored grid was renumbered, so numbers may have moved
    // in cells whose code did not change.
    if (m_doc.phase == Phase::Vormen)
        result.redrawAll = true;
    else
        result.cells = std::move(cells);
    return result;
}

EditResult GridEditor::Undo() { return RestoreResult(m_doc.Undo()); }
EditResult GridEditor::Redo() { return RestoreResult(m_doc.Redo()); }
