#include <gtest/gtest.h>

#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

// Cells that differ from free after one symmetric black click on an empty grid.
std::vector<std::pair<int, int>> BlackCellsAfterClick(int width, int height, int symmetry, int x,
                                                      int y) {
    CRooster2Doc doc;
    doc.puzzle.Resize(width, height);
    doc.puzzle.symmetry = symmetry;
    doc.puzzle.SetCellSymmetric(x, y, CELL_ZWART);
    std::vector<std::pair<int, int>> black;
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx)
            if (doc.puzzle.GetCell(cx, cy) == CELL_ZWART) black.emplace_back(cx, cy);
    return black;
}

using Cells = std::vector<std::pair<int, int>>;

}  // namespace

TEST(NewDocumentTest, IsFifteenByFifteenFreeCellsWithTheTableDefaults) {
    CRooster2Doc doc;
    EXPECT_EQ(doc.puzzle.width, 15);
    EXPECT_EQ(doc.puzzle.height, 15);
    for (int i = 0; i < MAX_CELLS; ++i) ASSERT_EQ(doc.puzzle.cells[i], CELL_VRIJ);
    EXPECT_EQ(doc.phase, PHASE_VORMEN);
    EXPECT_EQ(doc.direction, DIR_ACROSS);
    EXPECT_EQ(doc.puzzle.symmetry, 0);
    EXPECT_EQ(doc.puzzle.appearance.cellSize, 30);
    EXPECT_EQ(doc.puzzle.appearance.margin, 5);
    EXPECT_EQ(doc.puzzle.search.maxSolutions, 100);
    EXPECT_TRUE(doc.puzzle.search.allDifferent);
    EXPECT_TRUE(doc.puzzle.search.showWhileSearching);
    EXPECT_EQ(doc.puzzle.search.maxCandidates, 1000);
    EXPECT_TRUE(doc.puzzle.appearance.largerNumbers);
    EXPECT_TRUE(doc.puzzle.appearance.partDashes);
    EXPECT_EQ(doc.puzzle.numbering.startNumber, 1);
    EXPECT_EQ(doc.puzzle.appearance.letterFontName, "Arial");
    EXPECT_EQ(doc.puzzle.appearance.colours.zwart, 0xB49484u);
    EXPECT_EQ(doc.puzzle.appearance.colours.woordPos, 0xD7D7D7u);
    EXPECT_EQ(doc.puzzle.letterValues[0], 1);
    EXPECT_EQ(doc.puzzle.letterValues[25], 26);
}

TEST(NewDocumentTest, ResetsWhatTheLastPuzzleLeftExceptTheSound) {
    CRooster2Doc doc;
    doc.puzzle.html.title = "Oud";
    doc.puzzle.extraFiles = {"extra02.doc"};
    doc.puzzle.numbering.doorloper = true;
    doc.puzzle.search.sound = true;
    doc.puzzle.letterValues[3] = 99;
    doc.OnNewDocument();
    EXPECT_TRUE(doc.puzzle.html.title.empty());
    EXPECT_TRUE(doc.puzzle.extraFiles.empty());
    EXPECT_FALSE(doc.puzzle.numbering.doorloper);
    EXPECT_TRUE(doc.puzzle.search.sound);
    EXPECT_EQ(doc.puzzle.letterValues[3], 4);
}

TEST(ProfileColorsTest, ProfileValuesReplaceTheBuiltInColoursExceptMinusOne) {
    CMapProfile profile;
    profile.WriteProfileInt("Kleur", "Zwart", 0x123456);
    profile.WriteProfileInt("Kleur", "Woord", -1);
    CRooster2Doc doc;
    doc.profile = &profile;
    doc.OnNewDocument();
    EXPECT_EQ(doc.puzzle.appearance.colours.zwart, 0x123456u);
    EXPECT_EQ(doc.puzzle.appearance.colours.woord, 0xE8E8E8u);
    EXPECT_EQ(doc.puzzle.appearance.colours.niet, 0xFFFFFFu);
}

