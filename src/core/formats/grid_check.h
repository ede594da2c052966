#pragma once
// "Controleer rooster": what a constructor checks before publishing a grid. Each
// finding is one line of text and names the cell it is about, so that the desktop
// can put the cursor there and the command line can print one line per finding.

#include <string>
#include <vector>

#include "model/word_scoring.h"

class Puzzle;

struct GridFinding {
    std::string text;  // one line, Latin-1
    int x = -1;        // the cell the finding is about; -1 for the grid as a whole
    int y = -1;
};

// The findings, in this order: the grid's figures (words, average length, share of
// black cells), cells in no word, unchecked cells, regions of letter cells that are
// not connected to the first, repeated entries, entries that contain another or
// share its stem, complete entries that are not in their list and entries scoring
// under the minimum of `scoring`.
std::vector<GridFinding> CheckGrid(const Puzzle& puzzle, const WordScoring& scoring);

// Where a cell is, for a reader: "rij 3, kolom 4".
std::string CellPosition(int x, int y);

// Whether two entries look alike: one holds the other (of four letters or more), or
// both start with the same stem of four letters or more and differ only in an ending
// of at most three letters each (BOEKEN and BOEKJE, LOPER and LOPEN).
bool AreNearDuplicates(const std::string& a, const std::string& b);
