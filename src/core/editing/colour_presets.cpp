#include "editing/colour_presets.h"

#include "model/rooster2_doc.h"

namespace {

struct PresetColours {
    ColourRef background;
    ColourRef notCell;
    ColourRef freeCell;
    ColourRef word;
    ColourRef cursor;
    ColourRef black;
};

constexpr PresetColours WEBPUZZEL{Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255),
                                  Rgb(232, 232, 232), Rgb(215, 215, 215), Rgb(132, 148, 180)};
constexpr PresetColours ACROSS_LITE{Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(255, 255, 255),
                                    Rgb(192, 192, 192), Rgb(255, 0, 0),     Rgb(0, 0, 0)};

}  // namespace

void ApplyColourPreset(Rooster2Doc& doc, ColourPreset preset) {
    const PresetColours& colours = preset == ColourPreset::AcrossLite ? ACROSS_LITE : WEBPUZZEL;
    PuzzleEdit edit(doc, EditKind::Setting);
    Colours& target = edit->appearance.colours;
    target.achtergrond = colours.background;
    target.niet = colours.notCell;
    target.vrij = colours.freeCell;
    target.woord = colours.word;
    target.woordPos = colours.cursor;
    target.zwart = colours.black;
}
