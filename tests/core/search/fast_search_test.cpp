// The fast fill against the exact one: on puzzles small enough to enumerate,
// the same set of solutions when all are asked for (so "no solutions" exactly
// when there is none), each solution once, and every search option honoured.
#include "search/fast_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "model/rooster2_doc.h"
#include "random_puzzle.h"
#include "search/exact_search.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

constexpr int CASES = 300;
constexpr long long EXACT_BUDGET = 20000;

struct Found {
    bool started = false;
    bool stoppedByBudget = false;
    SearchResults results;
    std::string resultText;
    std::string gridAfter;
};

template <typename Search>
Found RunSearch(TestDoc doc, unsigned seed, long long budget = 0) {
    Search search(doc.puzzle(), doc.scoring);
    FakeClock clock;
    LcgRandom random;
    search.clock = &clock;
    search.random = &random;
    search.seed = seed;
    SearchRecord record;
    RecordInto(search, record, budget);
    Found found;
    found.started = search.Run();
    found.stoppedByBudget =
        budget > 0 && static_cast<long long>(record.placements.size()) >= budget;
    found.results = search.results;
    found.resultText = search.ResultText();
    found.gridAfter = doc.puzzle().GridToString();
    return found;
}

std::set<std::string> AsSet(const Found& found) {
    return {found.results.solutions.begin(), found.results.solutions.end()};
}

// A list line with a lower-case y puts an IJ cell into a free cell, after which
// the crossing word must hold a capital Y there: which of the two words came
// first decides, so the exact order's solutions depend on that order. The
// comparison leaves such puzzles out.
bool WritesIjCell(const TestDoc& doc, const Found& found) {
    for (const std::string& solution : found.results.solutions)
        for (int cell = 0; cell < doc.puzzle().CellCount(); ++cell)
            if (doc.puzzle().cells[cell] == CELL_VRIJ &&
                solution[cell] == static_cast<char>(CELL_IJ))
                return true;
    return false;
}

TEST(FastSearch, FindsTheSameSolutionsAsTheExactMethodOnRandomPuzzles) {
    TempDir dir;
    int withSolutions = 0;
    int without = 0;
    int compared = 0;
    for (unsigned c = 0; c < CASES; ++c) {
        SCOPED_TRACE("case " + std::to_string(c));
        RandomCase randomCase(c, dir);
        TestDoc doc;
        randomCase.Make(doc);
        const unsigned seed = randomCase.Seed();
        Arrange(doc)->search.maxSolutions = 0;
        const Found exact = RunSearch<ExactSearch>(doc, seed, EXACT_BUDGET);
        if (exact.stoppedByBudget) continue;
        const Found fast = RunSearch<FastSearch>(doc, seed);
        ASSERT_EQ(exact.started, fast.started);
        if (!fast.started || WritesIjCell(doc, exact) || WritesIjCell(doc, fast)) continue;
        ++compared;
        const std::set<std::string> solutions = AsSet(exact);
        EXPECT_EQ(AsSet(fast), solutions);
        EXPECT_EQ(AsSet(fast).size(), fast.results.solutions.size()) << "a solution twice";
        EXPECT_EQ(fast.gridAfter, doc.puzzle().GridToString());
        (solutions.empty() ? without : withSolutions) += 1;

        // With a maximum the search stops at that many distinct solutions.
        Arrange(doc)->search.maxSolutions = 2;
        const Found limited = RunSearch<FastSearch>(doc, seed);
        EXPECT_EQ(limited.results.solutionCount,
                  std::min<int>(2, static_cast<int>(solutions.size())));
        for (const std::string& solution : limited.results.solutions)
            EXPECT_TRUE(solutions.count(solution));
    }
    EXPECT_GT(compared, CASES / 2);
    EXPECT_GT(withSolutions, CASES / 10);
    EXPECT_GT(without, CASES / 10);
}

// One small puzzle and one option changed per row: the fast fill finds exactly
// the exact method's solutions, and there are some.
class FastSearchOptions : public ::testing::Test {
protected:
    void SetUp() override {
        m_set = WriteWordList(
            m_dir.Path(""), "nl", 3,
            {"ABA", "AEJ", "AIJ", "AJA", "BCA", "BYB", "BYY", "CAY", "CBE", "CCE", "CDB", "CDC",
             "CEY", "CYB", "DCA", "DCB", "EAE", "EAI", "EBB", "EEC", "JAB", "JBJ", "YYB", "YYC"});
        m_extra = WriteWordList(m_dir.Path(""), "ex", 3, {"CBE", "DCA", "CCE", "AEJ", "JAB"});
        WriteWordList(m_dir.Path(""), "nl", 2, {"CB", "BE", "YY", "YB", "CA", "DC"});
        WriteWordList(m_dir.Path(""), "ex", 2, {"CB"});
    }

