// The search options' OK rule and showing the solutions.
#include "editing/solution_browser.h"

#include <gtest/gtest.h>

#include "formats/solutions_file.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"
#include "search/search_options.h"
#include "test_support.h"

namespace {

TEST(SearchOptionsRule, UpperCasesExcludedLettersAndMarksModified) {
    Rooster2Doc doc;
    SearchOptions options = doc.puzzle().search;
    options.excludedLetters = "qx";
    options.wordFile = "/lijsten/nl05.doc";
    ApplySearchOptions(doc, options);
    EXPECT_EQ(doc.puzzle().search.excludedLetters, "QX");
    EXPECT_TRUE(doc.IsModified());
    doc.MarkSaved();
    ApplySearchOptions(doc, doc.puzzle().search);
    EXPECT_TRUE(doc.IsModified());
}

class SolutionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetGrid(m_doc, {"..", "#."});
        m_doc.phase = Phase::Vullen;
        m_before = m_doc.puzzle().GridToString();
        m_results.solutions = {Grid("AB", "C"), Grid("DE", "F"), Grid("GH", "I")};
        m_results.solutionCount = 3;
    }
    std::string Grid(const std::string& row0, const std::string& lastCell) const {
        return row0 + std::string(1, static_cast<char>(CELL_ZWART)) + lastCell;
    }

    Rooster2Doc m_doc;
    SearchResults m_results;
    std::string m_before;
};

TEST_F(SolutionsTest, NavigationStopsAtBothEnds) {
    SolutionBrowser browser(m_doc, m_results);
    ASSERT_TRUE(browser.CanShowSolutions());
    browser.OnShowSolutions();
    EXPECT_EQ(m_doc.phase, Phase::Tonen);
    EXPECT_EQ(browser.StatusText(), "Oplossing 1/3, met <ESC> stoppen");
    EXPECT_FALSE(browser.Previous());
    EXPECT_TRUE(browser.Last());
    EXPECT_EQ(browser.StatusText(), "Oplossing 3/3, met <ESC> stoppen");
    EXPECT_FALSE(browser.Next());
    EXPECT_EQ(browser.CurrentSolution(), 2);
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("GH", "I"));
    EXPECT_TRUE(browser.Previous());
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("DE", "F"));
}

TEST_F(SolutionsTest, DoneRestoresTheGridUnlessTheLastShownIsKept) {
    SolutionBrowser browser(m_doc, m_results);
    browser.OnShowSolutions();
    browser.Next();
    browser.OnSolutionsDone();
    EXPECT_EQ(m_doc.puzzle().GridToString(), m_before);
    EXPECT_EQ(m_doc.phase, Phase::Vullen);
    EXPECT_FALSE(m_doc.IsModified());

    Arrange(m_doc)->search.fillWithLastShown = true;
    browser.OnShowSolutions();
    browser.Next();
    browser.OnSolutionsDone();
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("DE", "F"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Histories().Fill().Size(), 1);
}

TEST_F(SolutionsTest, TakeOverKeepsTheShownSolutionWhateverTheOptionInOneUndoStep) {
    SolutionBrowser browser(m_doc, m_results);
    browser.OnShowSolutions();
    browser.Next();
    browser.TakeOverSolution();
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("DE", "F"));
    EXPECT_EQ(m_doc.phase, Phase::Vullen);
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_TRUE(m_doc.Histories().CanUndo(Phase::Vullen));
    m_doc.Undo();
    EXPECT_EQ(m_doc.puzzle().GridToString(), m_before);
    EXPECT_FALSE(m_doc.Histories().CanUndo(Phase::Vullen));
}

TEST_F(SolutionsTest, TheBestFillCountsEveryPartAsAWord) {
    m_results = SearchResults();
    m_results.bestFill = Grid("AB", " ");
    m_results.bestDepth = 1;
    Arrange(m_doc)->words[0].partCount = 2;
    Arrange(m_doc)->words[0].partLengths = {1, 1};
    SolutionBrowser browser(m_doc, m_results);
    EXPECT_FALSE(browser.CanShowSolutions());
    ASSERT_TRUE(browser.CanShowBest());
    browser.OnShowBest();
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("AB", " "));
    EXPECT_EQ(browser.StatusText(), "Beste oplossing met 1 correcte invullingen van de 3");
    EXPECT_EQ(m_doc.phase, Phase::Vullen);
}

TEST_F(SolutionsTest, TheLeastVariedCellGetsTheCursorWhileFillingAndWhileShowing) {
    m_results.solutions = {Grid("AB", "C"), Grid("DB", "F"), Grid("GE", "I")};
    SolutionBrowser browser(m_doc, m_results);
    m_doc.direction = Direction::Down;
    ASSERT_TRUE(browser.MarkLeastVariedCell().applied);
    EXPECT_EQ(m_doc.curWord, m_doc.puzzle().FindWordAt(1, 0, Direction::Down));
    EXPECT_EQ(m_doc.curPos, 0);
    EXPECT_NE(browser.StatusText().find(": 2 letters in 3 oplossingen"), std::string::npos)
        << browser.StatusText();
    // While a solution is shown its letters do not close the cells.
    browser.OnShowSolutions();
    ASSERT_TRUE(browser.MarkLeastVariedCell().applied);
    EXPECT_EQ(m_doc.puzzle().GridToString(), Grid("AB", "C"));
    m_results.solutions.clear();
    EXPECT_FALSE(browser.MarkLeastVariedCell().applied);
}

TEST_F(SolutionsTest, TheSolutionsFileListsEveryGridAndLeavesTheGridAlone) {
    TempDir dir;
    m_results.solutionCount = 2;
    Arrange(m_doc)->html.title = "Titel";
    ASSERT_TRUE(WriteSolutionsFile(m_doc.puzzle(), m_results, dir.Path("uit.txt"), false));
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("uit.txt")),
              "Titel\r\n\r\nOplossing 1\r\n\r\nA B \r\n  C \r\n\r\nOplossing 2\r\n\r\nD E \r\n  F "
              "\r\n\r\n");
    EXPECT_EQ(m_doc.puzzle().GridToString(), m_before);
    EXPECT_FALSE(
        WriteSolutionsFile(m_doc.puzzle(), m_results, dir.Path("geen/map/uit.txt"), false));
}

}  // namespace
