// The puzzle forms in the model: bars that end words, their symmetry, and the
// puzzle file that keeps a form other than Kruiswoord.
#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// A 4 x 3 grid of free cells with a bar right of (1, 0) and one below (2, 1).
Rooster2Doc BarredPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"....", "....", "...."});
    Arrange(doc)->form = PuzzleForm::Balkjes;
    Arrange(doc)->SetBar(1, 0, 1, 0, true);
    Arrange(doc)->SetBar(2, 1, 0, 1, true);
    Arrange(doc)->BuildWords();
    return doc;
}

}  // namespace

TEST(BarsTest, ABarEndsAWordAndTheNumberingFollows) {
    Rooster2Doc doc = BarredPuzzle();
    const auto& words = doc.puzzle().words;
    // Row 0 splits into two across words of two cells; column 2 into 2 + 1 (no word).
    ASSERT_EQ(words.size(), 8u);
    EXPECT_EQ(words[0].length, 2);  // 1 across (0, 0)
    EXPECT_EQ(words[2].number, 2);  // 2 down (1, 0)
    EXPECT_EQ(words[3].x, 2);       // 3 across (2, 0), length 2
    EXPECT_EQ(words[3].length, 2);
    EXPECT_EQ(words[4].length, 2);  // 3 down (2, 0), ended by the bar below (2, 1)
    EXPECT_EQ(doc.puzzle().CellNumber(2, 0), 3);

    // Outside the Balkjes form the same bars count for nothing.
    Arrange(doc)->form = PuzzleForm::Kruiswoord;
    Arrange(doc)->BuildWords();
    EXPECT_EQ(doc.puzzle().words.size(), 7u);
}

TEST(BarsTest, SymmetryMirrorsTheEdgeAndResizeDropsOuterBars) {
    Puzzle puzzle;
    puzzle.Resize(5, 4);
    puzzle.symmetry = Symmetry::HorizontaalEnVerticaal;
    puzzle.SetBarSymmetric(0, 0, 1, 0, true);  // between (0, 0) and (1, 0)
    EXPECT_TRUE(puzzle.HasBar(3, 3, 1, 0));    // between (3, 3) and (4, 3)
    puzzle.symmetry = Symmetry::RondomMiddelpunt;
    puzzle.Resize(4, 4);
    puzzle.SetBarSymmetric(1, 0, 0, 1, true);  // below (1, 0)
    EXPECT_TRUE(puzzle.HasBar(2, 1, 1, 0));
    EXPECT_TRUE(puzzle.HasBar(2, 2, 0, 1));
    EXPECT_TRUE(puzzle.HasBar(0, 2, 1, 0));
    puzzle.Resize(3, 3);
    EXPECT_FALSE(puzzle.HasBar(2, 1, 1, 0));  // now on the right border
    EXPECT_TRUE(puzzle.HasBar(0, 2, 1, 0));
}

TEST(PuzzleFormsTest, NamesAreReadInAnyCase) {
    EXPECT_EQ(PuzzleFormNamed("balkjes"), PuzzleForm::Balkjes);
    EXPECT_EQ(PuzzleFormNamed("ZWEEDS"), PuzzleForm::Zweeds);
    EXPECT_EQ(PuzzleFormNamed("kruiswoord"), PuzzleForm::Kruiswoord);
    EXPECT_FALSE(PuzzleFormNamed("doorloper").has_value());
    EXPECT_STREQ(PuzzleFormName(PuzzleForm::Balkjes), "Balkjes");
}

TEST(RtrFormTest, ABarredPuzzleHasItsOwnSignatureAndRoundTrips) {
    const Rooster2Doc doc = BarredPuzzle();
    const std::string bytes = WriteRtr(doc);
    // A reader of the classic layout checks these bytes and refuses the file.
    EXPECT_EQ(bytes.substr(4, 25), "Rooster Versie 3 Vormwerk");
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, bytes).status, RtrStatus::Loaded);
    EXPECT_EQ(reopened.puzzle().form, PuzzleForm::Balkjes);
    EXPECT_TRUE(reopened.puzzle().HasBar(2, 1, 0, 1));
    EXPECT_EQ(reopened.puzzle().words.size(), 8u);
    EXPECT_EQ(WriteRtr(reopened), bytes);

    // A classic file read over it gives a Kruiswoord puzzle without bars.
    Rooster2Doc classic;
    ASSERT_EQ(ReadRtr(reopened, WriteRtr(classic)).status, RtrStatus::Loaded);
    EXPECT_EQ(reopened.puzzle().form, PuzzleForm::Kruiswoord);
    EXPECT_FALSE(reopened.puzzle().HasAnyBar());
}

