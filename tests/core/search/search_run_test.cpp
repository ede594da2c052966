// The search command's edge cases, for the indexed engine, the plain method and the fast fill alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "literal_search.h"
#include "model/rooster2_doc.h"
#include "search/fast_search.h"
#include "search/search_engine.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

template <typename Search>
class SearchRunTest : public ::testing::Test {
protected:
    // Runs a search on m_doc with a still clock; true when it started.
    bool RunSearch() {
        m_search = std::make_unique<Search>(m_doc);
        m_search->m_clock = &m_clock;
        m_search->m_random = &m_random;
        m_search->m_seed = 1;
        RecordInto(*m_search, m_record);
        return m_search->Run();
    }
    std::string List(int length, const std::vector<std::string>& lines, const std::string& base = "nl") {
        return WriteWordList(m_dir.Path(""), base, length, lines);
    }
    std::string FirstMessage() const {
        return m_search->Messages().empty() ? "" : m_search->Messages()[0].text;
    }

    TempDir m_dir;
    CRooster2Doc m_doc;
    CFakeClock m_clock;
    CLcgRandom m_random;
    SearchRecord m_record;
    std::unique_ptr<Search> m_search;
};

using Implementations = ::testing::Types<CSearchEngine, CLiteralSearch, CFastSearch>;
TYPED_TEST_SUITE(SearchRunTest, Implementations);

TYPED_TEST(SearchRunTest, AFullGridIsOneSolutionAtOnce) {
    SetGrid(this->m_doc, {"AB", "CD"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"XX"});
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->m_results.m_solutions, std::vector<std::string>{"ABCD"});
    EXPECT_EQ(this->m_search->ResultText(), "Klaar na 0:00:00 (0.0 sec), 1 oplossing");
    EXPECT_EQ(this->m_doc.phase, PHASE_VULLEN);
}

TYPED_TEST(SearchRunTest, AMinimumScoreKeepsLowEntriesOutAndTheFillIsScored) {
    SetGrid(this->m_doc, {"..", ".."});
    this->m_doc.puzzle.search.wordFile =
        this->List(2, {"AB;90", "CD;60", "AC;70", "BD;80", "AX;20", "BY;30", "XY;10"});
    this->m_doc.scoring.minScore = 50;
    ASSERT_TRUE(this->RunSearch());
    std::vector<std::string> solutions = this->m_search->m_results.m_solutions;
    std::sort(solutions.begin(), solutions.end());
    EXPECT_EQ(solutions, (std::vector<std::string>{"ABCD", "ACBD"}));
    EXPECT_EQ(this->m_search->ScoreText(), "Score: gemiddeld 75,0, laagste 60 (CD)");
}

