// "Frequentieverdeling": the letters per open cell over the solutions, the cell
// that varies least with its status text, and the grid layout of the counts.
#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "search/solution_frequencies.h"
#include "test_support.h"

namespace {

class SolutionFrequencies : public ::testing::Test {
protected:
    void SetUp() override { SetGrid(m_doc, {"A..", "#..", "..."}); }
    CRooster2Doc m_doc;
    const std::vector<std::string> m_solutions = {"ABC#DEFGH", "AXC#DEFGY", "AYC#QEFGH"};
};

TEST_F(SolutionFrequencies, CountsTheDistinctLettersOfEveryOpenCell) {
    const std::vector<CellVariety> cells = LettersPerOpenCell(m_doc.puzzle, m_solutions);
    std::vector<int> letters;
    for (const CellVariety& cell : cells) letters.push_back(cell.letters);
    EXPECT_EQ(letters, (std::vector<int>{3, 1, 2, 1, 1, 1, 2}));
    EXPECT_EQ(FormatLettersPerCell(m_doc.puzzle, cells), "  .  3  1\n  #  2  1\n  1  1  2\n");
}

TEST_F(SolutionFrequencies, NamesTheFirstCellThatVariesLeastByItsWords) {
    const auto least = FindLeastVariedCell(m_doc.puzzle, m_solutions);
    ASSERT_TRUE(least);
    EXPECT_EQ(least->cell.x, 2);
    EXPECT_EQ(least->cell.y, 0);
    EXPECT_EQ(least->statusText, "Vak H1/V3: 1 letter in 3 oplossingen");
    // A cell in one word only is named by that word.
    SetGrid(m_doc, {"..", "##"});
    EXPECT_EQ(FindLeastVariedCell(m_doc.puzzle, {"AB##"})->statusText, "Vak H1: 1 letter in 1 oplossing");
    EXPECT_FALSE(FindLeastVariedCell(m_doc.puzzle, {}));
}

}  // namespace
