#pragma once
// Whole-grid snapshots for undo and redo. The view keeps one history for
// shaping and one for filling; the snapshot at Position() - 1 is the grid.

#include <string>
#include <vector>

class CRooster2Doc;

class CUndoHistory {
public:
    // Drops the redo states and appends the grid after an editing command.
    void Push(const std::string& grid);
    // Empties the history and makes the grid its base snapshot.
    void Reset(const std::string& grid);
    bool CanUndo() const { return m_pos >= 2; }
    bool CanRedo() const { return static_cast<int>(m_snapshots.size()) > m_pos; }
    // Step back or forth; return the snapshot to restore. Only when CanUndo / CanRedo.
    const std::string& Undo();
    const std::string& Redo();

    int Position() const { return m_pos; }
    int Size() const { return static_cast<int>(m_snapshots.size()); }

private:
    std::vector<std::string> m_snapshots;
    int m_pos = 0;
};

// The two histories and the per-phase rules: which one a phase uses, when the
// commands are enabled, and what a step does to the document.
class CUndoHistories {
public:
    void PushShapeUndo(const CRooster2Doc& doc);
    void PushFillUndo(const CRooster2Doc& doc);
    void ResetShapeUndo(const CRooster2Doc& doc);
    void ResetFillUndo(const CRooster2Doc& doc);

    bool CanUndo(int phase) const;
    bool CanRedo(int phase) const;
    // Restores the previous / next snapshot of the phase's history (rebuilding the
    // words when shaping), marks the document modified and returns the indices of
    // the cells that changed. Nothing happens when the command is disabled.
    std::vector<int> Undo(CRooster2Doc& doc);
    std::vector<int> Redo(CRooster2Doc& doc);

    const CUndoHistory& Shape() const { return m_shapeUndo; }
    const CUndoHistory& Fill() const { return m_fillUndo; }

private:
    CUndoHistory* HistoryOf(int phase);
    std::vector<int> Restore(CRooster2Doc& doc, const std::string& snapshot);

    CUndoHistory m_shapeUndo;
    CUndoHistory m_fillUndo;
};
