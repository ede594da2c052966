#include "formats/clue_files.h"

#include <gtest/gtest.h>

#include <random>

#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// Words in m_words order: H1, V1, V2, H3, each three cells long.
void SetSmallGrid(CRooster2Doc& doc) { SetGrid(doc, {"AB.", "C#.", "..."}); }

WordInfo& Word(CRooster2Doc& doc, int dx, int number) {
    for (WordInfo& word : doc.puzzle.words)
        if (word.dx == dx && word.number == number) return word;
    ADD_FAILURE() << "no word " << dx << " " << number;
    return doc.puzzle.words.front();
}

void SetClues(CRooster2Doc& doc) {
    Word(doc, 1, 1).clue = "Eerste";
    Word(doc, 0, 1).clue = "Omlaag";
    WordInfo& split = Word(doc, 0, 2);
    split.clue = "Tweede";
    split.partCount = 2;
    split.partLengths[0] = 1;
    split.partLengths[1] = 2;
    split.extraList = 2;
}

TEST(WriteClueFile, LayoutWithWordLists) {
    CRooster2Doc doc;
    SetSmallGrid(doc);
    SetClues(doc);
    doc.puzzle.search.wordFile = "lijst02.doc";
    doc.puzzle.extraFiles = {"extra02.doc", "meer02.doc"};
    EXPECT_EQ(WriteClueFile(doc.puzzle),
              "Horizontaal\r\n\r\n1. Eerste (3)\r\n3.  (3)\r\n\r\n"
              "Verticaal\r\n\r\n1. Omlaag (3)\r\n2. Tweede (1+2) *2\r\n\r\n"
              "Zoekwoordenlijsten:\r\n0. lijst02.doc\r\n1. extra02.doc\r\n2. meer02.doc\r\n");
}

TEST(WriteClueFile, AcrossOnlyLeavesOutTheDownPassAndItsExtraLists) {
    CRooster2Doc doc;
    doc.puzzle.numbering.acrossOnly = true;
    SetSmallGrid(doc);
    for (WordInfo& word : doc.puzzle.words) word.clue = "x";
    EXPECT_EQ(WriteClueFile(doc.puzzle), "Horizontaal\r\n\r\n1. x (3)\r\n2. x (3)\r\n\r\n");
}

TEST(WriteClueFile, OfferedOnlyWithoutPartNumbers) {
    CRooster2Doc doc;
    EXPECT_TRUE(CanWriteClueFile(doc.puzzle));
    doc.puzzle.numbering.numberPartWords = true;
    EXPECT_FALSE(CanWriteClueFile(doc.puzzle));
    EXPECT_FALSE(CanExportClues(doc.puzzle));
}

TEST(ExportClues, TitleAndBothListsWithCrLf) {
    CRooster2Doc doc;
    SetSmallGrid(doc);
    SetClues(doc);
    doc.puzzle.html.title = "Puzzel\nvan vandaag";
    Word(doc, 1, 3).clue = "Met\r\nregel";
    EXPECT_EQ(ExportClues(doc.puzzle),
              "Puzzel\r\nvan vandaag\r\n\r\n"
              "Horizontaal\r\n\r\n1. Eerste (3)\r\n3. Met\r\nregel (3)\r\n"
              "\r\nVerticaal\r\n\r\n1. Omlaag (3)\r\n2. Tweede (1+2) *2\r\n");
}

TEST(ExportClues, WithoutTitleAndAcrossOnly) {
    CRooster2Doc doc;
    doc.puzzle.numbering.acrossOnly = true;
    SetGrid(doc, {"AB"});
    EXPECT_EQ(ExportClues(doc.puzzle), "Horizontaal\r\n\r\n1.  (2)\r\n");
}

class ClueFileRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileOrFail(dir.Path("lijst02.doc"), "AB\r\n");
        WriteFileOrFail(dir.Path("extra02.doc"), "CD\r\n");
        SetSmallGrid(doc);
        SetClues(doc);
        doc.puzzle.search.wordFile = dir.Path("lijst02.doc");
        doc.puzzle.extraFiles = {dir.Path("extra02.doc")};
    }
    TempDir dir;
    CRooster2Doc doc;
};

TEST_F(ClueFileRoundTrip, ReadingBackIntoTheSamePuzzleChangesNothing) {
    const std::string before = WriteRtr(doc);
    ClueSection section = ClueSection::Across;
    EXPECT_EQ(ReadClueFile(doc.puzzle, section, WriteClueFile(doc.puzzle)), 0);
    EXPECT_EQ(WriteRtr(doc), before);
    EXPECT_EQ(section, ClueSection::ExtraFiles);
}

