#include "formats/puz_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "formats/html_import.h"
#include "formats/ipuz_export.h"
#include "formats/ipuz_import.h"
#include "formats/puz_export.h"
#include "formats/ros_import.h"
#include "import_test_support.h"
#include "model/clue_text.h"
#include "util/byte_reader.h"

namespace {

struct PuzContent {
    int width = 3;
    int height = 3;
    std::string player;    // row by row; '.' black
    std::string solution;  // empty: the file gives none
    std::vector<std::string> strings;
    int clueCount = -1;  // -1: every string after title, author and copyright
    std::string version = "1.3";
    std::string preamble;
    std::string trailer;  // bytes after the strings (extra sections)
};

std::string MakePuz(const PuzContent& puz) {
    std::string bytes = puz.preamble;
    bytes += std::string(2, '\0');              // file checksum
    bytes += std::string("ACROSS&DOWN\0", 12);  // 0x02
    bytes += std::string(10, '\0');             // 0x0E checksums
    bytes += puz.version;                       // 0x18
    bytes += std::string(4 - puz.version.size(), '\0');
    bytes += std::string(0x2C - 0x1C, '\0');
    bytes += static_cast<char>(puz.width);  // 0x2C
    bytes += static_cast<char>(puz.height);
    const int clues = puz.clueCount >= 0 ? puz.clueCount : static_cast<int>(puz.strings.size()) - 3;
    bytes += static_cast<char>(clues & 0xFF);
    bytes += static_cast<char>(clues >> 8);
    bytes += std::string(2, '\0');  // bit mask
    bytes += puz.solution.empty() ? std::string("\x02\0", 2) : std::string(2, '\0');
    std::string solution = puz.solution;
    if (solution.empty())
        for (char c : puz.player) solution += c == '.' ? '.' : 'X';
    bytes += solution + puz.player;  // 0x34
    for (const std::string& text : puz.strings) bytes += text + '\0';
    return bytes + puz.trailer;
}

// 3 x 3 with a black centre: the words are across 1, down 1, down 2, across 3.
PuzContent Ring(std::vector<std::string> strings) {
    PuzContent puz;
    puz.player =
        "ABC"
        "D.E"
        "FGH";
    puz.strings = std::move(strings);
    return puz;
}

ImportResult Import(Rooster2Doc& doc, const PuzContent& puz) {
    return ImportPuz(doc, MakePuz(puz));
}

// ------------------------------------------------------------ ParseClueLengths

struct ParsedClue {
    int parts;
    std::string text;
    int sum;
    std::vector<int> lengths;
};

ParsedClue Parse(std::string text) {
    PartLengths parts{};
    int sum = -1;
    const int count = ParseClueLengths(text, parts, sum);
    ParsedClue parsed{count, text, sum, {}};
    for (int i = 0; i < count; ++i) parsed.lengths.push_back(parts[i]);
    return parsed;
}

// "(1,1,...,1)" with count parts.
std::string Ones(int count) {
    std::string annotation = "(1";
    for (int i = 1; i < count; ++i) annotation += ",1";
    return annotation + ")";
}

TEST(PuzClueLengths, AnnotationsBecomeParts) {
    const struct {
        std::string clue;
        std::string text;
        std::vector<int> lengths;
        int sum;
    } cases[] = {{"Hoofdstad (5)  ", "Hoofdstad", {5}, 5},
                 {"Stad (3,4)", "Stad", {3, 4}, 7},
                 {"x ( 2 + 10 / 3 . 1 )\t", "x", {2, 10, 3, 1}, 16},
                 {"Trailing sep (3,)", "Trailing sep", {3}, 3},
                 {"x " + Ones(19), "x", std::vector<int>(19, 1), 19},
                 // The sum counts a huge number as 9999: it fits no word, so the import
                 // calls the clue doubtful.
                 {"Groot (99999999999999999999,3)", "Groot", {255, 3}, 10002}};
    for (const auto& c : cases) {
        const ParsedClue p = Parse(c.clue);
        EXPECT_EQ(c.lengths, p.lengths) << c.clue;
        EXPECT_EQ(c.text, p.text) << c.clue;
        EXPECT_EQ(c.sum, p.sum) << c.clue;
    }
}

TEST(PuzClueLengths, InvalidAnnotationsLeaveTheText) {
    for (const std::string& clue : std::vector<std::string>{
             "Pijl (3-4)", "Leeg ()", "Woord (abc)", "Dubbel (3,,4)", "Eerst (,3)", "Omgekeerd )3(",
             "Geen haakjes", "Nul (0)", "x " + Ones(20)}) {
        const ParsedClue p = Parse(clue);
        EXPECT_EQ(0, p.parts) << clue;
        EXPECT_EQ(clue, p.text) << clue;
        EXPECT_EQ(0, p.sum) << clue;
    }
    EXPECT_EQ("Spatie (3-4)", Parse("Spatie (3-4)  \r\n").text);
}

TEST(PuzStrings, ReadZeroTerminatedString) {
    const std::string bytes("ab\0\0cd", 6);
    ByteReader in(bytes);
    std::string text;
    EXPECT_EQ(2, ReadZeroTerminatedString(in, text));
    EXPECT_EQ("ab", text);
    EXPECT_EQ(0, ReadZeroTerminatedString(in, text));
    EXPECT_EQ(2, ReadZeroTerminatedString(in, text));  // ends without a zero byte
    EXPECT_EQ("cd", text);
    EXPECT_EQ(0, ReadZeroTerminatedString(in, text));
}

// ------------------------------------------------------------ the import

TEST(PuzImport, TakesTheShapeNotTheLetters) {
    Rooster2Doc doc = MakeOpenPuzzle();
    const ImportResult result = Import(doc, Ring({"T", "A", "C", "een", "twee"}));
    ASSERT_TRUE(result.imported);
    EXPECT_TRUE(result.message.text.empty());
    EXPECT_EQ(GridRows(doc), (Rows{"...", ".#.", "..."}));
    EXPECT_EQ("T A C ", doc.puzzle().html.title);
    EXPECT_EQ("een", doc.puzzle().words[0].clue);
    EXPECT_EQ("twee", doc.puzzle().words[1].clue);
    EXPECT_EQ("", doc.puzzle().words[2].clue);  // fewer clues than words
    EXPECT_EQ("", doc.puzzle().comment);
    EXPECT_EQ(Phase::Vullen, doc.phase);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(30, doc.puzzle().appearance.cellSize);  // the import starts from a new puzzle
}

TEST(PuzImport, LengthAnnotationsBecomePartsOrAreReported) {
    Rooster2Doc doc;
    // Every word is 3 long.
    const ImportResult result =
        Import(doc, Ring({"", "", "", "Een (1,2)", "Twee (3)", "Drie (2,2)", "Vier"}));
    ASSERT_TRUE(result.imported);
    EXPECT_EQ(2, doc.puzzle().words[0].partCount);
    EXPECT_EQ(1, doc.puzzle().words[0].partLengths[0]);
    EXPECT_EQ(2, doc.puzzle().words[0].partLengths[1]);
    EXPECT_EQ("Een", doc.puzzle().words[0].clue);
    EXPECT_EQ(1, doc.puzzle().words[1].partCount);
    EXPECT_EQ(3, doc.puzzle().words[1].partLengths[0]);
    EXPECT_EQ(0, doc.puzzle().words[2].partCount);
    EXPECT_EQ("Drie", doc.puzzle().words[2].clue);
    EXPECT_EQ("Omschrijving(en) mogelijk incorrect\n\r" + FormatLabel(doc.puzzle().words[2]) + " ",
              result.message.text);
}

TEST(PuzImport, EmptyCluesKeepTheirWordAndSurplusCluesAndNotesGoToTheComment) {
    Rooster2Doc doc;
    PuzContent puz = Ring({"T", "A", "C", "een", "", "drie", "vier", "extra", "notities"});
    puz.clueCount = 5;  // one clue more than the grid has words
    ASSERT_TRUE(Import(doc, puz).imported);
    ASSERT_EQ(4u, doc.puzzle().words.size());
    EXPECT_EQ("een", doc.puzzle().words[0].clue);
    EXPECT_EQ("", doc.puzzle().words[1].clue);
    EXPECT_EQ("drie", doc.puzzle().words[2].clue);
    EXPECT_EQ("vier", doc.puzzle().words[3].clue);
    EXPECT_EQ("extra notities ", doc.puzzle().comment);
}

TEST(PuzImport, AnUnscrambledSolutionGivesTheLetters) {
    PuzContent puz = Ring({"T", "A", "C"});
    puz.solution =
        "ABC"
        "D.E"
        "F1h";
    // The rebus square "IJ" (table number 0, key 1) at (2, 0).
    puz.trailer = std::string("\0GRBS\x09\0\0\0", 9) + std::string("\0\0\x01\0\0\0\0\0\0", 9) +
                  '\0' + std::string("RTBL\x06\0\0\0 0:IJ;\0", 15);
    Rooster2Doc doc;
    ASSERT_TRUE(Import(doc, puz).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"ABy", "D#E", "F1H"}));
    // Scrambled: the shape only.
    puz.trailer.clear();
    puz.solution =
        "ABC"
        "D.E"
        "FGH";
    std::string scrambled = MakePuz(puz);
    scrambled[0x32] = 4;
    ASSERT_TRUE(ImportPuz(doc, scrambled).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"...", ".#.", "..."}));
}

