#include "editing/grid_transforms.h"

#include <algorithm>
#include <array>

#include "editing/command_catalog.h"
#include "editing/command_ids.h"
#include "editing/undo_history.h"
#include "model/rooster2_doc.h"

// ---- Cell operations ------------------------------------------------------------

namespace {

// Builds the new grid in a free scratch grid: each cell (x, y) goes to
// target(x, y) when that lies inside the grid; then copies it back.
// The locks move with their cells.
template <typename Target>
void MoveCells(Rooster2Doc& doc, Target target) {
    std::array<Cell, MAX_CELLS> scratch;
    std::array<bool, MAX_CELLS> scratchLocks{};
    scratch.fill(CELL_VRIJ);
    for (int y = 0; y < doc.puzzle.height; ++y) {
        for (int x = 0; x < doc.puzzle.width; ++x) {
            const auto [tx, ty] = target(x, y);
            if (!doc.puzzle.IsInGrid(tx, ty)) continue;
            scratch[ty * doc.puzzle.width + tx] = doc.puzzle.GetCell(x, y);
            scratchLocks[ty * doc.puzzle.width + tx] = doc.puzzle.IsLocked(x, y);
        }
    }
    std::copy_n(scratch.begin(), doc.puzzle.CellCount(), doc.puzzle.cells.begin());
    doc.puzzle.locks = scratchLocks;
}

struct CellPos {
    int x;
    int y;
};

// From (x, y) in steps of (dx, dy), while the cells are black or not-cells, make
// them not-cells. Returns whether a black cell changed.
bool EdgeRunToNiet(Rooster2Doc& doc, int x, int y, int dx, int dy) {
    bool changed = false;
    for (; doc.puzzle.IsInGrid(x, y) && !IsLetterCell(doc.puzzle.GetCell(x, y)); x += dx, y += dy) {
        changed = changed || doc.puzzle.GetCell(x, y) != CELL_NIET;
        doc.puzzle.SetCell(x, y, CELL_NIET);
    }
    return changed;
}

}  // namespace

void ClearAllCells(Rooster2Doc& doc) {
    std::fill_n(doc.puzzle.cells.begin(), doc.puzzle.CellCount(), CELL_VRIJ);
    doc.puzzle.locks.fill(false);
}

void RemoveLetters(Rooster2Doc& doc) {
    for (int i = 0; i < doc.puzzle.CellCount(); ++i)
        if (doc.puzzle.cells[i] > CELL_VRIJ) doc.puzzle.cells[i] = CELL_VRIJ;
    for (WordInfo& word : doc.puzzle.words) word.value.clear();
}

bool EdgeBlackToNiet(Rooster2Doc& doc) {
    const int w = doc.puzzle.width;
    const int h = doc.puzzle.height;
    bool changed = false;
    for (int x = 0; x < w; ++x) {
        changed = EdgeRunToNiet(doc, x, 0, 0, 1) || changed;
        changed = EdgeRunToNiet(doc, x, h - 1, 0, -1) || changed;
    }
    for (int y = 0; y < h; ++y) {
        changed = EdgeRunToNiet(doc, 0, y, 1, 0) || changed;
        changed = EdgeRunToNiet(doc, w - 1, y, -1, 0) || changed;
    }
    return changed;
}

void ShiftGrid(Rooster2Doc& doc, int dx, int dy) {
    MoveCells(doc, [=](int x, int y) { return CellPos{x + dx, y + dy}; });
}

bool RotateGrid(Rooster2Doc& doc) {
    if (doc.puzzle.width != doc.puzzle.height) return false;
    const int h = doc.puzzle.height;
    MoveCells(doc, [=](int x, int y) { return CellPos{h - 1 - y, x}; });
    return true;
}

void MirrorGridRows(Rooster2Doc& doc) {
    const int h = doc.puzzle.height;
    MoveCells(doc, [=](int x, int y) { return CellPos{x, h - 1 - y}; });
}

void MirrorGridColumns(Rooster2Doc& doc) {
    const int w = doc.puzzle.width;
    MoveCells(doc, [=](int x, int y) { return CellPos{w - 1 - x, y}; });
}

