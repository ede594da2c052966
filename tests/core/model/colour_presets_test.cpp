// The two colour presets of the "&Rooster" menu.
#include "model/colour_presets.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"

namespace {

struct ColourPresetTest : ::testing::Test {
    CRooster2Doc doc;
    ColourPresetTest() { doc.OnNewDocument(); }
};

TEST_F(ColourPresetTest, AcrossLiteHasGreyWordsRedCursorAndBlackBlocks) {
    ApplyColourPreset(doc, ColourPreset::AcrossLite);
    EXPECT_EQ(doc.puzzle.appearance.colours.achtergrond, Rgb(192, 192, 192));
    EXPECT_EQ(doc.puzzle.appearance.colours.niet, Rgb(255, 255, 255));
    EXPECT_EQ(doc.puzzle.appearance.colours.vrij, Rgb(255, 255, 255));
    EXPECT_EQ(doc.puzzle.appearance.colours.woord, Rgb(192, 192, 192));
    EXPECT_EQ(doc.puzzle.appearance.colours.woordPos, Rgb(255, 0, 0));
    EXPECT_EQ(doc.puzzle.appearance.colours.zwart, Rgb(0, 0, 0));
}

TEST_F(ColourPresetTest, WebpuzzelHasLightGreyWordsAndBlueBlocks) {
    ApplyColourPreset(doc, ColourPreset::AcrossLite);
    ApplyColourPreset(doc, ColourPreset::Webpuzzel);
    EXPECT_EQ(doc.puzzle.appearance.colours.achtergrond, Rgb(255, 255, 255));
    EXPECT_EQ(doc.puzzle.appearance.colours.niet, Rgb(255, 255, 255));
    EXPECT_EQ(doc.puzzle.appearance.colours.vrij, Rgb(255, 255, 255));
    EXPECT_EQ(doc.puzzle.appearance.colours.woord, Rgb(232, 232, 232));
    EXPECT_EQ(doc.puzzle.appearance.colours.woordPos, Rgb(215, 215, 215));
    EXPECT_EQ(doc.puzzle.appearance.colours.zwart, Rgb(132, 148, 180));
}

TEST_F(ColourPresetTest, LetterColourAndModifiedFlagStay) {
    doc.puzzle.appearance.colours.letter = Rgb(1, 2, 3);
    doc.MarkModified(false);
    ApplyColourPreset(doc, ColourPreset::AcrossLite);
    EXPECT_EQ(doc.puzzle.appearance.colours.letter, Rgb(1, 2, 3));
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
