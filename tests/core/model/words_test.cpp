#include <gtest/gtest.h>

#include "editing_test_support.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

std::string Describe(const WordInfo& word) {
    return std::string(word.dx == 1 ? "H" : "V") + std::to_string(word.number) + "@" +
           std::to_string(word.x) + "," + std::to_string(word.y) + "/" +
           std::to_string(word.length);
}

std::vector<std::string> DescribeAll(const CRooster2Doc& doc) {
    std::vector<std::string> all;
    for (const WordInfo& word : doc.puzzle.words) all.push_back(Describe(word));
    return all;
}

}  // namespace

TEST(BuildWordsTest, ANewGridHasThirtyWordsInReadingOrder) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();
    ASSERT_EQ(doc.puzzle.words.size(), 30u);
    std::vector<std::string> expected = {"H1@0,0/15", "V1@0,0/15"};
    for (int x = 1; x < 15; ++x) expected.push_back("V" + std::to_string(x + 1) + "@" +
                                                    std::to_string(x) + ",0/15");
    for (int y = 1; y < 15; ++y) expected.push_back("H" + std::to_string(y + 15) + "@0," +
                                                    std::to_string(y) + "/15");
    EXPECT_EQ(DescribeAll(doc), expected);
    EXPECT_EQ(doc.puzzle.CellNumber(0, 0), 1);
    EXPECT_EQ(doc.puzzle.CellNumber(14, 0), 15);
    EXPECT_EQ(doc.puzzle.CellNumber(0, 14), 29);
    EXPECT_EQ(doc.puzzle.CellNumber(5, 5), 0);
}

TEST(BuildWordsTest, ALoneLetterCellTurnsBlackUnlessAcrossOnly) {
    CRooster2Doc doc;
    SetGrid(doc, {"#.#", "...", "#.#"});
    EXPECT_EQ(doc.puzzle.words.size(), 2u);

    SetGrid(doc, {"A#.", "##.", "..."});
    EXPECT_EQ(doc.puzzle.GetCell(0, 0), CELL_ZWART);

    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"A#.", "##.", "..."});
    EXPECT_EQ(doc.puzzle.GetCell(0, 0), 'A');
}

TEST(BuildWordsTest, AcrossOnlyMakesNoDownWordsAndNumbersAcrossStarts) {
    CRooster2Doc doc;
    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"...", ".#.", "..."});
    EXPECT_EQ(DescribeAll(doc), (std::vector<std::string>{"H1@0,0/3", "H2@0,2/3"}));
}

TEST(BuildWordsTest, NotCellsEndWordsLikeBlackCells) {
    CRooster2Doc doc;
    SetGrid(doc, {"..-..", ".....", "-...."});
    EXPECT_EQ(DescribeAll(doc), (std::vector<std::string>{"H1@0,0/2", "V1@0,0/2", "V2@1,0/3",
                                                          "H3@3,0/2", "V3@3,0/3", "V4@4,0/3",
                                                          "H5@0,1/5", "V6@2,1/2", "H7@1,2/4"}));
}

TEST(BuildWordsTest, StartNumberTenMakesTheFirstWordTen) {
    CRooster2Doc doc;
    doc.puzzle.numbering.startNumber = 10;
    doc.puzzle.BuildWords();
    EXPECT_EQ(doc.puzzle.words[0].number, 10);
    EXPECT_EQ(doc.puzzle.words.back().number, 38);
}

TEST(BuildWordsTest, RebuildDiscardsCluesAndParts) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();
    doc.puzzle.words[0].clue = "Hoofdstad";
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.BuildWords();
    EXPECT_TRUE(doc.puzzle.words[0].clue.empty());
    EXPECT_EQ(doc.puzzle.words[0].partCount, 0);
}

