#include "editing/zweeds_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "editing/zweeds_clues.h"
#include "model/puzzle.h"

namespace {

Puzzle Layout(int width, int height, const PictureBlock* picture = nullptr) {
    Puzzle puzzle;
    puzzle.Resize(width, height);
    UserMessage message;
    EXPECT_TRUE(MakeZweedsLayout(puzzle, picture, message)) << message.text;
    return puzzle;
}

// The rules of a magazine's layout: every word pointed into by exactly one clue, every
// clue cell but the corner giving a clue, every open cell in a word.
void ExpectEveryCellAndWordServed(const Puzzle& puzzle) {
    std::map<int, int> clues;
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            if (IsLetterCell(puzzle.GetCell(x, y))) {
                int count, across, down;
                puzzle.FindWordsAt(x, y, count, across, down);
                EXPECT_GT(count, 0) << "vak " << x << "," << y;
            }
            if (!puzzle.IsZweedsClueCell(x, y)) continue;
            const bool corner = x == 0 && y == 0;
            EXPECT_TRUE(corner || puzzle.ClueArrow(x, y, 0) != Arrow::None) << x << "," << y;
            for (int slot = 0; slot < CLUES_PER_CELL; ++slot)
                if (puzzle.ClueArrow(x, y, slot) != Arrow::None)
                    ++clues[puzzle.PointedWord(x, y, slot)];
        }
    }
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
        EXPECT_EQ(clues[i], 1) << "woord " << i;
}

// Rows of '#' (clue cell), '-' (outside the shape) and '.' (open).
ZweedsCells CellsOf(const std::vector<std::string>& rows) {
    ZweedsCells layout{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows)
        for (char c : row)
            layout.cells.push_back(c == '#' ? CELL_ZWART : c == '-' ? CELL_NIET : CELL_VRIJ);
    return layout;
}

}  // namespace

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
    ExpectEveryCellAndWordServed(puzzle);
    for (int x = 0; x < puzzle.width; ++x)
        EXPECT_EQ(puzzle.GetCell(x, 0) == CELL_ZWART, x % 2 == 1 || x == 0);
    for (int y = 0; y < puzzle.height; ++y)
        EXPECT_EQ(puzzle.GetCell(0, y) == CELL_ZWART, y % 2 == 1 || y == 0);
    EXPECT_EQ(puzzle.GetCell(8, 11), CELL_NIET);
    EXPECT_EQ(puzzle.GetCell(11, 13), CELL_NIET);
    EXPECT_EQ(puzzle.GetCell(9, 14), CELL_ZWART);  // before the words below the picture
    for (const WordInfo& word : puzzle.words) EXPECT_GT(word.number, 0);
    // The grid shows no numbers.
    for (int number : puzzle.cellNumbers) EXPECT_EQ(number, 0);
}

TEST(ZweedsLayoutTest, WordsHaveAMagazinesLengthsAndTheSameSizeGivesTheSameLayout) {
    Puzzle sized;
    sized.Resize(13, 17);
    const PictureBlock corner = PictureBlockAt(sized, 4, 3);
    for (const PictureBlock* picture : {static_cast<const PictureBlock*>(nullptr), &corner}) {
        const Puzzle puzzle = Layout(13, 17, picture);
        ExpectEveryCellAndWordServed(puzzle);
        std::map<int, int> lengths;
        for (const WordInfo& word : puzzle.words) ++lengths[word.length];
        EXPECT_GE(lengths.begin()->first, 2);
        EXPECT_LE(lengths.rbegin()->first, 9);
        EXPECT_GE(lengths.rbegin()->first, 8);  // some longer words
        int usual = 0;
        for (int length = 3; length <= 7; ++length) usual += lengths[length];
        EXPECT_GE(usual * 10, static_cast<int>(puzzle.words.size()) * 8);
        const Puzzle again = Layout(13, 17, picture);
        EXPECT_EQ(again.GridToString(), puzzle.GridToString());
        EXPECT_EQ(again.arrows, puzzle.arrows);
    }
}

TEST(ZweedsLayoutTest, SmallGridsAndPicturesAgainstTheBorderKeepTheRules) {
    for (const auto& [width, height] : {std::pair{3, 3}, {5, 5}, {4, 7}, {8, 6}})
        ExpectEveryCellAndWordServed(Layout(width, height));
    // Against the border, across the whole width, and leaving two columns beside it.
    for (const PictureBlock& picture :
         {PictureBlock{1, 1, 3, 2}, PictureBlock{1, 4, 9, 1}, PictureBlock{2, 4, 2, 4}})
        ExpectEveryCellAndWordServed(Layout(10, 8, &picture));
}

TEST(ZweedsLayoutTest, CluesMoveBetweenClueCellsUntilEachGivesOneOrTwo) {
    // (1,1) has two words of its own and the only clue of the word across (1,2): one of
    // its own moves to (2,0), which points into it bent.
    const auto full = ShareClues(CellsOf({"#-#-", "-#..", "-..-", "-.--"}));
    ASSERT_TRUE(full);
    EXPECT_EQ((*full)[0].x, 2);
    EXPECT_EQ((*full)[0].arrow, Arrow::DownRight);
    // (1,2) has no word of its own: it takes the word down from (2,2), which (2,1) with
    // two would give.
    ZweedsCells idle = CellsOf({"#----", "--#..", "-#.--", "--.--", "-----"});
    const auto fed = ShareClues(idle);
    ASSERT_TRUE(fed);
    EXPECT_EQ((*fed)[1].x, 1);
    EXPECT_EQ((*fed)[1].arrow, Arrow::RightDown);
    idle.cells.back() = CELL_ZWART;  // a clue cell with nothing to point into
    EXPECT_FALSE(ShareClues(idle));
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
