#pragma once
// Operations that change many cells at once: a clean slate, removing all
// letters, edge black to not-cells, shifting, rotating, mirroring and two ways
// of making free cells black.
//
// Two levels:
// - Cell operations change only the cells with their locks (and, for RemoveLetters, the word
//   values) of a puzzle value. The importers and the CLI may use them directly.
// - Commands (RunGridTransform, CleanSlateCommand) are what the menu items
//   do: they check that the command applies in the current phase, change the
//   cells and rebuild the words where the shape changed in one edit
//   transaction (a step of the phase's undo history), and say what to
//   repaint. The phase, the current word and the cursor stay as they are.

#include <functional>

#include "editing/edit_result.h"

class Puzzle;
class Rooster2Doc;

// ---- Cell operations ------------------------------------------------------------

// Every cell becomes free and unlocked.
void ClearAllCells(Puzzle& puzzle);
// Letters (the IJ included) become free and every word's value is emptied;
// black, not-cells and free cells stay.
void RemoveLetters(Puzzle& puzzle);
// Straight runs of black or not-cells from each edge become not-cells: first
// every column from both ends, then every row, so the row runs continue through
// not-cells the column pass made. Returns whether any cell changed.
bool EdgeBlackToNiet(Puzzle& puzzle);
// Moves every cell by (dx, dy); cells pushed over an edge are lost and the
// uncovered row or column becomes free.
void ShiftGrid(Puzzle& puzzle, int dx, int dy);
// Quarter turn clockwise: the top-left cell goes to the top-right corner.
// Only a square grid turns; returns false and changes nothing otherwise.
bool RotateGrid(Puzzle& puzzle);
// Top to bottom.
void MirrorGridRows(Puzzle& puzzle);
// Left to right.
void MirrorGridColumns(Puzzle& puzzle);
// Black, free, black, ... along row y from column x to the right, while the
// cells are exactly free; it also stops before a black or not-cell right of a
// cell it made black. Returns the cells made black (y * width + x).
std::vector<int> MakeAlternateBlack(Puzzle& puzzle, int x, int y);
// Every cell that is exactly free becomes black.
void MakeFreeCellsBlack(Puzzle& puzzle);

// ---- Commands ----------------------------------------------------------------------

// One step of the shape when change applies to (a copy of) the puzzle and says
// so: the words rebuilt as the next repaint would build them, the step recorded,
// the whole view to repaint. Nothing happens when it does not apply.
EditResult ShapeStep(Rooster2Doc& doc, const std::function<bool(Puzzle&)>& change);

// Whether id is one of the transform commands: ID_GRID_CLEAN,
// ID_GRID_REMOVE_LETTERS, ID_GRID_EDGE_BLACK, ID_SHIFT_RIGHT/LEFT/DOWN/UP,
// ID_ROTATE_CLOCKWISE, ID_MIRROR_ROWS, ID_MIRROR_COLUMNS, ID_ALTERNATE_BLACK,
// ID_FREE_CELLS_BLACK.
bool IsGridTransform(int id);
// Runs transform id when the command catalog enables it now (else nothing is
// applied).
// (mouseX, mouseY) is the cell under the mouse at the last mouse move; only
// ID_ALTERNATE_BLACK uses it, and does nothing (not even an undo step) when that
// cell is outside the grid or not exactly free.
// Each is one step of the current phase's history: the shaping-only commands run
// only while shaping; removing letters and edge black also while filling. Edge
// black that changes no cell is a step that claims no change. Repaint: the clean
// slate asks for the letters only, every other transform for the whole view.
EditResult RunGridTransform(int id, Rooster2Doc& doc, int mouseX, int mouseY);
// "&Rooster schoonmaken" outside the menu: the properties dialog runs it when
// "Doorloper" is switched on. Same as RunGridTransform(ID_GRID_CLEAN, ...).
EditResult CleanSlateCommand(Rooster2Doc& doc);
