#include "wordlists/word_list_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

struct Piece {
    std::string text;
    bool whole;
    bool operator==(const Piece&) const = default;
};

std::vector<Piece> ReadAll(const std::string& text) {
    WordListFile file;
    file.OpenText(text);
    std::vector<Piece> pieces;
    std::string_view line;
    while (file.ReadLine(line)) pieces.push_back({std::string(line), file.LastLineIsWhole()});
    return pieces;
}

TEST(WordListFileLines, LinesOverNinetyEightLettersComeInMarkedPieces) {
    const std::string longLine(150, 'A');
    const struct {
        std::string text;
        std::vector<Piece> pieces;
    } cases[] = {
        {"KAAS\r\nBROOD\nEI", {{"KAAS\n", true}, {"BROOD\n", true}, {"EI", true}}},
        {longLine + "\nKAAS\n",
         {{std::string(99, 'A'), false}, {std::string(51, 'A') + "\n", false}, {"KAAS\n", true}}},
        {std::string(98, 'B') + "\n", {{std::string(98, 'B') + "\n", true}}},
        // The newline after ninety-nine letters comes on its own.
        {std::string(99, 'B') + "\nKAAS\n",
         {{std::string(99, 'B'), false}, {"\n", false}, {"KAAS\n", true}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(c.text), c.pieces) << c.text.substr(0, 10);
}

TEST(WordListFileLines, RewindForgetsAPendingLongLine) {
    WordListFile file;
    file.OpenText("KAAS\n" + std::string(120, 'C'));
    std::string_view line;
    ASSERT_TRUE(file.ReadLine(line));
    ASSERT_TRUE(file.ReadLine(line));
    ASSERT_FALSE(file.LastLineIsWhole());
    file.Rewind();
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, "KAAS\n");
    EXPECT_TRUE(file.LastLineIsWhole());
}

struct Entry {
    std::string word;
    int score;
    bool canBeWord;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> ReadEntries(const std::string& text, int* malformed = nullptr) {
    WordListFile file;
    file.OpenText(text);
    std::vector<Entry> entries;
    WordListEntry entry;
    while (file.ReadEntry(entry))
        entries.push_back({std::string(entry.word), entry.score, entry.canBeWord});
    if (malformed != nullptr) *malformed = file.MalformedScores();
    return entries;
}

TEST(WordListEntries, ScoredAndUnscoredLinesWithEitherLineEnd) {
    EXPECT_EQ(ReadEntries("KAAS;70\r\nBROOD\r\nEI;0\nKOE ; 100 \nVIS;5"),
              (std::vector<Entry>{{"KAAS", 70, true},
                                  {"BROOD", 50, true},
                                  {"EI", 0, true},
                                  {"KOE ", 100, true},
                                  {"VIS", 5, true}}));
}

TEST(WordListEntries, AMalformedScoreCountsAsUnscoredAndIsCounted) {
    int malformed = 0;
    const auto entries = ReadEntries("A;101\nB;-1\nC;x\nD;\nE;7;8\nF;0040\n", &malformed);
    ASSERT_EQ(entries.size(), 6u);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(entries[k].score, 50);
    EXPECT_EQ(entries[4].word, "E");
    EXPECT_EQ(entries[5].score, 40);
    EXPECT_EQ(malformed, 5);
}

TEST(WordListEntries, TheLineLimitHoldsForTheWordWithItsScore) {
    // 95 letters and ";50" make 98 bytes before the newline: one whole line.
    const std::string fits = std::string(95, 'B') + ";50\n";
    EXPECT_EQ(ReadEntries(fits), (std::vector<Entry>{{std::string(95, 'B'), 50, true}}));
    // One letter more and the line comes in pieces, none of them a word, none counted.
    int malformed = 0;
    const auto pieces = ReadEntries(std::string(96, 'B') + ";5x\nKAAS;80\n", &malformed);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_FALSE(pieces[0].canBeWord);
    EXPECT_FALSE(pieces[1].canBeWord);
    EXPECT_EQ(pieces[2], (Entry{"KAAS", 80, true}));
    EXPECT_EQ(malformed, 0);
}

TEST(WordListEntries, AUtf8LineIsReadAsItsLettersOrNotAtAll) {
    const auto entries = ReadEntries("CAF\xC3\x89;60\nCAF\xC9\n\xE2\x82\xACURO\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (Entry{"CAF\xC9", 60, true}));  // CAFÉ in either spelling
    EXPECT_EQ(entries[1], (Entry{"CAF\xC9", 50, true}));
    EXPECT_FALSE(entries[2].canBeWord);  // the euro sign is no Latin-1 letter
}

TEST(WordListSetFiles, AMemberOverTheLimitIsRefusedUnread) {
    TempDir dir;
    WriteFileOrFail(dir.Path("nl05.doc"), "");
    std::filesystem::resize_file(dir.Path("nl05.doc"), WORD_LIST_FILE_LIMIT + 1);
    WordListFile file;
    EXPECT_EQ(OpenWordListSetFile(dir.Path("nl02.doc"), 5, file),
              "Het bestand " + dir.Path("nl05.doc") +
                  " is te groot (meer dan 64 MB) en wordt niet geopend.");
}

}  // namespace
