#include "editing/grid_transforms.h"

#include <gtest/gtest.h>

#include "editing/command_ids.h"
#include "editing/phase_switch.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

class GridTransformsTest : public ::testing::Test {
protected:
    void Start(Phase phase, const std::initializer_list<std::string>& rows) {
        SetGrid(doc, rows);
        doc.phase = phase;
        doc.MarkSaved();
    }
    EditResult Run(int id, int mouseX = -1, int mouseY = -1) {
        return RunGridTransform(id, doc, mouseX, mouseY);
    }

    Rooster2Doc doc;
};

// ---- Clean slate ------------------------------------------------------------------

TEST_F(GridTransformsTest, CleanSlateFreesEveryCellAndRebuildsTheWords) {
    Start(Phase::Vormen, {"AB#", "-.y", "..."});
    const EditResult result = Run(ID_GRID_CLEAN);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "...", "..."}));
    EXPECT_EQ(doc.puzzle().words.size(), 6u);
    EXPECT_TRUE(result.redrawLetters);
    EXPECT_FALSE(result.redrawAll);
    EXPECT_TRUE(result.forgetBestResult);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);
}

// ---- Remove letters ---------------------------------------------------------------

TEST_F(GridTransformsTest, RemoveLettersKeepsBlackAndNotCellsAndRemovesIJ) {
    Start(Phase::Vullen, {"Ay#", "-BC"});
    Arrange(doc)->words[0].value = "AY";
    Arrange(doc)->words[0].clue = "kept";
    const EditResult result = Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(GridRows(doc), (Rows{"..#", "-.."}));
    EXPECT_TRUE(doc.puzzle().words[0].value.empty());
    EXPECT_EQ(doc.puzzle().words[0].clue, "kept");
    EXPECT_TRUE(result.redrawAll);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(GridTransformsTest, RemoveLettersSnapshotGoesToThePhaseHistory) {
    Start(Phase::Vullen, {"AB", "CD"});
    Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);
    EXPECT_EQ(doc.Histories().Shape().Position(), 1);

    Start(Phase::Vormen, {"AB", "CD"});
    Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);
    EXPECT_EQ(doc.Histories().Fill().Position(), 1);
}

// ---- Edge black to not-cells -----------------------------------------------------

TEST_F(GridTransformsTest, EdgeBlackTurnsBorderAndStraightRunsIntoNotCells) {
    Start(Phase::Vormen, {"#####", "##..#", "#.#.#", "#...#", "#####"});
    EXPECT_TRUE(Run(ID_GRID_EDGE_BLACK).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"-----", "--..-", "-.#.-", "-...-", "-----"}));
}

TEST_F(GridTransformsTest, EdgeBlackMarksModifiedOnlyWhenCellsChanged) {
    Start(Phase::Vullen, {"AB", "CD"});
    Run(ID_GRID_EDGE_BLACK);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);

    Start(Phase::Vullen, {"AB#", "CD-"});
    Run(ID_GRID_EDGE_BLACK);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(GridRows(doc), (Rows{"AB-", "CD-"}));
}

// ---- Shifts, rotation, mirrors, all free cells black ------------------------------------

TEST_F(GridTransformsTest, ShapeTransformsMoveTheCellsAndRebuildTheWords) {
    const struct {
        int id;
        Rows before, after;
    } cases[] = {
        // A shift loses the row or column it pushes out and frees the one it opens.
        {ID_SHIFT_RIGHT, {"AB#", "CD#", "EF-"}, {".AB", ".CD", ".EF"}},
        {ID_SHIFT_LEFT, {"#AB", "-CD", "EFG"}, {"AB.", "CD.", "FG."}},
        {ID_SHIFT_UP, {"AB.", "CD.", "FG."}, {"CD.", "FG.", "..."}},
        {ID_SHIFT_DOWN, {"CD.", "FG.", "..."}, {"...", "CD.", "FG."}},
        {ID_SHIFT_DOWN, {"...", "###", "..."}, {"...", "...", "###"}},
        {ID_ROTATE_CLOCKWISE, {"#AB", "CDE", "FGH"}, {"FC#", "GDA", "HEB"}},
        {ID_MIRROR_ROWS, {"AB#", "CDE", "-FG"}, {"-FG", "CDE", "AB#"}},
        {ID_MIRROR_COLUMNS, {"AB#", "CDE", "-FG"}, {"#BA", "EDC", "GF-"}},
        {ID_FREE_CELLS_BLACK, {"AB.", "-.y", "..y"}, {"AB#", "-#y", "##y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.id << " on " << c.before[0]);
        Start(Phase::Vormen, {c.before[0], c.before[1], c.before[2]});
        const EditResult result = Run(c.id);
        EXPECT_TRUE(result.applied);
        EXPECT_TRUE(result.redrawAll);
        EXPECT_EQ(GridRows(doc), c.after);
        Rooster2Doc rebuilt;
        SetGrid(rebuilt, {c.after[0], c.after[1], c.after[2]});
        EXPECT_EQ(doc.puzzle().words.size(), rebuilt.puzzle().words.size());
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.Histories().Shape().Position(), 2);
    }
}

// ---- Alternate black ---------------------------------------------------------------

TEST_F(GridTransformsTest, AlternateBlackStopsBeforeABlackCell) {
    SetGrid(doc, {"...........", "...........", "...........", "...........", "...........",
                  "..........#", "..........."});
    doc.phase = Phase::Vormen;
    const EditResult result = Run(ID_ALTERNATE_BLACK, 3, 5);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(GridRows(doc)[5], "...#.#.#.##");
    EXPECT_EQ(result.cells, (std::vector<int>{5 * 11 + 3, 5 * 11 + 5, 5 * 11 + 7, 5 * 11 + 9}));
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
