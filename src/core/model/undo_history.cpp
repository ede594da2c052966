#include "model/undo_history.h"

#include "model/rooster2_doc.h"

void CUndoHistory::Push(const std::string& grid) {
    m_snapshots.resize(static_cast<std::size_t>(m_pos));
    m_snapshots.push_back(grid);
    m_pos = static_cast<int>(m_snapshots.size());
}

void CUndoHistory::Reset(const std::string& grid) {
    m_snapshots.clear();
    m_pos = 0;
    Push(grid);
}

const std::string& CUndoHistory::Undo() {
    --m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

const std::string& CUndoHistory::Redo() {
    ++m_pos;
    return m_snapshots[static_cast<std::size_t>(m_pos - 1)];
}

void CUndoHistories::PushShapeUndo(const CRooster2Doc& doc) { m_shapeUndo.Push(doc.puzzle.GridToString()); }
void CUndoHistories::PushFillUndo(const CRooster2Doc& doc) { m_fillUndo.Push(doc.puzzle.GridToString()); }
void CUndoHistories::ResetShapeUndo(const CRooster2Doc& doc) {
    m_shapeUndo.Reset(doc.puzzle.GridToString());
}
void CUndoHistories::ResetFillUndo(const CRooster2Doc& doc) { m_fillUndo.Reset(doc.puzzle.GridToString()); }

CUndoHistory* CUndoHistories::HistoryOf(int phase) {
    if (phase == PHASE_VORMEN) return &m_shapeUndo;
    if (phase == PHASE_VULLEN) return &m_fillUndo;
    return nullptr;
}

bool CUndoHistories::CanUndo(int phase) const {
    return (phase == PHASE_VORMEN && m_shapeUndo.CanUndo()) ||
           (phase == PHASE_VULLEN && m_fillUndo.CanUndo());
}

bool CUndoHistories::CanRedo(int phase) const {
    return (phase == PHASE_VORMEN && m_shapeUndo.CanRedo()) ||
           (phase == PHASE_VULLEN && m_fillUndo.CanRedo());
}

std::vector<int> CUndoHistories::Restore(CRooster2Doc& doc, const std::string& snapshot) {
    const std::string before = doc.puzzle.GridToString();
    doc.puzzle.StringToGrid(snapshot);
    if (doc.phase == PHASE_VORMEN) doc.puzzle.BuildWords();
    // Compare after the rebuild: it may blacken lone cells, which must be redrawn too.
    const std::string after = doc.puzzle.GridToString();
    std::vector<int> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i]) changed.push_back(static_cast<int>(i));
    doc.MarkModified(true);
    return changed;
}

std::vector<int> CUndoHistories::Undo(CRooster2Doc& doc) {
    if (!CanUndo(doc.phase)) return {};
    return Restore(doc, HistoryOf(doc.phase)->Undo());
}

std::vector<int> CUndoHistories::Redo(CRooster2Doc& doc) {
    if (!CanRedo(doc.phase)) return {};
    return Restore(doc, HistoryOf(doc.phase)->Redo());
}
