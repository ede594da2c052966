#pragma once
// Which clue cell of a Zweeds layout gives the clue of each word, so that every clue cell
// carries one or two clues.

#include <optional>
#include <vector>

#include "model/puzzle.h"

// A word of the layout by its first cell and direction.
struct WordStart {
    int x = 0;
    int y = 0;
    bool across = true;
};

// The clue cell that points into a word and the arrow it points with.
struct ClueOfWord {
    int x = 0;
    int y = 0;
    Arrow arrow = Arrow::None;
};

// The cells of a layout, row-major; CELL_ZWART marks a clue cell.
struct ZweedsCells {
    int width = 0;
    int height = 0;
    std::vector<Cell> cells;

    bool IsClue(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && cells[y * width + x] == CELL_ZWART;
    }
    bool IsOpen(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && IsLetterCell(cells[y * width + x]);
    }
    // The words (runs of two or more open cells) in reading order, across before down.
    std::vector<WordStart> Words() const;
};

// For each word of `layout.Words()` the clue cell before its start or beside it, such that
// every clue cell but the top-left corner gives one or two clues; none when no such
// sharing exists.
std::optional<std::vector<ClueOfWord>> ShareClues(const ZweedsCells& layout);

// Puts the clues on the puzzle's clue cells: each cell's arrow to the right (straight
// or bent) in its first slot, the one downwards in its second.
void SetClueArrows(Puzzle& puzzle, const std::vector<ClueOfWord>& clues);
