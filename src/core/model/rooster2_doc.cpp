#include "model/rooster2_doc.h"

#include "model/profile.h"

const char* const RTR_SIGNATURE = "Rooster Versie 2 Ruitwerk";
const char* const RTR_FORM_SIGNATURE = "Rooster Versie 3 Vormwerk";

namespace {

const char* const PROFILE_SECTION_COLOURS = "Kleur";

struct ColourEntry {
    const char* entry;
    ColourRef Colours::*member;
};

const ColourEntry COLOUR_ENTRIES[] = {
    {"Zwart", &Colours::zwart}, {"Woord", &Colours::woord}, {"WoordPos", &Colours::woordPos},
    {"Niet", &Colours::niet},   {"Vrij", &Colours::vrij},   {"Achtergrond", &Colours::achtergrond},
};

}  // namespace

Rooster2Doc::Rooster2Doc() { OnNewDocument(); }

bool Rooster2Doc::OnNewDocument(const IProfile* profile) {
    Replace(FreshPuzzle(profile));
    return true;
}

Puzzle Rooster2Doc::FreshPuzzle(const IProfile* profile) const {
    Puzzle fresh;
    fresh.search.sound = m_puzzle.search.sound;
    if (profile == nullptr) return fresh;
    for (const ColourEntry& color : COLOUR_ENTRIES) {
        const int stored = profile->GetProfileInt(PROFILE_SECTION_COLOURS, color.entry, -1);
        if (stored != -1) fresh.appearance.colours.*color.member = static_cast<ColourRef>(stored);
    }
    return fresh;
}

void Rooster2Doc::Replace(Puzzle puzzle) {
    phase = Phase::Vormen;
    direction = Direction::Across;
    curWord = 0;
    curPos = 0;
    pathName.clear();
    ijToggled = false;
    PuzzleEdit(*this, EditKind::Replace).puzzle() = std::move(puzzle);
}

void Rooster2Doc::WriteDefaultColours(IProfile& profile) const {
    for (const ColourEntry& color : COLOUR_ENTRIES)
        profile.WriteProfileInt(PROFILE_SECTION_COLOURS, color.entry,
                                static_cast<int>(m_puzzle.appearance.colours.*color.member));
}

// ---- Recording -------------------------------------------------------------------------

void Rooster2Doc::Record(EditKind kind, const UndoHistory::Snapshot& before) {
    UndoHistory* history = m_histories.Of(phase);
    if (kind == EditKind::Step && history != nullptr) m_recordedState = ++m_lastRecordedState;
    // One snapshot of the puzzle as it is now serves the history and the changed cells.
    const UndoHistory::Snapshot after = SnapshotOf(m_puzzle, m_recordedState);
    switch (kind) {
        case EditKind::Step:
            if (history != nullptr)
                history->Push(after);
            else
                m_changedOutsideHistory = true;
            break;
        case EditKind::Setting:
            m_changedOutsideHistory = true;
            break;
        case EditKind::Shown:
            break;
        case EditKind::ShownStep:
            if (history != nullptr) history->Push(after);
            break;
        case EditKind::Restart:
            if (history != nullptr) history->Reset(after);
            break;
        case EditKind::Replace:
            for (Phase each : {Phase::Vormen, Phase::Vullen}) m_histories.Of(each)->Reset(after);
            m_changedOutsideHistory = false;
            m_savedState = m_recordedState;
            break;
    }
    std::vector<int> changed;
    if (kind != EditKind::Replace) changed = ChangedCells(before, after);
    Tell({kind, std::move(changed)});
}

std::vector<int> Rooster2Doc::Undo() {
    if (!CanUndo()) return {};
    return Restore(m_histories.Of(phase)->Undo());
}

std::vector<int> Rooster2Doc::Redo() {
    if (!CanRedo()) return {};
    return Restore(m_histories.Of(phase)->Redo());
}

std::vector<int> Rooster2Doc::Restore(const UndoHistory::Snapshot& snapshot) {
    const UndoHistory::Snapshot before = SnapshotOf(m_puzzle, m_recordedState);
    RestoreSnapshot(m_puzzle, snapshot);
    if (phase == Phase::Vormen) m_puzzle.BuildWords();
    m_recordedState = snapshot.state;
    // Compared after the rebuild: it may blacken lone cells, which must be redrawn too.
    std::vector<int> changed = ChangedCells(before, SnapshotOf(m_puzzle, m_recordedState));
    Tell({EditKind::Step, changed});
    return changed;
}

void Rooster2Doc::MarkSaved() {
    m_changedOutsideHistory = false;
    m_savedState = m_recordedState;
    Tell({EditKind::Shown, {}});
}

void Rooster2Doc::Tell(DocumentChange change) const {
    if (changeListener) changeListener(change);
}

// ---- PuzzleEdit ------------------------------------------------------------------------

PuzzleEdit::PuzzleEdit(Rooster2Doc& doc, EditKind kind)
    : m_doc(doc),
      m_kind(kind),
      // Another puzzle tells no cells, so it needs no grid to compare with.
      m_before(kind == EditKind::Replace ? UndoHistory::Snapshot{} : SnapshotOf(doc.m_puzzle, 0)) {}

void PuzzleEdit::Commit() {
    if (m_committed) return;
    m_committed = true;
    m_doc.Record(m_kind, m_before);
}
