#pragma once
// What one editing step did, so that the view repaints no more than it must.
// The step's edit transaction has already changed the puzzle, recorded the undo
// step and the modified mark and told the document's listener; the view only
// draws and, where the flags
// say so, drops its search results.

#include <vector>

#include "model/cells.h"

// The navigation and clearing keys the grid handles itself. The desktop maps
// both the dedicated keys and the keypad's navigation keys (Num Lock off) here.
enum class EditKey { Left, Right, Up, Down, Home, End, Delete };

// The cell code a typed character stores: letters a-z upper-cased, except 'y',
// which is the IJ cell (a typed 'Y' is the letter Y); anything else as typed.
constexpr Cell TypedCellCode(unsigned char ch) {
    return ch >= 'a' && ch <= 'z' && ch != CELL_IJ ? static_cast<Cell>(ch - 'a' + 'A') : ch;
}

struct EditResult {
    // The step applied (false: the key, click or command did not apply here).
    bool applied = false;

    // Invalidate the whole view: the shape or many cells changed.
    bool redrawAll = false;
    // Repaint every letter cell in the free colour (cheaper than redrawAll).
    bool redrawLetters = false;
    // Cells to repaint in their normal colour, as y * width + x.
    std::vector<int> cells;
    // The shaping cursor cell to paint highlighted afterwards, -1 for none.
    int highlightCell = -1;

    // Repaint the previous and the new current word and the caption:
    // the view's ShowWordChange(oldWord, newWord). -1 stands for no word.
    bool wordChange = false;
    int oldWord = -1;
    int newWord = -1;

    // The best partial search result no longer fits the grid (bestDepth = 0).
    bool forgetBestResult = false;
    // The solutions found no longer apply (solutionCount = 0).
    bool forgetSolutions = false;
};
