#include "formats/clue_files.h"

#include <gtest/gtest.h>

#include <random>

#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// Words in m_words order: H1, V1, V2, H3, each three cells long.
void SetSmallGrid(Rooster2Doc& doc) { SetGrid(doc, {"AB.", "C#.", "..."}); }

WordInfo& Word(Puzzle& puzzle, int dx, int number) {
    for (WordInfo& word : puzzle.words)
        if (word.dx == dx && word.number == number) return word;
    ADD_FAILURE() << "no word " << dx << " " << number;
    return puzzle.words.front();
}

void SetClues(Rooster2Doc& doc) {
    PuzzleEdit arranged = Arrange(doc);
    Word(arranged.puzzle(), 1, 1).clue = "Eerste";
    Word(arranged.puzzle(), 0, 1).clue = "Omlaag";
    WordInfo& split = Word(arranged.puzzle(), 0, 2);
    split.clue = "Tweede";
    split.partCount = 2;
    split.partLengths[0] = 1;
    split.partLengths[1] = 2;
    split.extraList = 2;
}

TEST(WriteClueFile, LayoutWithWordLists) {
    Rooster2Doc doc;
    SetSmallGrid(doc);
    SetClues(doc);
    Arrange(doc)->search.wordFile = "lijst02.doc";
    Arrange(doc)->extraFiles = {"extra02.doc", "meer02.doc"};
    const std::string text = WriteClueFile(doc.puzzle());
    EXPECT_EQ(ExpectedBytes("clues/clue-file.txt", text), text);
}

// A Zweeds puzzle has no numbers: its clue file names each clue by its clue cell and
// arrow, and reading the file gives every word its clue back.
TEST(WriteClueFile, AZweedsPuzzleListsItsCluesByClueCellAndReadsThemBack) {
    const auto makeZweeds = [](Rooster2Doc& doc) {
        SetGrid(doc, {"####", "#...", "#..."});
        PuzzleEdit arranged = Arrange(doc);
        arranged->form = PuzzleForm::Zweeds;
        arranged->BuildWords();
        arranged->AssignArrows();
    };
    Rooster2Doc doc;
    makeZweeds(doc);
    {
        PuzzleEdit arranged = Arrange(doc);
        for (std::size_t i = 0; i < arranged->words.size(); ++i)
            arranged->words[i].clue = "Woord " + std::to_string(i);
    }
    const std::string text = WriteClueFile(doc.puzzle());
    EXPECT_EQ(text.rfind("K2 R1 omlaag: ", 0), 0u) << text;
    EXPECT_EQ(ExportClues(doc.puzzle()) + "\r\n", text);
    Rooster2Doc back;
    makeZweeds(back);
    {
        PuzzleEdit arranged = Arrange(back);
        ClueSection section = ClueSection::Across;
        EXPECT_EQ(ReadClueFile(arranged.puzzle(), section, text),
                  static_cast<int>(doc.puzzle().words.size()));
    }
    for (std::size_t i = 0; i < doc.puzzle().words.size(); ++i)
        EXPECT_EQ(back.puzzle().words[i].clue, doc.puzzle().words[i].clue);
}

TEST(WriteClueFile, OfferedOnlyWithoutPartNumbers) {
    Rooster2Doc doc;
    EXPECT_TRUE(CanWriteClueFile(doc.puzzle()));
    Arrange(doc)->numbering.numberPartWords = true;
    EXPECT_FALSE(CanWriteClueFile(doc.puzzle()));
    EXPECT_FALSE(CanExportClues(doc.puzzle()));
}

TEST(ExportClues, TitleAndBothListsWithCrLf) {
    Rooster2Doc doc;
    SetSmallGrid(doc);
    SetClues(doc);
    Arrange(doc)->html.title = "Puzzel\nvan vandaag";
    Word(Arrange(doc).puzzle(), 1, 3).clue = "Met\r\nregel";
    const std::string text = ExportClues(doc.puzzle());
    EXPECT_EQ(ExpectedBytes("clues/export.txt", text), text);
}

