// The search as a service: it runs on a stack of its own, whatever thread asks.
#include "search/search_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "search_test_support.h"
#include "test_support.h"

namespace {

constexpr std::size_t WINDOWS_DEFAULT_STACK = std::size_t{1} << 20;

// 100 x 100 cells in 3 x 3 blocks between black lines: 3,750 words of three letters.
std::vector<std::string> ThreeLetterGrid() {
    std::vector<std::string> rows;
    for (int y = 0; y < MAX_GRID_SIDE; ++y) {
        std::string row;
        for (int x = 0; x < MAX_GRID_SIDE; ++x) row += x % 4 == 3 || y % 4 == 3 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// One level per word goes deeper than a 1 MiB stack allows, for both methods.
TEST(SearchService, FillsAHundredByHundredGridAskedForFromAOneMebibyteStack) {
    TempDir dir;
    TestDoc doc;
    SetGrid(doc, ThreeLetterGrid());
    ASSERT_EQ(doc.puzzle().words.size(), 3750u);
    Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "aaa", 3, {"AAA"});
    Arrange(doc)->search.allDifferent = false;
    Arrange(doc)->search.maxSolutions = 1;
    for (const SearchMethod method : {SearchMethod::Exact, SearchMethod::Fast}) {
        SCOPED_TRACE(SearchMethodName(method));
        std::size_t searchStack = 0;
        SearchCallbacks callbacks;
        callbacks.trace = [&searchStack](int level, int, int) {
            if (level == 0) searchStack = CurrentThreadStackBytes();
        };
        SearchOutcome outcome;
        ASSERT_TRUE(RunOnThreadWithStack(WINDOWS_DEFAULT_STACK, [&] {
            std::atomic<bool> interrupt{false};
            outcome = Solve(SearchRequest(doc.puzzle(), doc.scoring, method), callbacks, interrupt);
        }));
        ASSERT_EQ(outcome.results.solutionCount, 1);
        EXPECT_EQ(outcome.results.solutions[0].find(' '), std::string::npos);
        EXPECT_GE(searchStack, SEARCH_STACK_BYTES);
        EXPECT_EQ(doc.puzzle().GridToString().find('A'), std::string::npos);
    }
}

// Nothing fits at 50: the fill goes down to 20, and says so, when allowed; never to 0.
TEST(SearchService, LowersTheMinimumScoreOnlyWhenAllowedAndNeverToZero) {
    TempDir dir;
    TestDoc doc;
    SetGrid(doc, {"..", ".."});
    doc.scoring.minScore = 50;
    const auto fill = [&](const std::vector<std::string>& words, bool lower) {
        Arrange(doc)->search.wordFile = WriteWordList(dir.Path(""), "sc", 2, words);
        doc.scoring.lowerWhenNothingFits = lower;
        std::atomic<bool> interrupt{false};
        return Solve(SearchRequest(doc.puzzle(), doc.scoring, SearchMethod::Fast), {}, interrupt);
    };
    const std::vector<std::string> names = {"AB;90", "CD;60", "AC;20", "BD;25"};
    EXPECT_EQ(fill(names, false).results.solutionCount, 0);
    const SearchOutcome lowered = fill(names, true);
    ASSERT_GT(lowered.results.solutionCount, 0);
    EXPECT_NE(lowered.resultText.find("; minimale score verlaagd van 50 naar 20"),
              std::string::npos)
        << lowered.resultText;
    EXPECT_NE(lowered.lowestText.find("AC (20)"), std::string::npos) << lowered.lowestText;
    EXPECT_EQ(fill({"AB;90", "CD;60", "AC;0", "BD;25"}, true).results.solutionCount, 0);
}

// "Vul selectie" on the top left 2 x 2: the unlocked letters inside are filled again,
// the locked A stays, and no cell outside changes, an empty one neither.
TEST(SearchService, ARegionFillRefillsInsideKeepsLockedLettersAndChangesNothingOutside) {
    TempDir dir;
    Rooster2Doc doc;
    SetGrid(doc, {"ABC", "DEF", "GHI"});
    Arrange(doc)->SetLocked(0, 0, true);
    Arrange(doc)->search.wordFile =
        WriteWordList(dir.Path(""), "rg", 3,
                      {"ABC", "DEF", "ADG", "BEH", "AXC", "YZF", "AYG", "XZH", "QXC", "QYG"});
    const auto fill = [&](SearchMethod method) {
        SearchRequest request(doc.puzzle(), WordScoring(), method);
        request.region = GridRegion{0, 0, 1, 1};
        std::atomic<bool> interrupt{false};
        std::vector<std::string> solutions = Solve(request, {}, interrupt).results.solutions;
        std::sort(solutions.begin(), solutions.end());
        return solutions;
    };
    for (const SearchMethod method : {SearchMethod::Exact, SearchMethod::Fast}) {
        SCOPED_TRACE(SearchMethodName(method));
        EXPECT_EQ(fill(method), (std::vector<std::string>{"ABCDEFGHI", "AXCYZFGHI"}));
    }
    // Empty cells below: the down words may end in any letter; fills that differ only
    // there are one fill.
    SetGrid(doc, {"ABC", "DEF", "..."});
    EXPECT_EQ(fill(SearchMethod::Exact), (std::vector<std::string>{"ABCDEF   ", "AXCYZF   "}));
}

}  // namespace
