#include "editing/grid_editor.h"

#include <gtest/gtest.h>

#include "editing/command_ids.h"
#include "editing/form_editing.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

class GridEditorTest : public ::testing::Test {
protected:
    void Start(Phase phase, const std::initializer_list<std::string>& rows) {
        SetGrid(doc, rows);
        doc.phase = phase;
        editor.DocumentShown();
    }
    EditResult Click(int x, int y, bool ctrl = false) {
        editor.ButtonDown(x, y);
        return editor.LeftButtonUp(x, y, ctrl);
    }
    bool Enabled(int id) const {
        const auto state = editor.CommandStateOf(id, CommandFacts{});
        return state && state->enabled;
    }

    Rooster2Doc doc;
    GridEditor editor{doc};
};

// ---- Points and cells ---------------------------------------------------------------------

TEST(PointToCellTest, ScrollAndClueBand) {
    const GridCell cell = *PointToCell(10, 60, 60, 0, 5, 20, 30);
    EXPECT_EQ(cell.x, 2);  // (10 + 60 - 5) / 30
    EXPECT_EQ(cell.y, 1);  // (60 - 5 - 20) / 30
}

TEST(EdgeNearPointTest, ASixthOfACellEachSideOfAnInnerLine) {
    Puzzle puzzle;
    puzzle.Resize(3, 3);
    puzzle.appearance.margin = 5;
    puzzle.appearance.clueTextSize = 0;
    // Cells of 30 pixels: the line between columns 0 and 1 lies at x 35, reach 5.
    EXPECT_EQ(EdgeNearPoint(puzzle, 31, 50, 0, 0, 30), (CellEdge{0, 1, 1, 0}));
    EXPECT_EQ(EdgeNearPoint(puzzle, 39, 50, 0, 0, 30), (CellEdge{0, 1, 1, 0}));
    EXPECT_EQ(EdgeNearPoint(puzzle, 29, 50, 0, 0, 30), std::nullopt);  // the cell's middle
    EXPECT_EQ(EdgeNearPoint(puzzle, 50, 63, 0, 0, 30), (CellEdge{1, 1, 0, 1}));
    EXPECT_EQ(EdgeNearPoint(puzzle, 36, 36, 0, 0, 30), std::nullopt);            // a corner
    EXPECT_EQ(EdgeNearPoint(puzzle, 7, 50, 0, 0, 30), std::nullopt);             // the rim
    EXPECT_EQ(EdgeNearPoint(puzzle, 6, 50, 30, 0, 30), (CellEdge{0, 1, 1, 0}));  // scrolled
}

TEST(EscapeTest, StopsTheSearchOrEndsTheSolutions) {
    EXPECT_EQ(EscapeActionFor(Phase::Zoeken), EscapeAction::InterruptSearch);
    EXPECT_EQ(EscapeActionFor(Phase::Tonen), EscapeAction::FinishSolutions);
    EXPECT_EQ(EscapeActionFor(Phase::Vormen), EscapeAction::None);
    EXPECT_EQ(EscapeActionFor(Phase::Vullen), EscapeAction::None);
}

// ---- Mouse by phase --------------------------------------------------------------------------

TEST_F(GridEditorTest, ButtonsShapeInPhaseOneAndSelectInPhaseTwo) {
    Start(Phase::Vormen, {"...", "...", "..."});
    Click(1, 1);
    EXPECT_EQ(doc.puzzle().GetCell(1, 1), CELL_ZWART);
    editor.ButtonDown(0, 0);
    editor.RightButtonUp(0, 0);
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), CELL_NIET);

    Start(Phase::Vullen, {"...", "...", "y.."});
    Click(2, 1);
    EXPECT_EQ(doc.FindWordAt(2, 1), doc.curWord);
    editor.RightButtonUp(0, 2);
    EXPECT_EQ(doc.puzzle().GetCell(0, 2), 'Y');
}

TEST_F(GridEditorTest, DragUsesTheCellWhereTheButtonWentDown) {
    Start(Phase::Vormen, {"....", "....", "...."});
    editor.ButtonDown(0, 0);
    editor.LeftButtonUp(1, 1, false);
    EXPECT_EQ(GridRows(doc), (Rows{"##..", "##..", "...."}));
    editor.ButtonDown(-1, 7);  // outside: only the release cell changes
    editor.LeftButtonUp(3, 2, false);
    EXPECT_EQ(GridRows(doc), (Rows{"##..", "##..", "...#"}));
}

