#include "formats/puz_text_export.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

TEST(PuzTextLayout, WholeFileByteForByte) {
    Rooster2Doc doc;
    SetGrid(doc, {"AB.", "C#-"});
    Arrange(doc)->html.title = "Mijn puzzel";
    Arrange(doc)->words[0].clue = "Begin";
    Arrange(doc)->words[0].extraList = 2;
    Arrange(doc)->comment = "regel 1\r\nregel 2";
    const std::string text = WriteAcrossLiteText(doc.puzzle(), false);
    EXPECT_EQ(ExpectedBytes("across-lite-text/whole-file.txt", text), text);
}

}  // namespace
