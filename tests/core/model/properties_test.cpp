// The properties dialog's ranges and OK steps, and the comment dialog's OK.
#include "model/properties.h"

#include <gtest/gtest.h>

#include "editing_test_support.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

struct PropertiesTest : ::testing::Test {
    CRooster2Doc doc;
    CUndoHistories undo;
    PropertiesTest() {
        doc.OnNewDocument();
        doc.BuildWords();
        undo.ResetShapeUndo(doc);
    }
    PropertiesApplied Apply(const PuzzleProperties& p) { return ApplyProperties(doc, undo, p); }
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

TEST_F(PropertiesTest, ReadingAndApplyingUnchangedValuesKeepsTheDocument) {
    const std::string grid = doc.GridToString();
    Apply(ReadProperties(doc, false));
    EXPECT_EQ(doc.GridToString(), grid);
    EXPECT_EQ(doc.m_width, 15);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(undo.CanUndo(PHASE_VORMEN));
}

TEST_F(PropertiesTest, WiderGridKeepsOldColumnsAndAddsFreeCells) {
    SetGrid(doc, {"#..", "...", "..#"});
    doc.m_curWord = 3;
    undo.PushShapeUndo(doc);
    PuzzleProperties p = ReadProperties(doc, false);
    p.width = 5;
    EXPECT_TRUE(Apply(p).resized);
    EXPECT_EQ(GridRows(doc), (Rows{"#....", ".....", "..#.."}));
    EXPECT_EQ(doc.m_curWord, 0);
    EXPECT_FALSE(undo.CanUndo(PHASE_VORMEN));
    EXPECT_EQ(doc.m_words.front().length, 4);
}

TEST_F(PropertiesTest, SizeIsNotChangedOutsideShaping) {
    doc.m_phase = PHASE_VULLEN;
    PuzzleProperties p = ReadProperties(doc, false);
    p.width = 20;
    p.doorloper = true;
    EXPECT_FALSE(Apply(p).resized);
    EXPECT_EQ(doc.m_width, 15);
    EXPECT_FALSE(doc.m_doorloper);
}

TEST_F(PropertiesTest, ClueTextSizeBelowTenIsStoredAsZero) {
    PuzzleProperties p = ReadProperties(doc, false);
    p.clueTextSize = 5;
    Apply(p);
    EXPECT_EQ(doc.m_clueTextSize, 0);
    p.clueTextSize = 12;
    Apply(p);
    EXPECT_EQ(doc.m_clueTextSize, 12);
}

TEST_F(PropertiesTest, SwitchingDoorloperOnEmptiesTheGridWithAnUndoStep) {
    SetGrid(doc, {"#A.", "...", "..#"});
    undo.ResetShapeUndo(doc);
    PuzzleProperties p = ReadProperties(doc, false);
    p.doorloper = true;
    EXPECT_TRUE(Apply(p).cleared);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "...", "..."}));
    EXPECT_TRUE(doc.m_doorloper);
    EXPECT_TRUE(undo.CanUndo(PHASE_VORMEN));
}

TEST_F(PropertiesTest, SwitchingDoorloperOffChangesNoCell) {
    SetGrid(doc, {"#..", "...", "..#"});
    doc.m_doorloper = true;
    PuzzleProperties p = ReadProperties(doc, false);
    p.doorloper = false;
    EXPECT_FALSE(Apply(p).cleared);
    EXPECT_EQ(GridRows(doc), (Rows{"#..", "...", "..#"}));
    EXPECT_FALSE(doc.m_doorloper);
}

TEST_F(PropertiesTest, AcrossOnlyNumberingForcesTheAcrossDirection) {
    doc.m_direction = DIR_DOWN;
    PuzzleProperties p = ReadProperties(doc, false);
    p.acrossOnly = true;
    Apply(p);
    EXPECT_TRUE(doc.m_acrossOnly);
    EXPECT_EQ(doc.m_direction, DIR_ACROSS);
}

TEST_F(PropertiesTest, DisplaySettingsAndColoursAreStoredInButtonOrder) {
    PuzzleProperties p = ReadProperties(doc, true);
    EXPECT_TRUE(p.smallLetters);
    p.colours = {1, 2, 3, 4, 5, 6};
    p.symmetry = 5;
    p.margin = 40;
    p.startNumber = 7;
    p.htmlTitle = "Puzzel \xe9\xe9n";
    p.htmlBlackGrey = false;
    p.lineWidth = 1;
    Apply(p);
    EXPECT_EQ(doc.m_colorZwart, 1u);
    EXPECT_EQ(doc.m_colorWoord, 2u);
    EXPECT_EQ(doc.m_colorNiet, 3u);
    EXPECT_EQ(doc.m_colorVrij, 4u);
    EXPECT_EQ(doc.m_colorWoordPos, 5u);
    EXPECT_EQ(doc.m_colorAchtergrond, 6u);
    EXPECT_EQ(doc.m_symmetry, 5);
    EXPECT_EQ(doc.m_margin, 40);
    EXPECT_EQ(doc.m_startNumber, 7);
    EXPECT_EQ(doc.m_htmlTitle, "Puzzel \xe9\xe9n");
    EXPECT_FALSE(doc.m_htmlBlackGrey);
    EXPECT_EQ(doc.m_lineWidth, 1);
}

TEST_F(PropertiesTest, CommentOkMarksModifiedEvenWithoutChange) {
    doc.m_comment = "regel 1\r\nregel 2";
    ApplyComment(doc, doc.m_comment);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_comment, "regel 1\r\nregel 2");
}

}  // namespace