TEST(PuzImport, SectionsAfterTheNotesStayOutOfTheComment) {
    PuzContent puz = Ring({"T", "A", "C", "1", "2", "3", "4", "Notities"});
    puz.trailer = std::string("GEXT\x09\x00\x00\x00", 8) + std::string(9, '\0') + '\0' +
                  std::string(
                      "LTIM\x03\x00\x00\x00"
                      "0,1\0",
                      12);
    Rooster2Doc doc;
    ASSERT_TRUE(Import(doc, puz).imported);
    EXPECT_EQ("Notities ", doc.puzzle().comment);
    puz.strings.pop_back();  // no notes: the section follows the last clue
    puz.strings.pop_back();
    ASSERT_TRUE(Import(doc, puz).imported);
    EXPECT_EQ("3", doc.puzzle().words[2].clue);
    EXPECT_EQ("", doc.puzzle().words[3].clue);
    EXPECT_EQ("", doc.puzzle().comment);
}

TEST(PuzImport, NewerFilesHoldUtf8) {
    PuzContent puz = Ring({"\xC2\xA9 Caf\xC3\xA9", "\xCE\xB1\xCE\xB2", "C",
                           "na\xC3\xAF"
                           "ef"});
    puz.version = "2.0";
    Rooster2Doc doc;
    ASSERT_TRUE(Import(doc, puz).imported);
    EXPECT_EQ("\xA9 Caf\xE9 ?? C ", doc.puzzle().html.title);
    EXPECT_EQ(
        "na\xEF"
        "ef",
        doc.puzzle().words[0].clue);
    puz.version = "1.4";  // older files are Latin-1 already
    ASSERT_TRUE(Import(doc, puz).imported);
    EXPECT_EQ("\xC2\xA9 Caf\xC3\xA9 \xCE\xB1\xCE\xB2 C ", doc.puzzle().html.title);
}

