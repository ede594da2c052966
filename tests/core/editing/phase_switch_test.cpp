#include "editing/phase_switch.h"

#include <gtest/gtest.h>

#include "editing/undo_history.h"
#include "test_support.h"

namespace {

class PhaseSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetGrid(doc, {"...", "...", "..."});
        StartEditingDocument(doc, undo);
    }
    Rooster2Doc doc;
    UndoHistories undo;
};

TEST_F(PhaseSwitchTest, FillingStartsAtTheFirstWordWithAFreshHistory) {
    doc.curWord = 4;
    doc.curPos = 2;
    undo.PushFillUndo(doc);
    const EditResult result = EnterFillingPhase(doc, undo);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(doc.phase, Phase::Vullen);
    EXPECT_EQ(doc.curWord, 0);
    EXPECT_EQ(doc.curPos, 0);
    EXPECT_EQ(undo.Fill().Size(), 1);
}

TEST_F(PhaseSwitchTest, ShapingDropsCluesSolutionsAndTheShapeHistory) {
    EnterFillingPhase(doc, undo);
    doc.puzzle.words[2].clue = "Weg";
    undo.PushShapeUndo(doc);
    const EditResult result = EnterShapingPhase(doc, undo);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.forgetSolutions);
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(doc.phase, Phase::Vormen);
    EXPECT_TRUE(doc.puzzle.words[2].clue.empty());
    EXPECT_EQ(undo.Shape().Size(), 1);
}

TEST_F(PhaseSwitchTest, AskingBeforeShapingOnlyWhenCluesWouldBeLost) {
    EXPECT_FALSE(ShapingLosesClues(doc));
    doc.puzzle.words[5].clue = "Iets";
    EXPECT_TRUE(ShapingLosesClues(doc));
    const UserMessage question = ClueLossQuestion();
    EXPECT_EQ(question.text, "Alle omschrijvingen gaan verloren, ok");
    EXPECT_EQ(question.caption, "Mag dat?");
}

}  // namespace
