#include "model/clue_text.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

WordInfo Word(int number, const std::string& clue, int length, bool across = true) {
    WordInfo word;
    word.number = number;
    word.clue = clue;
    word.length = length;
    word.dx = across ? 1 : 0;
    word.dy = across ? 0 : 1;
    return word;
}

}  // namespace

TEST(ClueTextTest, NumberedClueCaptionAndLabel) {
    WordInfo word = Word(12, "Hoofdstad", 5);
    EXPECT_EQ(FormatNumberedClue(word), "12. Hoofdstad (5)");
    EXPECT_EQ(GetClueCaption(word), "H12. Hoofdstad (5)");
    word.dx = 0;
    EXPECT_EQ(FormatLabel(word), "V12");
}

TEST(ClueTextTest, PartsAndExtraListShowInThePattern) {
    WordInfo word = Word(12, "Hoofdstad", 7);
    word.partCount = 2;
    word.partLengths[0] = 3;
    word.partLengths[1] = 4;
    EXPECT_EQ(FormatLengthPattern(word), "3+4");
    word.extraList = 2;
    EXPECT_EQ(FormatClueText(word), "Hoofdstad (3+4) *2");
}

TEST(ClueTextTest, AnEmptyClueStillGivesALine) {
    EXPECT_EQ(FormatNumberedClue(Word(3, "", 4)), "3.  (4)");
}

TEST(DisplayValueTest, DashesBetweenPartsAndIjAsTwoLetters) {
    WordInfo word = Word(1, "", 7);
    word.value = "DENHAAG";
    word.partCount = 2;
    word.partLengths[0] = 3;
    word.partLengths[1] = 4;
    EXPECT_EQ(FormatDisplayValue(word), "DEN-HAAG");

    WordInfo ijssel = Word(2, "", 5);
    ijssel.value = "ySSEL";
    EXPECT_EQ(FormatDisplayValue(ijssel), "IJSSEL");

    WordInfo three = Word(3, "", 6);
    three.value = "ABCDEF";
    three.partCount = 3;
    three.partLengths = {1, 2, 3};
    EXPECT_EQ(FormatDisplayValue(three), "A-BC-DEF");
}

TEST(DisplayValueTest, NumberedAndLabeledValues) {
    WordInfo word = Word(7, "", 4);
    word.value = "KAAS";
    EXPECT_EQ(FormatNumberedValue(word), " 7. KAAS");
    word.number = 17;
    EXPECT_EQ(FormatNumberedValue(word), "17. KAAS");
    EXPECT_EQ(FormatLabeledValue(word), "H17 KAAS");
}

TEST(ClueListTest, ListsOneDirectionInWordOrder) {
    CRooster2Doc doc;
    SetGrid(doc, {"...", ".#.", "..."});
    doc.puzzle.words[0].clue = "Boven";
    doc.puzzle.words[3].clue = "Onder";
    EXPECT_EQ(doc.puzzle.FormatClueList(1), "1. Boven (3)\r\n3. Onder (3)\r\n");
    EXPECT_EQ(doc.puzzle.FormatClueList(0), "1.  (3)\r\n2.  (3)\r\n");
}
