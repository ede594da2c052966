#include "model/undo_history.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.puzzle.BuildWords();
        histories.ResetShapeUndo(doc);
        histories.ResetFillUndo(doc);
    }
    void ShapeClick(int x, int y) {
        doc.puzzle.SetCellSymmetric(x, y, CELL_ZWART);
        doc.puzzle.BuildWords();
        histories.PushShapeUndo(doc);
    }

    CRooster2Doc doc;
    CUndoHistories histories;
};

}  // namespace

TEST_F(UndoTest, BothCommandsAreDisabledRightAfterAReset) {
    for (const int phase : {PHASE_VORMEN, PHASE_VULLEN, PHASE_TONEN, PHASE_ZOEKEN}) {
        EXPECT_FALSE(histories.CanUndo(phase));
        EXPECT_FALSE(histories.CanRedo(phase));
    }
}

TEST_F(UndoTest, UndoRedoAndANewEditDiscardingRedo) {
    ShapeClick(0, 0);
    const std::string afterFirst = doc.puzzle.GridToString();
    ShapeClick(1, 0);
    const std::string afterSecond = doc.puzzle.GridToString();
    ShapeClick(2, 0);

    histories.Undo(doc);
    histories.Undo(doc);
    EXPECT_EQ(doc.puzzle.GridToString(), afterFirst);
    histories.Redo(doc);
    EXPECT_EQ(doc.puzzle.GridToString(), afterSecond);
    EXPECT_TRUE(histories.CanRedo(PHASE_VORMEN));

    ShapeClick(5, 5);
    EXPECT_FALSE(histories.CanRedo(PHASE_VORMEN));
    EXPECT_TRUE(histories.CanUndo(PHASE_VORMEN));
}

TEST_F(UndoTest, UndoReportsTheChangedCellsAndMarksModified) {
    ShapeClick(3, 4);
    const std::vector<int> changed = histories.Undo(doc);
    EXPECT_EQ(changed, std::vector<int>{4 * 15 + 3});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.puzzle.GetCell(3, 4), CELL_VRIJ);
}

TEST_F(UndoTest, ShapeUndoRebuildsWordsFillUndoKeepsThem) {
    ShapeClick(0, 0);
    histories.Undo(doc);
    EXPECT_EQ(doc.puzzle.words.size(), 30u);  // rebuilt after the black cell went

    doc.phase = PHASE_VULLEN;
    histories.ResetFillUndo(doc);
    doc.puzzle.words[0].clue = "Blijft staan";
    doc.puzzle.SetWordValue(0, "ABC");
    histories.PushFillUndo(doc);
    histories.Undo(doc);
    EXPECT_EQ(doc.puzzle.GetWordValue(0).substr(0, 3), "   ");
    EXPECT_EQ(doc.puzzle.words[0].clue, "Blijft staan");
}

TEST_F(UndoTest, EachPhaseUsesItsOwnHistoryAndTheSearchPhasesNone) {
    ShapeClick(0, 0);
    EXPECT_TRUE(histories.CanUndo(PHASE_VORMEN));
    EXPECT_FALSE(histories.CanUndo(PHASE_VULLEN));
    doc.phase = PHASE_TONEN;
    EXPECT_TRUE(histories.Undo(doc).empty());
    EXPECT_EQ(doc.puzzle.GetCell(0, 0), CELL_ZWART);
}

TEST_F(UndoTest, ACommandThatChangesNothingStillPushesAStep) {
    histories.PushShapeUndo(doc);
    EXPECT_TRUE(histories.CanUndo(PHASE_VORMEN));
    EXPECT_TRUE(histories.Undo(doc).empty());
}

TEST(MarkModifiedTest, TellsTheListenerEveryTime) {
    CRooster2Doc doc;
    std::string title = "puzzel.rtr - Rooster2";
    doc.modifiedListener = [&title](bool) {
        if (title.empty() || title.back() != '*') title += '*';
    };
    doc.MarkModified(true);
    doc.MarkModified(true);
    EXPECT_EQ(title, "puzzel.rtr - Rooster2*");
    EXPECT_TRUE(doc.IsModified());
}
