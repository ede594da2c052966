#include <gtest/gtest.h>

#include "formats/html_export.h"
#include "formats/ipuz_export.h"
#include "formats/ipuz_import.h"
#include "formats/puz_export.h"
#include "import_test_support.h"
#include "model/clue_text.h"

namespace {

// Letters, an IJ cell, a black cell, a not-cell, a split word and clues with signs
// that HTML and JSON treat specially.
Rooster2Doc FilledPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"DENy", "A#OL", "G-OS"});
    Arrange(doc)->html.title = "Proef & \"zo\"";
    Arrange(doc)->comment = "Regel een\r\nRegel tw\xE9\xE9";
    {
        PuzzleEdit arranged = Arrange(doc);
        for (WordInfo& word : arranged->words) word.clue = "Woord <" + FormatLabel(word) + ">";
    }
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths[0] = 2;
    Arrange(doc)->words[0].partLengths[1] = 2;
    return doc;
}

ImportResult Import(Rooster2Doc& doc, const std::string& json) { return ImportIpuz(doc, json); }

// An ipuz file as other programs write it, around the given members.
std::string Crossword(const std::string& members) {
    return R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"], )" +
           members + "}";
}

}  // namespace

TEST(Ipuz, RoundTripKeepsEverything) {
    Rooster2Doc original = FilledPuzzle();
    Arrange(original)->words[2].clue.clear();
    Rooster2Doc read;
    const ImportResult result = Import(read, WriteIpuz(original.puzzle()));
    ASSERT_TRUE(result.imported) << result.message.text;
    EXPECT_EQ("", result.message.text);
    EXPECT_EQ(original.puzzle().GridToString(), read.puzzle().GridToString());
    ExpectSameWordsAndClues(original, read);
    EXPECT_EQ(original.puzzle().html.title, read.puzzle().html.title);
    EXPECT_EQ(original.puzzle().comment, read.puzzle().comment);
    EXPECT_EQ(Phase::Vullen, read.phase);
}

TEST(Ipuz, ExportWritesTheGridTheWayReadersExpect) {
    const std::string json = WriteIpuz(FilledPuzzle().puzzle());
    EXPECT_EQ(ExpectedBytes("ipuz/filled.ipuz", json), json);
}

TEST(Ipuz, ImportReadsWhatOtherProgramsWrite) {
    const std::string json = Crossword(R"(
        "title": "Kruis<i>woord</i>", "author": "An", "notes": "Een<br/>twee",
        "dimensions": {"width": 3, "height": 3}, "block": "@", "empty": "0",
        "puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, "2", "@"],
                   [3, "0", "#"],
                   [null, {"cell": "0"}, null]],
        "solution": [["TH", "I", "@"], [{"value": "\u0133"}, "S", null], [null, "\u03c9", null]],
        "clues": {"Across": [[1, "\u201cDit\u201d &amp; dat"],
                             {"number": 3, "clue": "Lidwoord", "enumeration": "1,1"}],
                  "Down:Verticaal": [{"number": "1", "clue": "Twee"}, [2, "Drie"],
                                     "zonder nummer", [9, "geen woord"]]})");
    Rooster2Doc doc;
    const ImportResult result = Import(doc, json);
    ASSERT_TRUE(result.imported) << result.message.text;
    // "TH" keeps its first letter, the omega cannot be held: two cells simplified.
    EXPECT_EQ(
        "2 vakje(s) vereenvoudigd: van een antwoord van meer letters is alleen de eerste "
        "overgenomen",
        result.message.text);
    EXPECT_EQ(std::string("TI\x01yS\x01\x02 \x02", 9), doc.puzzle().GridToString());
    EXPECT_EQ("Kruiswoord An", doc.puzzle().html.title);
    EXPECT_EQ("Een\r\ntwee", doc.puzzle().comment);
    ASSERT_EQ(4u, doc.puzzle().words.size());
    EXPECT_EQ("H1. \"Dit\" & dat (2)", GetClueCaption(doc.puzzle().words[0]));
    EXPECT_EQ("V1. Twee (2)", GetClueCaption(doc.puzzle().words[1]));
    EXPECT_EQ("V2. Drie (3)", GetClueCaption(doc.puzzle().words[2]));
    EXPECT_EQ("H3. Lidwoord (1+1)", GetClueCaption(doc.puzzle().words[3]));
}

