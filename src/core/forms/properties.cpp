#include "forms/properties.h"

#include "editing/grid_transforms.h"
#include "model/rooster2_doc.h"

namespace {

constexpr int SMALLEST_CLUE_TEXT_SIZE = 10;

// The document's colour members in the order of the dialog's buttons.
constexpr ColourRef Colours::*COLOUR_MEMBERS[PROPERTY_COLOUR_COUNT] = {
    &Colours::zwart, &Colours::woord,    &Colours::niet,
    &Colours::vrij,  &Colours::woordPos, &Colours::achtergrond};

void Resize(Rooster2Doc& doc, int width, int height) {
    PuzzleEdit edit(doc, EditKind::Restart);
    edit->Resize(width, height);
    doc.curWord = 0;
    doc.curPos = 0;
    // The words of the old size would point outside the new grid.
    edit->BuildWords();
}

}  // namespace

ColourRef& PropertyColour(Appearance& appearance, int i) {
    return appearance.colours.*COLOUR_MEMBERS[i];
}

PuzzleProperties ReadProperties(const Rooster2Doc& doc, bool smallLetters) {
    const Puzzle& puzzle = doc.puzzle();
    return {puzzle.width,      puzzle.height,    puzzle.symmetry, puzzle.form,
            puzzle.appearance, puzzle.numbering, puzzle.html,     smallLetters};
}

int StoredClueTextSize(int size) { return size < SMALLEST_CLUE_TEXT_SIZE ? 0 : size; }

bool CanChangeGridLayout(const Rooster2Doc& doc) { return doc.phase == Phase::Vormen; }

PropertiesApplied ApplyProperties(Rooster2Doc& doc, const PuzzleProperties& p) {
    PropertiesApplied applied;
    const bool layout = CanChangeGridLayout(doc);
    if (layout && (p.width != doc.puzzle().width || p.height != doc.puzzle().height)) {
        Resize(doc, p.width, p.height);
        applied.resized = true;
    }
    PuzzleEdit edit(doc, EditKind::Setting);
    Puzzle& puzzle = edit.puzzle();
    puzzle.symmetry = p.symmetry;
    puzzle.appearance = p.appearance;
    puzzle.appearance.clueTextSize = StoredClueTextSize(p.appearance.clueTextSize);
    puzzle.html = p.html;
    const Numbering before = puzzle.numbering;
    puzzle.numbering = p.numbering;
    if (layout) {
        if (p.numbering.doorloper && !before.doorloper)
            applied.cleared = CleanSlateCommand(doc).applied;
    } else {
        puzzle.numbering.doorloper = before.doorloper;
        puzzle.numbering.acrossOnly = before.acrossOnly;
    }
    // The words follow the (perhaps new) layout and the numbers the start number at
    // once; outside shaping the words keep their clues.
    if (layout) {
        const bool madeZweeds = p.form == PuzzleForm::Zweeds && puzzle.form != p.form;
        puzzle.form = p.form;
        puzzle.BuildWords();
        if (madeZweeds) puzzle.AssignArrows();
    } else if (!puzzle.numbering.doorloper)
        puzzle.Renumber();
    if (puzzle.numbering.acrossOnly) doc.direction = Direction::Across;
    return applied;
}

void ApplyComment(Rooster2Doc& doc, const std::string& comment) {
    PuzzleEdit(doc, EditKind::Setting)->comment = comment;
}