// A rectangle is selected by dragging or with Shift and the arrows from the cursor cell,
// over black cells too and never past the edge; another key drops it.
TEST_F(GridEditorTest, ShiftAndTheArrowsSelectARectangleFromTheCursor) {
    Start(Phase::Vullen, {"...", ".#.", "..."});
    Click(1, 0);
    EXPECT_TRUE(editor.KeyDown(EditKey::Down, false, true).redrawAll);
    editor.KeyDown(EditKey::Down, false, true);
    editor.KeyDown(EditKey::Down, false, true);
    editor.KeyDown(EditKey::Left, false, true);
    EXPECT_EQ(editor.selection, (GridRegion{0, 0, 1, 2}));
    EXPECT_EQ(doc.curPos, 1);
    editor.KeyDown(EditKey::Right, false, true);
    editor.KeyDown(EditKey::Right, false, true);
    EXPECT_EQ(editor.selection, (GridRegion{1, 0, 2, 2}));
    EXPECT_TRUE(editor.KeyDown(EditKey::Left, false, false).redrawAll);
    EXPECT_FALSE(editor.selection);

    // A dragged rectangle goes on from the cell the button came up on.
    editor.ButtonDown(2, 2);
    editor.LeftButtonUp(1, 1, false);
    editor.KeyDown(EditKey::Up, false, true);
    EXPECT_EQ(editor.selection, (GridRegion{1, 0, 2, 2}));
}

// ---- Keys and characters by phase -------------------------------------------------------------

TEST_F(GridEditorTest, NextWordFollowsTheToggle) {
    Start(Phase::Vullen, {"...", "...", "..."});
    doc.curWord = 0;
    doc.curPos = 2;
    EXPECT_TRUE(editor.RunCommand(ID_AUTO_NEXT_WORD).applied);
    EXPECT_EQ(editor.CommandStateOf(ID_AUTO_NEXT_WORD, CommandFacts{})->checked, true);
    editor.Char('Z');
    EXPECT_EQ(doc.curWord, 4);  // the next across word
    EXPECT_EQ(doc.curPos, 0);
}

TEST_F(GridEditorTest, ButtonsKeysAndCharactersDoNothingWhileSearchingOrShowing) {
    for (Phase phase : {Phase::Tonen, Phase::Zoeken}) {
        Start(phase, {"y..", "...", "..."});
        editor.MouseMove(0, 0);
        doc.curWord = 0;
        EXPECT_FALSE(Click(1, 1).applied);
        EXPECT_FALSE(editor.RightButtonUp(0, 0).applied);
        EXPECT_FALSE(editor.KeyDown(EditKey::Delete, false).applied);
        EXPECT_FALSE(editor.KeyDown(EditKey::Right, false).applied);
        EXPECT_FALSE(editor.Char('A').applied);
        EXPECT_EQ(GridRows(doc), (Rows{"y..", "...", "..."}));
    }
}

// ---- Undo and redo ------------------------------------------------------------------------------

TEST_F(GridEditorTest, ShapeUndoAndRedo) {
    Start(Phase::Vormen, {"...", "...", "..."});
    EXPECT_FALSE(Enabled(ID_UNDO));
    EXPECT_FALSE(Enabled(ID_REDO));
    Click(0, 0);
    const Rows afterFirst = GridRows(doc);
    Click(2, 0);
    const Rows afterSecond = GridRows(doc);
    Click(2, 2);
    editor.RunCommand(ID_UNDO);
    const EditResult undone = editor.RunCommand(ID_UNDO);
    EXPECT_TRUE(undone.redrawAll);
    EXPECT_EQ(GridRows(doc), afterFirst);
    editor.RunCommand(ID_REDO);
    EXPECT_EQ(GridRows(doc), afterSecond);
    EXPECT_TRUE(Enabled(ID_REDO));
    Click(1, 1);
    EXPECT_FALSE(Enabled(ID_REDO));
    EXPECT_FALSE(editor.RunCommand(ID_REDO).applied);
}

TEST_F(GridEditorTest, FillUndoRestoresLettersAndKeepsTheWords) {
    Start(Phase::Vullen, {"...", "...", "..."});
    Arrange(doc)->words[4].clue = "Blijft";
    doc.curWord = 0;
    doc.curPos = 0;
    editor.Char('A');
    editor.Char('B');
    const EditResult undone = editor.RunCommand(ID_UNDO);
    EXPECT_EQ(GridRows(doc)[0], "A..");
    EXPECT_EQ(undone.cells, std::vector<int>{1});
    EXPECT_FALSE(undone.redrawAll);
    EXPECT_EQ(doc.puzzle().words[4].clue, "Blijft");
    editor.RunCommand(ID_REDO);
    EXPECT_EQ(GridRows(doc)[0], "AB.");
}

