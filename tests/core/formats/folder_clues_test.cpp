#include "formats/folder_clues.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/rtr_file.h"
#include "test_support.h"

namespace {

const FileDate DATE{6, 12, 2026, 9, 5};

// H1 "KA." (1 + 2 letters), V1, V2, H3 as in a 3 by 3 grid with a black centre.
CRooster2Doc SmallPuzzle() {
    CRooster2Doc doc;
    SetGrid(doc, {"KA.", "A#.", "T.."});
    doc.puzzle.words[0].clue = "Zuivel";
    doc.puzzle.words[1].clue = "Dier";
    return doc;
}

std::string DateOf(const std::string& path) {
    FileDate date;
    EXPECT_TRUE(ReadFileDate(path, date));
    return FormatFileDate(date);
}

TEST(FormatFileDate, PaddedFields) {
    EXPECT_EQ(FormatFileDate(DATE), " 6-12-2026  9:05");
    EXPECT_EQ(FormatFileDate({31, 1, 1999, 23, 59}), "31- 1-1999 23:59");
}

TEST(ReadFileDate, TodayForAFileJustWritten) {
    TempDir dir;
    WriteFileOrFail(dir.Path("a.txt"), "x");
    FileDate date;
    ASSERT_TRUE(ReadFileDate(dir.Path("a.txt"), date));
    EXPECT_GE(date.year, 2024);
    EXPECT_FALSE(ReadFileDate(dir.Path("missing"), date));
}

TEST(CountWordRecords, AsManyAsTheRebuildMakes) {
    CRooster2Doc doc;
    doc.puzzle.BuildWords();
    EXPECT_EQ(CountWordRecords(doc.puzzle.cells.data(), 15, 15, false, false), 30);
    EXPECT_EQ(CountWordRecords(doc.puzzle.cells.data(), 15, 15, false, true), 15);
    EXPECT_EQ(CountWordRecords(doc.puzzle.cells.data(), 15, 15, true, false), 30);
}

TEST(CountWordRecords, DoorloperRowWithoutLettersHasNoWord) {
    CRooster2Doc doc;
    doc.puzzle.numbering.doorloper = true;
    SetGrid(doc, {"...", "###", "..."});
    EXPECT_EQ(CountWordRecords(doc.puzzle.cells.data(), 3, 3, true, false), 5);
    EXPECT_EQ(CountWordRecords(doc.puzzle.cells.data(), 3, 3, true, true), 2);
}

TEST(DescribePuzzle, HeadingAndOneLinePerWord) {
    const std::string bytes = WriteRtr(SmallPuzzle());
    EXPECT_EQ(DescribePuzzle("map/klein.rtr", bytes, DATE),
              "*** map/klein.rtr (3 x 3, krw,  6-12-2026  9:05) ***\r\n"
              "KA  = Zuivel\r\n"
              "KAT = Dier\r\n"
              "    = \r\n"
              "T   = \r\n");
}

TEST(DescribePuzzle, DoorloperIsMarkedDrl) {
    CRooster2Doc doc;
    doc.puzzle.numbering.doorloper = true;
    SetGrid(doc, {"AB", "C."});
    const std::string text = DescribePuzzle("d.rtr", WriteRtr(doc), DATE);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "*** d.rtr (2 x 2, drl,  6-12-2026  9:05) ***");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

TEST(DescribePuzzle, TextStopsAtAZeroByteAsPrintedText) {
    CRooster2Doc doc = SmallPuzzle();
    doc.puzzle.words[0].clue = std::string("Zui\0vel", 7);
    const std::string text = DescribePuzzle("k.rtr", WriteRtr(doc), DATE);
    EXPECT_NE(text.find("KA  = Zui\r\n"), std::string::npos);
}

TEST(DescribePuzzle, NoPuzzleGivesNothing) {
    EXPECT_EQ(DescribePuzzle("x.rtr", "", DATE), "");
    EXPECT_EQ(DescribePuzzle("x.rtr", "garbage that is no puzzle", DATE), "");
    std::string bytes = WriteRtr(SmallPuzzle());
    bytes[10] = 'X';
    EXPECT_EQ(DescribePuzzle("x.rtr", bytes, DATE), "");
}

TEST(DescribePuzzle, HugeSizesAndLengthsAreRefusedSafely) {
    std::string bytes = WriteRtr(SmallPuzzle());
    std::string wide = bytes;
    wide[32] = '\x7F';  // width 0x7F000003
    EXPECT_EQ(DescribePuzzle("x.rtr", wide, DATE), "");
    // The first record's letter length set to 0x7FFF: the description ends before it.
    std::string longLetters = bytes;
    const std::size_t firstRecord = 4 + 25 + 8 + 9 + 44;
    longLetters[firstRecord] = '\xFF';
    longLetters[firstRecord + 1] = '\x7F';
    EXPECT_EQ(DescribePuzzle("x.rtr", longLetters, DATE),
              "*** x.rtr (3 x 3, krw,  6-12-2026  9:05) ***\r\n");
}

TEST(DescribePuzzle, EveryTruncationDescribesAPrefix) {
    const std::string bytes = WriteRtr(SmallPuzzle());
    const std::string full = DescribePuzzle("k.rtr", bytes, DATE);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::string part = DescribePuzzle("k.rtr", bytes.substr(0, size), DATE);
        EXPECT_EQ(full.compare(0, part.size(), part), 0) << size;
    }
}

