#pragma once
// The editing side of the grid view, without any drawing: the view's mouse and
// shaping-cursor state, the two undo histories, and one entry point per event
// that picks the phase's behaviour. The desktop view owns one GridEditor next
// to the document, converts pixels to cells with PointToCell, forwards events,
// and repaints what each EditResult asks for:
//
//   redrawAll       invalidate the view
//   redrawLetters   repaint every letter (the view invalidates the whole grid)
//   cells           repaint each cell y * width + x (InvalidateCellIndex)
//   highlightCell   the cell drawn in the cursor colour (woordPos; the shaping cursor)
//   wordChange      ShowWordChange(oldWord, newWord), caption WordCaption(newWord)
//   forgetBestResult / forgetSolutions   bestDepth = 0 / solutionCount = 0
//
// The edit transaction (undo step, modified mark, change notification) has
// already happened inside.

#include <optional>

#include "editing/command_catalog.h"
#include "editing/edit_result.h"

class Puzzle;
class Rooster2Doc;

struct GridCell {
    int x = -1;
    int y = -1;
};

// The cell under a point of the view: column (px + scrollX - margin) / S and
// row (py + scrollY - margin - clueTextSize) / S, truncated toward zero, so a
// point less than one cell left of or above the grid still maps to column or
// row 0. Nothing before the first paint (cellPixels 0).
std::optional<GridCell> PointToCell(int px, int py, int scrollX, int scrollY, int margin,
                                    int clueTextSize, int cellPixels);

// An inner edge of the grid: the edge right of cell (x, y) (dx 1) or below it (dy 1).
struct CellEdge {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    bool operator==(const CellEdge&) const = default;
};

// The inner edge of the puzzle's grid that a point of the view lies close to, in the
// geometry of PointToCell: within a sixth of a cell (at least 2 pixels) of the line,
// so the middle two thirds of every cell stay the cell's. Where the point is as close
// to two edges, at a corner, it is no edge's; nothing outside the grid or on its rim.
std::optional<CellEdge> EdgeNearPoint(const Puzzle& puzzle, int px, int py, int scrollX,
                                      int scrollY, int cellPixels);

// What Escape does in a phase.
enum class EscapeAction { None, InterruptSearch, FinishSolutions };
EscapeAction EscapeActionFor(Phase phase);

class GridEditor {
public:
    explicit GridEditor(Rooster2Doc& doc) : m_doc(doc) {}

    // A document was created or opened and is now shown: the mouse, the shaping
    // cursor and the selection are forgotten.
    void DocumentShown();

    // A button went down on cell (x, y) (anything outside the grid is no cell), close
    // to an edge when EdgeNearPoint gave one.
    void ButtonDown(int x, int y, std::optional<CellEdge> edge = std::nullopt);
    // Left button up: shaping sets cells (notCell with Ctrl), filling selects
    // the word and cursor cell, or, released on another cell than it went down
    // on, the rectangle between the two; other phases ignore it. While shaping a
    // Balkjes puzzle, went down and up close to the same edge, it toggles the bar there
    // as "Balkje rechts" or "Balkje onder" does.
    EditResult LeftButtonUp(int x, int y, bool ctrl, std::optional<CellEdge> edge = std::nullopt);
    // Right button up: shaping places not-cells, filling toggles IJ and Y.
    EditResult RightButtonUp(int x, int y);
    // The mouse moved onto cell (x, y): applied when it is another cell than
    // before; then the shaping cursor follows it and its old highlight is
    // repainted. In the filling phase show MouseMoveStatus(doc, x, y, ...) then.
    EditResult MouseMove(int x, int y);
    // A navigation or Delete key (ctrl: the Ctrl key is held). While filling, an
    // arrow with shift moves the free corner of the selected rectangle one cell
    // (starting one at the cursor cell); any other key drops the rectangle first.
    EditResult KeyDown(EditKey key, bool ctrl, bool shift = false);
    // A typed character as a Latin-1 byte; Backspace is 8. Escape is not handled
    // here (see EscapeActionFor). Every other character also resets the
    // search's deepest level (the search's own business).
    EditResult Char(unsigned char ch);

    // Runs a command of the grid: the transforms, ID_LOCK, ID_UNDO, ID_REDO,
    // ID_DIRECTION_ACROSS/DOWN, ID_AUTO_NEXT_WORD, ID_PHASE_FILL and
    // ID_PHASE_SHAPE (ask ClueLossQuestion first when ShapingLosesClues, and
    // close the clue windows). Not applied when disabled or not a grid command.
    EditResult RunCommand(int id);
    // GetCommandState with this editor's histories and "&Naar volgende woord".
    std::optional<CommandState> CommandStateOf(int id, CommandFacts facts) const;

    // Whether the shaping cursor is drawn highlighted: it was moved by the
    // keyboard away from the mouse cell and lies in the grid.
    bool IsMarkHighlighted() const;

    int pressX = -1;  // cell where the last button went down, -1 outside
    int pressY = -1;
    std::optional<CellEdge> pressEdge;  // the edge it went down close to
    int mouseX = -1;                    // cell under the mouse at the last move
    int mouseY = -1;
    int markX = -1;  // the shaping cursor
    int markY = -1;
    bool autoNextWord = false;  // "&Naar volgende woord"
    // The rectangle selected while filling, for "Vastzetten" and "Vul selectie"; a
    // click without dragging, another document and a change of phase drop it.
    std::optional<GridRegion> selection;

private:
    EditResult SelectOrClick(int x, int y);
    EditResult ExtendSelection(EditKey key);
    EditResult DropSelection(EditResult result);
    EditResult ToggleBarOn(const CellEdge& edge);
    EditResult Undo();
    EditResult Redo();
    EditResult RestoreResult(std::vector<int> cells) const;

    // The selection's corner that stays and the one the keys move.
    GridCell m_selectionAnchor;
    GridCell m_selectionEnd;

    Rooster2Doc& m_doc;
};
