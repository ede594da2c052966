#include "formats/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

Lines Report(CRooster2Doc& doc, const StatisticsOptions& options = {},
             const SystemFacts& facts = {}) {
    Lines lines;
    ComputeStatistics(doc, lines, options, facts);
    return lines;
}

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool AnyStartsWith(const Lines& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with(prefix); });
}

// H1 KAT, V1 KAS, V2 "T P" (partly filled), H3 SOP.
void SetFilledGrid(CRooster2Doc& doc) { SetGrid(doc, {"KAT", "A#.", "SOP"}); }

TEST(ComputeStatistics, WholeReportWithLengthsProductAndSum) {
    CRooster2Doc doc;
    SetFilledGrid(doc);
    StatisticsOptions options;
    options.withLengths = true;
    options.withProduct = true;
    options.withSum = true;
    EXPECT_EQ(Report(doc, options),
              (Lines{"Locatie: bestand nog niet opgeslagen",
                     "Woordenlijst: niet gespecificeerd",
                     "Aantal vakken zwart: 1, vrij: 8 (88.9%), niet: 0, totaal 9",
                     "Aantal woorden leeg: 0, vol: 3, deels: 1",
                     "Aantal woorden horizontaal: 2, verticaal 2, totaal 4",
                     "",
                     "Lengte 3: 4 woorden",
                     "Gemiddelde lengte: 3.0 letters",
                     "",
                     "Alle woorden verschillend",
                     "",
                     "Teken A: 2",
                     "Teken K: 1",
                     "Teken O: 1",
                     "Teken P: 1",
                     "Teken S: 1",
                     "Teken T: 1",
                     "",
                     "Horizontaal",
                     "   1. kat (3); 220; 32",
                     "   3. sop (3); 4560; 50",
                     "",
                     "Verticaal",
                     "   1. kas (3); 209; 31",
                     "   2. t p (3)",
                     "",
                     "Letters op nummerplaatsen:",
                     "KTS"}));
}

TEST(ComputeStatistics, LocationWordListsAndClues) {
    CRooster2Doc doc;
    SetFilledGrid(doc);
    doc.pathName = "/puzzels/kaas.rtr";
    doc.puzzle.search.wordFile = "woorden02.doc";
    doc.puzzle.extraFiles = {"namen02.doc", "plaatsen02.doc"};
    doc.puzzle.words[0].clue = "Poes";
    doc.puzzle.words[0].extraList = 2;
    StatisticsOptions options;
    options.withClues = true;
    options.withLengths = true;  // adds nothing next to the clue
    const Lines lines = Report(doc, options);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"Locatie: /puzzels/kaas.rtr", "Woordenlijst: woorden02.doc",
                     "Extra woordenlijst(en):", "1: namen02.doc", "2: plaatsen02.doc"}));
    EXPECT_TRUE(Contains(lines, "   1. kat [Poes (3) *2]"));
    EXPECT_TRUE(Contains(lines, "   2. t p [ (3)]"));
}

TEST(ComputeStatistics, SharesOfBlackCells) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();
    for (int i = 0; i < 32; ++i) doc.puzzle.cells[i] = CELL_ZWART;
    doc.puzzle.BuildWords();
    EXPECT_TRUE(
        Contains(Report(doc), "Aantal vakken zwart: 32, vrij: 193 (85.8%), niet: 0, totaal 225"));
}

TEST(ComputeStatistics, RepeatedFillingsAreGroupedAndMarked) {
    CRooster2Doc doc;
    SetGrid(doc, {"KAT", "###", "KAT", "###", "KAT", "###", "KOP"});
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Gelijke invullingen (KAT): H1 H2 H3"));
    EXPECT_FALSE(AnyStartsWith(lines, "Alle woorden"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("Gelijke"); }),
              1);
    EXPECT_EQ(doc.puzzle.words[0].searchMark, 1);
    EXPECT_EQ(doc.puzzle.words[2].searchMark, 1);
    EXPECT_EQ(doc.puzzle.words[3].searchMark, 0);
}

TEST(ComputeStatistics, EmptyGridHasNoWordList) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Alle woorden leeg"));
    EXPECT_FALSE(Contains(lines, "Horizontaal"));
    EXPECT_TRUE(Contains(lines, "Letters op nummerplaatsen:"));
}

TEST(ComputeStatistics, IjIsCountedApartAndRawOnNumberedCells) {
    CRooster2Doc doc;
    SetGrid(doc, {"yE"});
    const Lines lines = Report(doc);
    const auto e = std::find(lines.begin(), lines.end(), "Teken E: 1");
    ASSERT_NE(e, lines.end());
    EXPECT_EQ(*(e + 1), "Teken IJ: 1");
    EXPECT_TRUE(Contains(lines, "   1. ije"));
    EXPECT_EQ(lines.back(), "y");
}

