#include "formats/folder_clues.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/folder_entries.h"
#include "model/rtr_file.h"
#include "test_support.h"
#include "util/file_io.h"

namespace {

const FileDate DATE{6, 12, 2026, 9, 5};

// H1 "KA." (1 + 2 letters), V1, V2, H3 as in a 3 by 3 grid with a black centre.
Rooster2Doc SmallPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"KA.", "A#.", "T.."});
    Arrange(doc)->words[0].clue = "Zuivel";
    Arrange(doc)->words[1].clue = "Dier";
    return doc;
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

TEST(ListFolder, AFileTooLargeToReadIsPassedOver) {
    TempDir dir;
    WriteFileOrFail(dir.Path("a-groot.rtr"), "");
    std::filesystem::resize_file(dir.Path("a-groot.rtr"), DOCUMENT_FILE_LIMIT + 1);
    WriteFileOrFail(dir.Path("klein.rtr"), WriteRtr(SmallPuzzle()));
    std::string out;
    ListFolder(dir.Path(""), out);
    EXPECT_EQ(out.find("a-groot.rtr"), std::string::npos);
    EXPECT_NE(out.find("klein.rtr (3 x 3"), std::string::npos);
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
