#include <gtest/gtest.h>

#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

// Cells that differ from free after one symmetric black click on an empty grid.
std::vector<std::pair<int, int>> BlackCellsAfterClick(int width, int height, int symmetry, int x,
                                                      int y) {
    TestDoc doc;
    Arrange(doc)->Resize(width, height);
    Arrange(doc)->symmetry = static_cast<Symmetry>(symmetry);
    Arrange(doc)->SetCellSymmetric(x, y, CELL_ZWART);
    std::vector<std::pair<int, int>> black;
    for (int cy = 0; cy < height; ++cy)
        for (int cx = 0; cx < width; ++cx)
            if (doc.puzzle().GetCell(cx, cy) == CELL_ZWART) black.emplace_back(cx, cy);
    return black;
}

using Cells = std::vector<std::pair<int, int>>;

}  // namespace

TEST(ProfileColoursTest, ProfileValuesReplaceTheBuiltInColoursExceptMinusOne) {
    MapProfile profile;
    profile.WriteProfileInt("Kleur", "Zwart", 0x123456);
    profile.WriteProfileInt("Kleur", "Woord", -1);
    Rooster2Doc doc;
    doc.OnNewDocument(&profile);
    EXPECT_EQ(doc.puzzle().appearance.colours.zwart, 0x123456u);
    EXPECT_EQ(doc.puzzle().appearance.colours.woord, 0xE8E8E8u);
    EXPECT_EQ(doc.puzzle().appearance.colours.niet, 0xFFFFFFu);
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