TYPED_TEST(SearchRunTest, CrossingWordsWithoutAgreementGiveNoSolutionAndABeep) {
    SetGrid(this->m_doc, {"..", ".#"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB", "CD"});
    this->m_doc.puzzle.search.allDifferent = false;
    this->m_doc.puzzle.words[1].extraList = 1;
    this->m_doc.puzzle.extraFiles.push_back(this->List(2, {"XY"}, "ex"));
    this->m_doc.phase = PHASE_VORMEN;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->ResultText(), "Klaar na 0:00:00 (0.0 sec), geen oplossingen gevonden");
    EXPECT_EQ(this->m_record.beeps, std::vector<SearchBeep>{SearchBeep::NoSolution});
    if constexpr (std::is_same_v<TypeParam, CFastSearch>) {
        // Propagation sees before any placement that nothing fits: no partial fill.
        EXPECT_EQ(this->m_search->m_results.m_bestDepth, 0);
    } else {
        EXPECT_EQ(this->m_search->m_results.m_bestDepth, 1);
        // The down word has one candidate and goes first; the across word then fits none.
        EXPECT_EQ(this->m_search->m_results.m_bestFill, std::string("X Y") + char(CELL_ZWART));
    }
    EXPECT_EQ(this->m_doc.phase, PHASE_VORMEN);
    EXPECT_EQ(this->m_doc.puzzle.GridToString(), std::string("   ") + char(CELL_ZWART));
}

TYPED_TEST(SearchRunTest, TheSolutionLimitInterrupts) {
    SetGrid(this->m_doc, {"..", "##"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB", "CD", "EF"});
    this->m_doc.puzzle.search.maxSolutions = 1;
    this->m_doc.puzzle.search.sound = true;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->ResultText(), "Onderbroken na 0:00:00 (0.0 sec), 1 oplossing");
    EXPECT_EQ(this->m_record.beeps, std::vector<SearchBeep>{SearchBeep::Solution});
    this->m_doc.puzzle.search.maxSolutions = 0;
    // The search fills its own copy: at every solution the document's grid is still empty.
    std::vector<std::string> documentGrids;
    std::vector<std::string> workingGrids;
    this->m_search = std::make_unique<TypeParam>(this->m_doc);
    this->m_search->m_callbacks.redraw = [&] {
        documentGrids.push_back(this->m_doc.puzzle.GridToString());
        workingGrids.push_back(this->m_search->WorkingPuzzle().GridToString());
    };
    ASSERT_TRUE(this->m_search->Run());
    EXPECT_EQ(this->m_search->ResultText().substr(this->m_search->ResultText().find(',')),
              ", 3 oplossingen");
    const std::string blacks(2, static_cast<char>(CELL_ZWART));
    EXPECT_EQ(documentGrids, std::vector<std::string>(documentGrids.size(), "  " + blacks));
    if constexpr (std::is_same_v<TypeParam, CFastSearch>) {
        // Its own order: every solution drawn in the copy.
        for (const char* word : {"AB", "CD", "EF"})
            EXPECT_NE(std::find(workingGrids.begin(), workingGrids.end(), word + blacks), workingGrids.end());
    } else {
        EXPECT_EQ(workingGrids.back(), "EF" + blacks);
    }
}

TYPED_TEST(SearchRunTest, AllDifferentKeepsEqualWordsApart) {
    SetGrid(this->m_doc, {"..", "##", ".."});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB", "CD"});
    this->m_doc.puzzle.search.maxSolutions = 0;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->m_results.m_solutionCount, 2);
    this->m_doc.puzzle.search.allDifferent = false;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->m_results.m_solutionCount, 4);
}

TYPED_TEST(SearchRunTest, AnIjCellMatchesYAndKeepsItsCode) {
    SetGrid(this->m_doc, {"y.", "##"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"IJS", "AB", "YS"});
    ASSERT_TRUE(this->RunSearch());
    ASSERT_EQ(this->m_search->m_results.m_solutionCount, 1);
    EXPECT_EQ(this->m_search->m_results.m_solutions[0].substr(0, 2), "yS");
}

TYPED_TEST(SearchRunTest, MaxFrequencyCountsLettersAlreadyInTheGrid) {
    SetGrid(this->m_doc, {"A.", "#A", ".#"});
    this->m_doc.puzzle.numbering.acrossOnly = true;
    this->m_doc.puzzle.BuildWords();
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB"});
    this->m_doc.puzzle.search.maxFrequency = 1;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->m_results.m_solutionCount, 0);
    this->m_doc.puzzle.search.maxFrequency = 2;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->m_results.m_solutionCount, 1);
}

TYPED_TEST(SearchRunTest, AListOfAMillionEntriesIsSearchedNotTakenForASolution) {
    SetGrid(this->m_doc, {"..", "##"});
    std::string text;
    for (int i = 0; i < 1000001; ++i) text += "AB\n";
    this->m_doc.puzzle.search.wordFile = this->m_dir.Path("nl02.doc");
    WriteFileOrFail(this->m_doc.puzzle.search.wordFile, text);
    this->m_doc.puzzle.search.maxSolutions = 1;
    ASSERT_TRUE(this->RunSearch());
    ASSERT_EQ(this->m_search->m_results.m_solutionCount, 1);
    EXPECT_EQ(this->m_search->m_results.m_solutions[0].substr(0, 2), "AB");
}

