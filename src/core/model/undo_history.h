#pragma once
// Whole-grid snapshots for undo and redo: one history for shaping and one for
// filling; the snapshot at Position() - 1 is the grid as it is. The document
// owns both and records into them through its edit transactions.

#include <cstdint>
#include <string>
#include <vector>

#include "model/cells.h"

class Puzzle;

class UndoHistory {
public:
    // A grid with its locks and form layers, and the document's recorded state it belongs to.
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

// The puzzle's grid, locks and form layers as the given recorded state.
UndoHistory::Snapshot SnapshotOf(const Puzzle& puzzle, std::uint64_t state);
// Puts a snapshot's grid, locks and form layers back (not the words).
void RestoreSnapshot(Puzzle& puzzle, const UndoHistory::Snapshot& snapshot);
// The cells, as y * width + x, whose letter, lock or form layer differs between two
// snapshots of the same grid size.
std::vector<int> ChangedCells(const UndoHistory::Snapshot& before,
                              const UndoHistory::Snapshot& after);

// The two histories and which one a phase uses: the search and solution phases keep none.
class UndoHistories {
public:
    UndoHistory* Of(Phase phase);
    const UndoHistory* Of(Phase phase) const;
    bool CanUndo(Phase phase) const;
    bool CanRedo(Phase phase) const;

    const UndoHistory& Shape() const { return m_shapeUndo; }
    const UndoHistory& Fill() const { return m_fillUndo; }

private:
    UndoHistory m_shapeUndo;
    UndoHistory m_fillUndo;
};