    void ExpectSameSolutions(const std::function<void(TestDoc&)>& change) {
        TestDoc doc;
        SetGrid(doc, {"...", "...", "..."});
        Arrange(doc)->search.wordFile = m_set;
        Arrange(doc)->search.maxSolutions = 0;
        change(doc);
        const Found exact = RunSearch<ExactSearch>(doc, 1);
        const Found fast = RunSearch<FastSearch>(doc, 1);
        ASSERT_TRUE(fast.started);
        EXPECT_FALSE(AsSet(fast).empty());
        EXPECT_EQ(AsSet(fast), AsSet(exact));
    }

    TempDir m_dir;
    std::string m_set;
    std::string m_extra;
};

TEST_F(FastSearchOptions, HonoursEveryOptionAsTheExactMethodDoes) {
    const std::vector<std::pair<const char*, std::function<void(TestDoc&)>>> rows = {
        {"nothing changed", [](TestDoc&) {}},
        {"a letter in the grid", [](TestDoc& doc) { Arrange(doc)->SetCell(0, 0, 'C'); }},
        {"an IJ cell", [](TestDoc& doc) { Arrange(doc)->SetCell(1, 1, CELL_IJ); }},
        {"all different off", [](TestDoc& doc) { Arrange(doc)->search.allDifferent = false; }},
        {"IJ as two letters", [](TestDoc& doc) { Arrange(doc)->search.ijTwoLetters = true; }},
        {"excluded letters", [](TestDoc& doc) { Arrange(doc)->search.excludedLetters = "D"; }},
        {"maximum frequency", [](TestDoc& doc) { Arrange(doc)->search.maxFrequency = 3; }},
        {"maximum distinct", [](TestDoc& doc) { Arrange(doc)->search.maxDistinct = 4; }},
        {"an extra list",
         [this](TestDoc& doc) {
             Arrange(doc)->extraFiles = {m_extra};
             Arrange(doc)->words[0].extraList = 1;
         }},
        {"a split word",
         [](TestDoc& doc) {
             Arrange(doc)->SetCell(0, 0, 'C');
             Arrange(doc)->words[1].partCount = 2;
             Arrange(doc)->words[1].partLengths[0] = 1;
             Arrange(doc)->words[1].partLengths[1] = 2;
         }},
        {"across only",
         [](TestDoc& doc) {
             Arrange(doc)->numbering.acrossOnly = true;
             Arrange(doc)->BuildWords();
         }},
        {"Doorloper",
         [](TestDoc& doc) {
             Arrange(doc)->numbering.doorloper = true;
             Arrange(doc)->BuildWords();
         }},
    };
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        ExpectSameSolutions(change);
    }
}

TEST_F(FastSearchOptions, KeepsTheDeepestPartialFillWhenThereIsNoFill) {
    // Both fills use each word twice, which the letters alone do not rule out.
    TestDoc doc;
    SetGrid(doc, {"..", ".."});
    Arrange(doc)->search.wordFile = WriteWordList(m_dir.Path(""), "tw", 2, {"AB", "BA"});
    const Found fast = RunSearch<FastSearch>(doc, 1);
    EXPECT_EQ(fast.results.solutionCount, 0);
    EXPECT_NE(fast.resultText.find("geen oplossingen gevonden"), std::string::npos);
    EXPECT_GT(fast.results.bestDepth, 0);
    EXPECT_NE(fast.results.bestFill, doc.puzzle().GridToString());
}

TEST_F(FastSearchOptions, TriesTheBetterScoredWordFirst) {
    TestDoc doc;
    SetGrid(doc, {"..."});
    Arrange(doc)->search.wordFile =
        WriteWordList(m_dir.Path(""), "sc", 3, {"ABC;10", "DEF;90", "GHI;50"});
    Arrange(doc)->search.maxSolutions = 1;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const Found fast = RunSearch<FastSearch>(doc, seed);
        ASSERT_EQ(fast.results.solutionCount, 1);
        EXPECT_EQ(fast.results.solutions[0], "DEF");
    }
}

TEST_F(FastSearchOptions, AnInterruptionKeepsWhatWasFound) {
    TestDoc doc;
    SetGrid(doc, {"...", "...", "..."});
    Arrange(doc)->search.wordFile = m_set;
    Arrange(doc)->search.maxSolutions = 0;
    FastSearch search(doc.puzzle(), doc.scoring);
    search.seed = 3;
    search.callbacks.trace = [&search](int, int, int) {
        if (search.results.solutionCount > 0) search.Interrupt();
    };
    ASSERT_TRUE(search.Run());
    EXPECT_EQ(search.results.solutionCount, 1);
    EXPECT_EQ(search.ResultText().rfind("Onderbroken", 0), 0u);
    EXPECT_EQ(doc.puzzle().GridToString(), std::string(9, ' '));
}

}  // namespace
