#include "model/undo_history.h"

#include <algorithm>

#include "model/puzzle.h"

void UndoHistory::Push(Snapshot snapshot) {
    m_snapshots.resize(static_cast<std::size_t>(m_pos));
    m_snapshots.push_back(std::move(snapshot));
    m_pos = static_cast<int>(m_snapshots.size());
}

void UndoHistory::Reset(Snapshot snapshot) {
    m_snapshots.clear();
    m_pos = 0;
    Push(std::move(snapshot));
}

const UndoHistory::Snapshot& UndoHistory::Undo() {
    --m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

const UndoHistory::Snapshot& UndoHistory::Redo() {
    ++m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

namespace {

std::string FormLayersOf(const Puzzle& puzzle) {
    const std::size_t cells = static_cast<std::size_t>(puzzle.CellCount());
    std::string layers;
    for (const auto* layer : {&puzzle.bars, &puzzle.arrows, &puzzle.keyNumbers})
        layers.append(layer->begin(), layer->begin() + cells);
    return layers;
}

void RestoreFormLayers(Puzzle& puzzle, const std::string& layers) {
    const std::size_t cells = static_cast<std::size_t>(puzzle.CellCount());
    if (layers.size() != 3 * cells) return;
    std::size_t at = 0;
    for (auto* layer : {&puzzle.bars, &puzzle.arrows, &puzzle.keyNumbers}) {
        std::copy_n(layers.begin() + static_cast<std::ptrdiff_t>(at), cells, layer->begin());
        at += cells;
    }
}

}  // namespace

UndoHistory::Snapshot SnapshotOf(const Puzzle& puzzle, std::uint64_t state) {
    return {puzzle.GridToString(), puzzle.LocksToString(), state, FormLayersOf(puzzle)};
}

void RestoreSnapshot(Puzzle& puzzle, const UndoHistory::Snapshot& snapshot) {
    puzzle.StringToGrid(snapshot.grid);
    puzzle.StringToLocks(snapshot.locks);
    RestoreFormLayers(puzzle, snapshot.formLayers);
}

std::vector<int> ChangedCells(const UndoHistory::Snapshot& before,
                              const UndoHistory::Snapshot& after) {
    std::vector<int> changed;
    const std::size_t cells = before.grid.size();
    if (after.grid.size() != cells) return changed;
    const auto layerDiffers = [&](std::size_t i) {
        for (std::size_t layer = i; layer < before.formLayers.size(); layer += cells)
            if (layer >= after.formLayers.size() ||
                before.formLayers[layer] != after.formLayers[layer])
                return true;
        return false;
    };
    for (std::size_t i = 0; i < cells; ++i)
        if (before.grid[i] != after.grid[i] || before.locks[i] != after.locks[i] || layerDiffers(i))
            changed.push_back(static_cast<int>(i));
    return changed;
}

UndoHistory* UndoHistories::Of(Phase phase) {
    if (phase == Phase::Vormen) return &m_shapeUndo;
    if (phase == Phase::Vullen) return &m_fillUndo;
    return nullptr;
}

const UndoHistory* UndoHistories::Of(Phase phase) const {
    return const_cast<UndoHistories*>(this)->Of(phase);
}

bool UndoHistories::CanUndo(Phase phase) const {
    const UndoHistory* history = Of(phase);
    return history != nullptr && history->CanUndo();
}

bool UndoHistories::CanRedo(Phase phase) const {
    const UndoHistory* history = Of(phase);
    return history != nullptr && history->CanRedo();
}
