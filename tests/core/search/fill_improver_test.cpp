// "Verbeter vulling": better fills from a tiny scored list, never a worse one, and
// the cells it may not change left alone; the profile's default method.
#include "search/fill_improver.h"

#include <gtest/gtest.h>

#include <atomic>

#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "search/search_method.h"
#include "search_test_support.h"
#include "test_support.h"

namespace {

// A 2 x 2 grid whose list has one weak fill (EF scores 10) and one strong one.
class FillImproverTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetGrid(m_doc, {"..", ".."});
        Arrange(m_doc)->search.wordFile =
            WriteWordList(m_dir.Path(""), "nl", 2,
                          {"EF;10", "GH;60", "EG;60", "FH;60", "AB;90", "CD;90", "AC;90", "BD;90"});
    }
    std::string Improve(const std::vector<bool>& changeable) {
        std::atomic<bool> interrupt{false};
        FillImprover improver(m_doc.puzzle(), WordScoring(), interrupt);
        improver.seed = 1;
        improver.callbacks.status = [this](int pane, const std::string& text) {
            if (pane == 0) m_progress.push_back(text);
        };
        const std::string improved = improver.Improve("EFGH", changeable, 60);
        m_result = improver.ResultText() + " | " + improver.ScoreText();
        return improved;
    }

    TempDir m_dir;
    Rooster2Doc m_doc;
    std::vector<std::string> m_progress;
    std::string m_result;
};

TEST_F(FillImproverTest, RaisesTheLowestWordAndReportsItsProgress) {
    // Both strong fills (AB over CD, or AC over BD) score 90 everywhere.
    const std::string improved = Improve(std::vector<bool>(4, true));
    EXPECT_TRUE(improved == "ABCD" || improved == "ACBD") << improved;
    EXPECT_EQ(m_result.substr(0, m_result.find(" na ")), "Verbeterd");
    EXPECT_EQ(m_result.substr(m_result.find(':'), 78),
              ": laagste 10 -> 90, gemiddeld 47,5 -> 90,0 | Score: gemiddeld 90,0, laagste 90");
    ASSERT_FALSE(m_progress.empty());
    EXPECT_EQ(m_progress.front(),
              "Verbeteren, laagste 10, gemiddeld 47,5, druk op <ESC> om te onderbreken.");
}

TEST_F(FillImproverTest, KeepsTheCellsItMayNotChangeOrThatAreLockedAndNeverReturnsWorse) {
    // The E was there before the search: no fill with an E there beats the start.
    EXPECT_EQ(Improve({false, true, true, true}), "EFGH");
    EXPECT_EQ(m_result.substr(0, m_result.find(" na ")), "Geen betere vulling");
    // The search filled the locked cell: it keeps that letter all the same.
    Arrange(m_doc)->SetLocked(0, 0, true);
    EXPECT_EQ(Improve(std::vector<bool>(4, true)), "EFGH");
}

TEST_F(FillImproverTest, IsOfferedOnACompleteShownSolutionOrGridAfterASearch) {
    m_doc.phase = Phase::Tonen;
    EXPECT_FALSE(CanImproveFill(m_doc, true, 1));  // a region fill left words open
    Arrange(m_doc)->StringToGrid("EFGH");
    EXPECT_FALSE(CanImproveFill(m_doc, true, 0));
    EXPECT_FALSE(CanImproveFill(m_doc, false, 1));
    EXPECT_TRUE(CanImproveFill(m_doc, true, 1));
    m_doc.phase = Phase::Vullen;
    EXPECT_TRUE(CanImproveFill(m_doc, true, 1));
    Arrange(m_doc)->SetCell(1, 1, CELL_VRIJ);
    EXPECT_FALSE(CanImproveFill(m_doc, true, 1));
}

TEST(SearchMethodDefault, ANewProfileSearchesFastAChosenMethodStays) {
    MapProfile profile;
    EXPECT_EQ(ReadSearchMethod(&profile), SearchMethod::Fast);
    StoreSearchMethod(&profile, SearchMethod::Exact);
    EXPECT_EQ(ReadSearchMethod(&profile), SearchMethod::Exact);
    EXPECT_EQ(ReadSearchMethod(nullptr), SearchMethod::Exact);
}

}  // namespace
