// The live check: candidate counts after narrowing, dead words and cells kept
// local, the focus word's candidates in both orders, and the list cache.
#include "search/fillability.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "search/search_lists.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

class FillabilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetGrid(doc, {"..", ".."});
        Arrange(doc)->search.wordFile =
            WriteWordList(dir.Path(""), "nl", 2, {"AB;90", "CD;80", "AC;70", "BD;60", "XY;50"});
    }
    FillabilityReport Check(int focusWord = -1, CandidateOrder order = CandidateOrder::Score) {
        FillabilityRequest request{doc.SearchPuzzle(), doc.scoring};
        request.focusWord = focusWord;
        request.order = order;
        return CheckFillability(request, cancel, &cache);
    }
    static std::vector<std::string> Words(const FillabilityReport& report) {
        std::vector<std::string> words;
        for (const FillabilityCandidate& candidate : report.focusCandidates)
            words.push_back(candidate.word);
        return words;
    }

    TempDir dir;
    TestDoc doc;
    std::atomic<bool> cancel{false};
    SearchListCache cache;
};

// H1 and V1 keep AB and AC, V2 and H3 keep CD and BD: the grid's two fills.
TEST_F(FillabilityTest, NarrowsEveryWordToWhatItsCrossingsAllow) {
    const FillabilityReport report = Check(0);
    ASSERT_TRUE(report.checked);
    EXPECT_EQ(report.candidates, (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(report.deadCells, (std::vector<char>{0, 0, 0, 0}));
    EXPECT_EQ(FillabilityStatusText(report), "Vulbaar");
    EXPECT_EQ(Words(report), (std::vector<std::string>{"AB", "AC"}));
    // AB leaves V2 its B (BD), AC leaves it C (CD): one entry each way, log2(1 + 1).
    EXPECT_DOUBLE_EQ(report.focusCandidates[0].room, 1.0);
    EXPECT_EQ(report.focusCount, 2);
}

// Words in the grid's order: H1, V1, V2, H3. An X in the last cell kills V2 and H3
// but leaves H1 and V1 their whole list.
TEST_F(FillabilityTest, ADeadWordIsNamedAndMarkedWithoutSpreading) {
    Arrange(doc)->SetCell(1, 1, 'X');
    const FillabilityReport report = Check();
    ASSERT_TRUE(report.checked);
    EXPECT_EQ(report.candidates, (std::vector<int>{5, 5, 0, 0}));
    EXPECT_EQ(report.deadCells, (std::vector<char>{0, 1, 1, 1}));
    EXPECT_EQ(FillabilityStatusText(report), "V2: geen woorden");
    EXPECT_EQ(CandidateCountText(report.candidates[0]), "5 woorden");
}

TEST_F(FillabilityTest, ACellNoLetterFitsKillsTheWordsThroughIt) {
    Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "nl", 2, {"AB", "CD"});
    const FillabilityReport report = Check();
    EXPECT_EQ(report.candidates, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(report.deadCells, (std::vector<char>{1, 1, 1, 1}));
    EXPECT_EQ(FillabilityStatusText(report), "H1: geen woorden");

    // Without the file of their length the words have no entries, and the status says why.
    Arrange(doc)->Resize(3, 1);
    Arrange(doc)->BuildWords();
    const std::string status = FillabilityStatusText(Check());
    EXPECT_TRUE(status.starts_with("H1: geen woorden; Bestand ")) << status;
    EXPECT_TRUE(status.ends_with("nl03.doc ontbreekt.")) << status;
}

TEST_F(FillabilityTest, CandidatesByScoreOrByRoomAndAMinimumScore) {
    SetGrid(doc, {"..", "#."});
    Arrange(doc)->search.wordFile = WriteWordList(
        dir.Path(""), "nl", 2, {"AB;90", "AC;60", "CD;80", "BD;30", "CE;70", "BX;20"});
    // H1 keeps AB and AC. Under a minimum of 25, AC leaves V2 two entries (CD, CE) and
    // AB one (BD), so the room puts AC first where the score puts AB first.
    EXPECT_EQ(Words(Check(0, CandidateOrder::Score)), (std::vector<std::string>{"AB", "AC"}));
    doc.scoring.minScore = 25;
    const FillabilityReport report = Check(0, CandidateOrder::Room);
    EXPECT_EQ(Words(report), (std::vector<std::string>{"AC", "AB"}));
    EXPECT_GT(report.focusCandidates[0].room, report.focusCandidates[1].room);
}

TEST_F(FillabilityTest, AnAnswerInPartsCountsItsScarcestPart) {
    SetGrid(doc, {"...B"});
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths = {2, 2};
    EXPECT_EQ(Check().candidates, std::vector<int>{1});
}

TEST_F(FillabilityTest, ACancelledCheckReportsNothing) {
    cancel = true;
    EXPECT_FALSE(Check().checked);
}

}  // namespace
