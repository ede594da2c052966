// Loading the lists of a search: which file, which lines, who owns a list,
// the trying orders and every message.
#include "search/search_lists.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "search/search_environment.h"
#include "search_test_support.h"
#include "test_support.h"
#include "wordlists/word_list_files.h"

namespace {

std::string Entries(const SearchWord& owner, int length) {
    std::string text;
    for (int e = 0; e < owner.searchCount; ++e)
        text += std::string(owner.searchList.data() + e * length, length) + ",";
    return text;
}

// A temporary folder for the lists, the puzzle and the lists made from it.
class SearchListsTest : public ::testing::Test {
protected:
    int Prepare() { return PrepareSearchLists(Arrange(doc).puzzle(), doc.scoring, lists, random); }

    TempDir dir;
    TestDoc doc;
    SearchLists lists;
    LcgRandom random;
};

TEST_F(SearchListsTest, AcceptsOnlyLinesOfTheWordsLengthAndOptions) {
    SetGrid(doc, {"....", "####"});
    Arrange(doc)->search.wordFile =
        WriteWordList(dir.Path(""), "nl", 4,
                      {"KAAS   ", "IJZE", "YZER", "KAASJE", "QUIZ", "DE K",
                       "AB\x01"
                       "C",
                       "BOOM"});
    Arrange(doc)->search.excludedLetters = "QX";
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 4), "KAAS,YZER,BOOM,");
    EXPECT_EQ(lists.words[0].searchUsed.size(), 3u);
    Arrange(doc)->search.ijTwoLetters = true;
    Arrange(doc)->search.allDifferent = false;
    ReleaseSearchLists(Arrange(doc).puzzle(), lists);
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 4), "KAAS,IJZE,YZER,BOOM,");
    EXPECT_TRUE(lists.words[0].searchUsed.empty());
}

TEST_F(SearchListsTest, KeepsAScorePerEntryAndOnlyWhatTheScoringOffers) {
    SetGrid(doc, {"....", "####"});
    Arrange(doc)->search.wordFile = WriteWordList(
        dir.Path(""), "nl", 4, {"KAAS;80", "BOOM", "ROOS;20", "VIS;60", "MAAN;0", "ZEEP;1x"});
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 4), "KAAS,BOOM,ROOS,ZEEP,");
    EXPECT_EQ(lists.words[0].searchScores, (std::vector<std::uint8_t>{80, 50, 20, 50}));
    ASSERT_EQ(lists.messages.size(), 1u);
    EXPECT_EQ(lists.messages[0].text, "1 regel met een onjuiste score in " +
                                          MakeWordListFileName(doc.puzzle().search.wordFile, 4) +
                                          ", als 50 gerekend");
    ReleaseSearchLists(Arrange(doc).puzzle(), lists);
    doc.scoring.minScore = 50;
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 4), "KAAS,BOOM,ZEEP,");
    EXPECT_EQ(lists.words[0].searchUsed.size(), 3u);
}

TEST_F(SearchListsTest, NoPieceOfAnOverLongLineIsACandidate) {
    SetGrid(doc, {".....", "#####"});
    // 104 letters: read as a piece of 99 and a tail of 5, which must not count.
    Arrange(doc)->search.wordFile =
        WriteWordList(dir.Path(""), "nl", 5, {std::string(99, 'A') + "BCDEF", "KLMNO"});
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 5), "KLMNO,");
}

TEST_F(SearchListsTest, WordsOfEqualLengthAndListShareTheFirstOnesList) {
    SetGrid(doc, {".....", "####.", ".....", "####.", "....."});
    ASSERT_EQ(doc.puzzle().words.size(), 4u);  // across 0, down 1 (column 4), across 2, across 3
    Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "nl", 5, {"ABCDE"});
    Arrange(doc)->extraFiles.push_back(WriteWordList(dir.Path(""), "ex", 5, {"VWXYZ", "ZZZZZ"}));
    Arrange(doc)->words[2].extraList = 1;
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(lists.words[0].searchLink, SEARCH_LINK_OWNER);
    EXPECT_EQ(lists.words[1].searchLink, 0);
    EXPECT_EQ(lists.words[2].searchLink, SEARCH_LINK_OWNER);
    EXPECT_EQ(lists.words[3].searchLink, 0);
    EXPECT_EQ(lists.words[0].searchCount, 1);
    EXPECT_EQ(lists.words[2].searchCount, 2);
    EXPECT_EQ(lists.words[1].searchCount, 0);
    EXPECT_TRUE(lists.words[1].searchList.empty());
}

