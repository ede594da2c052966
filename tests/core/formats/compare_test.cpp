#include "formats/compare.h"

#include <gtest/gtest.h>

#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// H1 KAT, V1 KAS, V2 "T.P", H3 SOP.
Rooster2Doc Puzzle(const std::initializer_list<std::string>& rows) {
    Rooster2Doc doc;
    SetGrid(doc, rows);
    return doc;
}

TEST(CompareWithFile, MissingAndForeignFiles) {
    TempDir dir;
    Rooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    std::string details;
    EXPECT_EQ(CompareWithFile(doc, "", details), COMPARE_NOT_FOUND);
    EXPECT_EQ(CompareWithFile(doc, dir.Path("weg.rtr"), details), COMPARE_NOT_FOUND);
    WriteFileOrFail(dir.Path("tekst.rtr"), "geen puzzel");
    EXPECT_EQ(CompareWithFile(doc, dir.Path("tekst.rtr"), details), COMPARE_NOT_RTR);
    EXPECT_EQ(FormatCompareResult(COMPARE_NOT_FOUND, "", "a"), "a\r\n  Bestand niet gevonden\r\n");
    EXPECT_EQ(FormatCompareResult(COMPARE_NOT_RTR, "", "a"), "a\r\n  Geen rtr-bestand\r\n");
}

TEST(CompareWithFile, EveryTruncationLeavesThePuzzleAsItWas) {
    Rooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    Arrange(doc)->words[0].clue = "Huisdier";
    const std::string before = WriteRtr(doc);
    const std::string other = WriteRtr(Puzzle({"KOE", "A#.", "SOP"}));
    for (std::size_t size = 0; size < other.size(); ++size) {
        std::string details;
        const int code = CompareWithBytes(doc, other.substr(0, size), details);
        EXPECT_TRUE(code == COMPARE_NOT_RTR || code == COMPARE_DONE) << size;
        EXPECT_EQ(WriteRtr(doc), before);
    }
}

TEST(CompareNow, EmptyNameIsRefused) {
    Rooster2Doc doc = Puzzle({"KAT", "A#.", "SOP"});
    std::string result = "blijft";
    UserMessage message;
    EXPECT_FALSE(CompareNow(doc, "", true, result, message));
    EXPECT_EQ(message.text, "Bestandsnaam niet ingevuld");
    EXPECT_EQ(message.caption, "Oei");
    EXPECT_EQ(result, "blijft");
}

}  // namespace
