// The clue windows' text, read-back, list items, font steps and placement.
#include "forms/clue_windows.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

struct ClueWindowsTest : ::testing::Test {
    Rooster2Doc doc;
    ClueWindowsTest() {
        doc.OnNewDocument();
        SetGrid(doc, {"...", ".#.", "..."});
        doc.phase = Phase::Vullen;
        Arrange(doc)->Renumber();
    }
    int WordIndex(int number, bool across) const {
        const std::vector<WordInfo>& words = doc.puzzle().words;
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].number == number && words[i].IsAcross() == across)
                return static_cast<int>(i);
        throw std::runtime_error("no such word");
    }
    const WordInfo& Word(int number, bool across) const {
        return doc.puzzle().words[WordIndex(number, across)];
    }
    void SetClue(int number, bool across, const std::string& clue) {
        Arrange(doc)->words[WordIndex(number, across)].clue = clue;
    }
};

TEST_F(ClueWindowsTest, TextHoldsBothSectionsInFormatClueListLayout) {
    SetClue(1, true, "Kat");
    EXPECT_EQ(BuildClueWindowText(doc, true),
              "Horizontaal\r\n\r\n" + doc.puzzle().FormatClueList(1) + "\r\nVerticaal\r\n\r\n" +
                  doc.puzzle().FormatClueList(0));
    EXPECT_NE(BuildClueWindowText(doc, true).find("1. Kat (3)\r\n"), std::string::npos);
}

TEST_F(ClueWindowsTest, WordListsFollowOnlyWhenAskedAndAWordFileIsSet) {
    Arrange(doc)->numbering.acrossOnly = true;
    Arrange(doc)->search.wordFile = "/lijsten/woorden03.doc";
    Arrange(doc)->extraFiles = {"/lijsten/namen03.doc"};
    const std::string lists =
        "\r\nZoekwoordenlijsten:\r\n0. /lijsten/woorden03.doc\r\n1. /lijsten/namen03.doc\r\n";
    EXPECT_EQ(BuildClueWindowText(doc, true),
              "Horizontaal\r\n\r\n" + doc.puzzle().FormatClueList(1) + lists);
    EXPECT_EQ(BuildClueWindowText(doc, false),
              "Horizontaal\r\n\r\n" + doc.puzzle().FormatClueList(1));
}

TEST_F(ClueWindowsTest, ReadBackSetsCluesAndIgnoresAnUnfinishedLastLine) {
    ClueSection section = ClueSection::Across;
    ReadBackClueText(
        doc, section,
        "Horizontaal\r\n\r\n1. Huisdier (3)\r\n\r\nVerticaal\r\n\r\n1. Getal (3)\r\n2. Nog");
    EXPECT_EQ(Word(1, true).clue, "Huisdier");
    EXPECT_EQ(Word(1, false).clue, "Getal");
    EXPECT_EQ(Word(2, false).clue, "");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ClueWindowsTest, ListItemsAreNumberedCluesWithATrailingSpace) {
    SetClue(3, true, "Onder");
    const ClueListItems items = BuildClueListItems(doc);
    ASSERT_EQ(items.across.size(), 2u);
    ASSERT_EQ(items.down.size(), 2u);
    EXPECT_EQ(items.across[1], "3. Onder (3) ");
}

TEST_F(ClueWindowsTest, ItemsChooseTheirWordsAndTheCurrentWordSelectsBoth) {
    const int downSecond = WordOfClueListItem(doc, true, 1);
    ASSERT_GE(downSecond, 0);
    EXPECT_EQ(doc.puzzle().words[downSecond].number, 2);
    EXPECT_EQ(doc.puzzle().words[downSecond].dy, 1);
    EXPECT_EQ(WordOfClueListItem(doc, false, 2), -1);
    EXPECT_EQ(WordOfClueListItem(doc, true, -1), -1);

    doc.curWord = downSecond;  // cursor on its first cell, the top right corner
    doc.curPos = 0;
    const ClueListSelection selection = SelectedClueListItems(doc);
    EXPECT_EQ(selection.across, 0);
    EXPECT_EQ(selection.down, 1);
    doc.curWord = -1;
    EXPECT_EQ(SelectedClueListItems(doc).across, -1);
}