TEST_F(ClueFileRoundTrip, ReadingIntoTheBareGridFromDiskGivesThePuzzleBack) {
    WriteFileOrFail(dir.Path("clues.txt"), WriteClueFile(doc.puzzle));
    CRooster2Doc bare;
    SetSmallGrid(bare);
    ClueSection section = ClueSection::Across;
    int count = -1;
    ASSERT_TRUE(ReadClueFileAt(bare.puzzle, section, dir.Path("clues.txt"), count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(WriteRtr(bare), WriteRtr(doc));
    EXPECT_FALSE(ReadClueFileAt(bare.puzzle, section, dir.Path("missing.txt"), count));
}

class ClueReading : public ::testing::Test {
protected:
    void SetUp() override { SetSmallGrid(doc); }
    int Line(const std::string& line) { return ProcessClueLine(doc.puzzle, section, line); }
    CRooster2Doc doc;
    ClueSection section = ClueSection::Across;
};

TEST_F(ClueReading, SameClueAgainIsNoChange) {
    EXPECT_EQ(Line("1. Kaas (3)\n"), 1);
    EXPECT_EQ(Line("1. Kaas (3)\n"), 0);
    EXPECT_EQ(Word(doc, 1, 1).clue, "Kaas");
}

TEST_F(ClueReading, AnnotationThatFitsNoWordIsSkippedWhilePlainLineApplies) {
    WordInfo& word = Word(doc, 1, 1);
    word.partCount = 2;
    word.partLengths[0] = 1;
    word.partLengths[1] = 2;
    EXPECT_EQ(Line("1. Kaas (2+2)"), 0);
    EXPECT_EQ(word.clue, "");
    EXPECT_EQ(word.partCount, 2);
    EXPECT_EQ(Line("1. Kaas"), 1);
    EXPECT_EQ(word.clue, "Kaas");
    EXPECT_EQ(word.partCount, 0);
}

TEST_F(ClueReading, LinesWithoutANumberFullStopAndSpaceOfAWordAreSkipped) {
    for (const char* line : {"1.Kaas", "1 Kaas", "1.5. Kaas", "1.", "0. Kaas", "-1. Kaas",
                             "99999999999999999999999. Kaas", "7. Kaas"})
        EXPECT_EQ(Line(line), 0) << line;
    EXPECT_EQ(Word(doc, 1, 1).clue, "");
    EXPECT_EQ(Line("  +1. Kaas"), 1);
}

TEST_F(ClueReading, HeadingsInAnyCaseSwitchTheDirection) {
    EXPECT_EQ(Line("VERTICAAL"), 0);
    EXPECT_EQ(section, ClueSection::Down);
    EXPECT_EQ(Line("1. Omlaag"), 1);
    EXPECT_EQ(Word(doc, 0, 1).clue, "Omlaag");
    EXPECT_EQ(Word(doc, 1, 1).clue, "");
    EXPECT_EQ(Line("horizontaal: de rest"), 0);
    EXPECT_EQ(section, ClueSection::Across);
    EXPECT_EQ(Line("zoekwoordenlijsten:"), 0);
    EXPECT_EQ(section, ClueSection::WordFile);
}

TEST_F(ClueReading, ExtraListAfterTheLengthIsAChange) {
    EXPECT_EQ(Line("1. Kaas (3) *4"), 1);
    EXPECT_EQ(Line("1. Kaas (3) *4"), 0);
    EXPECT_EQ(Word(doc, 1, 1).extraList, 4);
    EXPECT_EQ(Line("1. Kaas (3) *5"), 1);
    EXPECT_EQ(Word(doc, 1, 1).extraList, 5);
    // A star before the first ")" is part of the clue.
    EXPECT_EQ(Line("3. Ster*2 (3)"), 1);
    EXPECT_EQ(Word(doc, 1, 3).extraList, 0);
    EXPECT_EQ(Word(doc, 1, 3).clue, "Ster*2");
}

TEST_F(ClueReading, StarWithoutParenthesesStaysInTheClue) {
    EXPECT_EQ(Line("1. Kaas *3"), 1);
    EXPECT_EQ(Word(doc, 1, 1).clue, "Kaas *3");
    EXPECT_EQ(Word(doc, 1, 1).extraList, 3);
}

TEST_F(ClueReading, WordListLinesNeedFilesThatOpen) {
    TempDir dir;
    WriteFileOrFail(dir.Path("a02.doc"), "AB\r\n");
    doc.puzzle.extraFiles = {"oud"};
    Line("Zoekwoordenlijsten:");
    Line("0. " + dir.Path("weg02.doc"));
    EXPECT_EQ(doc.puzzle.search.wordFile, "");
    EXPECT_EQ(doc.puzzle.extraFiles.size(), 1u);
    Line("0. " + dir.Path("a02.doc"));
    EXPECT_EQ(doc.puzzle.search.wordFile, dir.Path("a02.doc"));
    EXPECT_TRUE(doc.puzzle.extraFiles.empty());
    EXPECT_EQ(section, ClueSection::ExtraFiles);
    Line("1. " + dir.Path("a02.doc"));
    Line("2. " + dir.Path("weg02.doc"));
    Line("3. " + dir.Path(""));
    Line("geenspatie");
    EXPECT_EQ(doc.puzzle.extraFiles, std::vector<std::string>{dir.Path("a02.doc")});
}

TEST_F(ClueReading, SectionCarriesOverToTheNextText) {
    ProcessClueText(doc.puzzle, section, "Verticaal\r\n");
    EXPECT_EQ(ProcessClueText(doc.puzzle, section, "2. Tweede\r\n"), 1);
    EXPECT_EQ(Word(doc, 0, 2).clue, "Tweede");
}

TEST_F(ClueReading, TextAfterTheLastLineEndIsNoLine) {
    EXPECT_EQ(ProcessClueText(doc.puzzle, section, "1. Een\r\n3. Drie"), 1);
    EXPECT_EQ(Word(doc, 1, 3).clue, "");
}

TEST_F(ClueReading, LineEndsOfEveryPlatformSeparateLines) {
    EXPECT_EQ(ProcessClueText(doc.puzzle, section, "1. Een\n3. Drie\rVerticaal\r\n1. Neer\n"), 3);
    EXPECT_EQ(Word(doc, 1, 1).clue, "Een");
    EXPECT_EQ(Word(doc, 1, 3).clue, "Drie");
    EXPECT_EQ(Word(doc, 0, 1).clue, "Neer");
}

TEST_F(ClueReading, PastedLastLineWithoutLineBreakCounts) {
    EXPECT_EQ(PasteClues(doc.puzzle, section, "1. Een\r\n3. Drie"), 2);
    EXPECT_EQ(Word(doc, 1, 3).clue, "Drie");
}

TEST(PasteClues, Messages) {
    EXPECT_EQ(PastedCluesMessage(0).text, "Niets toegevoegd");
    EXPECT_EQ(PastedCluesMessage(2).text, "Aantal toegevoegde omschrijvingen: 2");
    EXPECT_EQ(AddedCluesMessage(0).text, "Aantal toegevoegde omschrijvingen: 0");
    EXPECT_EQ(AddedCluesMessage(0).caption, "Resultaat");
    EXPECT_EQ(NoClipboardTextMessage().text, "Geen tekst op klembord");
    EXPECT_EQ(NoClipboardTextMessage().caption, "Resultaat");
}

TEST_F(ClueReading, LongLinesOfAFileComeInPiecesOf999) {
    const std::string longClue(1200, 'k');
    // The rest of the long clue is a piece of its own and no clue line; after 999
    // characters of noise, "3. Drie" starts a piece and is one.
    const std::string text = "1. " + longClue + "\r\n" + std::string(999, 'x') + "3. Drie\r\n";
    EXPECT_EQ(ReadClueFile(doc.puzzle, section, text), 2);
    EXPECT_EQ(Word(doc, 1, 1).clue, longClue.substr(0, 996));
    EXPECT_EQ(Word(doc, 1, 3).clue, "Drie");
}

TEST(ReadClueFile, Utf8FilesBecomeLatin1) {
    TempDir dir;
    WriteFileOrFail(dir.Path("c.txt"), "\xEF\xBB\xBFHorizontaal\r\n1. Caf\xC3\xA9\r\n");
    CRooster2Doc doc;
    SetSmallGrid(doc);
    ClueSection section = ClueSection::Down;
    int count = 0;
    ASSERT_TRUE(ReadClueFileAt(doc.puzzle, section, dir.Path("c.txt"), count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Word(doc, 1, 1).clue, "Caf\xE9");
}

TEST(ReadClueFile, GarbageNeverCrashesAndKeepsTheGrid) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        CRooster2Doc doc;
        SetSmallGrid(doc);
        const std::string grid = doc.puzzle.GridToString();
        std::string garbage(static_cast<std::size_t>(random() % 3000), '\0');
        for (char& c : garbage) c = static_cast<char>(random());
        ClueSection section = static_cast<ClueSection>(random() % 2);
        ReadClueFile(doc.puzzle, section, garbage);
        ProcessClueText(doc.puzzle, section, garbage);
        EXPECT_EQ(doc.puzzle.GridToString(), grid);
        EXPECT_EQ(doc.puzzle.words.size(), 4u);
    }
}

}  // namespace