TEST(RtrFormTest, DamagedFormBlocksAreRefusedAndUnknownRecordsSkipped) {
    const std::string bytes = WriteRtr(BarredPuzzle());
    for (std::size_t cut = 29; cut < 60; ++cut) {
        Rooster2Doc doc;
        EXPECT_EQ(ReadRtr(doc, std::string_view(bytes).substr(0, cut)).status, RtrStatus::Refused)
            << cut;
    }
    // Block: length, then the form record (tag 1, 4 bytes, value 2) at offset 33.
    std::string unknownForm = bytes;
    unknownForm[41] = 7;
    Rooster2Doc doc;
    EXPECT_EQ(ReadRtr(doc, unknownForm).status, RtrStatus::Refused);
    // A record of a later release (tag 99, two bytes) before the form record.
    std::string later = bytes;
    later[29] = static_cast<char>(later[29] + 10);
    later.insert(33, std::string("\x63\0\0\0\x02\0\0\0xy", 10));
    ASSERT_EQ(ReadRtr(doc, later).status, RtrStatus::Loaded);
    EXPECT_EQ(WriteRtr(doc), bytes);
}

TEST(ClueCellsTest, ArrowsPointIntoWordsAndNumberThemInClueOrder) {
    // #  #  #  #   clue cells along the top and the left, and (2, 1), whose bent
    // #  .  #  .   arrow serves the down word of column 3
    // #  .  .  .
    Rooster2Doc doc;
    SetGrid(doc, {"####", "#.#.", "#..."});
    PuzzleEdit arranged = Arrange(doc);
    Puzzle& puzzle = arranged.puzzle();
    puzzle.form = PuzzleForm::Zweeds;
    puzzle.BuildWords();
    EXPECT_EQ(puzzle.UnpointedWords().size(), puzzle.words.size());
    puzzle.SetClueArrow(2, 1, 0, Arrow::RightDown);  // down from (3, 1)
    EXPECT_EQ(puzzle.AssignArrows(), 0);
    EXPECT_TRUE(puzzle.UnpointedWords().empty());
    EXPECT_EQ(puzzle.ClueArrow(0, 2, 0), Arrow::Right);
    EXPECT_EQ(puzzle.ClueArrow(1, 0, 0), Arrow::Down);
    EXPECT_EQ(puzzle.ClueArrow(2, 1, 1), Arrow::None);
    // Numbers follow the clue cells in reading order: (1, 0), (2, 1), (0, 2).
    EXPECT_EQ(puzzle.words[puzzle.PointedWord(1, 0, 0)].number, 1);
    EXPECT_EQ(puzzle.words[puzzle.PointedWord(2, 1, 0)].number, 2);
    EXPECT_EQ(puzzle.words[puzzle.PointedWord(0, 2, 0)].number, 3);
    EXPECT_EQ(puzzle.CellNumber(1, 1), 0);

    // Arrows and the sleutelwoord survive the file.
    ASSERT_TRUE(puzzle.SetKeyCells({{3, 2}, {1, 1}}));
    puzzle.SetCell(3, 2, 'O');
    puzzle.SetCell(1, 1, 'K');
    EXPECT_EQ(puzzle.KeyWord(), "OK");
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, WriteRtr(doc)).status, RtrStatus::Loaded);
    EXPECT_EQ(reopened.puzzle().arrows, puzzle.arrows);
    EXPECT_EQ(reopened.puzzle().KeyWord(), "OK");
    EXPECT_EQ(reopened.puzzle().words[2].number, puzzle.words[2].number);
}

TEST(ClueCellsTest, TheSleutelwoordTakesOnlyDistinctLetterCells) {
    Rooster2Doc doc;
    SetGrid(doc, {"..#", "..."});
    PuzzleEdit arranged = Arrange(doc);
    Puzzle& puzzle = arranged.puzzle();
    ASSERT_TRUE(puzzle.SetKeyCells({{0, 0}, {2, 1}}));
    EXPECT_FALSE(puzzle.SetKeyCells({{2, 0}}));          // a black cell
    EXPECT_FALSE(puzzle.SetKeyCells({{0, 0}, {0, 0}}));  // twice
    EXPECT_FALSE(puzzle.SetKeyCells({{5, 0}}));          // outside
    EXPECT_EQ(puzzle.KeyLength(), 2);
    EXPECT_EQ(puzzle.KeyNumber(2, 1), 2);
    // A Kruiswoord puzzle with a sleutelwoord needs the form block too.
    EXPECT_EQ(WriteRtr(doc).substr(4, 25), "Rooster Versie 3 Vormwerk");
    ASSERT_TRUE(puzzle.SetKeyCells({}));
    EXPECT_EQ(WriteRtr(doc).substr(4, 25), "Rooster Versie 2 Ruitwerk");
}
