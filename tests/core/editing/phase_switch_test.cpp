#include "editing/phase_switch.h"

#include <gtest/gtest.h>

#include "model/undo_history.h"
#include "test_support.h"

namespace {

class PhaseSwitchTest : public ::testing::Test {
protected:
    void SetUp() override { SetGrid(doc, {"...", "...", "..."}); }
    Rooster2Doc doc;
};

TEST_F(PhaseSwitchTest, FillingStartsAtTheFirstWordWithAFreshHistory) {
    doc.curWord = 4;
    doc.curPos = 2;
    const EditResult result = EnterFillingPhase(doc);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(doc.phase, Phase::Vullen);
    EXPECT_EQ(doc.curWord, 0);
    EXPECT_EQ(doc.curPos, 0);
    EXPECT_EQ(doc.Histories().Fill().Size(), 1);
}

TEST_F(PhaseSwitchTest, ShapingDropsCluesSolutionsAndTheShapeHistory) {
    EnterFillingPhase(doc);
    Arrange(doc)->words[2].clue = "Weg";
    const EditResult result = EnterShapingPhase(doc);
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.forgetSolutions);
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(doc.phase, Phase::Vormen);
    EXPECT_TRUE(doc.puzzle().words[2].clue.empty());
    EXPECT_EQ(doc.Histories().Shape().Size(), 1);
}

TEST_F(PhaseSwitchTest, AskingBeforeShapingOnlyWhenCluesWouldBeLost) {
    EXPECT_FALSE(ShapingLosesClues(doc));
    Arrange(doc)->words[5].clue = "Iets";
    EXPECT_TRUE(ShapingLosesClues(doc));
    const UserMessage question = ClueLossQuestion();
    EXPECT_EQ(question.text, "Alle omschrijvingen gaan verloren, ok");
    EXPECT_EQ(question.caption, "Mag dat?");
}

}  // namespace
