// rooster2-cli fill on a tiny grid with a word list the test writes.
#include <gtest/gtest.h>

#include <regex>

#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "search/fast_search.h"
#include "search_test_support.h"
#include "test_support.h"
#include "util/native_path.h"
#include "util/program_data.h"

namespace {

class FillCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileOrFail(m_dir.Path("nl02.doc"), "AB\r\nCD\r\nAC\r\nBD\r\n");
        Rooster2Doc doc;
        SetGrid(doc, {"..", ".."});
        UserMessage message;
        ASSERT_TRUE(SaveRtrFile(doc, m_dir.Path("p.rtr"), message)) << message.text;
    }
    std::string Words() const { return m_dir.Path("nl02.doc"); }
    // The result line with its times (which depend on the machine's load) as "T".
    static std::string WithoutTimes(const std::string& result) {
        return std::regex_replace(
            result, std::regex("na [0-9]+:[0-9]{2}:[0-9]{2} \\([0-9]+\\.[0-9] sec\\)"), "na T");
    }

    TempDir m_dir;
};

TEST_F(FillCommandTest, PrintsTheResultAndWritesTheSolutions) {
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "exact",
                               "--min-score", "0", "--solutions", m_dir.Path("s.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Klaar na T, 2 oplossingen\nScore: gemiddeld 50,0, laagste 50 (AB)\n"
              "Laagste woorden: H1 AB (50), V1 AC (50), V2 BD (50), H3 CD (50)\n");
    EXPECT_NE(run.err.find("Zoekende, aantal oplossingen 0"), std::string::npos);
    EXPECT_EQ(ReadFileOrEmpty(m_dir.Path("s.txt")),
              "Oplossing 1\r\n\r\nA B \r\nC D \r\n\r\nOplossing 2\r\n\r\nA C \r\nB D \r\n\r\n");
}

TEST_F(FillCommandTest, FillabilityPrintsTheCountsTheDeadCellsAndTheVerdict) {
    const CliRun run = RunCli({"fillability", m_dir.Path("p.rtr"), "--words", Words()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "H1: 2 woorden\nV1: 2 woorden\nV2: 2 woorden\nH3: 2 woorden\nVulbaar\n");
    // Unscored lines score 50: above that minimum no word is left.
    const CliRun none =
        RunCli({"fillability", m_dir.Path("p.rtr"), "--words", Words(), "--min-score", "60"});
    ASSERT_EQ(none.exitCode, 0) << none.err;
    EXPECT_TRUE(none.out.starts_with("H1: geen woorden\n")) << none.out;
    EXPECT_NE(none.out.find("\nGeen letter past: rij 2, kolom 2\nH1: geen woorden\n"),
              std::string::npos)
        << none.out;
}

TEST_F(FillCommandTest, TakesTheChosenSolutionIntoANewPuzzleFile) {
    const CliRun run =
        RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "exact", "--min-score",
                "0", "--max", "1", "--take", "1", m_dir.Path("uit.rtr")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out).substr(0, 69),
              "Onderbroken na T, 1 oplossing\nScore: gemiddeld 50,0, laagste 50 (AB)\n");
    Rooster2Doc doc;
    ASSERT_EQ(OpenRtrFile(doc, m_dir.Path("uit.rtr")).status, RtrStatus::Loaded);
    EXPECT_EQ(doc.puzzle().GridToString(), "ABCD");
    EXPECT_FALSE(doc.puzzle().search.fillWithLastShown);
}

TEST_F(FillCommandTest, OptionsChangeTheSearch) {
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--exclude", "d",
                               "--all-different", "0", "--random", "1", "--seed", "7"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Klaar na T, geen oplossingen gevonden, ook niet met minimale score 10\n");
}

TEST_F(FillCommandTest, TheFastMethodPrintsTheLettersPerCellOverItsSolutions) {
    // The seed fixes which of the two fills comes first.
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "fast",
                               "--seed", "1", "--frequencies"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Klaar na T, 2 oplossingen\nScore: gemiddeld 50,0, laagste 50 (AC)\n"
              "Laagste woorden: H1 AC (50), V1 AB (50), V2 CD (50), H3 BD (50)\n  1  2\n  2  1\n"
              "Vak H1/V1: 1 letter in 2 oplossingen\n");
    EXPECT_EQ(
        RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "snel"}).exitCode, 2);
}

