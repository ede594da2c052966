#pragma once
// Where the parts of a split word end inside the grid.

class Puzzle;

constexpr int PART_END_ACROSS = 1;  // the cell ends a part of its across word
constexpr int PART_END_DOWN = 2;    // the cell ends a part of its down word

// The part-boundary bits of cell (x, y); the end of a word's last part is no boundary.
int GetPartBoundaryFlags(const Puzzle& puzzle, int x, int y);