TEST_F(GridEditorTest, TransformsAndPhaseSwitchesShareTheHistories) {
    Start(Phase::Vormen, {"AB#", "CD#", "EF#"});
    editor.RunCommand(ID_SHIFT_LEFT);
    EXPECT_TRUE(Enabled(ID_UNDO));
    editor.RunCommand(ID_PHASE_FILL);
    EXPECT_EQ(doc.phase, Phase::Vullen);
    EXPECT_FALSE(Enabled(ID_UNDO));
    editor.RunCommand(ID_GRID_REMOVE_LETTERS);
    EXPECT_TRUE(Enabled(ID_UNDO));
    editor.RunCommand(ID_UNDO);
    EXPECT_EQ(GridRows(doc)[0], "B#.");
    editor.RunCommand(ID_PHASE_SHAPE);
    EXPECT_EQ(doc.phase, Phase::Vormen);
    EXPECT_FALSE(Enabled(ID_UNDO));
}

// ---- Commands
// -------------------------------------------------------------------------------------

TEST_F(GridEditorTest, DisabledCommandsDoNotRun) {
    Start(Phase::Vullen, {"AB#", "CD#", "EF#"});
    EXPECT_FALSE(editor.RunCommand(ID_SHIFT_RIGHT).applied);
    EXPECT_FALSE(editor.RunCommand(ID_PHASE_FILL).applied);
    Arrange(doc)->numbering.acrossOnly = true;
    doc.direction = Direction::Across;
    EXPECT_FALSE(editor.RunCommand(ID_DIRECTION_DOWN).applied);
    EXPECT_EQ(doc.direction, Direction::Across);
    EXPECT_FALSE(editor.RunCommand(ID_FILE_SAVE).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"AB#", "CD#", "EF#"}));
    // Moving cells would leave the bars behind.
    Start(Phase::Vormen, {"AB#", "CD#", "EF#"});
    Arrange(doc)->form = PuzzleForm::Balkjes;
    EXPECT_FALSE(editor.RunCommand(ID_MIRROR_ROWS).applied);
}

TEST_F(GridEditorTest, DirectionCommands) {
    Start(Phase::Vullen, {"...", "..."});
    EXPECT_TRUE(editor.RunCommand(ID_DIRECTION_DOWN).applied);
    EXPECT_EQ(doc.direction, Direction::Down);
    editor.RunCommand(ID_DIRECTION_ACROSS);
    EXPECT_EQ(doc.direction, Direction::Across);
}

TEST_F(GridEditorTest, AlternateBlackStartsAtTheMouseCell) {
    Start(Phase::Vormen, {".....", ".....", "....."});
    editor.MouseMove(1, 1);
    EXPECT_TRUE(editor.RunCommand(ID_ALTERNATE_BLACK).applied);
    EXPECT_EQ(GridRows(doc)[1], ".#.#.");
}

}  // namespace

// ---- Puzzle forms -----------------------------------------------------------------------

TEST_F(GridEditorTest, BarsFollowTheSymmetryAndUndo) {
    Start(Phase::Vormen, {"...", "...", "..."});
    Arrange(doc)->form = PuzzleForm::Balkjes;
    Arrange(doc)->symmetry = Symmetry::HorizontaalEnVerticaal;
    editor.MouseMove(0, 0);
    EXPECT_TRUE(editor.RunCommand(ID_BAR_RIGHT).applied);
    EXPECT_TRUE(doc.puzzle().HasBar(0, 0, 1, 0));
    EXPECT_TRUE(doc.puzzle().HasBar(1, 2, 1, 0));  // the half-turn image
    EXPECT_EQ(doc.puzzle().words.size(), 6u);      // the two split rows
    editor.RunCommand(ID_UNDO);
    EXPECT_FALSE(doc.puzzle().HasAnyBar());
    editor.MouseMove(2, 0);  // the right edge of the grid holds no bar
    EXPECT_FALSE(editor.RunCommand(ID_BAR_RIGHT).applied);
    EXPECT_TRUE(editor.RunCommand(ID_BAR_BELOW).applied);
    EXPECT_TRUE(doc.puzzle().HasBar(0, 1, 0, 1));  // the half-turn image of the edge below (2, 0)
}

