#include "editing/undo_history.h"

#include <algorithm>

#include "model/rooster2_doc.h"

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

UndoHistory::Snapshot SnapshotOf(const Rooster2Doc& doc) {
    return {doc.puzzle.GridToString(), doc.puzzle.LocksToString(), doc.RecordedState(),
            FormLayersOf(doc.puzzle)};
}

}  // namespace

void UndoHistories::RecordChange(Rooster2Doc& doc) {
    UndoHistory* history = HistoryOf(doc.phase);
    if (history == nullptr) {
        doc.MarkModified(true);
        return;
    }
    doc.MarkRecordedChange();
    history->Push(SnapshotOf(doc));
}

void UndoHistories::PushShapeUndo(const Rooster2Doc& doc) { m_shapeUndo.Push(SnapshotOf(doc)); }
void UndoHistories::PushFillUndo(const Rooster2Doc& doc) { m_fillUndo.Push(SnapshotOf(doc)); }
void UndoHistories::ResetShapeUndo(const Rooster2Doc& doc) { m_shapeUndo.Reset(SnapshotOf(doc)); }
void UndoHistories::ResetFillUndo(const Rooster2Doc& doc) { m_fillUndo.Reset(SnapshotOf(doc)); }

UndoHistory* UndoHistories::HistoryOf(Phase phase) {
    if (phase == Phase::Vormen) return &m_shapeUndo;
    if (phase == Phase::Vullen) return &m_fillUndo;
    return nullptr;
}

bool UndoHistories::CanUndo(Phase phase) const {
    return (phase == Phase::Vormen && m_shapeUndo.CanUndo()) ||
           (phase == Phase::Vullen && m_fillUndo.CanUndo());
}

bool UndoHistories::CanRedo(Phase phase) const {
    return (phase == Phase::Vormen && m_shapeUndo.CanRedo()) ||
           (phase == Phase::Vullen && m_fillUndo.CanRedo());
}

std::vector<int> UndoHistories::Restore(Rooster2Doc& doc, const UndoHistory::Snapshot& snapshot) {
    const std::string before = doc.puzzle.GridToString();
    const std::string locksBefore = doc.puzzle.LocksToString();
    doc.puzzle.StringToGrid(snapshot.grid);
    doc.puzzle.StringToLocks(snapshot.locks);
    RestoreFormLayers(doc.puzzle, snapshot.formLayers);
    if (doc.phase == Phase::Vormen) doc.puzzle.BuildWords();
    // Compare after the rebuild: it may blacken lone cells, which must be redrawn too.
    const std::string after = doc.puzzle.GridToString();
    const std::string locksAfter = doc.puzzle.LocksToString();
    std::vector<int> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i] || locksBefore[i] != locksAfter[i])
            changed.push_back(static_cast<int>(i));
    doc.ReturnToRecordedState(snapshot.state);
    return changed;
}

std::vector<int> UndoHistories::Undo(Rooster2Doc& doc) {
    if (!CanUndo(doc.phase)) return {};
    return Restore(doc, HistoryOf(doc.phase)->Undo());
}

std::vector<int> UndoHistories::Redo(Rooster2Doc& doc) {
    if (!CanRedo(doc.phase)) return {};
    return Restore(doc, HistoryOf(doc.phase)->Redo());
}