TEST(ProfileColorsTest, TheLastColoursBecomeTheNextDefaults) {
    CMapProfile profile;
    CRooster2Doc first;
    first.profile = &profile;
    first.puzzle.appearance.colours.achtergrond = 0x00AA00;
    first.WriteDefaultColors();
    CRooster2Doc next;
    next.profile = &profile;
    next.OnNewDocument();
    EXPECT_EQ(next.puzzle.appearance.colours.achtergrond, 0x00AA00u);
    EXPECT_EQ(profile.GetProfileInt("Kleur", "Zwart", 0), static_cast<int>(0xB49484));
}

TEST(SymmetryTest, EachModeSetsItsImageCells) {
    // 1 quarter turn (images outside a non-square grid are left out), 2 and 3 the
    // mirrors, 4 half turn, 5 both mirrors; the centre cell is simply written again.
    const struct {
        int width, height, symmetry, x, y;
        Cells black;
    } cases[] = {
        {15, 10, 1, 0, 0, {{0, 0}, {14, 0}, {0, 9}, {14, 9}}},
        {15, 10, 1, 12, 0, {{12, 0}, {2, 9}}},
        {15, 10, 1, 14, 0, {{14, 0}, {0, 9}}},
        {15, 15, 0, 1, 2, {{1, 2}}},
        {15, 15, 2, 1, 2, {{1, 2}, {1, 12}}},
        {15, 15, 3, 1, 2, {{1, 2}, {13, 2}}},
        {15, 15, 4, 1, 2, {{1, 2}, {13, 12}}},
        {15, 15, 5, 1, 2, {{1, 2}, {13, 2}, {1, 12}, {13, 12}}},
        {6, 5, 2, 1, 0, {{1, 0}, {1, 4}}},
        {6, 5, 3, 1, 0, {{1, 0}, {4, 0}}},
        {6, 5, 4, 1, 0, {{1, 0}, {4, 4}}},
        {6, 5, 5, 1, 0, {{1, 0}, {4, 0}, {1, 4}, {4, 4}}},
        {15, 15, 5, 7, 7, {{7, 7}}},
        {15, 15, 1, 7, 7, {{7, 7}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlackCellsAfterClick(c.width, c.height, c.symmetry, c.x, c.y), c.black)
            << c.width << "x" << c.height << " symmetry " << c.symmetry << " at " << c.x << ","
            << c.y;
}

TEST(ResizeTest, ShrinkingKeepsTheSharedTopLeftBlock) {
    CRooster2Doc doc;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) doc.puzzle.SetCell(x, y, static_cast<Cell>('A' + (x + y) % 26));
    doc.puzzle.Resize(10, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(doc.puzzle.GetCell(x, y), 'A' + (x + y) % 26);
}

TEST(ResizeTest, GrowingAddsFreeCellsRightAndBelow) {
    CRooster2Doc doc;
    doc.puzzle.Resize(10, 12);
    doc.puzzle.SetCell(9, 11, 'Q');
    doc.puzzle.SetCell(0, 0, CELL_ZWART);
    doc.puzzle.Resize(15, 15);
    EXPECT_EQ(doc.puzzle.GetCell(9, 11), 'Q');
    EXPECT_EQ(doc.puzzle.GetCell(0, 0), CELL_ZWART);
    EXPECT_EQ(doc.puzzle.GetCell(10, 11), CELL_VRIJ);
    EXPECT_EQ(doc.puzzle.GetCell(14, 14), CELL_VRIJ);
    EXPECT_EQ(doc.puzzle.GetCell(9, 12), CELL_VRIJ);
}

TEST(GridStringTest, RoundTripsExactlyTheCellsOfTheGrid) {
    CRooster2Doc doc;
    SetGrid(doc, {"AB#", "y.-"});
    const std::string grid = doc.puzzle.GridToString();
    EXPECT_EQ(grid, std::string("AB\x01y \x02", 6));
    CRooster2Doc other;
    SetGrid(other, {"...", "..."});
    other.puzzle.StringToGrid(grid);
    EXPECT_EQ(other.puzzle.GridToString(), grid);
}
