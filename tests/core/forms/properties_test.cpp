// The properties dialog's ranges and OK steps, and the comment dialog's OK.
#include "forms/properties.h"

#include <gtest/gtest.h>

#include "model/undo_history.h"
#include "test_support.h"

namespace {

struct PropertiesTest : ::testing::Test {
    Rooster2Doc doc;
    PropertiesTest() {
        doc.OnNewDocument();
        Arrange(doc)->BuildWords();
    }
    PropertiesApplied Apply(const PuzzleProperties& p) { return ApplyProperties(doc, p); }
};

TEST(NumberFieldTest, ReadsWholeNumbersWithinTheRange) {
    int value = 7;
    EXPECT_FALSE(ReadNumberField(" 12 ", FIELD_CLUE_TEXT_SIZE, value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(ReadNumberField("-3", NumberField{"x", -5, 5}, value));
    EXPECT_EQ(value, -3);
}

TEST(NumberFieldTest, RefusesOutOfRangeAndNonNumbersKeepingTheValue) {
    int value = 7;
    for (const char* text : {"60", "-1", "", "12a", "1.5", "99999999999999999999"}) {
        const std::optional<UserMessage> refused =
            ReadNumberField(text, FIELD_CLUE_TEXT_SIZE, value);
        ASSERT_TRUE(refused) << text;
        EXPECT_EQ(refused->text,
                  "Geef bij \"Tekstgrootte omschrijving:\" een geheel getal van 0 tot en met 50.");
        EXPECT_EQ(value, 7);
    }
}

TEST_F(PropertiesTest, WiderGridKeepsOldColumnsAndAddsFreeCells) {
    SetGrid(doc, {"#..", "...", "..#"});
    doc.curWord = 3;
    PuzzleProperties p = ReadProperties(doc, false);
    p.width = 5;
    EXPECT_TRUE(Apply(p).resized);
    EXPECT_EQ(GridRows(doc), (Rows{"#....", ".....", "..#.."}));
    EXPECT_EQ(doc.curWord, 0);
    EXPECT_FALSE(doc.Histories().CanUndo(Phase::Vormen));
    EXPECT_EQ(doc.puzzle().words.front().length, 4);
}

TEST_F(PropertiesTest, SizeIsNotChangedOutsideShaping) {
    doc.phase = Phase::Vullen;
    PuzzleProperties p = ReadProperties(doc, false);
    p.width = 20;
    p.numbering.doorloper = true;
    p.form = PuzzleForm::Balkjes;
    EXPECT_FALSE(Apply(p).resized);
    EXPECT_EQ(doc.puzzle().width, 15);
    EXPECT_FALSE(doc.puzzle().numbering.doorloper);
    EXPECT_EQ(doc.puzzle().form, PuzzleForm::Kruiswoord);
}

TEST_F(PropertiesTest, MakingAPuzzleZweedsGivesItsBlackCellsArrows) {
    SetGrid(doc, {"#..", "#..", "..."});
    PuzzleProperties p = ReadProperties(doc, false);
    p.form = PuzzleForm::Zweeds;
    Apply(p);
    EXPECT_EQ(doc.puzzle().form, PuzzleForm::Zweeds);
    EXPECT_EQ(doc.puzzle().ClueArrow(0, 0, 0), Arrow::Right);
    EXPECT_EQ(doc.puzzle().ClueArrow(0, 0, 1), Arrow::RightDown);  // column 1
    EXPECT_EQ(doc.puzzle().ClueArrow(0, 1, 1), Arrow::DownRight);  // the bottom row
    // Only the down word of the last column has no clue cell before or beside its start.
    EXPECT_EQ(doc.puzzle().UnpointedWords().size(), 1u);
}

TEST_F(PropertiesTest, ClueTextSizeBelowTenIsStoredAsZero) {
    PuzzleProperties p = ReadProperties(doc, false);
    p.appearance.clueTextSize = 5;
    Apply(p);
    EXPECT_EQ(doc.puzzle().appearance.clueTextSize, 0);
    p.appearance.clueTextSize = 12;
    Apply(p);
    EXPECT_EQ(doc.puzzle().appearance.clueTextSize, 12);
}

TEST_F(PropertiesTest, SwitchingDoorloperOnEmptiesTheGridWithAnUndoStep) {
    SetGrid(doc, {"#A.", "...", "..#"});
    PuzzleProperties p = ReadProperties(doc, false);
    p.numbering.doorloper = true;
    EXPECT_TRUE(Apply(p).cleared);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "...", "..."}));
    EXPECT_TRUE(doc.puzzle().numbering.doorloper);
    EXPECT_TRUE(doc.Histories().CanUndo(Phase::Vormen));
}

TEST_F(PropertiesTest, NewStartNumberRenumbersAtOnceAndFillingKeepsTheClues) {
    doc.phase = Phase::Vullen;
    Arrange(doc)->words[0].clue = "hoofdstad";
    PuzzleProperties p = ReadProperties(doc, false);
    p.numbering.startNumber = 7;
    Apply(p);
    EXPECT_EQ(doc.puzzle().words[0].number, 7);
    EXPECT_EQ(doc.puzzle().CellNumber(0, 0), 7);
    EXPECT_EQ(doc.puzzle().words[0].clue, "hoofdstad");
}

}  // namespace
