#include "formats/compare.h"

#include <gtest/gtest.h>

#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// H1 KAT, V1 KAS, V2 "T.P", H3 SOP.
CRooster2Doc Puzzle(const std::initializer_list<std::string>& rows) {
    CRooster2Doc doc;
    SetGrid(doc, rows);
    return doc;
}

int Compare(CRooster2Doc& doc, const CRooster2Doc& other, std::string& details) {
    return CompareWithBytes(doc, WriteRtr(other), details);
}

TEST(CompareWithFile, SameLettersAreEqual) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    std::string details = "oud";
    EXPECT_EQ(Compare(doc, doc, details), COMPARE_DONE);
    EXPECT_EQ(details, "");
    EXPECT_EQ(FormatCompareResult(COMPARE_DONE, details, "k.rtr"), "k.rtr\r\n  Inhoud gelijk\r\n");
}

TEST(CompareWithFile, CaseIsNoDifferenceAndBlackAgainstNietIsNone) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    CRooster2Doc other = Puzzle({"kat", "a-.", "sop"});
    std::string details;
    EXPECT_EQ(Compare(doc, other, details), COMPARE_DONE);
    EXPECT_EQ(details, "");
}

TEST(CompareWithFile, DifferingWordsListedOnceWithBothValuesAndClue) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    doc.puzzle.words[0].clue = "Huisdier";
    CRooster2Doc other = Puzzle({"KOE", "A#.", "SOP"});
    std::string details;
    EXPECT_EQ(Compare(doc, other, details), COMPARE_DONE);
    EXPECT_EQ(details,
              "H1 KAT (KOE) Huisdier (3)\r\n  "
              "V2 T P (E P)  (3)\r\n  ");
    EXPECT_EQ(doc.puzzle.words[2].value, "T P");
    EXPECT_EQ(FormatCompareResult(COMPARE_DONE, details, "k.rtr"),
              "k.rtr\r\n  Verschillen in:\r\n  " + details + "\r\n");
}

TEST(CompareWithFile, BlackInTheFileAgainstALetterIsALetterDifference) {
    CRooster2Doc doc = Puzzle({"KAT", "A..", "SOP"});
    CRooster2Doc other = Puzzle({"KAT", "A#.", "SOP"});
    std::string details;
    EXPECT_EQ(Compare(doc, other, details), COMPARE_DONE);
    EXPECT_EQ(details.substr(0, 3), "H4 ");
}

TEST(CompareWithFile, OwnBlackAgainstALetterIsAnotherShape) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    CRooster2Doc other = Puzzle({"KAT", "A..", "SOP"});
    std::string details;
    EXPECT_EQ(Compare(doc, other, details), COMPARE_OTHER_SHAPE);
    EXPECT_EQ(FormatCompareResult(COMPARE_OTHER_SHAPE, "", "a"),
              "a\r\n  Positie zwarte- of nietvakken incorrect\r\n");
}

TEST(CompareWithFile, OtherSizeOnly) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    CRooster2Doc other = Puzzle({"KATS", "A#..", "SOP."});
    std::string details;
    EXPECT_EQ(Compare(doc, other, details), COMPARE_OTHER_SIZE);
    EXPECT_EQ(FormatCompareResult(COMPARE_OTHER_SIZE, "", "a"), "a\r\n  Afmetingen incorrect\r\n");
}

TEST(CompareWithFile, MissingAndForeignFiles) {
    TempDir dir;
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    std::string details;
    EXPECT_EQ(CompareWithFile(doc, "", details), COMPARE_NOT_FOUND);
    EXPECT_EQ(CompareWithFile(doc, dir.Path("weg.rtr"), details), COMPARE_NOT_FOUND);
    WriteFileOrFail(dir.Path("tekst.rtr"), "geen puzzel");
    EXPECT_EQ(CompareWithFile(doc, dir.Path("tekst.rtr"), details), COMPARE_NOT_RTR);
    EXPECT_EQ(FormatCompareResult(COMPARE_NOT_FOUND, "", "a"), "a\r\n  Bestand niet gevonden\r\n");
    EXPECT_EQ(FormatCompareResult(COMPARE_NOT_RTR, "", "a"), "a\r\n  Geen rtr-bestand\r\n");
}

TEST(CompareWithFile, EveryTruncationLeavesThePuzzleAsItWas) {
    CRooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    doc.puzzle.words[0].clue = "Huisdier";
    const std::string before = WriteRtr(doc);
    const std::string other = WriteRtr(Puzzle({"KOE", "A#.", "SOP"}));
    for (std::size_t size = 0; size < other.size(); ++size) {
        std::string details;
        const int code = CompareWithBytes(doc, other.substr(0, size), details);
        EXPECT_TRUE(code == COMPARE_NOT_RTR || code == COMPARE_DONE) << size;
        EXPECT_EQ(WriteRtr(doc), before);
    }
}

TEST(FileWordValue, PartsAndIjFromTheOtherGrid) {
    CRooster2Doc doc = Puzzle({"......."});
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 4;
    EXPECT_EQ(FileWordValue(doc, doc.puzzle.words[0], "DENHAAG"), "DEN-HAAG");
    CRooster2Doc ij = Puzzle({"....."});
    EXPECT_EQ(FileWordValue(ij, ij.puzzle.words[0], "ySSEL"), "IJSSEL");
}

class CompareNowTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = Puzzle({"KAT", "A#.", "SOP"});
        WriteFileOrFail(dir.Path("zelf.rtr"), WriteRtr(doc));
        WriteFileOrFail(dir.Path("ander.RTR"), WriteRtr(Puzzle({"KOE", "A#.", "SOP"})));
        WriteFileOrFail(dir.Path("groot.rtr"), WriteRtr(Puzzle({"KATS", "A#..", "SOP."})));
        WriteFileOrFail(dir.Path("notities.txt"), "x");
    }
    TempDir dir;
    CRooster2Doc doc;
};

TEST_F(CompareNowTest, OneFile) {
    std::string result;
    UserMessage message;
    ASSERT_TRUE(CompareNow(doc, dir.Path("zelf.rtr"), false, result, message));
    EXPECT_EQ(result, dir.Path("zelf.rtr") + "\r\n  Inhoud gelijk\r\n");
}

TEST_F(CompareNowTest, AllFilesOfTheFolderInNameOrder) {
    std::string result;
    UserMessage message;
    ASSERT_TRUE(CompareNow(doc, dir.Path("zelf.rtr"), true, result, message));
    EXPECT_EQ(result, dir.Path("ander.RTR") +
                          "\r\n  Verschillen in:\r\n  H1 KAT (KOE)  (3)\r\n  V2 T P (E P)  (3)"
                          "\r\n  \r\n" +
                          dir.Path("groot.rtr") + "\r\n  Afmetingen incorrect\r\n" +
                          dir.Path("zelf.rtr") + "\r\n  Inhoud gelijk\r\n");
}

TEST_F(CompareNowTest, EmptyNameIsRefused) {
    std::string result = "blijft";
    UserMessage message;
    EXPECT_FALSE(CompareNow(doc, "", true, result, message));
    EXPECT_EQ(message.text, "Bestandsnaam niet ingevuld");
    EXPECT_EQ(message.caption, "Oei");
    EXPECT_EQ(result, "blijft");
}

}  // namespace
