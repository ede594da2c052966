#include "model/grid_editor.h"

#include "model/command_ids.h"
#include "model/fill_editing.h"
#include "model/grid_transforms.h"
#include "model/phase_switch.h"
#include "model/rooster2_doc.h"
#include "model/shape_editing.h"

std::optional<GridCell> PointToCell(int px, int py, int scrollX, int scrollY, int margin,
                                    int clueTextSize, int cellPixels) {
    if (cellPixels <= 0) return std::nullopt;
    return GridCell{(px + scrollX - margin) / cellPixels,
                    (py + scrollY - margin - clueTextSize) / cellPixels};
}

EscapeAction EscapeActionFor(int phase) {
    if (phase == PHASE_ZOEKEN) return EscapeAction::InterruptSearch;
    if (phase == PHASE_TONEN) return EscapeAction::FinishSolutions;
    return EscapeAction::None;
}

void CGridEditor::DocumentShown() {
    StartEditingDocument(m_doc, m_undo);
    m_pressX = m_pressY = -1;
    m_mouseX = m_mouseY = -1;
    m_markX = m_markY = -1;
}

void CGridEditor::ButtonDown(int x, int y) {
    const bool inGrid = m_doc.puzzle.IsInGrid(x, y);
    m_pressX = inGrid ? x : -1;
    m_pressY = inGrid ? y : -1;
}

EditResult CGridEditor::LeftButtonUp(int x, int y, bool ctrl) {
    if (m_doc.phase == PHASE_VORMEN)
        return ShapeMouseUp(m_doc, m_undo, m_pressX, m_pressY, x, y, ctrl);
    if (m_doc.phase == PHASE_VULLEN) return FillMouseUp(m_doc, x, y);
    return {};
}

EditResult CGridEditor::RightButtonUp(int x, int y) {
    if (m_doc.phase == PHASE_VORMEN)
        return ShapeMouseUp(m_doc, m_undo, m_pressX, m_pressY, x, y, true);
    if (m_doc.phase == PHASE_VULLEN) return ToggleIJ(m_doc, m_undo, x, y);
    return {};
}

EditResult CGridEditor::MouseMove(int x, int y) {
    if (x == m_mouseX && y == m_mouseY) return {};
    EditResult result;
    result.applied = true;
    if (IsMarkHighlighted()) result.cells.push_back(m_markY * m_doc.puzzle.width + m_markX);
    m_markX = m_mouseX = x;
    m_markY = m_mouseY = y;
    return result;
}

bool CGridEditor::IsMarkHighlighted() const {
    return (m_markX != m_mouseX || m_markY != m_mouseY) && m_doc.puzzle.IsInGrid(m_markX, m_markY);
}

EditResult CGridEditor::KeyDown(EditKey key, bool ctrl) {
    if (m_doc.phase == PHASE_VULLEN) return FillKeyDown(m_doc, m_undo, key, ctrl);
    if (m_doc.phase == PHASE_VORMEN) return MoveShapeMark(m_doc, m_markX, m_markY, key);
    return {};
}

EditResult CGridEditor::Char(unsigned char ch) {
    constexpr unsigned char BACKSPACE = 8;
    if (m_doc.phase == PHASE_VULLEN)
        return ch == BACKSPACE ? FillBackspace(m_doc, m_undo)
                               : FillChar(m_doc, m_undo, ch, m_autoNextWord);
    if (m_doc.phase == PHASE_VORMEN) return TypeAtShapeMark(m_doc, m_undo, m_markX, m_markY, ch);
    return {};
}

std::optional<CommandState> CGridEditor::CommandStateOf(int id, CommandFacts facts) const {
    facts.autoNextWord = m_autoNextWord;
    return GetCommandState(id, m_doc, m_undo, facts);
}

EditResult CGridEditor::RunCommand(int id) {
    // The grid commands' rules do not depend on what only the view knows.
    const std::optional<CommandState> state = CommandStateOf(id, CommandFacts{});
    if (!state || !state->enabled) return {};
    if (IsGridTransform(id)) return RunGridTransform(id, m_doc, m_undo, m_mouseX, m_mouseY);
    EditResult done;
    done.applied = true;
    switch (id) {
        case ID_UNDO:
            return Undo();
        case ID_REDO:
            return Redo();
        case ID_PHASE_FILL:
            return EnterFillingPhase(m_doc, m_undo);
        case ID_PHASE_SHAPE:
            return EnterShapingPhase(m_doc, m_undo);
        case ID_DIRECTION_ACROSS:
            m_doc.direction = DIR_ACROSS;
            return done;
        case ID_DIRECTION_DOWN:
            m_doc.direction = DIR_DOWN;
            return done;
        case ID_AUTO_NEXT_WORD:
            m_autoNextWord = !m_autoNextWord;
            return done;
        default:
            return {};
    }
}

EditResult CGridEditor::RestoreResult(std::vector<int> cells) const {
    EditResult result;
    result.applied = true;
    // While shaping the restored grid was renumbered, so numbers may have moved
    // in cells whose code did not change.
    if (m_doc.phase == PHASE_VORMEN)
        result.redrawAll = true;
    else
        result.cells = std::move(cells);
    return result;
}

EditResult CGridEditor::Undo() { return RestoreResult(m_undo.Undo(m_doc)); }
EditResult CGridEditor::Redo() { return RestoreResult(m_undo.Redo(m_doc)); }
