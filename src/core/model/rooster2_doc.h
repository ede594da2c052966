#pragma once
// The puzzle document: the puzzle value together with the state of editing it
// (phase, direction, current word and cursor, the file it came from, whether
// it changed). One object lives for the whole run; "new" and "open" give it
// another puzzle.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/puzzle.h"
#include "model/undo_history.h"

class IProfile;

// What a change means for the undo histories and the "modified" mark.
enum class EditKind {
    // One step of the phase's undo history (a letter, a black cell, a transform):
    // modified until undone or saved. In a phase without a history it counts as
    // a Setting.
    Step,
    // A clue, a property, an option or a colour: no undo step; modified until
    // the next save.
    Setting,
    // What is shown, not what was made (a solution, the best partial result, the
    // grid back from the solutions): neither a step nor a modification.
    Shown,
    // Shown like that, but as a step of the phase's history that claims no
    // change: undo takes the grid back, the "modified" mark stays as it was.
    ShownStep,
    // The phase's history starts again from the puzzle as it is after the change
    // (a phase switch, a new size); the "modified" mark stays as it was.
    Restart,
    // Another puzzle (new, opened): both histories start again from it, unmodified.
    Replace,
};

// One change notification: what kind of change it was and the cells, as
// y * width + x, whose letter, lock or form layer it changed (none listed for a
// Replace: every cell may differ). An undo or redo tells a Step; a save, which
// changes only the "modified" mark, tells Shown.
struct DocumentChange {
    EditKind kind = EditKind::Step;
    std::vector<int> cells;
};

class Rooster2Doc {
public:
    Rooster2Doc();

    // "Nieuw": a fresh puzzle with the profile's colours when given, shaping.
    bool OnNewDocument(const IProfile* profile = nullptr);
    // What "Nieuw" starts from: an empty 15 x 15 puzzle with the profile's colours
    // when given. The sound is a preference of the run rather than of a puzzle: it
    // carries over.
    Puzzle FreshPuzzle(const IProfile* profile = nullptr) const;
    // Another puzzle: editing starts over (shaping, across, the first word, no
    // file) and both histories start from it, unmodified.
    void Replace(Puzzle puzzle);

    // Writes the six colours as the defaults of the next new document.
    void WriteDefaultColours(IProfile& profile) const;

    // The puzzle as it is; it changes only through a PuzzleEdit.
    const Puzzle& puzzle() const { return m_puzzle; }

    // The word at (x, y); where two cross, the one in the current direction.
    int FindWordAt(int x, int y) const { return m_puzzle.FindWordAt(x, y, direction); }

    // ---- Undo and redo in the current phase -------------------------------------------
    const UndoHistories& Histories() const { return m_histories; }
    bool CanUndo() const { return m_histories.CanUndo(phase); }
    bool CanRedo() const { return m_histories.CanRedo(phase); }
    // Restores the previous / next snapshot of the phase's history (rebuilding the
    // words when shaping) with its recorded state and returns the cells that
    // changed. Nothing happens when there is no such snapshot.
    std::vector<int> Undo();
    std::vector<int> Redo();

    // ---- Modified ---------------------------------------------------------------------
    // Saved or opened as it is now: unmodified, and so is every history state that
    // holds this puzzle.
    void MarkSaved();
    // Changed outside the histories since the save, or at another state than the saved one.
    bool IsModified() const { return m_changedOutsideHistory || m_recordedState != m_savedState; }

    // ---- Editing state ---------------------------------------------------
    Phase phase = Phase::Vormen;
    Direction direction = Direction::Across;
    std::int32_t curWord = 0;
    std::int32_t curPos = 0;
    std::string pathName;
    bool ijToggled = false;
    // Told of every change of the puzzle and of the "modified" mark, once per change.
    std::function<void(const DocumentChange&)> changeListener;

private:
    friend class PuzzleEdit;

    void Record(EditKind kind, const UndoHistory::Snapshot& before);
    std::vector<int> Restore(const UndoHistory::Snapshot& snapshot);
    void Tell(DocumentChange change) const;

    Puzzle m_puzzle;
    UndoHistories m_histories;
    bool m_changedOutsideHistory = false;
    std::uint64_t m_recordedState = 0;
    std::uint64_t m_savedState = 0;
    std::uint64_t m_lastRecordedState = 0;
};

// One change of a document's puzzle as a transaction: it notes the grid as it
// was, lets the caller change the puzzle, and when it ends (Commit, or leaving
// its scope) records the change by its kind and tells the document's listener
// once, with the cells that changed. Transactions may nest; each records itself.
class PuzzleEdit {
public:
    explicit PuzzleEdit(Rooster2Doc& doc, EditKind kind = EditKind::Step);
    PuzzleEdit(const PuzzleEdit&) = delete;
    PuzzleEdit& operator=(const PuzzleEdit&) = delete;
    ~PuzzleEdit() { Commit(); }

    Puzzle& puzzle() { return m_doc.m_puzzle; }
    Puzzle* operator->() { return &m_doc.m_puzzle; }

    // Ends the transaction now (once; later calls do nothing).
    void Commit();

private:
    Rooster2Doc& m_doc;
    EditKind m_kind;
    UndoHistory::Snapshot m_before;
    bool m_committed = false;
};

// "Rooster Versie 2 Ruitwerk": the signature every puzzle file starts with.
extern const char* const RTR_SIGNATURE;
// "Rooster Versie 3 Vormwerk": a puzzle of another form than Kruiswoord; a form block
// follows the signature, then the classic layout.
extern const char* const RTR_FORM_SIGNATURE;