TEST(ClueFileRoundTrip, ReadingIntoTheBareGridFromDiskGivesThePuzzleBack) {
    TempDir dir;
    WriteFileOrFail(dir.Path("lijst02.doc"), "AB\r\n");
    WriteFileOrFail(dir.Path("extra02.doc"), "CD\r\n");
    Rooster2Doc doc;
    SetSmallGrid(doc);
    SetClues(doc);
    Arrange(doc)->search.wordFile = dir.Path("lijst02.doc");
    Arrange(doc)->extraFiles = {dir.Path("extra02.doc")};
    WriteFileOrFail(dir.Path("clues.txt"), WriteClueFile(doc.puzzle()));
    Rooster2Doc bare;
    SetSmallGrid(bare);
    ClueSection section = ClueSection::Across;
    int count = -1;
    ASSERT_EQ(ReadClueFileAt(Arrange(bare).puzzle(), section, dir.Path("clues.txt"), count),
              ReadStatus::Read);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(WriteRtr(bare), WriteRtr(doc));
    EXPECT_EQ(ReadClueFileAt(Arrange(bare).puzzle(), section, dir.Path("missing.txt"), count),
              ReadStatus::CannotOpen);
}

class ClueReading : public ::testing::Test {
protected:
    void SetUp() override { SetSmallGrid(doc); }
    int Line(const std::string& line) {
        return ProcessClueLine(Arrange(doc).puzzle(), section, line);
    }
    Rooster2Doc doc;
    ClueSection section = ClueSection::Across;
};

TEST_F(ClueReading, WordListLinesNeedFilesThatOpen) {
    TempDir dir;
    WriteFileOrFail(dir.Path("a02.doc"), "AB\r\n");
    Arrange(doc)->extraFiles = {"oud"};
    Line("Zoekwoordenlijsten:");
    Line("0. " + dir.Path("weg02.doc"));
    EXPECT_EQ(doc.puzzle().search.wordFile, "");
    EXPECT_EQ(doc.puzzle().extraFiles.size(), 1u);
    Line("0. " + dir.Path("a02.doc"));
    EXPECT_EQ(doc.puzzle().search.wordFile, dir.Path("a02.doc"));
    EXPECT_TRUE(doc.puzzle().extraFiles.empty());
    EXPECT_EQ(section, ClueSection::ExtraFiles);
    Line("1. " + dir.Path("a02.doc"));
    Line("2. " + dir.Path("weg02.doc"));
    Line("3. " + dir.Path(""));
    Line("geenspatie");
    EXPECT_EQ(doc.puzzle().extraFiles, std::vector<std::string>{dir.Path("a02.doc")});
}

TEST(PasteClues, Messages) {
    EXPECT_EQ(PastedCluesMessage(0).text, "Niets toegevoegd");
    EXPECT_EQ(PastedCluesMessage(2).text, "Aantal toegevoegde omschrijvingen: 2");
    EXPECT_EQ(AddedCluesMessage(0).text, "Aantal toegevoegde omschrijvingen: 0");
    EXPECT_EQ(AddedCluesMessage(0).caption, "Resultaat");
    EXPECT_EQ(NoClipboardTextMessage().text, "Geen tekst op klembord");
    EXPECT_EQ(NoClipboardTextMessage().caption, "Resultaat");
}

TEST(ReadClueFile, Utf8FilesBecomeLatin1) {
    TempDir dir;
    WriteFileOrFail(dir.Path("c.txt"), "\xEF\xBB\xBFHorizontaal\r\n1. Caf\xC3\xA9\r\n");
    Rooster2Doc doc;
    SetSmallGrid(doc);
    ClueSection section = ClueSection::Down;
    int count = 0;
    ASSERT_EQ(ReadClueFileAt(Arrange(doc).puzzle(), section, dir.Path("c.txt"), count),
              ReadStatus::Read);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Word(Arrange(doc).puzzle(), 1, 1).clue, "Caf\xE9");
}

TEST(ReadClueFile, GarbageNeverCrashesAndKeepsTheGrid) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        Rooster2Doc doc;
        SetSmallGrid(doc);
        const std::string grid = doc.puzzle().GridToString();
        std::string garbage(static_cast<std::size_t>(random() % 3000), '\0');
        for (char& c : garbage) c = static_cast<char>(random());
        ClueSection section = static_cast<ClueSection>(random() % 2);
        ReadClueFile(Arrange(doc).puzzle(), section, garbage);
        ProcessClueText(Arrange(doc).puzzle(), section, garbage);
        EXPECT_EQ(doc.puzzle().GridToString(), grid);
        EXPECT_EQ(doc.puzzle().words.size(), 4u);
    }
}

}  // namespace
