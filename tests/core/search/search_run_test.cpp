// The search command's edge cases, for the exact method, the plain one and the fast fill alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "literal_search.h"
#include "model/rooster2_doc.h"
#include "search/exact_search.h"
#include "search/fast_search.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

template <typename Search>
class SearchRunTest : public ::testing::Test {
protected:
    // Runs a search on m_doc with a still clock; true when it started.
    bool RunSearch() {
        m_search = std::make_unique<Search>(m_doc.SearchPuzzle(), m_doc.scoring);
        m_search->clock = &m_clock;
        m_search->random = &m_random;
        m_search->seed = 1;
        RecordInto(*m_search, m_record);
        return m_search->Run();
    }
    std::string List(int length, const std::vector<std::string>& lines,
                     const std::string& base = "nl") {
        return WriteWordList(m_dir.Path(""), base, length, lines);
    }
    std::string FirstMessage() const {
        return m_search->Messages().empty() ? "" : m_search->Messages()[0].text;
    }

    TempDir m_dir;
    TestDoc m_doc;
    FakeClock m_clock;
    LcgRandom m_random;
    SearchRecord m_record;
    std::unique_ptr<Search> m_search;
};

using Implementations = ::testing::Types<ExactSearch, LiteralSearch, FastSearch>;
TYPED_TEST_SUITE(SearchRunTest, Implementations);

TYPED_TEST(SearchRunTest, AMinimumScoreKeepsLowEntriesOutAndTheFillIsScored) {
    SetGrid(this->m_doc, {"..", ".."});
    // A puzzle that names no set searches the installed one and keeps its empty name.
    this->m_doc.defaultWordFile =
        this->List(2, {"AB;90", "CD;60", "AC;70", "BD;80", "AX;20", "BY;30", "XY;10"});
    this->m_doc.scoring.minScore = 50;
    ASSERT_TRUE(this->RunSearch());
    std::vector<std::string> solutions = this->m_search->results.solutions;
    std::sort(solutions.begin(), solutions.end());
    EXPECT_EQ(solutions, (std::vector<std::string>{"ABCD", "ACBD"}));
    EXPECT_EQ(this->m_search->ScoreText(), "Score: gemiddeld 75,0, laagste 60 (CD)");
    EXPECT_EQ(this->m_search->LowestText().find(" CD (60), "), 19u) << this->m_search->LowestText();
    EXPECT_EQ(this->m_doc.puzzle().search.wordFile, "");
}

// Every look at the clock is two seconds later, so every turn polls.
TYPED_TEST(SearchRunTest, TheTimeLimitInterruptsKeepingWhatWasFound) {
    SetGrid(this->m_doc, {"..", "##"});
    Arrange(this->m_doc)->search.wordFile = this->List(2, {"AB", "CD", "EF"});
    Arrange(this->m_doc)->search.maxSolutions = 0;
    this->m_clock.step = 2;
    for (const long long limit : {0LL, 1LL}) {
        SCOPED_TRACE(limit);
        this->m_search = std::make_unique<TypeParam>(this->m_doc.puzzle(), this->m_doc.scoring);
        this->m_search->clock = &this->m_clock;
        this->m_search->timeLimitSeconds = limit;
        ASSERT_TRUE(this->m_search->Run());
        EXPECT_EQ(this->m_search->TimeLimitReached(), limit > 0);
        EXPECT_EQ(this->m_search->ResultText().rfind(limit > 0 ? "Onderbroken" : "Klaar", 0), 0u);
        EXPECT_EQ(this->m_search->results.solutionCount<3, limit> 0);
    }
}

TYPED_TEST(SearchRunTest, TheSolutionLimitInterrupts) {
    SetGrid(this->m_doc, {"..", "##"});
    Arrange(this->m_doc)->search.wordFile = this->List(2, {"AB", "CD", "EF"});
    Arrange(this->m_doc)->search.maxSolutions = 1;
    Arrange(this->m_doc)->search.sound = true;
    ASSERT_TRUE(this->RunSearch());
    EXPECT_EQ(this->m_search->ResultText(), "Onderbroken na 0:00:00 (0.0 sec), 1 oplossing");
    EXPECT_EQ(this->m_record.beeps, std::vector<SearchBeep>{SearchBeep::Solution});
    Arrange(this->m_doc)->search.maxSolutions = 0;
    // The search fills its own copy: at every solution the document's grid is still empty.
    std::vector<std::string> documentGrids;
    std::vector<std::string> workingGrids;
    this->m_search = std::make_unique<TypeParam>(this->m_doc.puzzle(), this->m_doc.scoring);
    this->m_search->callbacks.redraw = [&](const Puzzle& filling) {
        documentGrids.push_back(this->m_doc.puzzle().GridToString());
        workingGrids.push_back(filling.GridToString());
    };
    ASSERT_TRUE(this->m_search->Run());
    EXPECT_EQ(this->m_search->ResultText().substr(this->m_search->ResultText().find(',')),
              ", 3 oplossingen");
    const std::string blacks(2, static_cast<char>(CELL_ZWART));
    EXPECT_EQ(documentGrids, std::vector<std::string>(documentGrids.size(), "  " + blacks));
    if constexpr (std::is_same_v<TypeParam, FastSearch>) {
        // Its own order: every solution drawn in the copy.
        for (const char* word : {"AB", "CD", "EF"})
            EXPECT_NE(std::find(workingGrids.begin(), workingGrids.end(), word + blacks),
                      workingGrids.end());
    } else {
        EXPECT_EQ(workingGrids.back(), "EF" + blacks);
    }
}

}  // namespace
