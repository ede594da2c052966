#include "wordlists/word_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/rooster2_doc.h"
#include "word_list_test_support.h"

namespace {

using Words = std::vector<std::string>;

WordPartSelection Parts(std::initializer_list<int> lengths) {
    WordPartSelection parts;
    parts.partCount = static_cast<int>(lengths.size());
    int j = 0;
    for (const int length : lengths) parts.partLengths[j++] = static_cast<std::uint8_t>(length);
    return parts;
}

CandidateList Listed(Words words, std::vector<int> scores) {
    CandidateList list;
    list.entries = std::move(words);
    list.scores = std::move(scores);
    return list;
}

TEST(CandidateSorting, FirstPressSortsByEndingSecondAlphabeticallyScoresGoAlong) {
    CandidateList list = Listed({"BAKKEN", "ZAK", "KRAAK", "BAK"}, {1, 2, 3, 4});
    int flag = 0;
    SortCandidates(list, flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(list.entries, (Words{"KRAAK", "BAK", "ZAK", "BAKKEN"}));
    EXPECT_EQ(list.scores, (std::vector<int>{3, 4, 2, 1}));
    SortCandidates(list, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(list.entries, (Words{"BAK", "BAKKEN", "KRAAK", "ZAK"}));
}

TEST(PartSelection, MovesWithinTheParts) {
    WordPartSelection parts = Parts({3, 4, 2});
    EXPECT_FALSE(parts.PreviousPart());
    EXPECT_EQ(parts.PartNumberText(), "1");
    EXPECT_TRUE(parts.NextPart());
    EXPECT_EQ(parts.PartStart(), 3);
    EXPECT_EQ(parts.PartLength(), 4);
    EXPECT_TRUE(parts.NextPart());
    EXPECT_FALSE(parts.NextPart());
    EXPECT_EQ(parts.PartNumberText(), "3");
    EXPECT_EQ(parts.PartStart(), 7);
    EXPECT_TRUE(parts.PreviousPart());
    EXPECT_EQ(parts.currentPart, 1);
}

TEST(PartSelection, PatternIsTheCurrentPartCutSafelyAtTheEnd) {
    WordPartSelection parts = Parts({3, 4});
    EXPECT_EQ(CandidatePattern("KAT....", parts), "KAT");
    parts.NextPart();
    EXPECT_EQ(CandidatePattern("KAT....", parts), "....");
    EXPECT_EQ(CandidatePattern("KAT.", parts), ".");
    EXPECT_EQ(CandidatePattern("KA", parts), "");
}

class WordDataLists : public ::testing::Test {
protected:
    WordDataLists() {
        Arrange(doc)->search.wordFile = WriteListFile(dir, 3, {"KAT", "KAM", "MAT"});
        WriteListFile(dir, 4, {"BAAS", "POES", "ROOS"});
    }
    TempDir dir;
    TestDoc doc;
};

TEST_F(WordDataLists, FillLooksUpTheCurrentPartAndLabelsTheCount) {
    WordPartSelection parts = Parts({3, 4});
    CandidateList list = FillCandidates(doc.puzzle(), doc.scoring, "KA.....", parts, 0, 0);
    EXPECT_EQ(list.entries, (Words{"KAT", "KAM"}));
    EXPECT_EQ(list.label, "Aantal gevonden kandidaten: 2");
    EXPECT_FALSE(list.error);
    parts.NextPart();
    list = FillCandidates(doc.puzzle(), doc.scoring, "KAT....", parts, 2, 0);
    EXPECT_EQ(list.entries, (Words{"BAAS", "POES"}));
}

TEST_F(WordDataLists, ScoresComeAlongAndMalformedOnesAreReported) {
    WriteListFile(dir, 3, {"KAT;80", "KAM;8x"});
    const CandidateList list =
        FillCandidates(doc.puzzle(), doc.scoring, "KA.", WordPartSelection{}, 0, 0);
    EXPECT_EQ(list.scores, (std::vector<int>{80, 50}));
    ASSERT_TRUE(list.warning);
    EXPECT_EQ(list.warning->text,
              "1 regel met een onjuiste score in " + dir.Path("nl03.doc") + ", als 50 gerekend");
}

TEST_F(WordDataLists, FailedLookupGivesTheOeiMessage) {
    const CandidateList list =
        FillCandidates(doc.puzzle(), doc.scoring, ".....", WordPartSelection{}, 0, 0);
    ASSERT_TRUE(list.error);
    EXPECT_EQ(list.error->text, "Fout bij bepaling kandidaten");
    EXPECT_EQ(list.error->caption, "Oei");
    EXPECT_EQ(list.label, "Geen kandidaten gevonden");
    EXPECT_TRUE(FillCandidates(doc.puzzle(), doc.scoring, "KA.", WordPartSelection{}, 0, 1).error);
}

TEST_F(WordDataLists, FilterFindsWordsContainingTheLettersInThePart) {
    WordPartSelection parts = Parts({3, 4});
    const auto first = FilterCandidates(doc.puzzle(), doc.scoring, ".......", parts, "tk", 0, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->entries, Words{"KAT"});
    EXPECT_EQ(first->label, "Aantal gevonden kandidaten: 1");
    parts.NextPart();
    const auto second = FilterCandidates(doc.puzzle(), doc.scoring, "KAT.O..", parts, "S", 0, 0);
    EXPECT_EQ(second->entries, (Words{"POES", "ROOS"}));
}

TEST(TakingCandidates, ReplacesTheWholeValueOrOnlyTheCurrentPart) {
    std::string value = "K..S.";
    TakeCandidate(value, "KAAS \r\n", WordPartSelection{});
    EXPECT_EQ(value, "KAAS");
    WordPartSelection parts = Parts({3, 4});
    value = "KAT....";
    parts.NextPart();
    TakeCandidate(value, "ROOS", parts);
    EXPECT_EQ(value, "KATROOS");
    value = "KAT..";  // shorter than the parts claim: the value keeps its length
    TakeCandidate(value, "ROOS", parts);
    EXPECT_EQ(value, "KATRO");
}

TEST(ListNumberCheck, OutsideTheExtraFilesGivesTheIndexMessage) {
    TestDoc doc;
    Arrange(doc)->extraFiles = {"a05.doc", "b05.doc"};
    EXPECT_FALSE(CheckListNumber(doc.puzzle(), 2));
    const auto message = CheckListNumber(doc.puzzle(), 3);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Index incorrect, zie 'Index zoekbestanden'");
    EXPECT_EQ(message->caption, "Oei");
    EXPECT_TRUE(CheckListNumber(doc.puzzle(), -1));
}

}  // namespace
