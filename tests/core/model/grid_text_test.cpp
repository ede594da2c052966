#include <gtest/gtest.h>

#include "formats/text_export.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

TEST(GridTextTest, CellsAreCharacterAndSpaceBlackAndFreeAreTwoSpaces) {
    CRooster2Doc doc;
    SetGrid(doc, {"AB#", "y.#"});
    std::string text;
    doc.puzzle.WriteGridText(text, false);
    EXPECT_EQ(text, "A B   \r\n\xFF     \r\n");
}

TEST(GridTextTest, LowercaseLowersLettersButKeepsIj) {
    CRooster2Doc doc;
    SetGrid(doc, {"AB#", "y.#"});
    std::string text;
    doc.puzzle.WriteGridText(text, true);
    EXPECT_EQ(text, "a b   \r\n\xFF     \r\n");
}

TEST(WordListTextTest, ListsFilledWordsLoweredWithPartDashes) {
    CRooster2Doc doc;
    SetGrid(doc, {"DENHAAG", "y######"});
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 4;
    std::string text;
    doc.puzzle.WriteWordListText(text);
    EXPECT_EQ(text,
              "Horizontaal\r\n\r\n   1. den-haag\r\n\r\nVerticaal\r\n\r\n   1. dij\r\n");
}

TEST(WordListTextTest, AcrossOnlyWritesNoDownHeading) {
    CRooster2Doc doc;
    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"AB", "CD"});
    std::string text;
    doc.puzzle.WriteWordListText(text);
    EXPECT_EQ(text, "Horizontaal\r\n\r\n   1. ab\r\n   2. cd\r\n");
}

TEST(PlainTextExportTest, TitleThenGridThenLists) {
    CRooster2Doc doc;
    SetGrid(doc, {"AB", "##"});
    EXPECT_EQ(ExportPlainText(doc.puzzle, false),
              "A B \r\n    \r\n\r\n\r\nHorizontaal\r\n\r\n   1. ab\r\n\r\nVerticaal\r\n\r\n");
    doc.puzzle.html.title = "Titel";
    EXPECT_EQ(ExportPlainText(doc.puzzle, false).substr(0, 9), "Titel\r\n\r\n");
}

TEST(PlainTextExportTest, OfferedOnlyWithoutPartNumbers) {
    CRooster2Doc doc;
    EXPECT_TRUE(CanExportPlainText(doc.puzzle));
    doc.puzzle.numbering.numberPartWords = true;
    EXPECT_FALSE(CanExportPlainText(doc.puzzle));
}
