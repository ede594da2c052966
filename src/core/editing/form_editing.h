#pragma once
// The shaping commands of the puzzle forms: "Maak Zweeds raster", the arrows of a
// Zweeds clue cell, the bars of a Balkjes puzzle and the cells of the sleutelwoord.
// Each is one step of the shape history: it rebuilds the words and asks for a
// whole repaint.

#include "editing/edit_result.h"
#include "editing/zweeds_layout.h"
#include "model/puzzle.h"
#include "model/user_message.h"

class Rooster2Doc;

// Whether id is one of the commands on the cell under the shaping cursor:
// ID_BAR_RIGHT, ID_BAR_BELOW, ID_KEY_CELL.
bool IsFormCellCommand(int id);
// Runs it on cell (x, y); the caller has asked the command catalog whether it is
// enabled, as for every command. The bars toggle the
// edge to the right of or below the cell, with its images under the symmetry. The
// sleutelwoord cell joins the word as its next number, or leaves it and the later
// numbers close up. Not applied outside the grid, on an edge of the grid, on a cell
// that holds no letter, or past the longest sleutelwoord.
EditResult RunFormCellCommand(int id, Rooster2Doc& doc, int x, int y);

// "Maak Zweeds raster" with the picture block when one is given, once the catalog
// enabled it; not applied, with the message, when the grid is too small or the
// picture does not fit.
EditResult MakeZweedsGrid(Rooster2Doc& doc, UserMessage& message,
                          const PictureBlock* picture = nullptr);

// The arrows of the two clues of clue cell (x, y) of a Zweeds puzzle; not applied
// when the cell is no clue cell.
EditResult SetClueArrows(Rooster2Doc& doc, int x, int y, Arrow first, Arrow second);