std::vector<int> MakeAlternateBlack(Rooster2Doc& doc, int x, int y) {
    std::vector<int> changed;
    while (doc.puzzle.IsInGrid(x, y) && doc.puzzle.GetCell(x, y) == CELL_VRIJ) {
        doc.puzzle.SetCell(x, y, CELL_ZWART);
        changed.push_back(y * doc.puzzle.width + x);
        if (x < doc.puzzle.width - 1) {
            const Cell right = doc.puzzle.GetCell(x + 1, y);
            if (right == CELL_ZWART || right == CELL_NIET) break;
        }
        x += 2;
    }
    return changed;
}

void MakeFreeCellsBlack(Rooster2Doc& doc) {
    for (int i = 0; i < doc.puzzle.CellCount(); ++i)
        if (doc.puzzle.cells[i] == CELL_VRIJ) doc.puzzle.cells[i] = CELL_ZWART;
}

// ---- Commands ----------------------------------------------------------------------

EditResult FinishShapeChange(Rooster2Doc& doc, UndoHistories& undo) {
    undo.RecordChange(doc);
    doc.puzzle.BuildWords();
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

namespace {

// Snapshot onto the history of the phase the command runs in; the search and
// solution phases keep none.
void PushPhaseUndo(const Rooster2Doc& doc, UndoHistories& undo) {
    if (doc.phase == Phase::Vormen)
        undo.PushShapeUndo(doc);
    else if (doc.phase == Phase::Vullen)
        undo.PushFillUndo(doc);
}

EditResult RunCleanSlate(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    ClearAllCells(doc);
    EditResult result = FinishShapeChange(doc, undo);
    result.redrawAll = false;
    result.redrawLetters = true;
    result.forgetBestResult = true;
    return result;
}

EditResult RunRemoveLetters(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    RemoveLetters(doc);
    undo.RecordChange(doc);
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

EditResult RunEdgeBlack(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    // Marked modified when cells changed, so the save prompt does not let the
    // change go unnoticed.
    if (EdgeBlackToNiet(doc))
        undo.RecordChange(doc);
    else
        PushPhaseUndo(doc, undo);
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

template <int dx, int dy>
EditResult RunShift(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    ShiftGrid(doc, dx, dy);
    return FinishShapeChange(doc, undo);
}

EditResult RunRotate(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    if (!RotateGrid(doc)) return {};
    return FinishShapeChange(doc, undo);
}

EditResult RunMirrorRows(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    MirrorGridRows(doc);
    return FinishShapeChange(doc, undo);
}

EditResult RunMirrorColumns(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    MirrorGridColumns(doc);
    return FinishShapeChange(doc, undo);
}

EditResult RunAlternateBlack(Rooster2Doc& doc, UndoHistories& undo, int mouseX, int mouseY) {
    std::vector<int> changed = MakeAlternateBlack(doc, mouseX, mouseY);
    if (changed.empty()) return {};
    EditResult result = FinishShapeChange(doc, undo);
    result.cells = std::move(changed);
    return result;
}

EditResult RunFreeCellsBlack(Rooster2Doc& doc, UndoHistories& undo, int, int) {
    MakeFreeCellsBlack(doc);
    return FinishShapeChange(doc, undo);
}

struct Transform {
    int id;
    EditResult (*run)(Rooster2Doc&, UndoHistories&, int, int);
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

EditResult RunGridTransform(int id, Rooster2Doc& doc, UndoHistories& undo, int mouseX, int mouseY) {
    const Transform* transform = FindTransform(id);
    const std::optional<CommandState> state = GetCommandState(id, doc, undo, CommandFacts{});
    if (transform == nullptr || !state || !state->enabled) return {};
    return transform->run(doc, undo, mouseX, mouseY);
}

EditResult CleanSlateCommand(Rooster2Doc& doc, UndoHistories& undo) {
    return RunGridTransform(ID_GRID_CLEAN, doc, undo, -1, -1);
}
