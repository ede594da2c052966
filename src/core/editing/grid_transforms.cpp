#include "editing/grid_transforms.h"

#include <algorithm>
#include <array>
#include <functional>

#include "editing/command_catalog.h"
#include "editing/command_ids.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"

// ---- Cell operations ------------------------------------------------------------

namespace {

// Builds the new grid in a free scratch grid: each cell (x, y) goes to
// target(x, y) when that lies inside the grid; then copies it back.
// The locks move with their cells.
template <typename Target>
void MoveCells(Puzzle& puzzle, Target target) {
    std::array<Cell, MAX_CELLS> scratch;
    std::array<bool, MAX_CELLS> scratchLocks{};
    scratch.fill(CELL_VRIJ);
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const auto [tx, ty] = target(x, y);
            if (!puzzle.IsInGrid(tx, ty)) continue;
            scratch[ty * puzzle.width + tx] = puzzle.GetCell(x, y);
            scratchLocks[ty * puzzle.width + tx] = puzzle.IsLocked(x, y);
        }
    }
    std::copy_n(scratch.begin(), puzzle.CellCount(), puzzle.cells.begin());
    puzzle.locks = scratchLocks;
}

struct CellPos {
    int x;
    int y;
};

// From (x, y) in steps of (dx, dy), while the cells are black or not-cells, make
// them not-cells. Returns whether a black cell changed.
bool EdgeRunToNiet(Puzzle& puzzle, int x, int y, int dx, int dy) {
    bool changed = false;
    for (; puzzle.IsInGrid(x, y) && !IsLetterCell(puzzle.GetCell(x, y)); x += dx, y += dy) {
        changed = changed || puzzle.GetCell(x, y) != CELL_NIET;
        puzzle.SetCell(x, y, CELL_NIET);
    }
    return changed;
}

}  // namespace

void ClearAllCells(Puzzle& puzzle) {
    std::fill_n(puzzle.cells.begin(), puzzle.CellCount(), CELL_VRIJ);
    puzzle.locks.fill(false);
}

void RemoveLetters(Puzzle& puzzle) {
    for (int i = 0; i < puzzle.CellCount(); ++i)
        if (puzzle.cells[i] > CELL_VRIJ) puzzle.cells[i] = CELL_VRIJ;
    for (WordInfo& word : puzzle.words) word.value.clear();
}

bool EdgeBlackToNiet(Puzzle& puzzle) {
    const int w = puzzle.width;
    const int h = puzzle.height;
    bool changed = false;
    for (int x = 0; x < w; ++x) {
        changed = EdgeRunToNiet(puzzle, x, 0, 0, 1) || changed;
        changed = EdgeRunToNiet(puzzle, x, h - 1, 0, -1) || changed;
    }
    for (int y = 0; y < h; ++y) {
        changed = EdgeRunToNiet(puzzle, 0, y, 1, 0) || changed;
        changed = EdgeRunToNiet(puzzle, w - 1, y, -1, 0) || changed;
    }
    return changed;
}

void ShiftGrid(Puzzle& puzzle, int dx, int dy) {
    MoveCells(puzzle, [=](int x, int y) { return CellPos{x + dx, y + dy}; });
}

bool RotateGrid(Puzzle& puzzle) {
    if (puzzle.width != puzzle.height) return false;
    const int h = puzzle.height;
    MoveCells(puzzle, [=](int x, int y) { return CellPos{h - 1 - y, x}; });
    return true;
}

void MirrorGridRows(Puzzle& puzzle) {
    const int h = puzzle.height;
    MoveCells(puzzle, [=](int x, int y) { return CellPos{x, h - 1 - y}; });
}

void MirrorGridColumns(Puzzle& puzzle) {
    const int w = puzzle.width;
    MoveCells(puzzle, [=](int x, int y) { return CellPos{w - 1 - x, y}; });
}

std::vector<int> MakeAlternateBlack(Puzzle& puzzle, int x, int y) {
    std::vector<int> changed;
    while (puzzle.IsInGrid(x, y) && puzzle.GetCell(x, y) == CELL_VRIJ) {
        puzzle.SetCell(x, y, CELL_ZWART);
        changed.push_back(y * puzzle.width + x);
        if (x < puzzle.width - 1) {
            const Cell right = puzzle.GetCell(x + 1, y);
            if (right == CELL_ZWART || right == CELL_NIET) break;
        }
        x += 2;
    }
    return changed;
}

void MakeFreeCellsBlack(Puzzle& puzzle) {
    for (int i = 0; i < puzzle.CellCount(); ++i)
        if (puzzle.cells[i] == CELL_VRIJ) puzzle.cells[i] = CELL_ZWART;
}

