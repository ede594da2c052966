// The fast engine against the plain method on many random small puzzles: the
// same placements in the same order, the same progress, solutions and best fill.
#include <gtest/gtest.h>

#include <random>

#include "literal_search.h"
#include "model/rooster2_doc.h"
#include "search/search_engine.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

constexpr int CASES = 400;
constexpr long long PLACEMENT_BUDGET = 1500;

class CRandomCase {
public:
    // scored: the lines carry scores (some malformed) and the search a minimum.
    CRandomCase(unsigned seed, const TempDir& dir, bool scored = false)
        : m_rng(seed), m_dir(dir), m_scored(scored) {}

    void Make(CRooster2Doc& doc) {
        MakeGrid(doc);
        MakeOptions(doc);
        if (m_scored) doc.scoring.minScore = Between(0, 60);
        MakeLists(doc, "main", doc.puzzle.search.wordFile);
        if (Chance(0.3)) {
            std::string extra;
            MakeLists(doc, "extr", extra);
            doc.puzzle.extraFiles.push_back(extra);
            for (WordInfo& word : doc.puzzle.words)
                if (Chance(0.3)) word.extraList = 1;
        }
        for (WordInfo& word : doc.puzzle.words) {
            if (word.length >= 4 && Chance(0.2)) {
                word.partCount = 2;
                word.partLengths[0] = static_cast<std::uint8_t>(Between(1, word.length - 1));
                word.partLengths[1] = static_cast<std::uint8_t>(word.length - word.partLengths[0]);
            }
        }
    }

    unsigned Seed() { return static_cast<unsigned>(m_rng()); }

private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    char Letter(const char* alphabet) {
        const std::string letters = alphabet;
        return letters[Between(0, static_cast<int>(letters.size()) - 1)];
    }

    void MakeGrid(CRooster2Doc& doc) {
        doc.puzzle.width = Between(2, 6);
        doc.puzzle.height = Between(2, 6);
        for (int y = 0; y < doc.puzzle.height; ++y)
            for (int x = 0; x < doc.puzzle.width; ++x)
                doc.puzzle.SetCell(x, y, Chance(0.2) ? CELL_ZWART : Chance(0.03) ? CELL_NIET : CELL_VRIJ);
        doc.puzzle.BuildWords();
        for (int cell = 0; cell < doc.puzzle.CellCount(); ++cell) {
            if (doc.puzzle.cells[cell] != CELL_VRIJ || !Chance(0.12)) continue;
            doc.puzzle.cells[cell] = Chance(0.2) ? CELL_IJ : static_cast<Cell>(Letter("ABCDE"));
        }
    }

    void MakeOptions(CRooster2Doc& doc) {
        doc.puzzle.search.allDifferent = Chance(0.5);
        doc.puzzle.search.randomOrder = Chance(0.4);
        doc.puzzle.search.ijTwoLetters = Chance(0.3);
        doc.puzzle.search.maxFrequency = Chance(0.2) ? Between(1, 5) : 0;
        doc.puzzle.search.maxDistinct = Chance(0.2) ? Between(2, 6) : 0;
        doc.puzzle.search.maxSolutions = Between(0, 6);
        doc.puzzle.search.showWhileSearching = Chance(0.5);
        doc.puzzle.search.sound = Chance(0.5);
        doc.puzzle.search.excludedLetters = Chance(0.15) ? "D" : "";
    }

    // Lines for every length up to the grid's side, with noise the loader must skip.
    void MakeLists(const CRooster2Doc& doc, const std::string& base, std::string& setName) {
        const int longest = std::max(doc.puzzle.width, doc.puzzle.height);
        for (int length = 2; length <= std::max(longest, 2); ++length) {
            std::vector<std::string> lines;
            const int count = Chance(0.05) ? 0 : Chance(0.3) ? Between(41, 300) : Between(1, 40);
            for (int i = 0; i < count; ++i) {
                std::string line;
                for (int k = 0; k < length; ++k)
                    line += Chance(0.03) ? Letter("abyIJ") : Letter("ABCDEY");
                if (Chance(0.05)) line += "  ";
                if (Chance(0.04)) line.pop_back();
                if (m_scored) line += Chance(0.05) ? ";x" : ";" + std::to_string(Between(0, 100));
                lines.push_back(line);
                if (Chance(0.1)) lines.push_back(line);
            }
            setName = WriteWordList(m_dir.Path(""), base, length, lines);
        }
    }

