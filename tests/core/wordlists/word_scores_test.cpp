#include "wordlists/word_scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "word_list_test_support.h"

namespace {

TEST(OwnScores, AScoreIsWrittenThroughTheFileAndReadBack) {
    TempDir dir;
    WordScoring scoring;
    // The data folder lies under the user's name, which need not be ASCII ("José").
    const std::string folder = dir.Path("Jos\xc3\xa9/rooster2");
    EXPECT_FALSE(LoadScoreOverrides(scoring, ScoreOverridePath(folder)));
    ASSERT_FALSE(SetOwnScore(scoring, "kias ", 75));
    ASSERT_FALSE(SetOwnScore(scoring, "KAAS", BLOCKED_SCORE));
    EXPECT_EQ(ReadFileOrEmpty(folder + "/eigen_scores.txt"), "KAAS;0\r\nKIAS;75\r\n");
    EXPECT_EQ(EffectiveScore(scoring, "KIAS", 20), 75);

    WordScoring again;
    EXPECT_FALSE(LoadScoreOverrides(again, scoring.overrideFile));
    EXPECT_EQ(EffectiveScore(again, "KAAS", 80), BLOCKED_SCORE);
    EXPECT_EQ(EffectiveScore(again, "KLAS", 80), 80);
}

TEST(OwnScores, MalformedLinesAreSkippedAndReported) {
    TempDir dir;
    WriteFileOrFail(dir.Path("eigen.txt"), "kaas;60\r\n\r\nKIAS\r\n;40\nKLAS;abc\nKRAS; 7 \n");
    WordScoring scoring;
    const auto warning = LoadScoreOverrides(scoring, dir.Path("eigen.txt"));
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text,
              "3 regels zonder geldige score in " + dir.Path("eigen.txt") + " overgeslagen");
    EXPECT_EQ(*scoring.overrides, (ScoreOverrides{{"KAAS", 60}, {"KRAS", 7}}));
}

TEST(OwnScores, AFileWithAByteOrderMarkIsReadAsUtf8WithAWarning) {
    TempDir dir;
    WriteFileOrFail(dir.Path("eigen.txt"),
                    "\xEF\xBB\xBF"
                    "caf\xC3\xA9;60\r\n");
    WordScoring scoring;
    const auto warning = LoadScoreOverrides(scoring, dir.Path("eigen.txt"));
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text,
              dir.Path("eigen.txt") + " begint met een UTF-8-markering en is als UTF-8 gelezen");
    EXPECT_EQ(*scoring.overrides, (ScoreOverrides{{"CAF\xC9", 60}}));
}

TEST(OwnScores, AFileThatCannotBeReadIsReported) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path("eigen.txt"));
    WordScoring scoring;
    const auto warning = LoadScoreOverrides(scoring, dir.Path("eigen.txt"));
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text, "Het bestand " + dir.Path("eigen.txt") + " kan niet worden geopend.");
}

TEST(OwnScores, WithoutAFileNothingIsWrittenOrChanged) {
    WordScoring scoring;
    EXPECT_FALSE(LoadScoreOverrides(scoring, ScoreOverridePath("")));
    EXPECT_TRUE(SetOwnScore(scoring, "KAAS", 10));
    EXPECT_TRUE(scoring.overrides->empty());
}

TEST(MinimumScore, LivesInTheProfileWithinItsRange) {
    MapProfile profile;
    WordScoring scoring;
    // A new profile keeps abbreviations and proper names out; a chosen 0 stays 0.
    EXPECT_EQ(ReadMinimumScore(&profile), 50);
    StoreMinimumScore(scoring, &profile, 0);
    EXPECT_EQ(ReadMinimumScore(&profile), 0);
    StoreMinimumScore(scoring, &profile, 150);
    EXPECT_EQ(scoring.minScore, 100);
    EXPECT_EQ(ReadMinimumScore(&profile), 100);
    EXPECT_EQ(ReadMinimumScore(nullptr), 0);
    EXPECT_TRUE(IsOfferedScore(scoring, 100));
    EXPECT_FALSE(IsOfferedScore(scoring, 99));
}

TEST(FillScores, AverageAndLowestOfTheListedWords) {
    TempDir dir;
    TestDoc doc;
    Arrange(doc)->search.wordFile = WriteListFile(dir, 4, {"KAAS;80", "KLAS;25", "KRAS"});
    SetGrid(doc, {"KAAS#KLAS", "#########", "KRAS#KOES"});
    const FillScore score = ScoreFill(doc.puzzle(), doc.scoring);
    EXPECT_EQ(score.scoredWords, 3);
    EXPECT_EQ(FillScoreText(score), "Score: gemiddeld 51,7, laagste 25 (KLAS)");
    EXPECT_EQ(FillScoreText(FillScore{}), "");
    EXPECT_EQ(
        LowestEntriesText(doc.puzzle(), LowestEntries(ScoreEntries(doc.puzzle(), doc.scoring), 2)),
        "Laagste woorden: H2 KLAS (25), H3 KRAS (50)");
    EXPECT_EQ(LowestEntriesText(doc.puzzle(), {}), "");
}

}  // namespace
