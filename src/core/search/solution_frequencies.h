#pragma once
// "Frequentieverdeling": how much each open cell varies over the solutions of
// a search. The cell whose letter varies least is the one that holds the grid
// back: every solution agrees on it.

#include <optional>
#include <string>
#include <vector>

class Puzzle;

struct CellVariety {
    int x = 0;
    int y = 0;
    int letters = 0;  // distinct letters over the solutions
};

// Every cell that is free in the puzzle's grid (row by row), with the number
// of distinct letters the solutions (grid strings) put there.
std::vector<CellVariety> LettersPerOpenCell(const Puzzle& puzzle,
                                            const std::vector<std::string>& solutions);

struct LeastVariedCell {
    CellVariety cell;
    std::string statusText;  // "Vak H3/V5: 1 letter in 100 oplossingen"
};

// The open cell with the fewest distinct letters (the first in reading order on
// a tie) and the status text naming it by the words through it; none without
// solutions or open cells.
std::optional<LeastVariedCell> FindLeastVariedCell(const Puzzle& puzzle,
                                                   const std::vector<std::string>& solutions);

// The grid with per open cell its number of distinct letters, three columns per
// cell ("#" for a black cell, "." for any other cell that is not open), one
// line per row ending in "\n".
std::string FormatLettersPerCell(const Puzzle& puzzle, const std::vector<CellVariety>& cells);
