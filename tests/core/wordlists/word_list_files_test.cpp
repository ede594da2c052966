#include <gtest/gtest.h>

#include <string>

#include "wordlists/word_list_files.h"

namespace {

struct Piece {
    std::string text;
    bool whole;
};

std::vector<Piece> ReadAll(const std::string& text) {
    CWordListFile file;
    file.OpenText(text);
    std::vector<Piece> pieces;
    std::string_view line;
    while (file.ReadLine(line)) pieces.push_back({std::string(line), file.LastLineIsWhole()});
    return pieces;
}

TEST(WordListFileLines, ShortLinesAreWhole) {
    const auto pieces = ReadAll("KAAS\r\nBROOD\nEI");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text, "KAAS\n");
    EXPECT_EQ(pieces[2].text, "EI");
    for (const Piece& piece : pieces) EXPECT_TRUE(piece.whole);
}

TEST(WordListFileLines, EveryPieceOfAnOverlongLineIsMarked) {
    const std::string longLine(150, 'A');
    const auto pieces = ReadAll(longLine + "\nKAAS\n");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text.size(), 99u);
    EXPECT_FALSE(pieces[0].whole);
    EXPECT_EQ(pieces[1].text, std::string(51, 'A') + "\n");
    EXPECT_FALSE(pieces[1].whole);
    EXPECT_TRUE(pieces[2].whole);
}

TEST(WordListFileLines, NinetyEightLettersAndNewlineFitNinetyNineDoNot) {
    const auto fits = ReadAll(std::string(98, 'B') + "\n");
    ASSERT_EQ(fits.size(), 1u);
    EXPECT_TRUE(fits[0].whole);
    const auto overflows = ReadAll(std::string(99, 'B') + "\nKAAS\n");
    ASSERT_EQ(overflows.size(), 3u);
    EXPECT_FALSE(overflows[0].whole);
    EXPECT_FALSE(overflows[1].whole);  // the newline that came on its own
    EXPECT_TRUE(overflows[2].whole);
}

TEST(WordListFileLines, RewindForgetsAPendingLongLine) {
    CWordListFile file;
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

}  // namespace