TEST(ListFolder, FilesThenSubFoldersWithCounts) {
    TempDir dir;
    const std::string root = dir.Path("map");
    std::filesystem::create_directories(root + "/sub");
    std::filesystem::create_directories(root + "/.verborgen");
    const std::string puzzle = WriteRtr(SmallPuzzle());
    WriteFileOrFail(root + "/klein.rtr", puzzle);
    WriteFileOrFail(root + "/KAPOT.RTR", "geen puzzel");
    WriteFileOrFail(root + "/a.rtr", puzzle);
    WriteFileOrFail(root + "/notities.txt", "x");
    WriteFileOrFail(root + "/sub/ander.rtr", puzzle);
    WriteFileOrFail(root + "/.verborgen/stil.rtr", puzzle);
    std::string out;
    ListFolder(root, out);
    const std::string description = "KA  = Zuivel\r\nKAT = Dier\r\n    = \r\nT   = \r\n";
    EXPECT_EQ(out, "*** Inhoud map: " + root +
                       " ***\r\n\r\n"
                       "*** " +
                       root + "/klein.rtr (3 x 3, krw, " + DateOf(root + "/klein.rtr") +
                       ") ***\r\n" + description + "*** Aantal bestanden map: " + root +
                       ": 2 ***\r\n\r\n"
                       "*** Inhoud map: " +
                       root +
                       "/sub ***\r\n\r\n"
                       "*** " +
                       root + "/sub/ander.rtr (3 x 3, krw, " + DateOf(root + "/sub/ander.rtr") +
                       ") ***\r\n" + description + "*** Aantal bestanden map: " + root +
                       "/sub: 1 ***\r\n\r\n");
}

TEST(ListFolder, MissingFolderCountsNothing) {
    std::string out;
    ListFolder("/geen/map/hier", out);
    EXPECT_EQ(out,
              "*** Inhoud map: /geen/map/hier ***\r\n\r\n"
              "*** Aantal bestanden map: /geen/map/hier: 0 ***\r\n\r\n");
}

TEST(ListFolder, LinkedFolderIsNotFollowed) {
    TempDir dir;
    const std::string root = dir.Path("map");
    std::filesystem::create_directories(root);
    std::error_code error;
    std::filesystem::create_directory_symlink(root, root + "/terug", error);
    if (error) GTEST_SKIP() << "cannot make a folder link here";
    std::string out;
    ListFolder(root, out);
    EXPECT_EQ(out, "*** Inhoud map: " + root + " ***\r\n\r\n*** Aantal bestanden map: " + root +
                       ": 0 ***\r\n\r\n");
}

}  // namespace
