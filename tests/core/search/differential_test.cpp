// The exact method against the plain one on many random small puzzles: the
// same placements in the same order, the same progress, solutions and best fill.
#include <gtest/gtest.h>

#include "literal_search.h"
#include "model/rooster2_doc.h"
#include "random_puzzle.h"
#include "search/exact_search.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

constexpr int CASES = 400;
constexpr long long PLACEMENT_BUDGET = 1500;

struct Outcome {
    bool started = false;
    SearchRecord record;
    std::vector<std::string> messages;
    SearchResults results;
    std::string resultText;
    std::string gridAfter;
    std::size_t wordsAfter = 0;
    Phase phaseAfter = Phase::Vormen;
};

template <typename Search>
Outcome RunOn(TestDoc doc, unsigned seed) {
    Search search(doc.puzzle(), doc.scoring);
    FakeClock clock(1);
    LcgRandom random;
    search.clock = &clock;
    search.random = &random;
    search.seed = seed;
    Outcome outcome;
    RecordInto(search, outcome.record, PLACEMENT_BUDGET);
    outcome.started = search.Run();
    for (const UserMessage& message : search.Messages()) outcome.messages.push_back(message.text);
    outcome.results = search.results;
    outcome.resultText = search.ResultText();
    outcome.gridAfter = doc.puzzle().GridToString();
    outcome.wordsAfter = doc.puzzle().words.size();
    outcome.phaseAfter = doc.phase;
    return outcome;
}

// The two methods agree on everything the run reports.
void ExpectSameOutcome(const Outcome& plain, const Outcome& fast, const TestDoc& doc) {
    ASSERT_EQ(plain.started, fast.started);
    ASSERT_EQ(plain.messages, fast.messages);
    ASSERT_EQ(plain.record.placements, fast.record.placements);
    ASSERT_EQ(plain.record.statuses, fast.record.statuses);
    EXPECT_EQ(plain.record.polls, fast.record.polls);
    EXPECT_EQ(plain.record.redraws, fast.record.redraws);
    EXPECT_EQ(plain.record.beeps, fast.record.beeps);
    EXPECT_EQ(plain.results.solutions, fast.results.solutions);
    EXPECT_EQ(plain.results.solutionCount, fast.results.solutionCount);
    EXPECT_EQ(plain.results.bestFill, fast.results.bestFill);
    EXPECT_EQ(plain.results.bestDepth, fast.results.bestDepth);
    EXPECT_EQ(plain.resultText, fast.resultText);
    EXPECT_EQ(fast.gridAfter, doc.puzzle().GridToString());
    EXPECT_EQ(fast.wordsAfter, doc.puzzle().words.size());
    EXPECT_EQ(plain.phaseAfter, fast.phaseAfter);
}

struct Reached {
    int withSolutions = 0;
    int withBestFill = 0;
};

// Runs both methods on `cases` random puzzles; scored: with scored lists and a minimum.
Reached CompareOnRandomPuzzles(unsigned cases, bool scored) {
    TempDir dir;
    Reached reached;
    for (unsigned c = 0; c < cases; ++c) {
        SCOPED_TRACE("case " + std::to_string(c));
        RandomCase randomCase(c, dir, scored);
        TestDoc doc;
        randomCase.Make(doc);
        const unsigned seed = randomCase.Seed();
        const Outcome plain = RunOn<LiteralSearch>(doc, seed);
        const Outcome fast = RunOn<ExactSearch>(doc, seed);
        ExpectSameOutcome(plain, fast, doc);
        if (fast.results.solutionCount > 0) ++reached.withSolutions;
        if (fast.results.bestDepth > 0) ++reached.withBestFill;
    }
    return reached;
}

// The generator must reach both kinds of outcome, or the comparison proves little.
TEST(ExactSearchDifferential, MatchesThePlainMethodOnRandomPuzzles) {
    const Reached reached = CompareOnRandomPuzzles(CASES, false);
    EXPECT_GT(reached.withSolutions, CASES / 10);
    EXPECT_GT(reached.withBestFill, CASES / 20);
}

TEST(ExactSearchDifferential, MatchesThePlainMethodWithScoredListsAndAMinimum) {
    EXPECT_GT(CompareOnRandomPuzzles(CASES / 4, true).withSolutions, CASES / 40);
}

}  // namespace
