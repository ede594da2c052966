#include <gtest/gtest.h>

#include "formats/text_export.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "test_support.h"

TEST(CliNewInfoTest, ANewPuzzleListsItsThirtyWords) {
    TempDir dir;
    // A space and a non-ASCII letter (UTF-8) in the name reach the file system intact.
    const std::string path = dir.Path("nieuw caf\xc3\xa9.rtr");
    ASSERT_EQ(RunCli({"new", path}).exitCode, 0);
    const CliRun info = RunCli({"info", path});
    ASSERT_EQ(info.exitCode, 0) << info.err;

    Rooster2Doc doc;
    Arrange(doc)->BuildWords();
    EXPECT_EQ(info.out, ExportPlainText(doc.puzzle(), false));
    int numberedLines = 0;
    for (std::size_t at = info.out.find(". "); at != std::string::npos;
         at = info.out.find(". ", at + 1))
        ++numberedLines;
    EXPECT_EQ(numberedLines, 30);
    EXPECT_NE(info.out.find("Horizontaal\r\n\r\n   1. "), std::string::npos);
    EXPECT_NE(info.out.find("  29. "), std::string::npos);
    EXPECT_NE(info.out.find("Verticaal\r\n\r\n   1. "), std::string::npos);
    EXPECT_NE(info.out.find("  15. "), std::string::npos);
}

TEST(CliNewInfoTest, WrongArgumentsGiveUsageAndExitTwo) {
    TempDir dir;
    for (const auto& args : {std::initializer_list<std::string>{"new"},
                             {"new", dir.Path("a.rtr"), "--size", "0x5"},
                             {"new", dir.Path("a.rtr"), "--size", "101x5"},
                             {"new", dir.Path("a.rtr"), "--bogus"},
                             {"info"},
                             {"frobnicate"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("gebruik"), std::string::npos) << run.err;
    }
}