TEST(ComputeStatistics, SplitWordsCountTheirParts) {
    CRooster2Doc doc;
    SetFilledGrid(doc);
    doc.puzzle.words[0].partCount = 2;
    doc.puzzle.words[0].partLengths[0] = 1;
    doc.puzzle.words[0].partLengths[1] = 2;
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Aantal gedeelde woorden: 1"));
    EXPECT_TRUE(Contains(lines, "Lengte 1: 1 woord"));
    EXPECT_TRUE(Contains(lines, "Lengte 2: 1 woord"));
    EXPECT_TRUE(Contains(lines, "Lengte 3: 3 woorden"));
    EXPECT_TRUE(Contains(lines, "Gemiddelde lengte: 2.4 letters"));
    EXPECT_TRUE(Contains(lines, "Gemiddelde lengte (afgezien van deelwoorden): 3.0 letters"));
    EXPECT_TRUE(Contains(lines, "   1. k-at"));
}

TEST(ComputeStatistics, WordsAcrossAWholeHundredWideGridAreCounted) {
    CRooster2Doc doc;
    SetGrid(doc, {std::string(100, '.'), std::string(100, '.')});
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Lengte 2: 100 woorden"));
    EXPECT_TRUE(Contains(lines, "Lengte 100: 2 woorden"));
    EXPECT_TRUE(Contains(lines, "Gemiddelde lengte: 3.9 letters"));
}

TEST(ComputeStatistics, GridWithoutWordsHasNoAverage) {
    CRooster2Doc doc;
    SetGrid(doc, {"#-"});
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Aantal vakken zwart: 1, vrij: 0 (0.0%), niet: 1, totaal 2"));
    EXPECT_TRUE(Contains(lines, "Aantal woorden horizontaal: 0, verticaal 0, totaal 0"));
    EXPECT_FALSE(AnyStartsWith(lines, "Gemiddelde"));
    EXPECT_FALSE(AnyStartsWith(lines, "Lengte"));
    EXPECT_TRUE(Contains(lines, "Alle woorden leeg"));
}

TEST(ComputeStatistics, SystemFactsInTheirLines) {
    CRooster2Doc doc;
    SetFilledGrid(doc);
    SystemFacts facts;
    facts.memory = MemoryFacts{37, 8ull << 30, 1536ull << 20};
    facts.version = OsVersionFacts{6, 1, 90, "Linux", ""};
    facts.processorName = "   AMD Ryzen 7";
    StatisticsOptions options;
    options.withSystemInfo = true;
    const Lines lines = Report(doc, options, facts);
    EXPECT_EQ(Lines(lines.end() - 8, lines.end()),
              (Lines{"", "Syteem informatie:", "  Geheugengebruik: 37%",
                     "  Totaal fysiek geheugen: 8192M", "  Beschikbaar fysiek geheugen: 1536M",
                     "  OSVersion: 6.1, Build: 90", "  PlatformID: Linux, Last Service Pack: Geen",
                     "  AMD Ryzen 7"}));
}

TEST(ComputeStatistics, MissingSystemFactsLeaveTheirLinesOut) {
    CRooster2Doc doc;
    SetFilledGrid(doc);
    StatisticsOptions options;
    options.withSystemInfo = true;
    const Lines lines = Report(doc, options);
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"", "Syteem informatie:"}));
    EXPECT_FALSE(Contains(Report(doc), "Syteem informatie:"));
}

TEST(WordLetterValues, LowEightBitsAsSignedNumbers) {
    CRooster2Doc doc;
    doc.puzzle.letterValues[0] = 300;  // counts as 44
    doc.puzzle.letterValues[1] = 200;  // counts as -56
    bool ok = false;
    EXPECT_EQ(WordValueProduct(doc.puzzle, "ab", ok), -2464.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(WordLetterSum(doc.puzzle, "AB", ok), -12.0);
    EXPECT_TRUE(ok);
}

TEST(WordLetterValues, NonLettersMakeTheValueInvalid) {
    CRooster2Doc doc;
    bool ok = true;
    EXPECT_EQ(WordValueProduct(doc.puzzle, "A B", ok), 0.0);
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_EQ(WordLetterSum(doc.puzzle, "A\xC9", ok), 0.0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(WordLetterSum(doc.puzzle, "", ok), 0.0);
    EXPECT_TRUE(ok);
}

TEST(JoinReportLines, EveryLineEndsInCrLf) {
    EXPECT_EQ(JoinReportLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinReportLines({}), "");
}

}  // namespace
