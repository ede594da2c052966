#include "editing/form_editing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "editing/command_ids.h"
#include "editing/grid_transforms.h"
#include "editing/zweeds_layout.h"
#include "model/rooster2_doc.h"

namespace {

bool ToggleBar(Puzzle& puzzle, int x, int y, int dx, int dy) {
    if (!puzzle.IsInGrid(x, y) || !puzzle.IsInGrid(x + dx, y + dy)) return false;
    puzzle.SetBarSymmetric(x, y, dx, dy, !puzzle.HasBar(x, y, dx, dy));
    return true;
}

bool ToggleKeyCell(Puzzle& puzzle, int x, int y) {
    if (!puzzle.IsInGrid(x, y)) return false;
    std::vector<std::pair<int, int>> cells(static_cast<std::size_t>(puzzle.KeyLength()));
    for (int cy = 0; cy < puzzle.height; ++cy)
        for (int cx = 0; cx < puzzle.width; ++cx)
            if (const int number = puzzle.KeyNumber(cx, cy); number > 0)
                cells[static_cast<std::size_t>(number - 1)] = {cx, cy};
    const auto found = std::find(cells.begin(), cells.end(), std::pair{x, y});
    if (found != cells.end())
        cells.erase(found);
    else
        cells.emplace_back(x, y);
    return puzzle.SetKeyCells(cells);
}

bool ApplyCellCommand(int id, Puzzle& puzzle, int x, int y) {
    switch (id) {
        case ID_BAR_RIGHT:
            return ToggleBar(puzzle, x, y, 1, 0);
        case ID_BAR_BELOW:
            return ToggleBar(puzzle, x, y, 0, 1);
        case ID_KEY_CELL:
            return ToggleKeyCell(puzzle, x, y);
        default:
            return false;
    }
}

}  // namespace

bool IsFormCellCommand(int id) {
    return id == ID_BAR_RIGHT || id == ID_BAR_BELOW || id == ID_KEY_CELL;
}

EditResult RunFormCellCommand(int id, Rooster2Doc& doc, int x, int y) {
    return ShapeStep(doc, [&](Puzzle& puzzle) { return ApplyCellCommand(id, puzzle, x, y); });
}

EditResult MakeZweedsGrid(Rooster2Doc& doc, UserMessage& message, const PictureBlock* picture) {
    return ShapeStep(doc,
                     [&](Puzzle& puzzle) { return MakeZweedsLayout(puzzle, picture, message); });
}

EditResult SetClueArrows(Rooster2Doc& doc, int x, int y, Arrow first, Arrow second) {
    return ShapeStep(doc, [&](Puzzle& puzzle) {
        if (!puzzle.IsZweedsClueCell(x, y)) return false;
        puzzle.SetClueArrow(x, y, 0, first);
        puzzle.SetClueArrow(x, y, 1, second);
        return true;
    });
}