TEST_F(GridEditorTest, AClickOnAnEdgeTogglesItsBarOnlyInABalkjesPuzzle) {
    Start(Phase::Vormen, {"...", "...", "..."});
    const CellEdge edge{0, 1, 0, 1};  // below (0, 1)
    editor.ButtonDown(0, 1, edge);
    EXPECT_TRUE(editor.LeftButtonUp(0, 2, false, edge).applied);
    EXPECT_EQ(doc.puzzle().GetCell(0, 1), CELL_ZWART);  // a Kruiswoord click: the cells
    Start(Phase::Vormen, {"...", "...", "..."});
    Arrange(doc)->form = PuzzleForm::Balkjes;
    Arrange(doc)->symmetry = Symmetry::HorizontaalEnVerticaal;
    editor.ButtonDown(0, 1, edge);
    EXPECT_TRUE(editor.LeftButtonUp(0, 2, false, edge).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "...", "..."}));
    EXPECT_TRUE(doc.puzzle().HasBar(0, 1, 0, 1));
    EXPECT_TRUE(doc.puzzle().HasBar(2, 0, 0, 1));  // its image
    editor.ButtonDown(0, 1, edge);
    editor.LeftButtonUp(0, 1, false, CellEdge{0, 1, 1, 0});  // released at another edge
    EXPECT_EQ(doc.puzzle().GetCell(0, 1), CELL_ZWART);
    editor.RunCommand(ID_UNDO);
    editor.ButtonDown(0, 1, edge);
    EXPECT_TRUE(editor.LeftButtonUp(0, 2, false, edge).applied);
    EXPECT_FALSE(doc.puzzle().HasAnyBar());
}

TEST_F(GridEditorTest, AZweedsLayoutIsOneShapeStepAndNeedsRoom) {
    Start(Phase::Vormen, {"..", ".."});
    UserMessage message;
    EXPECT_FALSE(MakeZweedsGrid(doc, message).applied);
    EXPECT_EQ(message.text, "Een Zweeds raster is minstens 3 x 3 vakjes groot");
    Start(Phase::Vormen, {"....", "....", "...."});
    EXPECT_TRUE(MakeZweedsGrid(doc, message).applied);
    EXPECT_EQ(doc.puzzle().form, PuzzleForm::Zweeds);
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), CELL_ZWART);
    editor.RunCommand(ID_UNDO);
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), CELL_VRIJ);
}

TEST_F(GridEditorTest, VastzettenTogglesTheCurrentWordAsOneUndoStep) {
    Start(Phase::Vullen, {"AB", "CD"});
    doc.curWord = 0;
    EXPECT_TRUE(editor.RunCommand(ID_LOCK).applied);
    EXPECT_TRUE(doc.puzzle().IsLocked(0, 0) && doc.puzzle().IsLocked(1, 0));
    EXPECT_FALSE(doc.puzzle().IsLocked(0, 1));
    EXPECT_TRUE(editor.RunCommand(ID_LOCK).applied);  // all of them locked: unlocked again
    EXPECT_FALSE(doc.puzzle().HasLocks());
    editor.RunCommand(ID_UNDO);
    EXPECT_TRUE(doc.puzzle().IsLocked(0, 0));
}

TEST_F(GridEditorTest, SleutelwoordCellsJoinAndLeaveInOrder) {
    Start(Phase::Vormen, {"AB#", "CD#", "EF#"});
    for (const auto& [x, y] : {std::pair{1, 1}, {0, 0}, {1, 0}}) {
        editor.MouseMove(x, y);
        EXPECT_TRUE(editor.RunCommand(ID_KEY_CELL).applied);
    }
    EXPECT_EQ(doc.puzzle().KeyWord(), "DAB");
    editor.MouseMove(0, 0);
    editor.RunCommand(ID_KEY_CELL);
    EXPECT_EQ(doc.puzzle().KeyWord(), "DB");
    editor.MouseMove(2, 0);  // a black cell holds no letter
    EXPECT_FALSE(editor.RunCommand(ID_KEY_CELL).applied);
}

TEST_F(GridEditorTest, ClueCellClicksChooseTheWordsOfItsClues) {
    Start(Phase::Vormen, {"#..", "...", "..."});
    Arrange(doc)->form = PuzzleForm::Zweeds;
    EXPECT_TRUE(SetClueArrows(doc, 0, 0, Arrow::Right, Arrow::Down).applied);
    EXPECT_FALSE(SetClueArrows(doc, 1, 1, Arrow::Right, Arrow::None).applied);
    doc.phase = Phase::Vullen;
    doc.curWord = -1;
    Click(0, 0);
    const int across = doc.curWord;
    ASSERT_GE(across, 0);
    EXPECT_TRUE(doc.puzzle().words[across].IsAcross());
    Click(0, 0);
    EXPECT_EQ(doc.puzzle().words[doc.curWord].x, 0);
    EXPECT_EQ(doc.direction, Direction::Down);
}
