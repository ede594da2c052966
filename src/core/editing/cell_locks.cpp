#include "editing/cell_locks.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "model/undo_history.h"

namespace {

std::vector<int> SelectedLetters(const Puzzle& puzzle, const GridRegion& selection) {
    std::vector<int> cells;
    for (int y = std::max(selection.top, 0); y <= std::min(selection.bottom, puzzle.height - 1);
         ++y)
        for (int x = std::max(selection.left, 0); x <= std::min(selection.right, puzzle.width - 1);
             ++x)
            if (puzzle.GetCell(x, y) > CELL_VRIJ || puzzle.IsLocked(x, y))
                cells.push_back(y * puzzle.width + x);
    return cells;
}

std::vector<int> WordCells(const Puzzle& puzzle, int word) {
    std::vector<int> cells;
    const WordInfo& info = puzzle.words[word];
    for (int k = 0; k < info.length; ++k)
        cells.push_back(info.CellY(k) * puzzle.width + info.CellX(k));
    return cells;
}

}  // namespace

std::vector<int> LockTargets(const Rooster2Doc& doc, const std::optional<GridRegion>& selection) {
    if (selection) return SelectedLetters(doc.puzzle(), *selection);
    if (doc.puzzle().IsValidWordIndex(doc.curWord)) return WordCells(doc.puzzle(), doc.curWord);
    return {};
}

void LockWord(Puzzle& puzzle, int word) {
    for (int cell : WordCells(puzzle, word)) puzzle.locks[cell] = true;
}

bool AreTargetsLocked(const Rooster2Doc& doc, const std::optional<GridRegion>& selection) {
    const std::vector<int> cells = LockTargets(doc, selection);
    return !cells.empty() && std::all_of(cells.begin(), cells.end(),
                                         [&](int cell) { return doc.puzzle().locks[cell]; });
}

EditResult ToggleLocks(Rooster2Doc& doc, const std::optional<GridRegion>& selection) {
    const std::vector<int> cells = LockTargets(doc, selection);
    if (cells.empty()) return {};
    const bool lock = !AreTargetsLocked(doc, selection);
    PuzzleEdit edit(doc);
    for (int cell : cells) edit->locks[cell] = lock;
    EditResult result;
    result.applied = true;
    result.cells = cells;
    return result;
}
