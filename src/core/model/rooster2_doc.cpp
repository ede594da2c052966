#include "model/rooster2_doc.h"

#include "model/profile.h"

const char* const RTR_SIGNATURE = "Rooster Versie 2 Ruitwerk";

namespace {

const char* const PROFILE_SECTION_COLORS = "Kleur";

struct ColorEntry {
    const char* entry;
    ColorRef Colours::*member;
};

const ColorEntry COLOR_ENTRIES[] = {
    {"Zwart", &Colours::zwart}, {"Woord", &Colours::woord},
    {"WoordPos", &Colours::woordPos}, {"Niet", &Colours::niet},
    {"Vrij", &Colours::vrij}, {"Achtergrond", &Colours::achtergrond},
};

}  // namespace

CRooster2Doc::CRooster2Doc() { OnNewDocument(); }

bool CRooster2Doc::OnNewDocument() {
    // The sound is a preference of the run rather than of a puzzle: it survives "Nieuw".
    const bool sound = puzzle.search.sound;
    puzzle = Puzzle();
    puzzle.search.sound = sound;
    ReadDefaultColors();
    phase = PHASE_VORMEN;
    direction = DIR_ACROSS;
    curWord = 0;
    curPos = 0;
    pathName.clear();
    ijToggled = false;
    clueListDirty = false;
    m_modified = false;
    return true;
}

void CRooster2Doc::ReadDefaultColors() {
    if (profile == nullptr) return;
    for (const ColorEntry& color : COLOR_ENTRIES) {
        const int stored = profile->GetProfileInt(PROFILE_SECTION_COLORS, color.entry, -1);
        if (stored != -1) puzzle.appearance.colours.*color.member = static_cast<ColorRef>(stored);
    }
}

void CRooster2Doc::WriteDefaultColors() const {
    if (profile == nullptr) return;
    for (const ColorEntry& color : COLOR_ENTRIES)
        profile->WriteProfileInt(PROFILE_SECTION_COLORS, color.entry,
                                 static_cast<int>(puzzle.appearance.colours.*color.member));
}

void CRooster2Doc::MarkModified(bool modified) {
    m_modified = modified;
    if (modifiedListener) modifiedListener(modified);
}
