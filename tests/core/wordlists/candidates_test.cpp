#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/rooster2_doc.h"
#include "word_list_test_support.h"
#include "wordlists/candidates.h"

namespace {

using Words = std::vector<std::string>;

class CandidateLookup : public ::testing::Test {
protected:
    CandidateLookup() {
        doc.puzzle.search.wordFile =
            WriteListFile(dir, 4, {"KAAS", "KAAS   ", "KIAS", "KLAS", "BROOD", "KRAS", "kaas"});
    }
    Words Find(const std::string& pattern, int maxCount = 0, int listNumber = 0) {
        Words found;
        count = FindCandidates(doc.puzzle, doc.scoring, pattern, &found, maxCount, listNumber);
        return found;
    }

    TempDir dir;
    CRooster2Doc doc;
    int count = 0;
};

TEST_F(CandidateLookup, SpaceIsAnUnknownLetterAndOnlyExactLinesFit) {
    EXPECT_EQ(Find("K AS"), (Words{"KAAS", "KIAS", "KLAS", "KRAS"}));
    EXPECT_EQ(count, 4);
}

TEST_F(CandidateLookup, TrailingBlanksAfterTheWordMakeTheLineFail) {
    EXPECT_EQ(Find("KAAS"), (Words{"KAAS"}));
}

TEST_F(CandidateLookup, PatternIsUpperCasedButListLinesAreNot) {
    EXPECT_EQ(Find("kaas"), (Words{"KAAS"}));
    EXPECT_EQ(Find("    "), (Words{"KAAS", "KIAS", "KLAS", "KRAS", "kaas"}));
}

TEST_F(CandidateLookup, MaximumStopsAfterThatManyInFileOrder) {
    EXPECT_EQ(Find("    ", 3), (Words{"KAAS", "KIAS", "KLAS"}));
    EXPECT_EQ(count, 3);
}

TEST_F(CandidateLookup, WithoutAListOnlyCounts) {
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "K AS", nullptr, 0, 0), 4);
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "K AS", nullptr, 1, 0), 1);
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KOES", nullptr, 1, 0), 0);
}

TEST_F(CandidateLookup, FileIsChosenByPatternLengthFromAnyMember) {
    WriteListFile(dir, 7, {"BAKKERS", "KAAS"});
    EXPECT_EQ(Find("BAKKER "), (Words{"BAKKERS"}));
}

TEST_F(CandidateLookup, LongWordsShareTheNineteenFileAndMustMatchTheLength) {
    const std::string word23(23, 'E');
    WriteListFile(dir, 19, {std::string(19, 'E'), word23, std::string(24, 'E')});
    EXPECT_EQ(Find(std::string(23, ' ')), (Words{word23}));
}

TEST_F(CandidateLookup, FailsForAnUnknownListNumberAShortNameOrAMissingFile) {
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KAAS", nullptr, 0, 1), -1);
    doc.puzzle.extraFiles = {dir.Path("xx05.doc")};
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KAAS", nullptr, 0, 1), -1);  // no xx04.doc
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KAAS", nullptr, 0, -1), -1);
    doc.puzzle.search.wordFile = "a05.doc";
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KAAS", nullptr, 0, 0), -1);
    doc.puzzle.search.wordFile = "05.doc";
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "KAAS", nullptr, 0, 0), -1);
}

TEST_F(CandidateLookup, ExtraListNumberReadsThatSet) {
    TempDir extra;
    doc.puzzle.extraFiles = {WriteListFile(extra, 4, {"ROOS"})};
    EXPECT_EQ(Find("    ", 0, 1), (Words{"ROOS"}));
}

TEST_F(CandidateLookup, IjAsTwoLettersOnlyWhenAllowedAndTheIjCellMatchesY) {
    WriteListFile(dir, 5, {"IJZER", "YZER", "YZERS"});
    WriteListFile(dir, 4, {"YZER"});
    EXPECT_EQ(Find("     "), (Words{"YZERS"}));
    EXPECT_EQ(Find("yZER"), (Words{"YZER"}));
    doc.puzzle.search.ijTwoLetters = true;
    EXPECT_EQ(Find("     "), (Words{"IJZER", "YZERS"}));
}

TEST_F(CandidateLookup, ExcludedLettersRemoveWords) {
    WriteListFile(dir, 4, {"QUIZ", "TAXI", "TAAI"});
    doc.puzzle.search.excludedLetters = "QX";
    EXPECT_EQ(Find("    "), (Words{"TAAI"}));
}

TEST_F(CandidateLookup, NoPieceOfAnOverlongLineIsAWord) {
    WriteListFile(dir, 19, {std::string(150, 'A'), std::string(51, 'A')});
    EXPECT_EQ(Find(std::string(51, ' ')), (Words{std::string(51, 'A')}));
    EXPECT_EQ(Find(std::string(99, ' ')), Words{});
}

TEST_F(CandidateLookup, LinesWithANulByteAreNeverWords) {
    const std::string junk("KA\0S\nK\xff\x01S\n\0\0\0\0\n", 15);
    WriteFileOrFail(dir.Path("nl04.doc"), junk);
    WriteFileOrFail(dir.Path("nl02.doc"), junk);
    EXPECT_EQ(Find("    "), (Words{"K\xff\x01S"}));
    EXPECT_EQ(Find("KA"), Words{});
}

TEST_F(CandidateLookup, AnEmptyFileGivesNoWords) {
    WriteFileOrFail(dir.Path("nl04.doc"), "");
    EXPECT_EQ(Find("    "), Words{});
    EXPECT_EQ(count, 0);
}

