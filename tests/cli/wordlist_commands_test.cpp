#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/rtr_file.h"
#include "test_support.h"
#include "util/native_path.h"

namespace {

class WordListCli : public ::testing::Test {
protected:
    WordListCli() {
        WriteFileOrFail(dir.Path("dict.txt"),
                        "kaas\nklas\nKaas\nkras\nijzer\nbrood\nanale\nlaane\nijs\nauto's\n");
        const CliRun run = RunCli({"wordlist", dir.Path("dict.txt"), dir.Path("lijsten/nl")});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        set = dir.Path("lijsten/nl02.doc");
    }
    TempDir dir;
    std::string set;
};

TEST_F(WordListCli, WordlistWritesTheSetAndASummary) {
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("lijsten/nl04.doc")), "KAAS\r\nKLAS\r\nKRAS\r\nYZER\r\n");
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("lijsten/nl02.doc")), "YS\r\n");
    const CliRun again =
        RunCli({"wordlist", dir.Path("dict.txt"), dir.Path("twee/nl"), "--ij-to-y", "0"});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "9 woorden in " + dir.Path("twee/nl02.doc") + " t/m " +
                             dir.Path("twee/nl19.doc") +
                             " (1 dubbel, 0 overgeslagen, 0 te kort, 0 te lang)\n");
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("twee/nl05.doc")),
              "IJZER\r\nBROOD\r\nANALE\r\nLAANE\r\nAUTOS\r\n");
}

TEST_F(WordListCli, WordlistRefusesBadInput) {
    const CliRun missing = RunCli({"wordlist", dir.Path("geen.txt"), dir.Path("x/nl")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Bestand " + dir.Path("geen.txt") + " ontbreekt.\n");
    EXPECT_EQ(
        RunCli({"wordlist", dir.Path("dict.txt"), dir.Path("x/nl"), "--ij-to-y", "2"}).exitCode, 2);
    EXPECT_EQ(RunCli({"wordlist", dir.Path("dict.txt")}).exitCode, 2);
}

TEST_F(WordListCli, CandidatesListsTheFittingLines) {
    const CliRun run = RunCli({"candidates", set, "K.AS"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "KAAS\nKLAS\nKRAS\n");
    EXPECT_EQ(run.err, "Aantal gevonden kandidaten: 3\n");
    EXPECT_EQ(RunCli({"candidates", set, "k.as", "--max", "2"}).out, "KAAS\nKLAS\n");
    EXPECT_EQ(RunCli({"candidates", set, "y..R"}).out, "YZER\n");
}

TEST_F(WordListCli, AnagramsWithAndWithoutPattern) {
    EXPECT_EQ(RunCli({"anagrams", set, "enaal"}).out, "ANALE\nLAANE\n");
    EXPECT_EQ(RunCli({"anagrams", set, "A", "--pattern", "L...."}).out, "LAANE\n");
    EXPECT_EQ(RunCli({"anagrams", set, "AS", "--pattern", "....", "--max", "1"}).out, "KAAS\n");
}

TEST_F(WordListCli, MissingSetOrShortNameFailsWithTheMessage) {
    const CliRun missing = RunCli({"candidates", dir.Path("nergens/nl05.doc"), "K.AS"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Fout bij bepaling kandidaten: Bestand " + dir.Path("nergens/nl04.doc") +
                               " ontbreekt.\n");
    const CliRun shortName = RunCli({"anagrams", "05.doc", "AB"});
    EXPECT_EQ(shortName.exitCode, 1);
    EXPECT_EQ(shortName.err, "Fout bij bepaling anagrammen: Bestand 05.doc ontbreekt.\n");
    EXPECT_EQ(RunCli({"candidates", set, "K.AS", "--max", "-1"}).exitCode, 2);
    EXPECT_EQ(RunCli({"anagrams", set, ""}).exitCode, 2);
}

TEST_F(WordListCli, OwnScoresComeFromTheDataFolderUnlessSwitchedOff) {
    const std::string own = PathText(NativePath(CliUserDataFolder()) / "eigen_scores.txt");
    std::filesystem::create_directories(NativePath(CliUserDataFolder()));
    WriteFileOrFail(own, "KLAS;0\r\nKRAS;90\r\nkapot\r\n");
    const CliRun run = RunCli({"candidates", set, "K.AS"});
    const CliRun without = RunCli({"candidates", set, "K.AS", "--no-overrides"});
    std::filesystem::remove(NativePath(own));
    EXPECT_EQ(run.out, "KAAS\nKRAS\n");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "1 regel zonder geldige score in " + own + " overgeslagen");
    EXPECT_EQ(without.out, "KAAS\nKLAS\nKRAS\n");
}

TEST_F(WordListCli, WordlistWritesScores) {
    WriteFileOrFail(dir.Path("scores.txt"), "kras;95\n");
    const CliRun run = RunCli({"wordlist", dir.Path("dict.txt"), dir.Path("sc/nl"),
                               "--default-scores", "--scores", dir.Path("scores.txt")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("sc/nl04.doc")),
              "KAAS;50\r\nKLAS;50\r\nKRAS;95\r\nYZER;50\r\n");
    EXPECT_NE(run.out.find("\nScores: 0 stammen, 1 eigen scores gebruikt"), std::string::npos);
    for (const char* ruleOption : {"--stems", "--frequencies", "--offensive"})
        EXPECT_EQ(RunCli({"wordlist", dir.Path("dict.txt"), dir.Path("sc/nl"), ruleOption, "x.txt"})
                      .exitCode,
                  2);
}

TEST_F(WordListCli, SpellWordsOptionOverridesAndTheReportListsBothSections) {
    Rooster2Doc doc;
    SetGrid(doc, {"KAAT#BR.OD#yS"});
    const std::string puzzle = dir.Path("puzzel.rtr");
    WriteFileOrFail(puzzle, WriteRtr(doc));
    const CliRun run = RunCli({"spell", puzzle, "--words", set});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Niet in woordenlijst:\n  H1 KAAT\n\nNiet (helemaal) ingevuld:\nH2 \n");
}

}  // namespace
