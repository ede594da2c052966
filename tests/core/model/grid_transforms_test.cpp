#include "model/grid_transforms.h"

#include <gtest/gtest.h>

#include "editing_test_support.h"
#include "model/command_ids.h"
#include "model/phase_switch.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

class GridTransformsTest : public ::testing::Test {
protected:
    void Start(int phase, const std::initializer_list<std::string>& rows) {
        SetGrid(doc, rows);
        doc.phase = phase;
        StartEditingDocument(doc, undo);
        doc.MarkModified(false);
    }
    EditResult Run(int id, int mouseX = -1, int mouseY = -1) {
        return RunGridTransform(id, doc, undo, mouseX, mouseY);
    }

    CRooster2Doc doc;
    CUndoHistories undo;
};

// ---- Clean slate ------------------------------------------------------------------

TEST_F(GridTransformsTest, CleanSlateFreesEveryCellAndRebuildsTheWords) {
    Start(PHASE_VORMEN, {"AB#", "-.y", "..."});
    const EditResult result = Run(ID_GRID_CLEAN);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "...", "..."}));
    EXPECT_EQ(doc.puzzle.words.size(), 6u);
    EXPECT_TRUE(result.redrawLetters);
    EXPECT_FALSE(result.redrawAll);
    EXPECT_TRUE(result.forgetBestResult);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(undo.Shape().Position(), 2);
}

TEST_F(GridTransformsTest, CleanSlateOnlyWhileShaping) {
    Start(PHASE_VULLEN, {"AB#", "..."});
    EXPECT_FALSE(Run(ID_GRID_CLEAN).applied);
    EXPECT_FALSE(CleanSlateCommand(doc, undo).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"AB#", "..."}));
    EXPECT_FALSE(doc.IsModified());
}

// ---- Remove letters ---------------------------------------------------------------

TEST_F(GridTransformsTest, RemoveLettersKeepsBlackAndNotCellsAndRemovesIJ) {
    Start(PHASE_VULLEN, {"Ay#", "-BC"});
    doc.puzzle.words[0].value = "AY";
    doc.puzzle.words[0].clue = "kept";
    const EditResult result = Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(GridRows(doc), (Rows{"..#", "-.."}));
    EXPECT_TRUE(doc.puzzle.words[0].value.empty());
    EXPECT_EQ(doc.puzzle.words[0].clue, "kept");
    EXPECT_TRUE(result.redrawAll);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(GridTransformsTest, RemoveLettersSnapshotGoesToThePhaseHistory) {
    Start(PHASE_VULLEN, {"AB", "CD"});
    Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(undo.Fill().Position(), 2);
    EXPECT_EQ(undo.Shape().Position(), 1);

    Start(PHASE_VORMEN, {"AB", "CD"});
    Run(ID_GRID_REMOVE_LETTERS);
    EXPECT_EQ(undo.Shape().Position(), 2);
    EXPECT_EQ(undo.Fill().Position(), 1);
}

TEST_F(GridTransformsTest, RemoveLettersWhileShowingSolutionsKeepsNoSnapshot) {
    Start(PHASE_TONEN, {"AB", "CD"});
    EXPECT_TRUE(Run(ID_GRID_REMOVE_LETTERS).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"..", ".."}));
    EXPECT_EQ(undo.Fill().Position(), 1);
    EXPECT_EQ(undo.Shape().Position(), 1);
}

TEST_F(GridTransformsTest, RemoveLettersRefusedWhileTheSearchRuns) {
    Start(PHASE_ZOEKEN, {"AB", "CD"});
    EXPECT_FALSE(CanRunGridTransform(ID_GRID_REMOVE_LETTERS, doc));
    EXPECT_FALSE(Run(ID_GRID_REMOVE_LETTERS).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"AB", "CD"}));
}

// ---- Edge black to not-cells -----------------------------------------------------

TEST_F(GridTransformsTest, EdgeBlackTurnsBorderAndStraightRunsIntoNotCells) {
    Start(PHASE_VORMEN, {"#####", "##..#", "#.#.#", "#...#", "#####"});
    EXPECT_TRUE(Run(ID_GRID_EDGE_BLACK).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"-----", "--..-", "-.#.-", "-...-", "-----"}));
}

TEST_F(GridTransformsTest, EdgeBlackRowPassContinuesThroughColumnPassNotCells) {
    // Column 1 runs down to row 2 in the column pass; row 2's run from the left
    // then goes on through it to column 2. (2, 1) is reachable only by a bend.
    Start(PHASE_VORMEN, {"A#AA", "A##A", "###A", "AAAA"});
    EdgeBlackToNiet(doc);
    EXPECT_EQ(GridRows(doc), (Rows{"A-AA", "A-#A", "---A", "AAAA"}));
}

TEST_F(GridTransformsTest, EdgeBlackMarksModifiedOnlyWhenCellsChanged) {
    Start(PHASE_VULLEN, {"AB", "CD"});
    Run(ID_GRID_EDGE_BLACK);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(undo.Fill().Position(), 2);

    Start(PHASE_VULLEN, {"AB#", "CD-"});
    Run(ID_GRID_EDGE_BLACK);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(GridRows(doc), (Rows{"AB-", "CD-"}));
}

