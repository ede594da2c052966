#include "formats/puz_text_export.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

// A, black, empty over IJ, niet, B.
CRooster2Doc SmallPuzzle() {
    CRooster2Doc doc;
    SetGrid(doc, {"A#.", "y-B"});
    return doc;
}

TEST(PuzTextLayout, WholeFileByteForByte) {
    CRooster2Doc doc;
    SetGrid(doc, {"AB.", "C#-"});
    doc.puzzle.html.title = "Mijn puzzel";
    doc.puzzle.words[0].clue = "Begin";
    doc.puzzle.words[0].extraList = 2;
    doc.puzzle.comment = "regel 1\r\nregel 2";
    EXPECT_EQ(
        "<ACROSS PUZZLE>\r\n<TITLE>\r\n  Mijn puzzel\r\n"
        "<AUTHOR>\r\n\t Gemaakt door Rooster2\r\n"
        "<COPYRIGHT>\r\n  ???\r\n"
        "<SIZE>\r\n  3x2\r\n"
        "<GRID>\r\n  ABx\r\n  C..\r\n"
        "<ACROSS>\r\n  Begin (3) *2\r\n"
        "<DOWN>\r\n  ??\r\n"
        "<NOTEPAD>\r\nregel 1\r\nregel 2\r\n",
        WriteAcrossLiteText(doc.puzzle, false));
}

TEST(PuzTextLayout, GridCharacters) {
    const std::string text = WriteAcrossLiteText(SmallPuzzle().puzzle, false);
    EXPECT_NE(std::string::npos, text.find("<GRID>\r\n  A.x\r\n  y.B\r\n<ACROSS>"));
    const std::string small = WriteAcrossLiteText(SmallPuzzle().puzzle, true);
    EXPECT_NE(std::string::npos, small.find("<GRID>\r\n  a.x\r\n  y.b\r\n<ACROSS>"));
}

TEST(PuzTextLayout, EmptyTitleIsOnbekendWithoutIndent) {
    const std::string text = WriteAcrossLiteText(SmallPuzzle().puzzle, false);
    EXPECT_EQ(0u, text.find("<ACROSS PUZZLE>\r\n<TITLE>\r\nOnbekend\r\n<AUTHOR>"));
}

TEST(PuzTextLayout, NoCommentEndsAfterTheDownList) {
    CRooster2Doc doc;
    SetGrid(doc, {"..", ".."});
    doc.puzzle.words[1].clue = "Omlaag";
    const std::string text = WriteAcrossLiteText(doc.puzzle, false);
    const std::string tail = "<ACROSS>\r\n  ??\r\n  ??\r\n<DOWN>\r\n  Omlaag (2)\r\n  ??\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
}

TEST(PuzTextLayout, AcrossOnlyStillWritesTheDownTag) {
    CRooster2Doc doc;
    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"..", ".."});
    const std::string text = WriteAcrossLiteText(doc.puzzle, false);
    EXPECT_NE(std::string::npos, text.find("<ACROSS>\r\n  ??\r\n  ??\r\n<DOWN>\r\n"));
    EXPECT_EQ(text.size() - 8, text.find("<DOWN>\r\n"));
}

}  // namespace