TEST(IpuzRefusal, DamagedOrHostileFilesLeaveThePuzzle) {
    const std::string grid = R"("puzzle": [[1, 2], [3, 0]])";
    const std::string deep = std::string(10000, '[') + std::string(10000, ']');
    const std::string cases[] = {
        "",
        "{\"kind\": ",
        deep,
        Crossword(R"("dimensions": {"width": 101, "height": 1}, "puzzle": [])"),
        Crossword(R"("dimensions": {"width": 1e999, "height": 2}, )" + grid),
        Crossword(R"("dimensions": {"width": 18446744073709551616, "height": 2}, )" + grid),
        Crossword(R"("dimensions": {"width": "2", "height": 2}, )" + grid),
        Crossword(R"("dimensions": {"width": 3, "height": 2}, )" + grid),
        Crossword(R"("dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, [0]]])"),
        Crossword(R"("dimensions": {"width": 2, "height": 2}, "title": 5, )" + grid),
        Crossword(R"("dimensions": {"width": 2, "height": 2}, "clues": {"Across": 5}, )" + grid),
        Crossword(R"("dimensions": {"width": 2, "height": 2}, "solution": [["A"]], )" + grid),
        R"({"kind": ["http://ipuz.org/sudoku#1"], "dimensions": {"width": 2, "height": 2}, )" +
            grid + "}",
    };
    const Rooster2Doc original = MakeOpenPuzzle();
    for (const std::string& json : cases) {
        Rooster2Doc doc = original;
        const ImportResult result = Import(doc, json);
        EXPECT_FALSE(result.imported) << json.substr(0, 80);
        EXPECT_TRUE(result.message.text.starts_with("Ipuz-bestand incorrect: "))
            << result.message.text;
        ExpectSameDocument(original, doc);
    }
}

TEST(IpuzRefusal, EveryTruncationAndGarbageIsSafe) {
    const std::string json = WriteIpuz(FilledPuzzle().puzzle());
    ExpectEveryTruncationSafe(json, ImportIpuz);
    ExpectGarbageSafe(json, ImportIpuz);
}

TEST(IpuzRefusal, DoorloperCannotBeWritten) {
    Rooster2Doc doc = FilledPuzzle();
    EXPECT_FALSE(IpuzExportRefusal(doc.puzzle()).has_value());
    Arrange(doc)->numbering.doorloper = true;
    EXPECT_EQ("Een doorloper past niet in een ipuz-bestand", IpuzExportRefusal(doc.puzzle())->text);
}

TEST(IpuzBars, BarsOfEveryKindOfStyleMakeABalkjesPuzzleThatRoundTrips) {
    // Bars given from either side of an edge, inline and by a named style; a bar on the
    // border leads nowhere and is dropped.
    const std::string json = Crossword(R"(
        "dimensions": {"width": 3, "height": 3},
        "styles": {"rechts": {"barred": "R"}},
        "puzzle": [[{"cell": 1, "style": "rechts"}, {"cell": 2, "style": {"barred": "T"}}, 0],
                   [{"cell": 3, "style": {"barred": "bl"}}, 0, 0],
                   [0, {"cell": 0, "style": {"barred": "T"}}, {"cell": 0, "style": {"barred": "R"}}]],
        "clues": {"Across": [[3, "Rij"]]})");
    Rooster2Doc doc;
    ASSERT_TRUE(Import(doc, json).imported);
    const Puzzle& puzzle = doc.puzzle();
    EXPECT_EQ(puzzle.form, PuzzleForm::Balkjes);
    EXPECT_TRUE(puzzle.HasBar(0, 0, 1, 0));
    EXPECT_TRUE(puzzle.HasBar(0, 1, 0, 1));
    EXPECT_TRUE(puzzle.HasBar(1, 1, 0, 1));
    EXPECT_FALSE(puzzle.HasBar(2, 2, 1, 0));
    // Row 0 is cut after its first cell; the clue "3 across" finds the row below it.
    ASSERT_EQ(puzzle.words.size(), 6u);
    EXPECT_EQ(puzzle.words[1].x, 1);
    EXPECT_EQ(puzzle.words[1].length, 2);
    EXPECT_EQ(puzzle.words[4].clue, "Rij");

    Rooster2Doc again;
    ASSERT_TRUE(Import(again, WriteIpuz(puzzle)).imported);
    EXPECT_EQ(again.puzzle().bars, puzzle.bars);
    EXPECT_EQ(again.puzzle().GridToString(), puzzle.GridToString());
    ASSERT_EQ(again.puzzle().words.size(), 6u);
    EXPECT_EQ(again.puzzle().words[4].clue, "Rij");
}

TEST(IpuzBars, AcrossLiteAndTheWebPageRefuseOtherForms) {
    Rooster2Doc doc = FilledPuzzle();
    Arrange(doc)->form = PuzzleForm::Balkjes;
    EXPECT_EQ(PuzExportRefusal(doc.puzzle())->text,
              "Een puzzel van de vorm Balkjes past niet in een Across Lite-bestand");
    EXPECT_EQ(HtmlExportRefusal(doc.puzzle())->text,
              "Een puzzel van de vorm Balkjes kan niet als webpagina worden opgeslagen");
    EXPECT_FALSE(IpuzExportRefusal(doc.puzzle()).has_value());
}