TEST_F(GridTransformsTest, EdgeBlackRunsInEveryPhase) {
    Start(PHASE_ZOEKEN, {"AB#", "CD#"});
    EXPECT_TRUE(Run(ID_GRID_EDGE_BLACK).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"AB-", "CD-"}));
    EXPECT_EQ(undo.Shape().Position(), 1);
    EXPECT_EQ(undo.Fill().Position(), 1);
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
        Start(PHASE_VORMEN, {c.before[0], c.before[1], c.before[2]});
        const EditResult result = Run(c.id);
        EXPECT_TRUE(result.applied);
        EXPECT_TRUE(result.redrawAll);
        EXPECT_EQ(GridRows(doc), c.after);
        CRooster2Doc rebuilt;
        SetGrid(rebuilt, {c.after[0], c.after[1], c.after[2]});
        EXPECT_EQ(doc.puzzle.words.size(), rebuilt.puzzle.words.size());
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(undo.Shape().Position(), 2);
    }
}

TEST_F(GridTransformsTest, FourRotationsOrTwoMirrorsRestoreTheGrid) {
    Start(PHASE_VORMEN, {"#AB-", "CDEF", "GH#I", "JKLM"});
    const Rows before = GridRows(doc);
    for (int i = 0; i < 4; ++i) RotateGrid(doc);
    EXPECT_EQ(GridRows(doc), before);
    for (int id : {ID_MIRROR_ROWS, ID_MIRROR_ROWS, ID_MIRROR_COLUMNS, ID_MIRROR_COLUMNS}) Run(id);
    EXPECT_EQ(GridRows(doc), before);
    EXPECT_EQ(undo.Shape().Position(), 5);
}

TEST_F(GridTransformsTest, ShapeOnlyTransformsRefusedWhileFilling) {
    Start(PHASE_VULLEN, {"AB#", "CD#", "EF#"});
    for (int id : {ID_SHIFT_RIGHT, ID_SHIFT_LEFT, ID_SHIFT_DOWN, ID_SHIFT_UP, ID_ROTATE_CLOCKWISE,
                   ID_MIRROR_ROWS, ID_MIRROR_COLUMNS, ID_ALTERNATE_BLACK, ID_FREE_CELLS_BLACK}) {
        EXPECT_FALSE(CanRunGridTransform(id, doc)) << id;
        EXPECT_FALSE(Run(id, 0, 0).applied) << id;
    }
    EXPECT_EQ(GridRows(doc), (Rows{"AB#", "CD#", "EF#"}));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(GridTransformsTest, RotateRefusedForANonSquareGrid) {
    doc.phase = PHASE_VORMEN;
    doc.puzzle.width = 15;
    doc.puzzle.height = 13;
    EXPECT_FALSE(CanRunGridTransform(ID_ROTATE_CLOCKWISE, doc));
    EXPECT_FALSE(RotateGrid(doc));
    EXPECT_FALSE(Run(ID_ROTATE_CLOCKWISE).applied);
}

TEST_F(GridTransformsTest, TransformsKeepPhaseAndCursor) {
    Start(PHASE_VORMEN, {"ABC", "DEF", "GHI"});
    doc.curWord = 3;
    doc.curPos = 2;
    Run(ID_ROTATE_CLOCKWISE);
    Run(ID_SHIFT_LEFT);
    EXPECT_EQ(doc.phase, PHASE_VORMEN);
    EXPECT_EQ(doc.curWord, 3);
    EXPECT_EQ(doc.curPos, 2);
}

// ---- Alternate black ---------------------------------------------------------------

TEST_F(GridTransformsTest, AlternateBlackStopsBeforeABlackCell) {
    SetGrid(doc, {"...........", "...........", "...........", "...........", "...........",
                  "..........#", "..........."});
    doc.phase = PHASE_VORMEN;
    StartEditingDocument(doc, undo);
    const EditResult result = Run(ID_ALTERNATE_BLACK, 3, 5);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(GridRows(doc)[5], "...#.#.#.##");
    EXPECT_EQ(result.cells, (std::vector<int>{5 * 11 + 3, 5 * 11 + 5, 5 * 11 + 7, 5 * 11 + 9}));
    EXPECT_TRUE(result.redrawAll);
    EXPECT_EQ(undo.Shape().Position(), 2);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(GridTransformsTest, AlternateBlackStopsAtAFilledCellAndAtTheEdge) {
    Start(PHASE_VORMEN, {".......", "....A..", "......."});
    Run(ID_ALTERNATE_BLACK, 0, 1);
    EXPECT_EQ(GridRows(doc)[1], "#.#.A..");
    Run(ID_ALTERNATE_BLACK, 2, 2);
    EXPECT_EQ(GridRows(doc)[2], "..#.#.#");
}

TEST_F(GridTransformsTest, AlternateBlackWithTheMouseOutsideOrOnAFilledCellDoesNothing) {
    Start(PHASE_VORMEN, {"A..", "...", "..#"});
    for (auto [x, y] : {std::pair{-1, -1}, {3, 0}, {0, 3}, {0, 0}, {2, 2}}) {
        EXPECT_FALSE(Run(ID_ALTERNATE_BLACK, x, y).applied);
    }
    EXPECT_EQ(GridRows(doc), (Rows{"A..", "...", "..#"}));
    EXPECT_EQ(undo.Shape().Position(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(GridTransformsTest, UnknownCommandIsNoTransform) {
    EXPECT_FALSE(IsGridTransform(ID_UNDO));
    EXPECT_FALSE(CanRunGridTransform(ID_UNDO, doc));
    EXPECT_FALSE(Run(ID_UNDO).applied);
    EXPECT_TRUE(IsGridTransform(ID_GRID_EDGE_BLACK));
}

}  // namespace
