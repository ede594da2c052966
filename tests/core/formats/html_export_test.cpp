#include "formats/html_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

const char* const VERSION = "Rooster2 versie X\nGemaakt op nu";

// 1 across ABC... on top, C, a black and a "niet" cell below.
Rooster2Doc SmallPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"AB.", "C#-"});
    Arrange(doc)->words[0].clue = "Eerst & <b>";
    Arrange(doc)->words[1].clue = "Neer";
    Arrange(doc)->html.title = "T\"i<t>";
    return doc;
}

Rooster2Doc SplitWords(int lineWidth);

// Each page variant against its expected file; the small puzzle holds a letter, an IJ, a
// black and a "niet" cell, and markup in its title and clues.
TEST(HtmlExportLayout, PagesByteForByte) {
    const struct {
        const char* file;
        bool filled;
        bool lowerCase;
        std::function<void(Rooster2Doc&)> change;
    } cases[] = {
        {"html/empty.html", false, false, [](Rooster2Doc&) {}},
        {"html/filled.html", true, false,
         [](Rooster2Doc& doc) { Arrange(doc)->SetCell(2, 0, CELL_IJ); }},
        {"html/filled-lower-case.html", true, true,
         [](Rooster2Doc& doc) { Arrange(doc)->SetCell(2, 0, CELL_IJ); }},
        {"html/untitled-unnumbered-black.html", false, false,
         [](Rooster2Doc& doc) {
             Arrange(doc)->html.title.clear();
             Arrange(doc)->appearance.showNumbers = false;
             Arrange(doc)->html.blackGrey = false;
         }},
        {"html/side-by-side.html", false, false,
         [](Rooster2Doc& doc) { Arrange(doc)->html.cluesSideBySide = true; }},
        {"html/across-only.html", false, false,
         [](Rooster2Doc& doc) {
             Arrange(doc)->html.cluesSideBySide = true;
             Arrange(doc)->numbering.acrossOnly = true;
             Arrange(doc)->BuildWords();
         }},
        {"html/small-red-cells.html", false, false,
         [](Rooster2Doc& doc) {
             Arrange(doc)->appearance.cellSize = 5;
             Arrange(doc)->appearance.colours.zwart = Rgb(0x12, 0x34, 0x56);
         }},
        {"html/part-borders.html", false, false, [](Rooster2Doc& doc) { doc = SplitWords(1); }},
        {"html/part-corner.html", false, false,
         [](Rooster2Doc& doc) {
             doc = SplitWords(0);
             Arrange(doc)->words[0].partLengths[0] = 1;
             Arrange(doc)->words[0].partLengths[1] = 6;
         }},
    };
    for (const auto& c : cases) {
        Rooster2Doc doc = SmallPuzzle();
        c.change(doc);
        const std::string page = WriteHtml(doc.puzzle(), c.filled, c.lowerCase, VERSION);
        EXPECT_EQ(ExpectedBytes(c.file, page), page) << c.file;
    }
}

// ------------------------------------------------------------ part boundaries

Rooster2Doc SplitWords(int lineWidth) {
    Rooster2Doc doc;
    SetGrid(doc, {".......", ".######", ".######"});
    Arrange(doc)->appearance.lineWidth = lineWidth;
    Arrange(doc)->words[0].partCount = 2;  // across 7: 3 + 4
    Arrange(doc)->words[0].partLengths[0] = 3;
    Arrange(doc)->words[0].partLengths[1] = 4;
    Arrange(doc)->words[1].partCount = 2;  // down 3: 1 + 2
    Arrange(doc)->words[1].partLengths[0] = 1;
    Arrange(doc)->words[1].partLengths[1] = 2;
    return doc;
}

// ------------------------------------------------------------ the image beside the page

const std::string GREY_IMAGE = "GIF89a grijs;";

class HtmlImageCopy : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.Path("program"));
        std::filesystem::create_directories(m_dir.Path("pages"));
        WriteFileOrFail(m_dir.Path("program/grijs.gif"), GREY_IMAGE);
        WriteFileOrFail(m_dir.Path("program/zwart.gif"), "GIF89a zwart;");
    }
    TempDir m_dir;
};

TEST_F(HtmlImageCopy, AnEmptyOrCutShortImageIsReplaced) {
    for (const std::string damaged : {"", "GIF89a gri"}) {
        WriteFileOrFail(m_dir.Path("pages/grijs.gif"), damaged);
        UserMessage message;
        EXPECT_TRUE(ExportHtml(SmallPuzzle().puzzle(), m_dir.Path("pages/p.html"), false, false,
                               VERSION, m_dir.Path("program"), message));
        EXPECT_EQ(GREY_IMAGE, ReadFileOrEmpty(m_dir.Path("pages/grijs.gif")));
    }
}

TEST_F(HtmlImageCopy, AFailedImageCopyKeepsTheOldPage) {
    // A folder where the image should go: it cannot be written, whoever runs the test.
    std::filesystem::create_directories(m_dir.Path("pages/grijs.gif"));
    WriteFileOrFail(m_dir.Path("pages/p.html"), "old page");
    UserMessage message;
    EXPECT_FALSE(ExportHtml(SmallPuzzle().puzzle(), m_dir.Path("pages/p.html"), false, false,
                            VERSION, m_dir.Path("program"), message));
    EXPECT_NE(message.text.find(m_dir.Path("pages/grijs.gif")), std::string::npos);
    EXPECT_EQ(ReadFileOrEmpty(m_dir.Path("pages/p.html")), "old page");
}

#ifndef _WIN32
TEST_F(HtmlImageCopy, TheImageLandsBesideThePageNotBesideALinkOrADevice) {
    std::filesystem::create_directories(m_dir.Path("links"));
    std::filesystem::create_symlink("../pages/p.html", m_dir.Path("links/p.html"));
    UserMessage message;
    ASSERT_TRUE(ExportHtml(SmallPuzzle().puzzle(), m_dir.Path("links/p.html"), false, false,
                           VERSION, m_dir.Path("program"), message));
    EXPECT_EQ(GREY_IMAGE, ReadFileOrEmpty(m_dir.Path("pages/grijs.gif")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.Path("links/grijs.gif")));
    EXPECT_TRUE(ExportHtml(SmallPuzzle().puzzle(), "/dev/null", false, false, VERSION,
                           m_dir.Path("program"), message));
    EXPECT_FALSE(std::filesystem::exists("/dev/grijs.gif"));
}
#endif

}  // namespace
