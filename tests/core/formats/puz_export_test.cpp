#include "formats/puz_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "formats/puz_import.h"
#include "import_test_support.h"
#include "model/clue_text.h"

namespace {

// A filled 4 x 3 puzzle with an IJ cell, a black cell, a not-cell and a split word.
// Words in Across Lite order: 1 across DENIJ, 1 down DAG, 2 down NOO, 3 down IJLS,
// 4 across OL, 5 across OS.
Rooster2Doc FilledPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"DENy", "A#OL", "G-OS"});
    Arrange(doc)->html.title = "Proef";
    Arrange(doc)->comment = "Notities";
    {
        PuzzleEdit arranged = Arrange(doc);
        for (WordInfo& word : arranged->words) word.clue = "Woord " + FormatLabel(word);
    }
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths[0] = 2;
    Arrange(doc)->words[0].partLengths[1] = 2;
    return doc;
}

// The format's published checksum, written out here on its own so that the test does
// not trust the writer: rotate the 16-bit sum right by one bit, then add the byte.
std::uint16_t PublishedChecksum(const std::string& bytes, std::uint16_t sum) {
    for (unsigned char c : bytes) {
        sum = static_cast<std::uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<std::uint16_t>(sum + c);
    }
    return sum;
}

std::uint16_t U16At(const std::string& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                      (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

// The parts of a written file, found by walking it as a reader would.
struct PuzParts {
    std::string info;
    std::string solution;
    std::string player;
    std::vector<std::string> strings;  // title, author, copyright, clues..., notes
    std::string rest;                  // the extra sections
};

PuzParts Split(const std::string& bytes) {
    PuzParts parts;
    const int width = static_cast<unsigned char>(bytes[0x2C]);
    const int height = static_cast<unsigned char>(bytes[0x2D]);
    const std::size_t cells = static_cast<std::size_t>(width * height);
    const int clues = U16At(bytes, 0x2E);
    parts.info = bytes.substr(0x2C, 8);
    parts.solution = bytes.substr(0x34, cells);
    parts.player = bytes.substr(0x34 + cells, cells);
    std::size_t pos = 0x34 + 2 * cells;
    for (int i = 0; i < clues + 4; ++i) {
        const std::size_t end = bytes.find('\0', pos);
        parts.strings.push_back(bytes.substr(pos, end - pos));
        pos = end + 1;
    }
    parts.rest = bytes.substr(pos);
    return parts;
}

// An extra section: name, data length, checksum of the data, data, zero byte.
std::string Section(const std::string& name, const std::string& data) {
    const std::uint16_t sum = PublishedChecksum(data, 0);
    return name + static_cast<char>(data.size()) + '\0' + static_cast<char>(sum & 0xFF) +
           static_cast<char>(sum >> 8) + data + '\0';
}

std::uint16_t StringsChecksum(const PuzParts& parts, std::uint16_t sum) {
    const std::size_t notes = parts.strings.size() - 1;
    for (std::size_t i = 0; i < parts.strings.size(); ++i) {
        const std::string& text = parts.strings[i];
        const bool clue = i >= 3 && i < notes;
        if (clue)
            sum = PublishedChecksum(text, sum);
        else if (!text.empty())
            sum = PublishedChecksum(text + '\0', sum);
    }
    return sum;
}

}  // namespace

TEST(PuzExport, LayoutFollowsTheFormat) {
    const std::string bytes = WritePuz(FilledPuzzle().puzzle());
    EXPECT_EQ(std::string("ACROSS&DOWN\0", 12), bytes.substr(2, 12));
    EXPECT_EQ(std::string("1.3\0", 4), bytes.substr(0x18, 4));
    const PuzParts parts = Split(bytes);
    EXPECT_EQ(std::string("\x04\x03\x06\x00\x01\x00\x00\x00", 8), parts.info);
    EXPECT_EQ("DENIA.OLG.OS", parts.solution);
    EXPECT_EQ(
        "----"
        "-.--"
        "-.--",
        parts.player);
    EXPECT_EQ((std::vector<std::string>{"Proef", "", "", "Woord H1 (2+2)", "Woord V1", "Woord V2",
                                        "Woord V3", "Woord H4", "Woord H5", "Notities"}),
              parts.strings);
    // The IJ cell is rebus key 0 (stored as 1), whose answer is "IJ".
    const std::string expected =
        Section("GRBS", std::string("\0\0\0\x01\0\0\0\0\0\0\0\0", 12)) + Section("RTBL", " 0:IJ;");
    EXPECT_EQ(expected, parts.rest);
}

TEST(PuzExport, EveryChecksumIsRight) {
    const std::string bytes = WritePuz(FilledPuzzle().puzzle());
    const PuzParts parts = Split(bytes);
    const std::uint16_t info = PublishedChecksum(parts.info, 0);
    EXPECT_EQ(info, U16At(bytes, 0x0E));
    std::uint16_t overall = PublishedChecksum(parts.solution, info);
    overall = PublishedChecksum(parts.player, overall);
    EXPECT_EQ(StringsChecksum(parts, overall), U16At(bytes, 0x00));
    const std::uint16_t pieces[] = {info, PublishedChecksum(parts.solution, 0),
                                    PublishedChecksum(parts.player, 0), StringsChecksum(parts, 0)};
    const std::string mask = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(mask[i] ^ (pieces[i] & 0xFF), static_cast<unsigned char>(bytes[0x10 + i])) << i;
        EXPECT_EQ(mask[i + 4] ^ (pieces[i] >> 8), static_cast<unsigned char>(bytes[0x14 + i])) << i;
    }
}

TEST(PuzExport, OwnImportReadsLettersAndClues) {
    Rooster2Doc original = FilledPuzzle();
    Arrange(original)->words[2].clue.clear();  // an unclued word keeps the clues after it
    Rooster2Doc read;
    const ImportResult result = ImportPuz(read, WritePuz(original.puzzle()));
    ASSERT_TRUE(result.imported);
    EXPECT_EQ("", result.message.text);
    std::string letters = original.puzzle().GridToString();
    std::replace(letters.begin(), letters.end(), char(CELL_NIET), char(CELL_ZWART));  // a block
    EXPECT_EQ(letters, read.puzzle().GridToString());
    ExpectSameWordsAndClues(original, read);
    EXPECT_EQ("Proef   ", read.puzzle().html.title);
    EXPECT_EQ("Notities ", read.puzzle().comment);
}

TEST(PuzExport, PuzzlesTheFormatCannotHoldAreRefused) {
    Rooster2Doc doc = FilledPuzzle();
    EXPECT_FALSE(PuzExportRefusal(doc.puzzle()).has_value());
    Arrange(doc)->SetCell(3, 2, CELL_VRIJ);
    ASSERT_TRUE(PuzExportRefusal(doc.puzzle()).has_value());
    EXPECT_EQ("Jammer", PuzExportRefusal(doc.puzzle())->caption);
    doc = FilledPuzzle();
    Arrange(doc)->numbering.doorloper = true;
    EXPECT_EQ("Een doorloper past niet in een Across Lite-bestand",
              PuzExportRefusal(doc.puzzle())->text);
    doc = FilledPuzzle();
    Arrange(doc)->numbering.acrossOnly = true;
    EXPECT_TRUE(PuzExportRefusal(doc.puzzle()).has_value());
}
