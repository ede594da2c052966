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

TEST_F(CliLimits, AnOversizedPuzzleIsRefusedAtOnce) {
    const CliRun run = RunCli({"info", big});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "Het bestand " + big + " is te groot (meer dan 64 MB) en wordt niet geopend.\n");
}

TEST_F(CliLimits, AnOversizedImportWritesNothing) {
    const CliRun run = RunCli({"import", "puz", big, dir.Path("uit.rtr")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("te groot"), std::string::npos);
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

}  // namespace
