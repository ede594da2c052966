#include "wordlists/dictionary_scores.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(DictionarySpelling, CapitalsAfterTheFirstLetterMakeAnAbbreviation) {
    EXPECT_EQ(SpellingOf("huis"), Spelling::Common);
    EXPECT_EQ(SpellingOf("Zwolle"), Spelling::ProperName);
    EXPECT_EQ(SpellingOf("IJsland"), Spelling::ProperName);
    EXPECT_EQ(SpellingOf("KST"), Spelling::Capitals);
    EXPECT_EQ(SpellingOf("AOb"), Spelling::Capitals);
    EXPECT_EQ(SpellingOf("pH"), Spelling::Capitals);
}

TEST(RomanNumerals, OnlyTheUsualFormOfTwoLettersOrMore) {
    for (const char* numeral : {"MMMD", "MMMCVII", "MMLI", "XL", "MIX", "CD", "MMMCMXCIX"})
        EXPECT_TRUE(IsRomanNumeral(numeral)) << numeral;
    for (const char* other : {"I", "IIII", "IC", "VX", "MMMM", "DIL", "CIVIL", "HUIS", ""})
        EXPECT_FALSE(IsRomanNumeral(other)) << other;
}

TEST(Compounds, TwoWellKnownWordsOfThreeLettersOrMore) {
    const std::set<std::string> known = {"FIETS", "BEL", "DORP", "FEEST", "GOLF", "DEN", "OOG"};
    const auto isKnown = [&](std::string_view part) { return known.count(std::string(part)) > 0; };
    EXPECT_TRUE(IsCompoundOfKnownWords("FIETSBEL", isKnown));
    EXPECT_TRUE(IsCompoundOfKnownWords("DORPSFEEST", isKnown));  // a linking S
    EXPECT_FALSE(IsCompoundOfKnownWords("GOLFDEN", isKnown));    // an ending, not a word
    EXPECT_FALSE(IsCompoundOfKnownWords("FIETSXL", isKnown));
    EXPECT_FALSE(IsCompoundOfKnownWords("OOGBEL", isKnown));  // too short to tell
}

// The bands of the scale, from the evidence a dictionary and a frequency list give.
TEST(DefaultScoreRule, TheScale) {
    const auto score = [](Spelling spelling, int zipf, const char* letters) {
        WordEvidence word;
        word.spelling = spelling;
        word.frequenciesKnown = true;
        word.zipf = zipf;
        return DefaultScore(word, letters);
    };
    EXPECT_EQ(score(Spelling::Common, 650, "DE"), 100);
    EXPECT_EQ(score(Spelling::Common, 572, "HUIS"), 92);
    EXPECT_EQ(score(Spelling::Common, 320, "REE"), 67);
    EXPECT_EQ(score(Spelling::Common, 150, "KRIB"), 50);
    EXPECT_EQ(score(Spelling::Common, 100, "GELING"), 45);
    EXPECT_EQ(score(Spelling::Common, 0, "TEKEERGAAT"), RARE_FORM_SCORE);
    EXPECT_EQ(score(Spelling::Common, 295, "KST"), ABBREVIATION_SCORE);
    EXPECT_EQ(score(Spelling::Common, 0, "MMLI"), ABBREVIATION_SCORE);
    EXPECT_EQ(score(Spelling::Common, 320, "NGOS"), ABBREVIATION_SCORE);
    EXPECT_EQ(score(Spelling::Common, 510, "CLUB"), 86);
    EXPECT_EQ(score(Spelling::Common, 380, "MIX"), 73);
    EXPECT_EQ(score(Spelling::Capitals, 321, "SVB"), ABBREVIATION_SCORE);
    EXPECT_EQ(score(Spelling::ProperName, 0, "FESKENS"), PROPER_NAME_SCORE);
    EXPECT_EQ(score(Spelling::ProperName, 520, "AMSTERDAM"), KNOWN_PROPER_NAME_SCORE);
    EXPECT_EQ(score(Spelling::ProperName, 300, "FE"), ABBREVIATION_SCORE);

    WordEvidence word;
    word.frequenciesKnown = true;
    word.isStem = true;
    EXPECT_EQ(DefaultScore(word, "TEKEERGA"), RARE_STEM_SCORE);
    word.isCompound = true;
    EXPECT_EQ(DefaultScore(word, "FIETSBEL"), COMPOUND_SCORE);
    word.zipf = 400;
    EXPECT_EQ(DefaultScore(word, "FIETSBEL"), 75);
    word.isOffensive = true;
    EXPECT_EQ(DefaultScore(word, "FIETSBEL"), OFFENSIVE_SCORE);
    word = WordEvidence{};
    word.isStem = true;  // no frequency list: stems above other forms, as before
    EXPECT_EQ(DefaultScore(word, "HUIS"), STEM_SCORE);
}

}  // namespace