    std::mt19937 m_rng;
    const TempDir& m_dir;
    bool m_scored;
};

struct Outcome {
    bool started = false;
    SearchRecord record;
    std::vector<std::string> messages;
    SearchResults results;
    std::string resultText;
    std::string gridAfter;
    std::size_t wordsAfter = 0;
    int phaseAfter = 0;
};

template <typename Search>
Outcome RunOn(CRooster2Doc doc, unsigned seed) {
    Search search(doc);
    CFakeClock clock(1);
    CLcgRandom random;
    search.m_clock = &clock;
    search.m_random = &random;
    search.m_seed = seed;
    Outcome outcome;
    RecordInto(search, outcome.record, PLACEMENT_BUDGET);
    outcome.started = search.Run();
    for (const UserMessage& message : search.Messages()) outcome.messages.push_back(message.text);
    outcome.results = search.m_results;
    outcome.resultText = search.ResultText();
    outcome.gridAfter = doc.puzzle.GridToString();
    outcome.wordsAfter = doc.puzzle.words.size();
    outcome.phaseAfter = doc.phase;
    return outcome;
}

// The two methods agree on everything the run reports.
void ExpectSameOutcome(const Outcome& plain, const Outcome& fast, const CRooster2Doc& doc) {
    ASSERT_EQ(plain.started, fast.started);
    ASSERT_EQ(plain.messages, fast.messages);
    ASSERT_EQ(plain.record.placements, fast.record.placements);
    ASSERT_EQ(plain.record.statuses, fast.record.statuses);
    EXPECT_EQ(plain.record.polls, fast.record.polls);
    EXPECT_EQ(plain.record.redraws, fast.record.redraws);
    EXPECT_EQ(plain.record.beeps, fast.record.beeps);
    EXPECT_EQ(plain.results.m_solutions, fast.results.m_solutions);
    EXPECT_EQ(plain.results.m_solutionCount, fast.results.m_solutionCount);
    EXPECT_EQ(plain.results.m_bestFill, fast.results.m_bestFill);
    EXPECT_EQ(plain.results.m_bestDepth, fast.results.m_bestDepth);
    EXPECT_EQ(plain.resultText, fast.resultText);
    EXPECT_EQ(fast.gridAfter, doc.puzzle.GridToString());
    EXPECT_EQ(fast.wordsAfter, doc.puzzle.words.size());
    EXPECT_EQ(plain.phaseAfter, fast.phaseAfter);
}

TEST(SearchEngineDifferential, MatchesThePlainMethodOnRandomPuzzles) {
    TempDir dir;
    int withSolutions = 0;
    int withBestFill = 0;
    for (unsigned c = 0; c < CASES; ++c) {
        SCOPED_TRACE("case " + std::to_string(c));
        CRandomCase randomCase(c, dir);
        CRooster2Doc doc;
        randomCase.Make(doc);
        const unsigned seed = randomCase.Seed();
        const Outcome plain = RunOn<CLiteralSearch>(doc, seed);
        const Outcome fast = RunOn<CSearchEngine>(doc, seed);
        ExpectSameOutcome(plain, fast, doc);
        if (fast.results.m_solutionCount > 0) ++withSolutions;
        if (fast.results.m_bestDepth > 0) ++withBestFill;
    }
    // The generator must reach both kinds of outcome, or the comparison proves little.
    EXPECT_GT(withSolutions, CASES / 10);
    EXPECT_GT(withBestFill, CASES / 20);
}

TEST(SearchEngineDifferential, MatchesThePlainMethodWithScoredListsAndAMinimum) {
    TempDir dir;
    int withSolutions = 0;
    for (unsigned c = 0; c < CASES / 4; ++c) {
        SCOPED_TRACE("case " + std::to_string(c));
        CRandomCase randomCase(c, dir, true);
        CRooster2Doc doc;
        randomCase.Make(doc);
        const unsigned seed = randomCase.Seed();
        const Outcome plain = RunOn<CLiteralSearch>(doc, seed);
        const Outcome fast = RunOn<CSearchEngine>(doc, seed);
        ExpectSameOutcome(plain, fast, doc);
        if (fast.results.m_solutionCount > 0) ++withSolutions;
    }
    EXPECT_GT(withSolutions, CASES / 40);
}

}  // namespace