// Clue cell (0, 0) sends its first clue right into the top row and its second down
// into the left column.
struct ZweedsClueWindowsTest : ::testing::Test {
    Rooster2Doc doc;
    int across = -1;
    int down = -1;
    ZweedsClueWindowsTest() {
        doc.OnNewDocument();
        Arrange(doc)->form = PuzzleForm::Zweeds;
        SetGrid(doc, {"#..", "...", "..."});
        Arrange(doc)->SetClueArrow(0, 0, 0, Arrow::Right);
        Arrange(doc)->SetClueArrow(0, 0, 1, Arrow::Down);
        Arrange(doc)->BuildWords();
        doc.phase = Phase::Vullen;
        across = doc.puzzle().PointedWord(0, 0, 0);
        down = doc.puzzle().PointedWord(0, 0, 1);
        Arrange(doc)->words[across].clue = "Kat";
    }
};

TEST_F(ZweedsClueWindowsTest, BothWindowsNameEveryClueByItsClueCellAndArrow) {
    EXPECT_EQ(BuildClueWindowText(doc, false), "K1 R1 rechts: Kat (2)\r\nK1 R1 omlaag:  (2)\r\n");
    const ClueListItems items = BuildClueListItems(doc);
    EXPECT_EQ(items.across,
              (std::vector<std::string>{"K1 R1 rechts: Kat (2) ", "K1 R1 omlaag:  (2) "}));
    EXPECT_TRUE(items.down.empty());
    EXPECT_TRUE(HasSingleClueList(doc));
    EXPECT_EQ(WordOfClueListItem(doc, false, 1), down);
    EXPECT_EQ(WordOfClueListItem(doc, false, 2), -1);
    EXPECT_EQ(WordOfClueListItem(doc, true, 0), -1);
    doc.curWord = down;
    EXPECT_EQ(SelectedClueListItems(doc).across, 1);
    EXPECT_EQ(SelectedClueListItems(doc).down, -1);
}

TEST_F(ZweedsClueWindowsTest, EditedLinesGoBackIntoTheWordsTheirArrowsPointInto) {
    ClueSection section = ClueSection::ExtraFiles;  // left there by an earlier read
    const std::string shown = BuildClueWindowText(doc, false);
    ReadBackClueText(doc, section, shown);
    EXPECT_EQ(BuildClueWindowText(doc, false), shown);
    ReadBackClueText(doc, section,
                     "k1 r1 OMLAAG: Vis (1+1) *2\r\nK1 R1 rechts:Muis\r\nK2 R1 rechts: X\r\n");
    EXPECT_EQ(doc.puzzle().words[across].clue, "Muis");
    EXPECT_EQ(doc.puzzle().words[down].clue, "Vis");
    EXPECT_EQ(doc.puzzle().words[down].PartCountInUse(), 2);
    EXPECT_EQ(doc.puzzle().words[down].extraList, 2);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ZweedsClueWindowsTest, AClueTypedIntoItsCellIsStoredAsTheWindowsStoreIt) {
    doc.curWord = down;
    const std::optional<ClueCellClue> clue = CurrentClueOfClueCell(doc, 0, 0);
    ASSERT_TRUE(clue.has_value());
    EXPECT_EQ(clue->slot, 1);
    EXPECT_FALSE(CurrentClueOfClueCell(doc, 1, 0).has_value());  // a letter cell
    EXPECT_TRUE(StoreClueCellClue(doc, *clue, "Vis (1+1)"));
    EXPECT_EQ(doc.puzzle().words[down].clue, "Vis");
    EXPECT_EQ(doc.puzzle().words[down].PartCountInUse(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(StoreClueCellClue(doc, *clue, "Vis (1+1)"));  // nothing changed
    Arrange(doc)->SetClueArrow(0, 0, 1, Arrow::None);
    EXPECT_FALSE(StoreClueCellClue(doc, *clue, "Haai"));
}

TEST(ClueWindowPlacementTest, TenPixelsRightOfTheGridKeptInsideTheParent) {
    Rooster2Doc doc;
    Arrange(doc)->appearance.margin = 5;
    Arrange(doc)->width = 10;
    EXPECT_EQ(ClueWindowLeft(doc, 100, 20, 300, 2000), 100 + 5 + 200 + 10);
    EXPECT_EQ(ClueWindowLeft(doc, 100, 20, 300, 500), 200);
}

TEST(ClueListSizeTest, WindowSizeIsClamped) {
    EXPECT_EQ(ClueListWindowSize(300, 100, 80).width, 350);
    EXPECT_EQ(ClueListWindowSize(300, 100, 80).height, 280);
    EXPECT_EQ(ClueListWindowSize(10, 10, 10).width, 150);
    EXPECT_EQ(ClueListWindowSize(10, 10, 10).height, 200);
    EXPECT_EQ(ClueListWindowSize(900, 900, 900).width, 700);
    EXPECT_EQ(ClueListWindowSize(900, 900, 900).height, 600);
}

}  // namespace
