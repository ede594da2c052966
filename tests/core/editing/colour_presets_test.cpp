// The two colour presets of the "&Rooster" menu.
#include "editing/colour_presets.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

TEST(ColourPresetTest, ChangesTheCellColoursKeepsTheLetterColourAndMarksModified) {
    Rooster2Doc doc;
    Arrange(doc)->appearance.colours.letter = Rgb(1, 2, 3);
    ApplyColourPreset(doc, ColourPreset::AcrossLite);
    const ColourRef acrossLiteBlack = doc.puzzle().appearance.colours.zwart;
    ApplyColourPreset(doc, ColourPreset::Webpuzzel);
    EXPECT_NE(doc.puzzle().appearance.colours.zwart, acrossLiteBlack);
    EXPECT_EQ(doc.puzzle().appearance.colours.letter, Rgb(1, 2, 3));
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