TEST(PuzImport, BytesBeforeTheHeaderAreSkipped) {
    PuzContent puz = Ring({"T", "A", "C", "een"});
    Rooster2Doc plain;
    ASSERT_TRUE(Import(plain, puz).imported);
    puz.preamble = "051206.puz\n\xCD";
    Rooster2Doc withPreamble;
    ASSERT_TRUE(Import(withPreamble, puz).imported);
    ExpectSameDocument(plain, withPreamble);
}

TEST(PuzImportRefusal, BadFilesLeaveTheDocumentAHundredByHundredGridIsAccepted) {
    PuzContent wide = Ring({});
    wide.width = 101;
    wide.height = 1;
    wide.player = std::string(101, '-');
    PuzContent empty = Ring({});
    empty.width = 0;
    empty.player.clear();
    std::string noMagic = MakePuz(Ring({"T"}));
    noMagic[5] = 'X';
    std::string inGrid = MakePuz(Ring({}));
    inGrid.resize(0x34 + 9 + 4);
    const Rooster2Doc original = MakeOpenPuzzle();
    for (const std::string& bytes :
         {MakePuz(wide), MakePuz(empty), noMagic, inGrid, std::string()}) {
        Rooster2Doc doc = original;
        const ImportResult result = ImportPuz(doc, bytes);
        EXPECT_FALSE(result.imported);
        EXPECT_EQ("Puz-bestand incorrect", result.message.text);
        ExpectSameDocument(original, doc);
    }
    PuzContent big;  // the largest grid
    big.width = 100;
    big.height = 100;
    big.player = std::string(10000, '-');
    Rooster2Doc doc;
    ASSERT_TRUE(Import(doc, big).imported);
    EXPECT_EQ(100, doc.puzzle().width);
    EXPECT_EQ(200u, doc.puzzle().words.size());
}

TEST(PuzImportRefusal, EveryTruncationAndGarbageIsSafe) {
    PuzContent puz = Ring({"T", "A", "C", "een (1,2)", "twee", "drie", "vier", "notities"});
    puz.version = "2.0";
    puz.preamble = "xy";
    puz.trailer = std::string("GRBS\x09\x00\x00\x00", 8) + std::string(10, '\x01');
    const std::string bytes = MakePuz(puz);
    ExpectEveryTruncationSafe(bytes, ImportPuz);
    ExpectGarbageSafe(bytes, ImportPuz);
}

// Every import reads its file through ImportFromFile: a missing one is refused.
TEST(ImportRefusal, AMissingFileIsReported) {
    TempDir dir;
    for (const auto importFile : {ImportPuzFile, ImportIpuzFile, ImportRosFile, ImportHtmlFile}) {
        Rooster2Doc doc;
        const ImportResult result = importFile(doc, dir.Path("weg"));
        EXPECT_FALSE(result.imported);
        EXPECT_EQ("Bestand is er niet", result.message.text);
    }
}

