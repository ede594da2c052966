#include "editing/shape_editing.h"

#include <gtest/gtest.h>

#include <set>

#include "editing/phase_switch.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

class ShapeEditingTest : public ::testing::Test {
protected:
    void Start(const std::initializer_list<std::string>& rows) {
        SetGrid(doc, rows);
        doc.phase = Phase::Vormen;
        doc.MarkSaved();
    }
    // An empty grid of the given size with the given symmetry.
    void StartEmpty(int width, int height, int symmetry) {
        Arrange(doc)->width = width;
        Arrange(doc)->height = height;
        Arrange(doc)->symmetry = static_cast<Symmetry>(symmetry);
        Arrange(doc)->cells.fill(CELL_VRIJ);
        doc.phase = Phase::Vormen;
    }
    EditResult Click(int x, int y, bool notCell = false) {
        return ShapeMouseUp(doc, x, y, x, y, notCell);
    }
    std::set<std::pair<int, int>> BlackCells() const {
        std::set<std::pair<int, int>> cells;
        for (int y = 0; y < doc.puzzle().height; ++y)
            for (int x = 0; x < doc.puzzle().width; ++x)
                if (doc.puzzle().GetCell(x, y) == CELL_ZWART) cells.insert({x, y});
        return cells;
    }

    Rooster2Doc doc;
};

using CellSet = std::set<std::pair<int, int>>;

// ---- The code a click writes ------------------------------------------------------

TEST(ShapeClickCodeTest, PlainClickTogglesBlackAndFreeCtrlClickNotCellAndFree) {
    const struct {
        Cell old;
        bool notCell;
        Cell code;
    } cases[] = {
        {CELL_VRIJ, false, CELL_ZWART}, {'Q', false, CELL_ZWART},      {CELL_IJ, false, CELL_ZWART},
        {CELL_ZWART, false, CELL_VRIJ}, {CELL_NIET, false, CELL_VRIJ}, {CELL_NIET, true, CELL_VRIJ},
        {CELL_VRIJ, true, CELL_NIET},   {CELL_ZWART, true, CELL_NIET}, {'A', true, CELL_NIET},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeClickCode(c.old, c.notCell), c.code) << int(c.old) << " " << c.notCell;
}

// ---- Clicks and drags ---------------------------------------------------------------

TEST_F(ShapeEditingTest, ClickOnALetterMakesItBlackAndLosesTheLetter) {
    Start({"ABC", "...", "..."});
    const EditResult result = Click(1, 0);
    EXPECT_EQ(GridRows(doc), (Rows{"A#C", "...", "..."}));
    EXPECT_TRUE(result.applied);
    EXPECT_TRUE(result.redrawAll);
    EXPECT_TRUE(result.forgetBestResult);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);
}

TEST_F(ShapeEditingTest, DragSetsTheRectangleToTheReleaseCellsCode) {
    Start({".....", ".#...", ".....", "....."});
    // Released on a free cell: the whole rectangle becomes black.
    ShapeMouseUp(doc, 3, 2, 1, 0, false);
    EXPECT_EQ(GridRows(doc), (Rows{".###.", ".###.", ".###.", "....."}));
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);
}

TEST_F(ShapeEditingTest, ClicksRefusedInADoorloperPuzzle) {
    Start({"...", "..."});
    Arrange(doc)->numbering.doorloper = true;
    EXPECT_FALSE(Click(1, 1).applied);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "..."}));
    EXPECT_EQ(doc.Histories().Shape().Position(), 1);
}

// ---- Symmetry on clicks and drags (each mode's images: grid_test) ----------------------

// ---- Shaping cursor ---------------------------------------------------------------------

TEST_F(ShapeEditingTest, NextLetterCellSkipsBlackAndNotCellsAndStopsAtTheEdge) {
    Start({"A#-B", "...."});
    int x = 0;
    int y = 0;
    EXPECT_TRUE(NextLetterCell(doc, x, y, 1, 0));
    EXPECT_EQ(x, 3);
    EXPECT_FALSE(NextLetterCell(doc, x, y, 1, 0));
    EXPECT_EQ(x, 3);
    EXPECT_FALSE(NextLetterCell(doc, x, y, 0, -1));
    EXPECT_EQ(y, 0);
}

TEST_F(ShapeEditingTest, AdvanceCellWrapsAcrossAndDown) {
    Start({"..#", "...", "#.."});
    int x = 1;
    int y = 0;
    AdvanceCell(doc, x, y);  // (2, 0) is black: on to the next row
    EXPECT_EQ(std::pair(x, y), std::pair(0, 1));
    x = 2;
    y = 2;
    AdvanceCell(doc, x, y);  // the last cell wraps to the first
    EXPECT_EQ(std::pair(x, y), std::pair(0, 0));

    doc.direction = Direction::Down;
    x = 0;
    y = 1;
    AdvanceCell(doc, x, y);  // (0, 2) is black: on to the top of the next column
    EXPECT_EQ(std::pair(x, y), std::pair(1, 0));
    x = 2;
    y = 2;
    AdvanceCell(doc, x, y);
    EXPECT_EQ(std::pair(x, y), std::pair(0, 0));
}

TEST_F(ShapeEditingTest, ArrowMovesTheMarkAndHighlightsIt) {
    Start({"..#.", "....", "-..."});
    int markX = 1;
    int markY = 0;
    const EditResult result = MoveShapeMark(doc, markX, markY, EditKey::Right);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(std::pair(markX, markY), std::pair(3, 0));
    EXPECT_EQ(result.cells, std::vector<int>{1});
    EXPECT_EQ(result.highlightCell, 3);
    EXPECT_FALSE(MoveShapeMark(doc, markX, markY, EditKey::Right).applied);
    EXPECT_FALSE(MoveShapeMark(doc, markX, markY, EditKey::Up).applied);
    markX = 1;
    markY = 1;
    EXPECT_FALSE(MoveShapeMark(doc, markX, markY, EditKey::Home).applied);
    MoveShapeMark(doc, markX, markY, EditKey::Down);
    EXPECT_EQ(std::pair(markX, markY), std::pair(1, 2));
    MoveShapeMark(doc, markX, markY, EditKey::Left);  // (0, 2) is a not-cell
    EXPECT_EQ(std::pair(markX, markY), std::pair(1, 2));
}

TEST_F(ShapeEditingTest, TypingAtTheMarkStoresTheLetterAndAdvances) {
    Start({"...", "...", "..."});
    int markX = 0;
    int markY = 0;
    const EditResult result = TypeAtShapeMark(doc, markX, markY, 'e');
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), 'E');
    EXPECT_EQ(std::pair(markX, markY), std::pair(1, 0));
    EXPECT_EQ(result.highlightCell, 1);
    EXPECT_EQ(result.cells, (std::vector<int>{0, 1, 2}));  // the across word through the mark
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Histories().Shape().Position(), 2);

    TypeAtShapeMark(doc, markX, markY, 'y');
    TypeAtShapeMark(doc, markX, markY, 'Y');
    EXPECT_EQ(GridRows(doc)[0], "EyY");
    EXPECT_EQ(std::pair(markX, markY), std::pair(0, 1));
}

}  // namespace