class AnagramLookup : public CandidateLookup {
protected:
    AnagramLookup() {
        set = WriteListFile(
            dir, 5,
            {"ANALE", "LAANE", "NAAST", "BENEN", "LENEN", "SNEEN", "AANEN", "MEREN", "ALLEN"});
    }
    Words Anagrams(const std::string& letters, const std::string& pattern = ".....",
                   int maxCount = 0) {
        Words found;
        count = FindAnagrams(doc.puzzle, doc.scoring, letters, &found, maxCount, 5, pattern, set);
        return found;
    }
    std::string set;
};

TEST_F(AnagramLookup, AllLettersGivenGivesTheAnagrams) {
    EXPECT_EQ(Anagrams("ENAAL"), (Words{"ANALE", "LAANE"}));
}

TEST_F(AnagramLookup, FewerLettersGiveEveryWordContainingThem) {
    EXPECT_EQ(Anagrams("AEN"), (Words{"ANALE", "LAANE", "AANEN", "ALLEN"}));
    EXPECT_EQ(Anagrams("AA"), (Words{"ANALE", "LAANE", "NAAST", "AANEN"}));
    EXPECT_EQ(Anagrams("nn"), (Words{"BENEN", "LENEN", "SNEEN", "AANEN"}));
}

TEST_F(AnagramLookup, PatternDotsAreUnknownLetters) {
    EXPECT_EQ(Anagrams("EN", "..N.."), (Words{"BENEN", "LENEN", "AANEN"}));
    EXPECT_EQ(Anagrams("A", "a...."), (Words{"ANALE", "AANEN", "ALLEN"}));
}

TEST_F(AnagramLookup, MaximumAndCounting) {
    EXPECT_EQ(Anagrams("E", ".....", 2), (Words{"ANALE", "LAANE"}));
    EXPECT_EQ(FindAnagrams(doc.puzzle, doc.scoring, "E", nullptr, 0, 5, ".....", set), 8);
}

TEST_F(AnagramLookup, FailsForAShortNameOrAMissingFile) {
    EXPECT_EQ(FindAnagrams(doc.puzzle, doc.scoring, "E", nullptr, 0, 5, ".....", "05.doc"), -1);
    EXPECT_EQ(FindAnagrams(doc.puzzle, doc.scoring, "E", nullptr, 0, 6, "......", set), -1);
}

TEST_F(AnagramLookup, SearchOptionsFilterTheLines) {
    doc.puzzle.search.excludedLetters = "L";
    EXPECT_EQ(Anagrams("AEN"), (Words{"AANEN"}));
}

TEST_F(CandidateLookup, ScoresBelowTheMinimumAndBlockedWordsAreNotOffered) {
    WriteListFile(dir, 4, {"KAAS;80", "KIAS;20", "KLAS", "KRAS;0", "KOES;x"});
    EXPECT_EQ(Find("K AS"), (Words{"KAAS", "KIAS", "KLAS"}));
    doc.scoring.minScore = 50;
    EXPECT_EQ(Find("K AS"), (Words{"KAAS", "KLAS"}));
    EXPECT_EQ(Find("K  S"), (Words{"KAAS", "KLAS", "KOES"}));
}

TEST_F(CandidateLookup, OwnScoresWinOverTheList) {
    WriteListFile(dir, 4, {"KAAS;80", "KIAS;20", "KLAS"});
    doc.scoring.overrides =
        std::make_shared<const ScoreOverrides>(ScoreOverrides{{"KAAS", 0}, {"KIAS", 90}});
    doc.scoring.minScore = 60;
    EXPECT_EQ(Find("K AS"), (Words{"KIAS"}));
}

TEST_F(CandidateLookup, DetailsGiveScoresAndCountMalformedLinesOfTheWholeFile) {
    WriteListFile(dir, 4, {"KAAS;80", "KIAS", "KLAS;200", "KRAS;-"});
    LookupDetails details;
    EXPECT_EQ(FindCandidates(doc.puzzle, doc.scoring, "K AS", nullptr, 1, 0, &details), 1);
    EXPECT_EQ(details.scores, (std::vector<int>{80}));
    EXPECT_EQ(details.malformedScores, 2);
    EXPECT_EQ(details.fileName, dir.Path("nl04.doc"));
}

TEST_F(CandidateLookup, ListedScoreIgnoresTheMinimum) {
    WriteListFile(dir, 4, {"KAAS;0", "KIAS;20", "KIAS;90"});
    doc.scoring.minScore = 50;
    EXPECT_EQ(ListedScore(doc.puzzle, doc.scoring, "kaas", 0), 0);
    EXPECT_EQ(ListedScore(doc.puzzle, doc.scoring, "KIAS", 0), 20);
    EXPECT_EQ(ListedScore(doc.puzzle, doc.scoring, "KLAS", 0), std::nullopt);
}

TEST_F(AnagramLookup, TheMinimumHoldsForAnagramsToo) {
    set = WriteListFile(dir, 5, {"ANALE;10", "LAANE;60"});
    doc.scoring.minScore = 50;
    EXPECT_EQ(Anagrams("ENAAL"), (Words{"LAANE"}));
}

TEST(WordListProblemText, NamesTheSetOrTheFile) {
    TempDir dir;
    const std::string set = WriteListFile(dir, 4, {"KAAS"});
    EXPECT_EQ(WordListProblem(set, 4), "");
    EXPECT_EQ(WordListProblem(set, 6), "Bestand " + dir.Path("nl06.doc") + " ontbreekt.");
    EXPECT_EQ(WordListProblem("x.doc", 4), "Bestand x.doc ontbreekt.");
}

}  // namespace
