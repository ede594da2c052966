#pragma once
// "Maak Zweeds raster": a complete, valid layout of clue cells for a Zweeds puzzle
// of the puzzle's size, as magazines print them.

#include "model/user_message.h"

class Puzzle;

// A rectangle of cells left empty for a picture: column and row of its top-left cell,
// width and height in cells.
struct PictureBlock {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A picture block of width x height cells whose top-left cell is in column `column` and
// row `row`, both counted from 1; 0 puts it against the right edge or the bottom of the
// grid, where the command line's --picture puts it.
PictureBlock PictureBlockAt(const Puzzle& puzzle, int width, int height, int column = 0,
                            int row = 0);

// The grid must be at least 3 x 3, the picture (when given, width and height above 0)
// inside it below the top row and right of the left column.
bool IsPictureBlockInside(const Puzzle& puzzle, const PictureBlock& picture);

// Makes the puzzle a Zweeds puzzle: clue cells along the top row and the left column,
// a diagonal pattern inside with one clue cell in every five cells of a row and of a
// column (so words have at most four letters), the
// picture block as cells outside the shape with clue cells to its right and below it,
// and an arrow for every word. Letters and clues are cleared. False with a message
// (and the puzzle untouched) when the grid is too small or the picture does not fit.
bool MakeZweedsLayout(Puzzle& puzzle, const PictureBlock* picture, UserMessage& message);
