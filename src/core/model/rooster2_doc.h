#pragma once
// The puzzle document: the puzzle value together with the state of editing it
// (phase, direction, current word and cursor, the file it came from, whether
// it changed). One object lives for the whole run; "new" and "open" give it
// another puzzle.

#include <cstdint>
#include <functional>
#include <string>

#include "model/puzzle.h"

class IProfile;

class Rooster2Doc {
public:
    Rooster2Doc();

    // "Nieuw": a fresh 15 x 15 puzzle with the profile's colours when given, shaping.
    bool OnNewDocument(const IProfile* profile = nullptr);

    // ---- Profile colours -------------------------------------------------
    // Replaces the six colours by the profile's "Kleur" entries where present.
    void ReadDefaultColours(const IProfile& profile);
    // Writes the six colours as the defaults of the next new document.
    void WriteDefaultColours(IProfile& profile) const;

    // The word at (x, y); where two cross, the one in the current direction.
    int FindWordAt(int x, int y) const { return puzzle.FindWordAt(x, y, direction); }

    // true: a change no undo history records (a clue, an option): modified until
    // the next save. false: saved or opened as it is now. Tells the listener.
    void MarkModified(bool modified);
    // A change an undo history records: a new state, which the history keeps with
    // its snapshot. Tells the listener.
    std::uint64_t MarkRecordedChange();
    // Undo or redo brought back a recorded state. Tells the listener.
    void ReturnToRecordedState(std::uint64_t state);
    std::uint64_t RecordedState() const { return m_recordedState; }
    // Changed outside the histories since the save, or at another state than the saved one.
    bool IsModified() const { return m_changedOutsideHistory || m_recordedState != m_savedState; }

    Puzzle puzzle;

    // ---- Editing state ---------------------------------------------------
    Phase phase = Phase::Vormen;
    Direction direction = Direction::Across;
    std::int32_t curWord = 0;
    std::int32_t curPos = 0;
    std::string pathName;
    bool ijToggled = false;
    bool clueListDirty = false;
    // Called whenever IsModified() may have changed; the desktop shows "*" in the title.
    std::function<void()> modifiedListener;

private:
    void TellModifiedListener() const;

    bool m_changedOutsideHistory = false;
    std::uint64_t m_recordedState = 0;
    std::uint64_t m_savedState = 0;
    std::uint64_t m_lastRecordedState = 0;
};

// "Rooster Versie 2 Ruitwerk": the signature every puzzle file starts with.
extern const char* const RTR_SIGNATURE;
// "Rooster Versie 3 Vormwerk": a puzzle of another form than Kruiswoord; a form block
// follows the signature, then the classic layout.
extern const char* const RTR_FORM_SIGNATURE;
