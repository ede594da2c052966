#include "editing/undo_history.h"

#include "model/rooster2_doc.h"

void UndoHistory::Push(const std::string& grid) {
    m_snapshots.resize(static_cast<std::size_t>(m_pos));
    m_snapshots.push_back(grid);
    m_pos = static_cast<int>(m_snapshots.size());
}

void UndoHistory::Reset(const std::string& grid) {
    m_snapshots.clear();
    m_pos = 0;
    Push(grid);
}

const std::string& UndoHistory::Undo() {
    --m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

const std::string& UndoHistory::Redo() {
    ++m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

void UndoHistories::PushShapeUndo(const Rooster2Doc& doc) {
    m_shapeUndo.Push(doc.puzzle.GridToString());
}
void UndoHistories::PushFillUndo(const Rooster2Doc& doc) {
    m_fillUndo.Push(doc.puzzle.GridToString());
}
void UndoHistories::ResetShapeUndo(const Rooster2Doc& doc) {
    m_shapeUndo.Reset(doc.puzzle.GridToString());
}
void UndoHistories::ResetFillUndo(const Rooster2Doc& doc) {
    m_fillUndo.Reset(doc.puzzle.GridToString());
}

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

std::vector<int> UndoHistories::Restore(Rooster2Doc& doc, const std::string& snapshot) {
    const std::string before = doc.puzzle.GridToString();
    doc.puzzle.StringToGrid(snapshot);
    if (doc.phase == Phase::Vormen) doc.puzzle.BuildWords();
    // Compare after the rebuild: it may blacken lone cells, which must be redrawn too.
    const std::string after = doc.puzzle.GridToString();
    std::vector<int> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i]) changed.push_back(static_cast<int>(i));
    doc.MarkModified(true);
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