TYPED_TEST(SearchRunTest, AnInvalidListNumberStopsBeforeLoading) {
    SetGrid(this->m_doc, {"..", "##"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB"});
    this->m_doc.puzzle.words[0].extraList = 2;
    this->m_doc.puzzle.words[0].clue = "test";
    EXPECT_FALSE(this->RunSearch());
    EXPECT_EQ(this->FirstMessage(), "Index in 'H1. test (2) *2' incorrect, zoeken zinloos.");
}

TYPED_TEST(SearchRunTest, AWordWithoutCandidatesIsReportedAfterTheLoadingMessages) {
    SetGrid(this->m_doc, {"...", "..#"});
    this->m_doc.puzzle.words[0].partCount = 2;
    this->m_doc.puzzle.words[0].partLengths = {1, 2};
    this->m_doc.puzzle.search.wordFile = this->m_dir.Path("zz03.doc");
    const std::size_t words = this->m_doc.puzzle.words.size();
    EXPECT_FALSE(this->RunSearch());
    ASSERT_EQ(this->m_search->Messages().size(), 2u);
    EXPECT_EQ(this->m_search->Messages()[0].text, "Bestand " + this->m_dir.Path("zz02.doc") + " ontbreekt.");
    EXPECT_EQ(this->m_search->Messages()[1].text, "V1.  (2) kandidaatloos, zoeken zinloos.");
    EXPECT_EQ(this->m_doc.puzzle.words.size(), words);
    EXPECT_EQ(this->m_doc.phase, PHASE_VORMEN);
}

TYPED_TEST(SearchRunTest, RedrawsAtEveryNewDeepestLevelAndSolution) {
    SetGrid(this->m_doc, {"..", "##"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"AB", "CD"});
    this->m_doc.puzzle.search.maxSolutions = 0;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_record.redraws, 3);  // level 1 once, two solutions
    this->m_doc.puzzle.search.showWhileSearching = false;
    this->m_record = SearchRecord();
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_record.redraws, 0);
}

TYPED_TEST(SearchRunTest, ProgressComesEveryTwoSecondsWithTheLevelTexts) {
    SetGrid(this->m_doc, {"...", "...", "..."});
    this->m_doc.puzzle.search.wordFile = this->List(3, {"ABC", "BCA", "CAB", "AAA"});
    this->m_doc.puzzle.search.allDifferent = false;
    this->m_doc.puzzle.search.maxSolutions = 0;
    this->m_clock.m_step = 1;
    ASSERT_TRUE(this->RunSearch());
    ASSERT_GE(this->m_record.statuses.size(), 4u);
    EXPECT_EQ(this->m_record.statuses[0],
              std::make_pair(0, std::string("Zoekende, aantal oplossingen 0, druk op <ESC> om te onderbreken.")));
    EXPECT_EQ(this->m_record.statuses[1], std::make_pair(1, std::string()));
    EXPECT_EQ(this->m_record.polls * 2, static_cast<int>(this->m_record.statuses.size()));
    EXPECT_EQ(this->m_search->Progress().rfind("H1 ", 0), 0u) << this->m_search->Progress();
}

TYPED_TEST(SearchRunTest, TheResultTextShowsHoursMinutesAndSeconds) {
    SetGrid(this->m_doc, {"AB", "CD"});
    this->m_doc.puzzle.search.wordFile = this->List(2, {"XX"});
    // Read at the start, at the one node and at the end: 90062 s is a day and 1:01:02.
    this->m_clock.m_step = 45031;
    this->m_clock.m_millis = 0;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_NE(this->m_search->ResultText().find(" na "), std::string::npos);
    EXPECT_EQ(this->m_search->ResultText().substr(0, 18), "Klaar na 1:01:02 (");
}

}  // namespace
