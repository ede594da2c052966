// What the command line does with inputs too large to handle and with a machine out
// of memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli_main.h"
#include "model/rtr_file.h"
#include "test_support.h"
#include "util/file_io.h"

#ifndef _WIN32
#include "test_support_posix.h"
#endif

namespace {

class CliLimits : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileOrFail(big, "");
        std::filesystem::resize_file(big, DOCUMENT_FILE_LIMIT + 1);
    }
    TempDir dir;
    const std::string big = dir.Path("groot.rtr");
};

TEST_F(CliLimits, AnOversizedPuzzleOrImportIsRefusedAtOnceAndWritesNothing) {
    const CliRun info = RunCli({"info", big});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_EQ(info.err,
              "Het bestand " + big + " is te groot (meer dan 64 MB) en wordt niet geopend.\n");
    const CliRun imported = RunCli({"import", "puz", big, dir.Path("uit.rtr")});
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_EQ(imported.err, info.err);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("uit.rtr")));
}

TEST_F(CliLimits, AnAllocationFailureEndsInTheDutchMessage) {
    const std::string puzzle = dir.Path("p.rtr");
    WriteFileOrFail(puzzle, WriteRtr(Rooster2Doc()));
    std::ostringstream errors;
    std::streambuf* const stderrBuffer = std::cerr.rdbuf(errors.rdbuf());
    SimulateOutOfMemoryOnRead(true);
    const int exitCode = RunCommandLine({"info", puzzle});
    SimulateOutOfMemoryOnRead(false);
    std::cerr.rdbuf(stderrBuffer);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(errors.str(), "Onvoldoende geheugen\n");
}

#ifndef _WIN32

// A legal ipuz file of about 3 MB: a 5 x 5 grid with 200,000 across clues.
std::string ManyCluesIpuz() {
    std::string json =
        R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"], )"
        R"("dimensions": {"width": 5, "height": 5}, "puzzle": [)";
    for (int row = 0; row < 5; ++row) json += row == 0 ? "[1, 0, 0, 0, 0]" : ", [0, 0, 0, 0, 0]";
    json += R"(], "clues": {"Across": [)";
    for (int clue = 0; clue < 200000; ++clue)
        json += (clue == 0 ? "" : ", ") + std::string("[1, \"x\"]");
    return json + "]}}";
}

// Every limit must end in the program's own answer: done, or the Dutch message and
// exit 1; never an abort. The smallest limits are those at which the program starts.
TEST_F(CliLimits, ShortOfAddressSpaceEveryCommandEndsInTheDutchMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space, so ulimit -v "
                    "cannot be tested in this build; bench/low_memory.sh runs it on a release";
#endif
    WriteFileOrFail(dir.Path("veel.ipuz"), ManyCluesIpuz());
    WriteFileOrFail(dir.Path("p.rtr"), WriteRtr(Rooster2Doc()));
    int outOfMemory = 0;
    const auto check = [&](std::size_t megabytes, const std::initializer_list<std::string>& args) {
        const CliRun run = RunCliWithAddressSpace(megabytes, args);
        if (run.exitCode == 1 && run.err == "Onvoldoende geheugen\n")
            ++outOfMemory;
        else
            EXPECT_EQ(run.exitCode, 0) << megabytes << " MB: " << run.err;
    };
    for (std::size_t megabytes = 40; megabytes <= 100; megabytes += 20)
        check(megabytes, {"import", "ipuz", dir.Path("veel.ipuz"), dir.Path("uit.rtr")});
    for (std::size_t megabytes = 80; megabytes <= 120; megabytes += 10)
        check(megabytes, {"export", "pdf", dir.Path("p.rtr"), dir.Path("p.pdf")});
    EXPECT_GT(outOfMemory, 0);
}

#endif

}  // namespace