// ------------------------------------------------------------ real files

class RealPuzFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (TestDataDir().empty()) GTEST_SKIP() << "../shared/testdata ontbreekt";
    }
    static std::string PuzPath(const char* name) { return TestDataDir() + "/puz/" + name; }
    static std::string Read(const char* name) { return ReadFileOrEmpty(PuzPath(name)); }
};

TEST_F(RealPuzFiles, VersionTwoWithExtraSections) {
    Rooster2Doc doc;
    const ImportResult result = ImportPuzFile(doc, PuzPath("test.puz"));
    ASSERT_TRUE(result.imported) << result.message.text;
    // The rebus square "XYZ" keeps its first letter; signs no cell holds stay open.
    EXPECT_EQ(GridRows(doc), (Rows{"ABCD#", "EFGH#", "IJXLM", "#NOPQ", "#12.."}));
    ASSERT_EQ(10u, doc.puzzle().words.size());
    EXPECT_EQ("Example Puzzle for Kotwords Jeff Davidson \xA9 2018 Jeff Davidson ",
              doc.puzzle().html.title);
    EXPECT_EQ("First across clue with special characters ?????", doc.puzzle().words[0].clue);
    EXPECT_EQ("First down clue", doc.puzzle().words[1].clue);
    EXPECT_EQ("Fifth down clue", doc.puzzle().words[7].clue);
    EXPECT_EQ("Fifth across clue", doc.puzzle().words[9].clue);
    EXPECT_EQ("Notepad text goes here. ", doc.puzzle().comment);
}

TEST_F(RealPuzFiles, EveryFileImportsShapeAndClues) {
    for (const auto& entry : std::filesystem::directory_iterator(TestDataDir() + "/puz")) {
        const std::string name = entry.path().filename().string();
        Rooster2Doc doc;
        const ImportResult result = ImportPuzFile(doc, entry.path().string());
        if (name == "test-truncated.puz") {
            EXPECT_EQ("Puz-bestand incorrect", result.message.text);
            continue;
        }
        ASSERT_TRUE(result.imported) << name;
        EXPECT_FALSE(doc.puzzle().words.empty()) << name;
        EXPECT_FALSE(doc.puzzle().words[0].clue.empty()) << name;
        EXPECT_EQ(std::string::npos, doc.puzzle().comment.find("GEXT")) << name;
        EXPECT_EQ(std::string::npos, doc.puzzle().comment.find("RTBL")) << name;
    }
}

TEST_F(RealPuzFiles, GapsFileHasItsShape) {
    Rooster2Doc doc;
    ASSERT_TRUE(ImportPuzFile(doc, PuzPath("gaps.puz")).imported);
    EXPECT_EQ(7, doc.puzzle().width);
    EXPECT_EQ(5, doc.puzzle().height);
    EXPECT_EQ(CELL_ZWART, doc.puzzle().GetCell(3, 0));
    EXPECT_EQ("Test Test Test ", doc.puzzle().html.title);
}

// Our own .puz and .ipuz of a real file read back with its letters and clues.
TEST_F(RealPuzFiles, RoundTripsThroughOurExportsKeepLettersAndClues) {
    const auto expectSame = [](const Rooster2Doc& expected, const Rooster2Doc& actual,
                               const std::string& what) {
        EXPECT_EQ(expected.puzzle().GridToString(), actual.puzzle().GridToString()) << what;
        ExpectSameWordsAndClues(expected, actual, what);
    };
    int puzRoundTrips = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TestDataDir() + "/puz")) {
        const std::string name = entry.path().filename().string();
        Rooster2Doc original;
        if (!ImportPuzFile(original, entry.path().string()).imported) continue;
        Rooster2Doc viaIpuz;
        ASSERT_TRUE(ImportIpuz(viaIpuz, WriteIpuz(original.puzzle())).imported) << name;
        expectSame(original, viaIpuz, name + " (ipuz)");
        if (PuzExportRefusal(original.puzzle())) continue;  // open cells: no Across Lite file
        Rooster2Doc viaPuz;
        ASSERT_TRUE(ImportPuz(viaPuz, WritePuz(original.puzzle())).imported) << name;
        expectSame(original, viaPuz, name + " (puz)");
        ++puzRoundTrips;
    }
    EXPECT_GE(puzRoundTrips, 2);
}

TEST_F(RealPuzFiles, EveryTruncationOfARealFileIsSafe) {
    ExpectEveryTruncationSafe(Read("test-solved.puz"), ImportPuz);
    ExpectGarbageSafe(Read("test.puz"), ImportPuz);
}

}  // namespace
