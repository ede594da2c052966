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
    doc.puzzle.appearance.colours.achtergrond = colours.background;
    doc.puzzle.appearance.colours.niet = colours.notCell;
    doc.puzzle.appearance.colours.vrij = colours.freeCell;
    doc.puzzle.appearance.colours.woord = colours.word;
    doc.puzzle.appearance.colours.woordPos = colours.cursor;
    doc.puzzle.appearance.colours.zwart = colours.black;
    doc.MarkModified(true);
}
