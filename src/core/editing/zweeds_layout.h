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

// Makes the puzzle a Zweeds puzzle as magazines print them: clue cells in every other
// cell of the top row and the left column, inside them clue cells placed for words of 2 to
// 9 letters (most of 3 to 7), every letter cell in a word, every clue cell but the corner
// giving one or two clues and every word exactly one; the picture block as cells outside
// the shape with clue cells to its right and below it. The same size and picture always
// give the same layout. Letters and clues are cleared. False with a message (and the
// puzzle untouched) when the grid is too small or the picture does not fit.
bool MakeZweedsLayout(Puzzle& puzzle, const PictureBlock* picture, UserMessage& message);
