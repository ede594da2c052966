#pragma once
// The shaping phase: clicks and dragged rectangles that make cells black, free
// or not-cells (mirrored by the symmetry mode), and the keyboard's shaping
// cursor (the "mark") that moves over the letter cells and places characters.

#include "editing/edit_result.h"
#include "model/cells.h"

class Rooster2Doc;

// The code a shape click writes, decided by the code of the release cell. A
// plain click makes a black or not-cell free and any letter cell black; a
// not-cell click (Ctrl, or the right button) toggles between not-cell and free.
Cell ShapeClickCode(Cell releaseCode, bool notCell);

// A button released on cell (x, y) after it went down on (pressX, pressY)
// (-1, -1 when it went down outside the grid). From a grid cell the whole
// rectangle between the two cells gets the release cell's new code, else the
// release cell alone; each cell through SetCellSymmetric. Refused outside the
// grid and in a Doorloper puzzle. One step of the shape history that rebuilds the
// words; asks to repaint everything and to forget the best result.
EditResult ShapeMouseUp(Rooster2Doc& doc, int pressX, int pressY, int x, int y, bool notCell);

// The next letter cell from (x, y) in steps of (dx, dy), skipping black and
// not-cells; false (and x, y unchanged) when the grid edge comes first.
bool NextLetterCell(const Rooster2Doc& doc, int& x, int& y, int dx, int dy);
// The next letter cell in reading order of direction: across to the right and
// on at the start of the next row, down to the cell below and on at the top of
// the next column, wrapping at the end of the grid. Stays on (x, y) when the
// walk comes back without finding one.
void AdvanceCell(const Rooster2Doc& doc, int& x, int& y);

// An arrow key moves the mark (markX, markY) to the next letter cell in its
// direction. Applies only while the mark is on a letter cell and another letter
// cell lies that way; then the old mark cell repaints normally and the new one
// highlighted (EditResult::highlightCell).
// Keys other than the four arrows do not apply.
EditResult MoveShapeMark(const Rooster2Doc& doc, int& markX, int& markY, EditKey key);

// A typed character (ch >= 0x20) at the mark: on a letter cell it is stored
// (a-z upper-cased except 'y', the IJ cell) as one step of the shape history;
// the mark then advances (AdvanceCell) and is
// highlighted. Nothing applies while the mark is outside the grid.
EditResult TypeAtShapeMark(Rooster2Doc& doc, int& markX, int& markY, unsigned char ch);