TEST(DoorloperTest, OneWordPerRowAndColumnNumberedSeparately) {
    CRooster2Doc doc;
    doc.puzzle.numbering.doorloper = true;
    SetGrid(doc, {"..#.", "####", "#..."});
    EXPECT_EQ(DescribeAll(doc),
              (std::vector<std::string>{"H1@0,0/2", "H2@1,2/3", "V1@0,0/1", "V2@1,0/1",
                                        "V3@2,2/1", "V4@3,0/1"}));
    // A down word starting where an across word starts writes its number last.
    EXPECT_EQ(doc.puzzle.CellNumber(0, 0), 1);
    EXPECT_EQ(doc.puzzle.CellNumber(1, 2), 2);
    EXPECT_EQ(doc.puzzle.CellNumber(1, 0), 2);
    EXPECT_EQ(doc.puzzle.GetCell(3, 0), CELL_VRIJ);  // never blackened
}

TEST(DoorloperTest, AcrossOnlyLeavesOnlyRowWords) {
    CRooster2Doc doc;
    doc.puzzle.numbering.doorloper = true;
    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"..", ".."});
    EXPECT_EQ(DescribeAll(doc), (std::vector<std::string>{"H1@0,0/2", "H2@0,1/2"}));
}

TEST(RenumberTest, PartWordsGetTheirOwnNumbers) {
    CRooster2Doc doc;
    SetGrid(doc, {".......", "#######"});
    ASSERT_EQ(doc.puzzle.words.size(), 1u);
    doc.puzzle.numbering.numberPartWords = true;
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 4;
    doc.puzzle.Renumber();
    EXPECT_EQ(doc.puzzle.CellNumber(0, 0), 1);
    EXPECT_EQ(doc.puzzle.CellNumber(3, 0), 2);
    EXPECT_EQ(doc.puzzle.words[0].number, 1);

    doc.puzzle.words[0].partLengths[0] = 1;
    doc.puzzle.words[0].partLengths[1] = 6;
    doc.puzzle.Renumber();
    EXPECT_EQ(doc.puzzle.CellNumber(0, 0), 0);
    EXPECT_EQ(doc.puzzle.CellNumber(1, 0), 1);
}

TEST(RenumberTest, PartNumbersShiftTheFollowingWords) {
    CRooster2Doc doc;
    SetGrid(doc, {"......", "#.####", "#.####"});
    doc.puzzle.numbering.numberPartWords = true;
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 3;
    doc.puzzle.Renumber();
    // Across 1 at (0,0), its second part at (3,0) gets 3 after the down word 2 at (1,0).
    EXPECT_EQ(doc.puzzle.CellNumber(1, 0), 2);
    EXPECT_EQ(doc.puzzle.CellNumber(3, 0), 3);
    EXPECT_EQ(doc.puzzle.words[1].number, 2);
}

TEST(RenumberTest, ASplitThatRunsPastTheWordNeverMarksOutsideIt) {
    CRooster2Doc doc;
    SetGrid(doc, {"...", "###"});
    doc.puzzle.numbering.numberPartWords = true;
    doc.puzzle.words[0].partCount = 3;
    doc.puzzle.words[0].partLengths = {2, 250, 250};
    doc.puzzle.Renumber();
    EXPECT_EQ(doc.puzzle.CellNumber(0, 0), 1);
}

TEST(RenumberTest, WithoutPartNumberingGivesTheRebuildNumbers) {
    CRooster2Doc doc;
    SetGrid(doc, {"..#..", ".....", "..#.."});
    std::vector<int> before;
    for (const WordInfo& word : doc.puzzle.words) before.push_back(word.number);
    for (WordInfo& word : doc.puzzle.words) word.number = 0;
    doc.puzzle.Renumber();
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(doc.puzzle.words[i].number, before[i]);
}

TEST(FindWordTest, CrossingCellsFollowTheDirection) {
    CRooster2Doc doc;
    SetGrid(doc, {"...", ".#.", "..."});
    int count = 0;
    int across = 0;
    int down = 0;
    doc.puzzle.FindWordsAt(0, 0, count, across, down);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(across, 0);
    EXPECT_EQ(down, 1);
    EXPECT_EQ(doc.FindWordAt(0, 0), 0);
    doc.direction = DIR_DOWN;
    EXPECT_EQ(doc.FindWordAt(0, 0), 1);
    doc.direction = 7;  // anything but across counts as down
    EXPECT_EQ(doc.FindWordAt(0, 0), 1);
    EXPECT_EQ(doc.FindWordAt(1, 1), -1);
    EXPECT_EQ(doc.FindWordAt(1, 0), 0);  // only the across word
}

