#include "formats/html_export.h"
#include "model/part_boundaries.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/rooster2_doc.h"
#include "test_support.h"
#include "util/str_format.h"

namespace {

const char* const VERSION = "Rooster2 versie X\nGemaakt op nu";

std::string Crlf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

std::string CellStyle(int bottom, int right, const char* align) {
    return StrFormat(
        "  border-top:    #000000 1px solid;\n"
        "  border-left:   #000000 1px solid;\n"
        "  border-bottom: #000000 %dpx solid;\n"
        "  border-right:  #000000 %dpx solid;\n"
        "  width: 30;\n"
        "  height: 30;\n"
        "  background: #ffffff;\n"
        "  font-size: 20px;\n"
        "  vertical-align: text-top;\n"
        "  text-align: %s;\n",
        bottom, right, align);
}

// 1 across ABC... on top, C, a black and a "niet" cell below.
CRooster2Doc SmallPuzzle() {
    CRooster2Doc doc;
    SetGrid(doc, {"AB.", "C#-"});
    doc.puzzle.words[0].clue = "Eerst & <b>";
    doc.puzzle.words[1].clue = "Neer";
    doc.puzzle.html.title = "T\"i<t>";
    return doc;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(HtmlExportLayout, EmptyPageByteForByte) {
    const std::string expected = Crlf(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 TRANSITIONAL//EN\">\n"
        "<html lang=\"nl\">\n"
        "<head>\n"
        "<title>T&quot;i&lt;t&gt;</title>\n"
        "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">\n"
        "<meta name=\"generator\" content=\"Rooster2 versie X\nGemaakt op nu\">\n"
        "<style type=\"text/css\">\n"
        ".rtrni {\n  width: 30;\n  height: 30;\n  background: #ffffff;\n}\n"
        ".rtrwi  {\n" +
        CellStyle(1, 1, "left") +
        "}\n"
        ".rtrzw {\n  border:    #000000 1px solid;\n  width: 30;\n  height: 30;\n"
        "  background: #8494b4;\n}\n"
        ".rtrwirechts {\n" +
        CellStyle(1, 2, "left") +
        "}\n"
        ".rtrwionder {\n" +
        CellStyle(2, 1, "left") +
        "}\n"
        ".rtrwirechtsonder {\n" +
        CellStyle(2, 2, "left") +
        "}\n"
        "table.rtr {\n  border-collapse: collapse;\n  table-layout: fixed;\n}\n"
        "hr.rtr {\n  text-align: left;\n  width: 70%;\n}\n"
        "sup {\n  font-size: 12px;\n}\n"
        "</style>\n</head>\n<body>\n"
        "<h2>T&quot;i&lt;t&gt;</h2>\n"
        "<table class=rtr cellspacing=0 cellpadding=0 border=0>\n"
        "<tbody valign=top>\n"
        "  <tr>\n"
        "    <td class=rtrwi><sup><sup>1</sup></sup></td>\n"
        "    <td class=rtrwi><sup><sup>&nbsp;</sup></sup></td>\n"
        "    <td class=rtrwi><sup><sup>&nbsp;</sup></sup></td>\n"
        "  </tr>\n"
        "  <tr>\n"
        "    <td class=rtrwi><sup><sup>&nbsp;</sup></sup></td>\n"
        "    <td class=rtrzw><img src=\"grijs.gif\" width=30 height=30></td>\n"
        "    <td class=rtrni></td>\n"
        "  </tr>\n"
        "</tbody>\n</table>\n\n"
        "<p><b>Horizontaal</b><br><br>\n"
        "1. Eerst &amp; &lt;b&gt; (3)<br>\n"
        "<p><b>Verticaal</b><br><br>\n"
        "1. Neer (2)<br>\n"
        "</body>\n</html>\n");
    EXPECT_EQ(expected, WriteHtml(SmallPuzzle().puzzle, false, false, VERSION));
}

TEST(HtmlExportLayout, FilledPageCentresTheLetters) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.SetCell(2, 0, CELL_IJ);
    const std::string page = WriteHtml(doc.puzzle, true, false, VERSION);
    EXPECT_TRUE(Contains(page, "  text-align: center;\r\n"));
    EXPECT_FALSE(Contains(page, "text-top;\r\n  text-align: left;\r\n"));
    EXPECT_TRUE(Contains(page, "    <td class=rtrwi><sup><sup>1</sup></sup>A</td>\r\n"));
    EXPECT_TRUE(Contains(page, "    <td class=rtrwi><sup><sup>&nbsp;</sup></sup>IJ</td>\r\n"));
    const std::string small = WriteHtml(doc.puzzle, true, true, VERSION);
    EXPECT_TRUE(Contains(small, "<sup><sup>1</sup></sup>a</td>"));
    EXPECT_TRUE(Contains(small, "<sup><sup>&nbsp;</sup></sup>ij</td>"));
}

TEST(HtmlExportLayout, EmptyTitleIsRooster2) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.html.title.clear();
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_TRUE(Contains(page, "<title>Rooster2</title>\r\n"));
    EXPECT_TRUE(Contains(page, "<h2>Rooster2</h2>\r\n"));
}

