#include <gtest/gtest.h>

#include <filesystem>

#include "formats/clue_files.h"
#include "formats/compare.h"
#include "formats/folder_clues.h"
#include "formats/statistics.h"
#include "model/rtr_file.h"
#include "test_support.h"

namespace {

class ReportCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCli({"new", puzzle, "--size", "4x3"}).exitCode, 0); }
    Rooster2Doc Load(const std::string& path) {
        Rooster2Doc doc;
        EXPECT_EQ(OpenRtrFile(doc, path).status, RtrStatus::Loaded);
        return doc;
    }
    TempDir dir;
    const std::string puzzle = dir.Path("nieuw.rtr");
};

TEST_F(ReportCommands, ReadCluesCountsAndSavesInTheFillingPhase) {
    WriteFileOrFail(dir.Path("c.txt"),
                    "Horizontaal\r\n\r\n1. Eerste (4)\r\n5. Tweede (2+2)\r\n6. Fout (9)\r\n"
                    "Verticaal\r\n2. Omlaag (3) *2\r\n");
    const CliRun run = RunCli({"read-clues", puzzle, dir.Path("c.txt"), dir.Path("uit.rtr")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Aantal toegevoegde omschrijvingen: 3\n");
    Rooster2Doc doc = Load(dir.Path("uit.rtr"));
    EXPECT_EQ(doc.phase, Phase::Vullen);
    EXPECT_EQ(doc.puzzle().words[0].clue, "Eerste");
}

TEST_F(ReportCommands, StatsPrintsTheReportOfTheCore) {
    const CliRun run = RunCli({"stats", puzzle, "--lengths", "--clues", "--product", "--sum"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Rooster2Doc doc = Load(puzzle);
    std::vector<std::string> lines;
    StatisticsOptions options;
    options.withLengths = options.withClues = options.withProduct = options.withSum = true;
    ComputeStatistics(doc, lines, options);
    EXPECT_EQ(run.out, JoinReportLines(lines));
    EXPECT_TRUE(run.out.starts_with("Locatie: " + puzzle + "\r\n"));
}

TEST_F(ReportCommands, StatsWithSystemFacts) {
    const CliRun run = RunCli({"stats", puzzle, "--system"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\r\nSyteem informatie:\r\n"), std::string::npos);
    EXPECT_EQ(RunCli({"stats", puzzle, "--onbekend"}).exitCode, 2);
}

TEST_F(ReportCommands, CompareOneFileAndTheWholeFolder) {
    const CliRun same = RunCli({"compare", puzzle, puzzle});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, puzzle + "\r\n  Inhoud gelijk\r\n");
    ASSERT_EQ(RunCli({"new", dir.Path("groot.rtr"), "--size", "5x5"}).exitCode, 0);
    const CliRun all = RunCli({"compare", puzzle, puzzle, "--all"});
    EXPECT_EQ(all.out, dir.Path("groot.rtr") + "\r\n  Afmetingen incorrect\r\n" + puzzle +
                           "\r\n  Inhoud gelijk\r\n");
    const CliRun missing = RunCli({"compare", puzzle, dir.Path("weg.rtr")});
    EXPECT_EQ(missing.out, dir.Path("weg.rtr") + "\r\n  Bestand niet gevonden\r\n");
}

TEST_F(ReportCommands, FolderCluesWritesTheListing) {
    const CliRun run = RunCli({"folder-clues", dir.Path(""), dir.Path("lijst.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::string expected;
    ListFolder(dir.Path(""), expected);
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("lijst.txt")), expected);
    EXPECT_NE(expected.find("nieuw.rtr (4 x 3, krw, "), std::string::npos);
    EXPECT_EQ(RunCli({"folder-clues", dir.Path(""), dir.Path("geen/map/lijst.txt")}).exitCode, 1);
}

TEST_F(ReportCommands, ExportKindsForClues) {
    Rooster2Doc doc = Load(puzzle);
    Arrange(doc)->words[0].clue = "Eerste";
    Arrange(doc)->html.title = "Titel";
    WriteFileOrFail(puzzle, WriteRtr(doc));
    ASSERT_EQ(RunCli({"export", "clues", puzzle, dir.Path("print.txt")}).exitCode, 0);
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("print.txt")), ExportClues(doc.puzzle()));
    ASSERT_EQ(RunCli({"export", "cluefile", puzzle, dir.Path("clues.txt")}).exitCode, 0);
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("clues.txt")), WriteClueFile(doc.puzzle()));
}

TEST_F(ReportCommands, CommandsRefuseDamagedPuzzles) {
    WriteFileOrFail(dir.Path("kapot.rtr"), ReadFileOrEmpty(puzzle).substr(0, 40));
    for (const char* command : {"stats", "read-clues", "compare"}) {
        const CliRun run = RunCli({command, dir.Path("kapot.rtr"), puzzle, dir.Path("uit.rtr")});
        EXPECT_NE(run.exitCode, 0) << command;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path("uit.rtr")));
}

}  // namespace
