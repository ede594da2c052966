#include <gtest/gtest.h>

#include <string>

#include "model/rooster2_doc.h"
#include "word_list_test_support.h"
#include "wordlists/spell_check.h"

namespace {

class SpellingCheck : public ::testing::Test {
protected:
    SpellingCheck() {
        doc.puzzle.search.wordFile = WriteListFile(dir, 5, {"BROOD", "YZERS"});
        WriteListFile(dir, 4, {"KAAS", "QUIZ"});
        WriteListFile(dir, 3, {"KAT"});
        WriteListFile(dir, 2, {"YS"});
    }
    std::string Report() { return SpellingCheckReport(doc.puzzle).value_or("(geen)"); }

    TempDir dir;
    CRooster2Doc doc;
};

TEST_F(SpellingCheck, AllWordsListed) {
    SetGrid(doc, {"KAAS#BROOD"});
    EXPECT_EQ(Report(), "Alle woorden correct");
}

TEST_F(SpellingCheck, EmptyGridListsEveryWordAsNotFilled) {
    SetGrid(doc, {"....#.....", "#.########"});
    EXPECT_EQ(Report(), "Niet (helemaal) ingevuld:\nH1 V2 H3 ");
}

TEST_F(SpellingCheck, BothSections) {
    SetGrid(doc, {"KAAT#BR.OD"});
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 KAAT\n\nNiet (helemaal) ingevuld:\nH2 ");
}

TEST_F(SpellingCheck, TwoPartWordWithAnUnlistedSecondPartIsShownWithADash) {
    SetGrid(doc, {"KATROOS"});
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 4;
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 KAT-ROOS\n\n");
}

TEST_F(SpellingCheck, PartOfOneLetterIsNotLookedUp) {
    SetGrid(doc, {"AKAAS"});
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 1;
    doc.puzzle.words[0].partLengths[1] = 4;
    EXPECT_EQ(Report(), "Alle woorden correct");
}

TEST_F(SpellingCheck, PartsLongerThanTheWordAreCutNotReadBeyondIt) {
    SetGrid(doc, {"KATKAAS"});
    doc.puzzle.words[0].partCount = 3;
    doc.puzzle.words[0].partLengths = {3, 4, 9};
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 KAT-KAAS\n\n");
}

TEST_F(SpellingCheck, IjCellIsLookedUpAsYAndShownAsIj) {
    SetGrid(doc, {"yS#yZERS"});
    EXPECT_EQ(Report(), "Alle woorden correct");
    SetGrid(doc, {"yK#yZERS"});
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 IJK\n\n");
}

TEST_F(SpellingCheck, SearchOptionsApply) {
    SetGrid(doc, {"QUIZ"});
    doc.puzzle.search.excludedLetters = "Q";
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 QUIZ\n\n");
}

TEST_F(SpellingCheck, MissingFileOrInvalidListCountsAsNotListed) {
    SetGrid(doc, {"BAKKER#KAAS"});
    doc.puzzle.words[1].extraList = 3;
    EXPECT_EQ(Report(), "Niet in woordenlijst:\n  H1 BAKKER\n  H2 KAAS\n\n");
}

TEST_F(SpellingCheck, ShortWordFileNameGivesNoReport) {
    SetGrid(doc, {"KAAS"});
    doc.puzzle.search.wordFile = "05.doc";
    EXPECT_FALSE(SpellingCheckReport(doc.puzzle));
}

TEST_F(SpellingCheck, FirstMissingFileIsNamedForCompleteWordsOnly) {
    SetGrid(doc, {"KAAS#BAKKER#......."});
    EXPECT_EQ(FirstMissingSpellingFile(doc.puzzle), "Bestand " + dir.Path("nl06.doc") + " ontbreekt.");
    SetGrid(doc, {"KAAS#BROOD#......."});
    EXPECT_EQ(FirstMissingSpellingFile(doc.puzzle), "");
    doc.puzzle.search.wordFile = "x.doc";
    EXPECT_EQ(FirstMissingSpellingFile(doc.puzzle), "Bestand x.doc ontbreekt.");
}

TEST_F(SpellingCheck, ReportDoesNotChangeTheDocument) {
    SetGrid(doc, {"KAAT#BR.OD"});
    const std::string before = doc.puzzle.GridToString();
    Report();
    EXPECT_EQ(doc.puzzle.GridToString(), before);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
