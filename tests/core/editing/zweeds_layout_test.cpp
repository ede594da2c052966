#include "editing/zweeds_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/puzzle.h"

TEST(ZweedsLayoutTest, EveryWordHasAClueAndTheBordersHoldClueCells) {
    Puzzle puzzle;
    puzzle.Resize(13, 17);
    const PictureBlock picture = PictureBlockAt(puzzle, 4, 3, 9, 12);  // column 9, row 12
    EXPECT_EQ(picture.x, 8);
    EXPECT_EQ(picture.y, 11);
    const PictureBlock corner = PictureBlockAt(puzzle, 4, 3);
    EXPECT_EQ(corner.x, 9);
    EXPECT_EQ(corner.y, 14);
    UserMessage message;
    ASSERT_TRUE(MakeZweedsLayout(puzzle, &picture, message));
    EXPECT_EQ(puzzle.form, PuzzleForm::Zweeds);
    EXPECT_TRUE(puzzle.UnpointedWords().empty());
    for (int x = 0; x < puzzle.width; ++x) EXPECT_EQ(puzzle.GetCell(x, 0), CELL_ZWART);
    for (int y = 0; y < puzzle.height; ++y) EXPECT_EQ(puzzle.GetCell(0, y), CELL_ZWART);
    EXPECT_EQ(puzzle.GetCell(8, 11), CELL_NIET);
    EXPECT_EQ(puzzle.GetCell(11, 13), CELL_NIET);
    EXPECT_EQ(puzzle.GetCell(12, 12), CELL_ZWART);  // before the words right of the picture
    EXPECT_EQ(puzzle.GetCell(9, 14), CELL_ZWART);   // and below it
    int longest = 0;
    for (const WordInfo& word : puzzle.words) {
        longest = std::max(longest, word.length);
        EXPECT_GT(word.number, 0);
    }
    EXPECT_EQ(longest, 4);
    // The grid shows no numbers.
    for (int number : puzzle.cellNumbers) EXPECT_EQ(number, 0);
}

TEST(ZweedsLayoutTest, TooSmallGridsAndPicturesOutsideAreRefused) {
    Puzzle puzzle;
    puzzle.Resize(5, 5);
    const std::string before = puzzle.GridToString();
    UserMessage message;
    const PictureBlock onTheBorder{0, 2, 2, 2};
    EXPECT_FALSE(MakeZweedsLayout(puzzle, &onTheBorder, message));
    EXPECT_EQ(puzzle.GridToString(), before);
    EXPECT_EQ(puzzle.form, PuzzleForm::Kruiswoord);
    puzzle.Resize(2, 5);
    EXPECT_FALSE(MakeZweedsLayout(puzzle, nullptr, message));
    EXPECT_EQ(message.text, "Een Zweeds raster is minstens 3 x 3 vakjes groot");
}