TEST_F(SearchListsTest, SplitWordsAreSearchedAsTheirPartsAndRemovedAfterwards) {
    SetGrid(doc, {"........."});
    Arrange(doc)->numbering.acrossOnly = true;
    Arrange(doc)->words[0].partCount = 3;
    Arrange(doc)->words[0].partLengths = {4, 1, 4};
    Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "nl", 4, {"ABCD"});
    ASSERT_EQ(Prepare(), 0);
    ASSERT_EQ(doc.puzzle().words.size(), 3u);
    EXPECT_EQ(lists.words[0].searchLink, SEARCH_LINK_NONE);
    EXPECT_EQ(doc.puzzle().words[1].x, 0);
    EXPECT_EQ(doc.puzzle().words[2].x, 5);
    EXPECT_EQ(lists.words[2].searchLink, 1);
    ReleaseSearchLists(Arrange(doc).puzzle(), lists);
    EXPECT_EQ(doc.puzzle().words.size(), 1u);
}

TEST_F(SearchListsTest, FileNamesFollowTheSetAndLongWordsShareFile19) {
    SetGrid(doc, {std::string(23, '.')});
    Arrange(doc)->search.wordFile = dir.Path("nl05.doc");
    WriteWordList(dir.Path(""), "nl", 19, {std::string(19, 'A'), std::string(23, 'B')});
    ASSERT_EQ(Prepare(), 0);
    EXPECT_EQ(Entries(lists.words[0], 23), std::string(23, 'B') + ",");
}

TEST_F(SearchListsTest, ReportMissingFilesShortNamesAndBadListNumbers) {
    SetGrid(doc, {"...", "###"});
    Arrange(doc)->search.wordFile = dir.Path("nl03.doc");
    EXPECT_EQ(Prepare(), 1);
    ASSERT_EQ(lists.messages.size(), 1u);
    EXPECT_EQ(lists.messages[0].text, "Bestand " + dir.Path("nl03.doc") + " ontbreekt.");
    ReleaseSearchLists(Arrange(doc).puzzle(), lists);

    std::vector<char> list;
    std::vector<std::uint8_t> scores;
    std::vector<std::uint8_t> used;
    std::vector<UserMessage> messages;
    Arrange(doc)->search.wordFile = "a.doc";
    EXPECT_EQ(LoadWordList(doc.puzzle(), doc.scoring, 0, 3, list, scores, used, messages), 0);
    Arrange(doc)->words[0].extraList = 2;
    EXPECT_EQ(LoadWordList(doc.puzzle(), doc.scoring, 0, 3, list, scores, used, messages), 0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Bestand a.doc ontbreekt.");
    EXPECT_EQ(messages[1].text, "Nummer woordenlijst (2 bij H1) incorrect");
}

TEST_F(SearchListsTest, EmptyAndJunkFilesGiveNoCandidatesWithoutACrash) {
    SetGrid(doc, {"...", "###"});
    Arrange(doc)->search.wordFile = dir.Path("nl03.doc");
    WriteFileOrFail(doc.puzzle().search.wordFile,
                    std::string("\0\0\0\n\xff\xfe\x01\n", 8) + std::string(500, 'A'));
    EXPECT_EQ(Prepare(), 1);
    EXPECT_TRUE(lists.messages.empty());
}

// A kept list is read again only when what it depends on changes, not when its file does.
TEST_F(SearchListsTest, TheCacheReadsAListOnceUntilTheScoringChanges) {
    SetGrid(doc, {"..", "##"});
    Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "nl", 2, {"AB;90", "CD;40"});
    SearchListCache cache;
    const auto loaded = [&] {
        PrepareSearchLists(Arrange(doc).puzzle(), doc.scoring, lists, random, &cache);
        const std::string entries = Entries(lists.words[0], 2);
        ReleaseSearchLists(Arrange(doc).puzzle(), lists);
        return entries;
    };
    EXPECT_EQ(loaded(), "AB,CD,");
    WriteWordList(dir.Path(""), "nl", 2, {"EF"});
    EXPECT_EQ(loaded(), "AB,CD,");
    doc.scoring.minScore = 50;
    EXPECT_EQ(loaded(), "EF,");
}

}  // namespace