TEST(HtmlExportLayout, CellWithoutNumberOpensWithClassOnlyWhenNumbersAreOff) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.appearance.showNumbers = false;
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_TRUE(Contains(page, "    <td class=rtrwi></td>\r\n"));
    EXPECT_TRUE(Contains(page, "    <td class=rtrwi><sup><sup>1</sup></sup></td>\r\n"));
    EXPECT_FALSE(Contains(page, "&nbsp;"));
}

TEST(HtmlExportLayout, BlackImageFollowsTheChoice) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.html.blackGrey = false;
    EXPECT_TRUE(Contains(WriteHtml(doc.puzzle, false, false, VERSION), "<img src=\"zwart.gif\" width=30"));
    EXPECT_EQ("zwart.gif", HtmlImageName(doc.puzzle));
    doc.puzzle.html.blackGrey = true;
    EXPECT_EQ("grijs.gif", HtmlImageName(doc.puzzle));
}

TEST(HtmlExportLayout, AcrossOnlyWritesNeitherDownListNorTwoColumns) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.html.cluesSideBySide = true;
    doc.puzzle.numbering.acrossOnly = true;
    doc.puzzle.BuildWords();
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_FALSE(Contains(page, "Verticaal"));
    EXPECT_FALSE(Contains(page, "cellpadding=10"));
    EXPECT_TRUE(Contains(page, "<p><b>Horizontaal</b><br><br>\r\n"));
}

TEST(HtmlExportLayout, CluesSideBySideInTwoColumns) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.html.cluesSideBySide = true;
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_TRUE(
        Contains(page,
                 "<p><table cellspacing=0 cellpadding=10 border=0>\r\n<tbody valign=top>\r\n"
                 "  <tr>\r\n    <td width=\"50%\"><p><b>Horizontaal</b><br><br>\r\n"
                 "1. Eerst &amp; &lt;b&gt; (3)<br>\r\n    </td><td width=\"50%\">\r\n"
                 "<p><b>Verticaal</b><br><br>\r\n1. Neer (2)<br>\r\n"
                 "    </td>\r\n  </tr>\r\n</tbody>\r\n</table>\r\n</body>"));
}

TEST(HtmlExportLayout, FontSizesFollowTheCellSize) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.appearance.cellSize = 5;
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_TRUE(Contains(page, "  font-size: 3px;\r\n  vertical-align"));
    EXPECT_TRUE(Contains(page, "sup {\r\n  font-size: 3px;\r\n}"));
    EXPECT_TRUE(Contains(page, "<img src=\"grijs.gif\" width=5 height=5>"));
}

TEST(HtmlExportLayout, ColoursAreWrittenAsRgb) {
    EXPECT_EQ(0xff0000u, ColorToHtml(Rgb(255, 0, 0)));
    EXPECT_EQ(0x123456u, ColorToHtml(Rgb(0x12, 0x34, 0x56)));
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.appearance.colours.zwart = Rgb(255, 0, 0);
    EXPECT_TRUE(Contains(WriteHtml(doc.puzzle, false, false, VERSION), "  background: #ff0000;\r\n"));
}

TEST(HtmlExportLayout, MarkupInTitleAndCluesIsEscaped) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.words[0].clue = "<script>\"x\" & y</script>";
    const std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_FALSE(Contains(page, "<script>"));
    EXPECT_TRUE(Contains(page, "1. &lt;script&gt;&quot;x&quot; &amp; y&lt;/script&gt; (3)<br>"));
}

// ------------------------------------------------------------ part boundaries

CRooster2Doc SplitWords(int lineWidth) {
    CRooster2Doc doc;
    SetGrid(doc, {".......", ".######", ".######"});
    doc.puzzle.appearance.lineWidth = lineWidth;
    doc.puzzle.words[0].partCount = 2;  // across 7: 3 + 4
    doc.puzzle.words[0].partLengths[0] = 3;
    doc.puzzle.words[0].partLengths[1] = 4;
    doc.puzzle.words[1].partCount = 2;  // down 3: 1 + 2
    doc.puzzle.words[1].partLengths[0] = 1;
    doc.puzzle.words[1].partLengths[1] = 2;
    return doc;
}

TEST(HtmlPartBoundaries, InnerPartEndsAreFlagged) {
    const CRooster2Doc doc = SplitWords(0);
    EXPECT_EQ(PART_END_DOWN, GetPartBoundaryFlags(doc.puzzle, 0, 0));
    EXPECT_EQ(0, GetPartBoundaryFlags(doc.puzzle, 1, 0));
    EXPECT_EQ(PART_END_ACROSS, GetPartBoundaryFlags(doc.puzzle, 2, 0));
    EXPECT_EQ(0, GetPartBoundaryFlags(doc.puzzle, 6, 0));  // end of the last part
    EXPECT_EQ(0, GetPartBoundaryFlags(doc.puzzle, 0, 1));
    EXPECT_EQ(0, GetPartBoundaryFlags(doc.puzzle, 1, 1));  // black
}

