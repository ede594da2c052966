#include "formats/grid_check.h"

#include <gtest/gtest.h>

#include "../wordlists/word_list_test_support.h"
#include "test_support.h"

namespace {

std::vector<std::string> Texts(const std::vector<GridFinding>& findings) {
    std::vector<std::string> texts;
    for (const GridFinding& finding : findings) texts.push_back(finding.text);
    return texts;
}

TEST(CheckGrid, FiguresUncheckedCellsAndLooseRegions) {
    Rooster2Doc doc;
    SetGrid(doc, {"AB#CD", "#####", "EF#GH"});
    const std::vector<std::string> expected = {
        "Woorden: 4, gemiddelde lengte 2,0, zwarte vakken 46,7%",
        "Ongekruiste vakken: 8",
        "Vak H1 (rij 1, kolom 1): ongekruist",
        "Vak H1 (rij 1, kolom 2): ongekruist",
        "Vak H2 (rij 1, kolom 4): ongekruist",
        "Vak H2 (rij 1, kolom 5): ongekruist",
        "Vak H3 (rij 3, kolom 1): ongekruist",
        "Vak H3 (rij 3, kolom 2): ongekruist",
        "Vak H4 (rij 3, kolom 4): ongekruist",
        "Vak H4 (rij 3, kolom 5): ongekruist",
        "Los gebied van 2 vakken vanaf rij 1, kolom 4",
        "Los gebied van 2 vakken vanaf rij 3, kolom 1",
        "Los gebied van 2 vakken vanaf rij 3, kolom 4",
        "Geen woordenlijst: de woorden zijn niet opgezocht"};
    const std::vector<GridFinding> findings = CheckGrid(doc.puzzle(), WordScoring{});
    EXPECT_EQ(expected, Texts(findings));
    EXPECT_EQ(3, findings[10].x);  // the cursor goes to the cell a finding names
    EXPECT_EQ(0, findings[10].y);
}

TEST(CheckGrid, CellInNoWordAcrossOnly) {
    Rooster2Doc doc;
    Arrange(doc)->numbering.acrossOnly = true;
    SetGrid(doc, {"AB", "C#"});
    const std::vector<std::string> texts = Texts(CheckGrid(doc.puzzle(), WordScoring{}));
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ("Vakken zonder woord: 1", texts[1]);
    EXPECT_EQ("Vak rij 2, kolom 1: in geen woord", texts[2]);
}

TEST(CheckGrid, RepeatedAlikeUnlistedAndLowScoredEntries) {
    const TempDir dir;
    Rooster2Doc doc;
    Arrange(doc)->search.wordFile = WriteListFile(dir, 6, {"BOEKEN;80", "BOEKJE;20", "KAST"});
    SetGrid(doc, {"BOEKEN", "######", "BOEKJE", "######", "BOEKEN", "######", "KASTEN"});
    WordScoring scoring;
    scoring.minScore = 50;
    std::vector<GridFinding> findings = CheckGrid(doc.puzzle(), scoring);
    // Past the figures, the unchecked cells and the rows as separate regions.
    while (!findings.empty() && !findings.front().text.starts_with("Lijken"))
        findings.erase(findings.begin());
    const std::vector<std::string> expected = {
        "Lijken op elkaar: H1 BOEKEN en H2 BOEKJE", "Dubbel: H1 BOEKEN en H3 BOEKEN",
        "Lijken op elkaar: H2 BOEKJE en H3 BOEKEN", "Niet in woordenlijst: H4 KASTEN",
        "Onder de minimale score (50): H2 BOEKJE (20)"};
    EXPECT_EQ(expected, Texts(findings));
    EXPECT_EQ(4, findings[1].y);  // the second of the two
}

TEST(AreNearDuplicates, ContainedOrSameStem) {
    EXPECT_TRUE(AreNearDuplicates("TAFELS", "TAFEL"));
    EXPECT_TRUE(AreNearDuplicates("BOEKEN", "BOEKJE"));
    EXPECT_TRUE(AreNearDuplicates("LOPER", "LOPEN"));
    EXPECT_TRUE(AreNearDuplicates("HANDSCHOEN", "SCHOEN"));
    EXPECT_FALSE(AreNearDuplicates("ZWEMBAD", "BADEN"));
    EXPECT_FALSE(AreNearDuplicates("HUIS", "HUID"));         // a stem of three letters
    EXPECT_FALSE(AreNearDuplicates("ZEE", "ZEEEN"));         // contains only three letters
    EXPECT_FALSE(AreNearDuplicates("KASTEEL", "KASTANJE"));  // an ending of four
    EXPECT_FALSE(AreNearDuplicates("BOEK", "BOEK"));         // the same entry is a repeat
}

}  // namespace
