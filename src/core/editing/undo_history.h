#pragma once
// Whole-grid snapshots for undo and redo. The view keeps one history for
// shaping and one for filling; the snapshot at Position() - 1 is the grid.

#include <cstdint>
#include <string>
#include <vector>

#include "model/cells.h"

class Rooster2Doc;

class UndoHistory {
public:
    // A grid and its locks with the document's recorded state it belongs to.
    struct Snapshot {
        std::string grid;
        std::string locks;
        std::uint64_t state = 0;
        // The bars, clue arrows and sleutelwoord numbers of every cell.
        std::string formLayers;
    };

    // Drops the redo states and appends the grid after an editing command.
    void Push(Snapshot snapshot);
    // Empties the history and makes the grid its base snapshot.
    void Reset(Snapshot snapshot);
    bool CanUndo() const { return m_pos >= 2; }
    bool CanRedo() const { return static_cast<int>(m_snapshots.size()) > m_pos; }
    // Step back or forth; return the snapshot to restore. Only when CanUndo / CanRedo.
    const Snapshot& Undo();
    const Snapshot& Redo();

    int Position() const { return m_pos; }
    int Size() const { return static_cast<int>(m_snapshots.size()); }

private:
    std::vector<Snapshot> m_snapshots;
    int m_pos = 0;
};

// The two histories and the per-phase rules: which one a phase uses, when the
// commands are enabled, and what a step does to the document.
class UndoHistories {
public:
    // After an editing command changed the grid: a snapshot onto the phase's
    // history, as a new recorded state of the document (so undoing back to the
    // saved state is unmodified again). In a phase without a history the change
    // is one outside the histories.
    void RecordChange(Rooster2Doc& doc);
    // A snapshot that claims no change of the document.
    void PushShapeUndo(const Rooster2Doc& doc);
    void PushFillUndo(const Rooster2Doc& doc);
    void ResetShapeUndo(const Rooster2Doc& doc);
    void ResetFillUndo(const Rooster2Doc& doc);

    bool CanUndo(Phase phase) const;
    bool CanRedo(Phase phase) const;
    // Restores the previous / next snapshot of the phase's history (rebuilding the
    // words when shaping) with its recorded state and returns the indices of
    // the cells that changed. Nothing happens when the command is disabled.
    std::vector<int> Undo(Rooster2Doc& doc);
    std::vector<int> Redo(Rooster2Doc& doc);

    const UndoHistory& Shape() const { return m_shapeUndo; }
    const UndoHistory& Fill() const { return m_fillUndo; }

private:
    UndoHistory* HistoryOf(Phase phase);
    std::vector<int> Restore(Rooster2Doc& doc, const UndoHistory::Snapshot& snapshot);

    UndoHistory m_shapeUndo;
    UndoHistory m_fillUndo;
};
