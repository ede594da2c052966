#pragma once
// "Eigenschappen rooster" and "Commentaar" without the dialogs: the values the
// properties dialog shows, their ranges, and what OK does to the document.

#include <array>
#include <string>

#include "editing/edit_result.h"
#include "forms/number_fields.h"
#include "model/cells.h"
#include "model/puzzle.h"

class Rooster2Doc;

// The colours in the order of their buttons: "Zwart", "Woord", "Niet", "Vrij",
// "Cursor", "Achtergr.".
constexpr int PROPERTY_COLOUR_COUNT = 6;

// What the properties dialog edits: copies of the puzzle's groups, its size and
// symmetry, and the view's small-letters switch.
struct PuzzleProperties {
    int width = 0;
    int height = 0;
    Symmetry symmetry = Symmetry::Geen;  // 0..5: "Geen" .. "Horizontaal of verticaal"
    PuzzleForm form = PuzzleForm::Kruiswoord;
    Appearance appearance;
    Numbering numbering;
    HtmlOptions html;
    bool smallLetters = false;  // the view's, not the document's
};

// The colour of button `i` (in the order above) within the appearance.
ColourRef& PropertyColour(Appearance& appearance, int i);

inline constexpr NumberField FIELD_WIDTH{"Aantal vakken horizontaal:", 1, MAX_GRID_SIDE};
inline constexpr NumberField FIELD_HEIGHT{"Aantal vakken verticaal:", 1, MAX_GRID_SIDE};
inline constexpr NumberField FIELD_CELL_SIZE{"(Maximale) breedte vak:", 5, 200};
inline constexpr NumberField FIELD_MARGIN{"Marge:", 5, 500};
inline constexpr NumberField FIELD_CLUE_TEXT_SIZE{"Tekstgrootte omschrijving:", 0, 50};
inline constexpr NumberField FIELD_START_NUMBER{"Startnummer:", 1, 999};

// The document's (and the view's small-letters) values as the dialog opens with them.
PuzzleProperties ReadProperties(const Rooster2Doc& doc, bool smallLetters);

// A clue text size below 10 is stored as 0: no caption line above the grid.
int StoredClueTextSize(int size);

// Whether the grid size and the numbering mode may be changed: only while shaping.
bool CanChangeGridLayout(const Rooster2Doc& doc);

// What OK did beyond the stored values.
struct PropertiesApplied {
    bool resized = false;  // the size text of the status bar changes
    bool cleared = false;  // "Doorloper" was switched on and emptied the grid
};

// OK: resizes the grid (keeping the cells that stay, new cells free; the current
// word and cursor go to 0 and the shape history restarts), stores the settings,
// empties the grid when "Doorloper" is switched on (with an undo step), forces
// the across direction for "Alleen horizontaal nummeren", gives the black cells of a
// puzzle made Zweeds the arrows to the words they can serve, and marks the document
// modified. The layout values (size, form, "Doorloper", "Alleen horizontaal") are only
// taken while CanChangeGridLayout. The caller redraws and takes smallLetters.
PropertiesApplied ApplyProperties(Rooster2Doc& doc, const PuzzleProperties& properties);

// "Commentaar" OK: the new comment, and the document is modified even when the
// text did not change.
void ApplyComment(Rooster2Doc& doc, const std::string& comment);
