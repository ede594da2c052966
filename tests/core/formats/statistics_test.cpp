#include "formats/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

Lines Report(Rooster2Doc& doc, const StatisticsOptions& options = {},
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
void SetFilledGrid(Rooster2Doc& doc) { SetGrid(doc, {"KAT", "A#.", "SOP"}); }

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(ComputeStatistics, WholeReportWithLengthsProductAndSum) {
    Rooster2Doc doc;
    SetFilledGrid(doc);
    StatisticsOptions options;
    options.withLengths = true;
    options.withProduct = true;
    options.withSum = true;
    const std::string report = Joined(Report(doc, options));
    EXPECT_EQ(ExpectedBytes("statistics/lengths-product-sum.txt", report), report);
}

TEST(ComputeStatistics, LocationWordListsAndClues) {
    Rooster2Doc doc;
    SetFilledGrid(doc);
    doc.pathName = "/puzzels/kaas.rtr";
    Arrange(doc)->search.wordFile = "woorden02.doc";
    Arrange(doc)->extraFiles = {"namen02.doc", "plaatsen02.doc"};
    Arrange(doc)->words[0].clue = "Poes";
    Arrange(doc)->words[0].extraList = 2;
    StatisticsOptions options;
    options.withClues = true;
    options.withLengths = true;  // adds nothing next to the clue
    const std::string report = Joined(Report(doc, options));
    EXPECT_EQ(ExpectedBytes("statistics/word-lists-and-clues.txt", report), report);
}

TEST(ComputeStatistics, RepeatedFillingsAreGroupedOnce) {
    Rooster2Doc doc;
    SetGrid(doc, {"KAT", "###", "KAT", "###", "KAT", "###", "KOP"});
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Gelijke invullingen (KAT): H1 H2 H3"));
    EXPECT_FALSE(AnyStartsWith(lines, "Alle woorden"));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("Gelijke"); }),
              1);
}

TEST(ComputeStatistics, SplitWordsCountTheirParts) {
    Rooster2Doc doc;
    SetFilledGrid(doc);
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths[0] = 1;
    Arrange(doc)->words[0].partLengths[1] = 2;
    const Lines lines = Report(doc);
    EXPECT_TRUE(Contains(lines, "Aantal gedeelde woorden: 1"));
    EXPECT_TRUE(Contains(lines, "Lengte 1: 1 woord"));
    EXPECT_TRUE(Contains(lines, "Lengte 2: 1 woord"));
    EXPECT_TRUE(Contains(lines, "Lengte 3: 3 woorden"));
    EXPECT_TRUE(Contains(lines, "Gemiddelde lengte: 2.4 letters"));
    EXPECT_TRUE(Contains(lines, "Gemiddelde lengte (afgezien van deelwoorden): 3.0 letters"));
    EXPECT_TRUE(Contains(lines, "   1. k-at"));
}

TEST(ComputeStatistics, SystemFactsInTheirLines) {
    Rooster2Doc doc;
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

TEST(WordLetterValues, LowEightBitsAsSignedNumbers) {
    Rooster2Doc doc;
    Arrange(doc)->letterValues[0] = 300;  // counts as 44
    Arrange(doc)->letterValues[1] = 200;  // counts as -56
    bool ok = false;
    EXPECT_EQ(WordValueProduct(doc.puzzle(), "ab", ok), -2464.0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(WordLetterSum(doc.puzzle(), "AB", ok), -12.0);
    EXPECT_TRUE(ok);
}

}  // namespace