// ---- Commands ----------------------------------------------------------------------

EditResult ShapeStep(Rooster2Doc& doc, const std::function<bool(Puzzle&)>& change) {
    Puzzle changed = doc.puzzle();
    if (!change(changed)) return {};
    changed.BuildWords();
    PuzzleEdit(doc).puzzle() = std::move(changed);
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

namespace {

EditResult RunCleanSlate(Rooster2Doc& doc, int, int) {
    EditResult result = ShapeStep(doc, [](Puzzle& puzzle) {
        ClearAllCells(puzzle);
        return true;
    });
    result.redrawAll = false;
    result.redrawLetters = true;
    result.forgetBestResult = true;
    return result;
}

// The words keep their places: no rebuild.
EditResult RunRemoveLetters(Rooster2Doc& doc, int, int) {
    RemoveLetters(PuzzleEdit(doc).puzzle());
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

EditResult RunEdgeBlack(Rooster2Doc& doc, int, int) {
    Puzzle edged = doc.puzzle();
    // A change only when cells changed, so the save prompt neither lets a change go
    // unnoticed nor asks about none.
    const EditKind kind = EdgeBlackToNiet(edged) ? EditKind::Step : EditKind::ShownStep;
    PuzzleEdit(doc, kind).puzzle() = std::move(edged);
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

template <int dx, int dy>
EditResult RunShift(Rooster2Doc& doc, int, int) {
    return ShapeStep(doc, [](Puzzle& puzzle) {
        ShiftGrid(puzzle, dx, dy);
        return true;
    });
}

EditResult RunRotate(Rooster2Doc& doc, int, int) { return ShapeStep(doc, RotateGrid); }

EditResult RunMirrorRows(Rooster2Doc& doc, int, int) {
    return ShapeStep(doc, [](Puzzle& puzzle) {
        MirrorGridRows(puzzle);
        return true;
    });
}

EditResult RunMirrorColumns(Rooster2Doc& doc, int, int) {
    return ShapeStep(doc, [](Puzzle& puzzle) {
        MirrorGridColumns(puzzle);
        return true;
    });
}

EditResult RunAlternateBlack(Rooster2Doc& doc, int mouseX, int mouseY) {
    std::vector<int> changed;
    EditResult result = ShapeStep(doc, [&](Puzzle& puzzle) {
        changed = MakeAlternateBlack(puzzle, mouseX, mouseY);
        return !changed.empty();
    });
    result.cells = std::move(changed);
    return result;
}

EditResult RunFreeCellsBlack(Rooster2Doc& doc, int, int) {
    return ShapeStep(doc, [](Puzzle& puzzle) {
        MakeFreeCellsBlack(puzzle);
        return true;
    });
}

struct Transform {
    int id;
    EditResult (*run)(Rooster2Doc&, int, int);
};

constexpr Transform TRANSFORMS[] = {
    {ID_GRID_CLEAN, RunCleanSlate},          {ID_GRID_REMOVE_LETTERS, RunRemoveLetters},
    {ID_GRID_EDGE_BLACK, RunEdgeBlack},      {ID_SHIFT_RIGHT, RunShift<1, 0>},
    {ID_SHIFT_LEFT, RunShift<-1, 0>},        {ID_SHIFT_DOWN, RunShift<0, 1>},
    {ID_SHIFT_UP, RunShift<0, -1>},          {ID_ROTATE_CLOCKWISE, RunRotate},
    {ID_MIRROR_ROWS, RunMirrorRows},         {ID_MIRROR_COLUMNS, RunMirrorColumns},
    {ID_ALTERNATE_BLACK, RunAlternateBlack}, {ID_FREE_CELLS_BLACK, RunFreeCellsBlack},
};

const Transform* FindTransform(int id) {
    for (const Transform& transform : TRANSFORMS)
        if (transform.id == id) return &transform;
    return nullptr;
}

}  // namespace

bool IsGridTransform(int id) { return FindTransform(id) != nullptr; }

EditResult RunGridTransform(int id, Rooster2Doc& doc, int mouseX, int mouseY) {
    const Transform* transform = FindTransform(id);
    const std::optional<CommandState> state = GetCommandState(id, doc, CommandFacts{});
    if (transform == nullptr || !state || !state->enabled) return {};
    return transform->run(doc, mouseX, mouseY);
}

EditResult CleanSlateCommand(Rooster2Doc& doc) {
    return RunGridTransform(ID_GRID_CLEAN, doc, -1, -1);
}
