#include "formats/html_import.h"

#include <gtest/gtest.h>

#include "formats/html_export.h"
#include "import_test_support.h"
#include "util/latin1.h"

namespace {

std::string Row(const std::string& cells) {
    std::string row = "<tr>\n";
    for (char kind : cells) row += std::string("<td class=rtr") + kind + "i></td>\n";
    return row;
}

std::string Page(const std::string& rows) {
    return "<html><body>\n<table class=rtr cellspacing=0>\n<tbody>\n" + rows +
           "</tbody>\n</table>\n</body></html>\n";
}

TEST(HtmlImportRoundTrip, EveryExportedPageGivesTheShapeWithEmptyWordCells) {
    Rooster2Doc source;
    SetGrid(source, {"AB#..", "-.y.-", "..#C.", "-----", "#...#"});
    Arrange(source)->words[0].clue = "weg";
    Arrange(source)->appearance.partDashes = true;
    Rooster2Doc expected;
    SetGrid(expected, {"..#..", "-...-", "..#..", "-----", "#...#"});
    for (const auto& [filled, lowerCase] : {std::pair{false, false}, {true, false}, {true, true}}) {
        Arrange(source)->html.cluesSideBySide = lowerCase;
        Rooster2Doc doc;
        doc.pathName = "ouder.rtr";
        const ImportResult result =
            ReadHtmlGrid(doc, WriteHtml(source.puzzle(), filled, lowerCase, "v"));
        ASSERT_TRUE(result.imported);
        EXPECT_TRUE(result.message.text.empty());
        EXPECT_EQ(expected.puzzle().GridToString(), doc.puzzle().GridToString())
            << filled << lowerCase;
        EXPECT_EQ(5, doc.puzzle().width);
        EXPECT_EQ(expected.puzzle().words.size(), doc.puzzle().words.size());
        EXPECT_EQ(Phase::Vullen, doc.phase);
        EXPECT_TRUE(doc.IsModified());
        // Saving must not put the imported grid over the puzzle open before.
        EXPECT_TRUE(doc.pathName.empty());
    }
}

TEST(HtmlImportRoundTrip, KeepsSettingsThatThePageDoesNotCarry) {
    Rooster2Doc doc = MakeOpenPuzzle();
    ASSERT_TRUE(ReadHtmlGrid(doc, Page(Row("ww") + Row("zn"))).imported);
    EXPECT_EQ(44, doc.puzzle().appearance.cellSize);
    EXPECT_EQ("Open puzzel", doc.puzzle().html.title);
    EXPECT_EQ(GridRows(doc), (Rows{"..", "#-"}));
}

TEST(HtmlImportMarkers, UpperCaseMarkersAreRecognised) {
    Rooster2Doc doc;
    const std::string page = Latin1ToUpper(Page(Row("wwz") + Row("nww")));
    ASSERT_TRUE(ReadHtmlGrid(doc, page).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"..#", "-.."}));
}

TEST(HtmlImportMarkers, CountsRowsAndWidestRow) {
    int rows = 0;
    int columns = 0;
    ASSERT_TRUE(CountHtmlGrid(Page(Row("www") + Row("w") + Row("wwwww")), rows, columns));
    EXPECT_EQ(3, rows);
    EXPECT_EQ(5, columns);
    EXPECT_FALSE(CountHtmlGrid("<html><table class=other>\n<tr>\n</table>", rows, columns));
}

TEST(HtmlImportMarkers, CellsOfShortRowsAndUnknownClassesBecomeFree) {
    Rooster2Doc doc;
    SetGrid(doc, {"###", "###", "###"});
    ASSERT_TRUE(ReadHtmlGrid(doc, Page(Row("zzz") + Row("z") + Row("nx"))).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"###", "#..", "-.."}));
}

TEST(HtmlImportMarkers, LongLinesAreReadInPiecesOf999) {
    // The marker starts at 999 in its line: wholly inside the second piece.
    const std::string inSecondPiece = std::string(999, ' ') + "<td class=rtrzi>\n";
    // The marker straddles the two pieces and is not seen.
    const std::string straddling = std::string(995, ' ') + "<td class=rtrzi>\n";
    Rooster2Doc doc;
    const std::string free = "<td class=rtrwi>\n";
    ASSERT_TRUE(
        ReadHtmlGrid(doc, Page("<tr>\n" + inSecondPiece + straddling + free + free)).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"#.."}));
}

TEST(HtmlImportRefusal, PagesWithoutAGridThatFitsLeaveTheDocument) {
    std::string hundredRows;
    for (int i = 0; i < 100; ++i) hundredRows += Row("w");
    const Rooster2Doc original = MakeOpenPuzzle();
    for (const std::string& page :
         {std::string("<html><body><table>\n<tr>\n</table>\n"), Page(Row(std::string(100, 'w'))),
          Page(hundredRows), Page(""), Page(Row(""))}) {
        Rooster2Doc doc = original;
        const ImportResult result = ReadHtmlGrid(doc, page);
        EXPECT_FALSE(result.imported);
        EXPECT_EQ("Html-bestand voldoet niet aan Rooster2-eisen", result.message.text);
        EXPECT_EQ("Jammer", result.message.caption);
        ExpectSameDocument(original, doc);
    }
    Rooster2Doc doc;
    EXPECT_TRUE(ReadHtmlGrid(doc, Page(Row(std::string(99, 'w')))).imported);
    EXPECT_EQ(99, doc.puzzle().width);
}

TEST(HtmlImportRefusal, EveryTruncationAndGarbageIsSafe) {
    Rooster2Doc source;
    SetGrid(source, {"..#", "-..", "..#"});
    const std::string page = WriteHtml(source.puzzle(), true, false, "v");
    ExpectEveryTruncationSafe(page, ReadHtmlGrid);
    ExpectGarbageSafe(page, ReadHtmlGrid);
}

}  // namespace