TEST(HtmlPartBoundaries, FlagsBothWaysInOneCell) {
    CRooster2Doc doc = SplitWords(0);
    doc.puzzle.words[0].partLengths[0] = 1;
    doc.puzzle.words[0].partLengths[1] = 6;
    EXPECT_EQ(PART_END_ACROSS | PART_END_DOWN, GetPartBoundaryFlags(doc.puzzle, 0, 0));
    EXPECT_TRUE(Contains(WriteHtml(doc.puzzle, false, false, VERSION),
                         "    <td class=rtrwirechtsonder><sup><sup>1</sup></sup></td>"));
}

TEST(HtmlPartBoundaries, ThickerBordersOnlyWithPartDashes) {
    CRooster2Doc doc = SplitWords(1);
    std::string page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_TRUE(Contains(page, "    <td class=rtrwionder><sup><sup>1</sup></sup></td>"));
    EXPECT_TRUE(Contains(page, "    <td class=rtrwirechts><sup><sup>&nbsp;</sup></sup></td>"));
    EXPECT_TRUE(Contains(page,
                         ".rtrwirechts {\r\n  border-top:    #000000 2px solid;\r\n"
                         "  border-left:   #000000 2px solid;\r\n"
                         "  border-bottom: #000000 2px solid;\r\n"
                         "  border-right:  #000000 3px solid;\r\n"));
    EXPECT_TRUE(Contains(page, "  border:    #000000 2px solid;\r\n"));
    doc.puzzle.appearance.partDashes = false;
    page = WriteHtml(doc.puzzle, false, false, VERSION);
    EXPECT_FALSE(Contains(page, "<td class=rtrwirechts>"));
    EXPECT_FALSE(Contains(page, "<td class=rtrwionder>"));
}

// ------------------------------------------------------------ the image beside the page

class HtmlImageCopy : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.Path("program"));
        std::filesystem::create_directories(m_dir.Path("pages"));
        WriteFileOrFail(m_dir.Path("program/grijs.gif"), "grijs");
        WriteFileOrFail(m_dir.Path("program/zwart.gif"), "zwart");
    }
    TempDir m_dir;
};

TEST_F(HtmlImageCopy, ExportWritesThePageAndCopiesTheChosenImage) {
    const CRooster2Doc doc = SmallPuzzle();
    UserMessage message;
    ASSERT_TRUE(ExportHtml(doc.puzzle, m_dir.Path("pages/p.html"), false, false, VERSION,
                           m_dir.Path("program"), message));
    EXPECT_TRUE(message.text.empty());
    EXPECT_EQ(WriteHtml(doc.puzzle, false, false, VERSION), ReadFileOrEmpty(m_dir.Path("pages/p.html")));
    EXPECT_EQ("grijs", ReadFileOrEmpty(m_dir.Path("pages/grijs.gif")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.Path("pages/zwart.gif")));
}

TEST_F(HtmlImageCopy, AnImageAlreadyBesideThePageIsKept) {
    WriteFileOrFail(m_dir.Path("pages/grijs.gif"), "eigen");
    EXPECT_TRUE(CopyHtmlImage(SmallPuzzle().puzzle, m_dir.Path("program"), m_dir.Path("pages/p.html"))
                    .text.empty());
    EXPECT_EQ("eigen", ReadFileOrEmpty(m_dir.Path("pages/grijs.gif")));
}

TEST_F(HtmlImageCopy, MissingImageIsReportedButThePageStays) {
    std::filesystem::remove(m_dir.Path("program/grijs.gif"));
    UserMessage message;
    ASSERT_TRUE(ExportHtml(SmallPuzzle().puzzle, m_dir.Path("pages/p.html"), true, false, VERSION,
                           m_dir.Path("program"), message));
    const std::string source =
        (std::filesystem::path(m_dir.Path("program")) / "grijs.gif").string();
    EXPECT_EQ("File " + source + "\nniet in map van programma", message.text);
    EXPECT_EQ("Jammer", message.caption);
    EXPECT_FALSE(ReadFileOrEmpty(m_dir.Path("pages/p.html")).empty());
}

TEST_F(HtmlImageCopy, UnwritablePageWritesNothing) {
    UserMessage message;
    EXPECT_FALSE(ExportHtml(SmallPuzzle().puzzle, m_dir.Path("geen/map/p.html"), false, false, VERSION,
                            m_dir.Path("program"), message));
    EXPECT_FALSE(std::filesystem::exists(m_dir.Path("geen")));
}

}  // namespace