TEST(FindWordTest, OrdinalsCountWithinEachDirection) {
    CRooster2Doc doc;
    SetGrid(doc, {"...", ".#.", "..."});
    int acrossOrdinal = 0;
    int downOrdinal = 0;
    doc.puzzle.FindWordOrdinals(2, 2, acrossOrdinal, downOrdinal);
    EXPECT_EQ(acrossOrdinal, 1);
    EXPECT_EQ(downOrdinal, 1);
    doc.puzzle.FindWordOrdinals(1, 1, acrossOrdinal, downOrdinal);
    EXPECT_EQ(acrossOrdinal, -1);
    EXPECT_EQ(downOrdinal, -1);
}

TEST(WordValueTest, ReadsCellsWithSpacesAndIj) {
    CRooster2Doc doc;
    SetGrid(doc, {"yS.EL"});
    EXPECT_EQ(doc.puzzle.GetWordValue(0), "yS EL");
    EXPECT_FALSE(doc.puzzle.IsWordEmpty(0));
    EXPECT_FALSE(doc.puzzle.IsWordComplete(0));
}

TEST(WordValueTest, SetStopsAtTheFirstConflictKeepingEarlierLetters) {
    CRooster2Doc doc;
    SetGrid(doc, {".X.", "###"});
    EXPECT_FALSE(doc.puzzle.SetWordValue(0, "ABC"));
    EXPECT_EQ(doc.puzzle.GetWordValue(0), "AX ");
    EXPECT_TRUE(doc.puzzle.SetWordValue(0, "AXE"));
    EXPECT_TRUE(doc.puzzle.IsWordComplete(0));
}

TEST(WordValueTest, ShortValuesFillWithSpacesAndIjDiffersFromY) {
    CRooster2Doc doc;
    SetGrid(doc, {"y..", "###"});
    EXPECT_FALSE(doc.puzzle.SetWordValue(0, "YAB"));
    EXPECT_TRUE(doc.puzzle.SetWordValue(0, "yA"));
    EXPECT_EQ(doc.puzzle.GetWordValue(0), "yA ");
}

TEST(WordValueTest, ClearingTakesOwnCellsAndIncompleteCrossingsButKeepsCompleteOnes) {
    // When every crossing word is complete, no cell would go: then all of them do.
    const struct {
        Rows before;
        int word;
        Rows after;
    } cases[] = {
        {{"AB", "C."}, 3, {"AB", "C."}},     // C belongs to the complete down word AC
        {{"AB", "CD"}, 0, {"..", "CD"}},     // every crossing complete
        {{"ABC", "#.#"}, 0, {"...", "#.#"}}, // A and C own cells, B's down word incomplete
    };
    for (const auto& c : cases) {
        CRooster2Doc doc;
        SetGrid(doc, {c.before[0], c.before[1]});
        EXPECT_TRUE(doc.puzzle.SetWordValue(c.word, "")) << c.before[0];
        EXPECT_EQ(GridRows(doc), c.after) << c.before[0];
    }
}

TEST(NextWordTest, WrapsAndSkipsOtherDirections) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();  // H1, V1, V2..V15, H16..H29
    EXPECT_EQ(doc.puzzle.NextWordInDirection(0, 1, DIR_ACROSS), 16);
    EXPECT_EQ(doc.puzzle.NextWordInDirection(29, 1, DIR_ACROSS), 0);
    EXPECT_EQ(doc.puzzle.NextWordInDirection(0, -1, DIR_ACROSS), 29);
    EXPECT_EQ(doc.puzzle.NextWordInDirection(0, 1, DIR_DOWN), 1);
    EXPECT_EQ(doc.puzzle.NextWordInDirection(1, -1, DIR_DOWN), 15);
}

TEST(NextWordTest, AnOnlyMatchReturnsItself) {
    CRooster2Doc doc;
    SetGrid(doc, {"...", "###"});
    EXPECT_EQ(doc.puzzle.NextWordInDirection(0, 1, DIR_ACROSS), 0);
    EXPECT_EQ(doc.puzzle.NextWordInDirection(0, 1, DIR_DOWN), 0);
}
