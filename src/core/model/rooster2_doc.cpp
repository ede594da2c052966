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
    // The sound is a preference of the run rather than of a puzzle: it survives "Nieuw".
    const bool sound = puzzle.search.sound;
    puzzle = Puzzle();
    puzzle.search.sound = sound;
    if (profile != nullptr) ReadDefaultColours(*profile);
    phase = Phase::Vormen;
    direction = Direction::Across;
    curWord = 0;
    curPos = 0;
    pathName.clear();
    ijToggled = false;
    clueListDirty = false;
    m_changedOutsideHistory = false;
    m_savedState = m_recordedState;
    return true;
}

void Rooster2Doc::ReadDefaultColours(const IProfile& profile) {
    for (const ColourEntry& color : COLOUR_ENTRIES) {
        const int stored = profile.GetProfileInt(PROFILE_SECTION_COLOURS, color.entry, -1);
        if (stored != -1) puzzle.appearance.colours.*color.member = static_cast<ColourRef>(stored);
    }
}

void Rooster2Doc::WriteDefaultColours(IProfile& profile) const {
    for (const ColourEntry& color : COLOUR_ENTRIES)
        profile.WriteProfileInt(PROFILE_SECTION_COLOURS, color.entry,
                                static_cast<int>(puzzle.appearance.colours.*color.member));
}

void Rooster2Doc::MarkModified(bool modified) {
    m_changedOutsideHistory = modified;
    if (!modified) m_savedState = m_recordedState;
    TellModifiedListener();
}

std::uint64_t Rooster2Doc::MarkRecordedChange() {
    m_recordedState = ++m_lastRecordedState;
    TellModifiedListener();
    return m_recordedState;
}

void Rooster2Doc::ReturnToRecordedState(std::uint64_t state) {
    m_recordedState = state;
    TellModifiedListener();
}

void Rooster2Doc::TellModifiedListener() const {
    if (modifiedListener) modifiedListener();
}