TEST_F(FillCommandTest, RefusesMissingListsBadNumbersAndUnknownSolutions) {
    CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", m_dir.Path("xx02.doc")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("xx02.doc ontbreekt."), std::string::npos);
    EXPECT_NE(run.err.find("kandidaatloos, zoeken zinloos."), std::string::npos);
    run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--max-frequency", "10"});
    EXPECT_EQ(run.exitCode, 2);
    run = RunCli(
        {"fill", m_dir.Path("p.rtr"), "--words", Words(), "--take", "5", m_dir.Path("u.rtr")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.substr(run.err.find("Oplossing")),
              "Oplossing 5 bestaat niet (2 oplossingen).\n");
    EXPECT_TRUE(ReadFileOrEmpty(m_dir.Path("u.rtr")).empty());
    run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--time-limit", "-1"});
    EXPECT_EQ(run.exitCode, 2);
}

TEST_F(FillCommandTest, ImprovesTheFirstFillAndTakesTheImprovedOne) {
    WriteFileOrFail(Words(),
                    "EF;10\r\nGH;60\r\nEG;60\r\nFH;60\r\nAB;90\r\nCD;90\r\nAC;90\r\nBD;90\r\n");
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "exact",
                               "--min-score", "0", "--max", "1", "--improve", "30", "--seed", "1",
                               "--take", "1", m_dir.Path("uit.rtr")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string out = WithoutTimes(run.out);
    ASSERT_NE(out.find("\nVerbeterd"), std::string::npos) << out << run.err;
    EXPECT_EQ(out.substr(out.find("\nVerbeterd")),
              "\nVerbeterd na 9 pogingen: laagste 10 -> 90, gemiddeld 47,5 -> 90,0\n"
              "Score: gemiddeld 90,0, laagste 90 (AC)\n"
              "Laagste woorden: H1 AC (90), V1 AB (90), V2 CD (90), H3 BD (90)\n");
    EXPECT_NE(run.err.find("Verbeteren, laagste 10, gemiddeld 47,5"), std::string::npos);
    Rooster2Doc taken;
    ASSERT_EQ(OpenRtrFile(taken, m_dir.Path("uit.rtr")).status, RtrStatus::Loaded);
    EXPECT_EQ(taken.puzzle().GridToString(), "ACBD");
    EXPECT_EQ(RunCli({"fill", m_dir.Path("p.rtr"), "--improve", "0"}).exitCode, 2);
}

// The region's unlocked letters are filled again (three fills, the last row as it was);
// a locked word keeps its letters in every fill, and the taken puzzle keeps the lock.
TEST_F(FillCommandTest, ARegionRefillsItsUnlockedLettersAndLockedWordsStay) {
    WriteFileOrFail(m_dir.Path("nl03.doc"),
                    "ABC\r\nDEF\r\nADG\r\nBEH\r\nAXC\r\nYZF\r\nAYG\r\nXZH\r\nQXC\r\nQYG\r\n");
    Rooster2Doc doc;
    SetGrid(doc, {"ABC", "DEF", "GHI"});
    UserMessage message;
    const std::string puzzle = m_dir.Path("p3.rtr");
    ASSERT_TRUE(SaveRtrFile(doc, puzzle, message)) << message.text;
    const std::string words = m_dir.Path("nl03.doc");
    CliRun run = RunCli({"fill", puzzle, "--words", words, "--method", "exact", "--min-score", "0",
                         "--region", "1,1,2,2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out).substr(0, 26), "Klaar na T, 3 oplossingen\n");
    run = RunCli({"fill", puzzle, "--words", words, "--method", "exact", "--min-score", "0",
                  "--region", "1,1,2,2", "--lock", "H1", "--take", "1", m_dir.Path("uit.rtr")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out).substr(0, 24), "Klaar na T, 1 oplossing\n");
    Rooster2Doc taken;
    ASSERT_EQ(OpenRtrFile(taken, m_dir.Path("uit.rtr")).status, RtrStatus::Loaded);
    EXPECT_EQ(taken.puzzle().GridToString(), "ABCDEFGHI");
    EXPECT_EQ(taken.puzzle().LocksToString(), std::string("\1\1\1\0\0\0\0\0\0", 9));
    EXPECT_EQ(RunCli({"fill", puzzle, "--words", words, "--region", "0,1,2,2"}).exitCode, 2);
    EXPECT_EQ(RunCli({"fill", puzzle, "--words", words, "--lock", "H9"}).err,
              "Woord H9 bestaat niet in de puzzel.\n");
}

TEST_F(FillCommandTest, WithoutWordsThePuzzleFillsAndIsCheckedFromTheInstalledSet) {
    if (InstalledWordListFile(PathText(NativePath(ROOSTER2_CLI).parent_path())).empty())
        GTEST_SKIP() << "this build has no Dutch word list set";
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--max", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out).substr(0, 30), "Onderbroken na T, 1 oplossing\n");
    // The spelling check looks in the same set.
    EXPECT_EQ(RunCli({"spell", m_dir.Path("p.rtr")}).exitCode, 0);
}

}  // namespace
