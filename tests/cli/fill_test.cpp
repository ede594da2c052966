// rooster2-cli fill on a tiny grid with a word list the test writes.
#include <gtest/gtest.h>

#include <regex>

#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "search/fast_search.h"
#include "search_commands.h"
#include "search_test_support.h"
#include "test_support.h"

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
    const CliRun run = RunCli(
        {"fill", m_dir.Path("p.rtr"), "--words", Words(), "--solutions", m_dir.Path("s.txt")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Klaar na T, 2 oplossingen\nScore: gemiddeld 50,0, laagste 50 (AB)\n");
    EXPECT_NE(run.err.find("Zoekende, aantal oplossingen 0"), std::string::npos);
    EXPECT_EQ(ReadFileOrEmpty(m_dir.Path("s.txt")),
              "Oplossing 1\r\n\r\nA B \r\nC D \r\n\r\nOplossing 2\r\n\r\nA C \r\nB D \r\n\r\n");
}

TEST_F(FillCommandTest, TakesTheChosenSolutionIntoANewPuzzleFile) {
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--max", "1",
                               "--take", "1", m_dir.Path("uit.rtr")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Onderbroken na T, 1 oplossing\nScore: gemiddeld 50,0, laagste 50 (AB)\n");
    Rooster2Doc doc;
    ASSERT_EQ(OpenRtrFile(doc, m_dir.Path("uit.rtr")).status, RtrStatus::Loaded);
    EXPECT_EQ(doc.puzzle.GridToString(), "ABCD");
    EXPECT_FALSE(doc.puzzle.search.fillWithLastShown);
}

TEST_F(FillCommandTest, OptionsChangeTheSearch) {
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--exclude", "d",
                               "--all-different", "0", "--random", "1", "--seed", "7"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out), "Klaar na T, geen oplossingen gevonden\n");
}

TEST_F(FillCommandTest, TheFastMethodPrintsTheLettersPerCellOverItsSolutions) {
    // The seed fixes which of the two fills comes first.
    const CliRun run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "fast",
                               "--seed", "1", "--frequencies"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTimes(run.out),
              "Klaar na T, 2 oplossingen\nScore: gemiddeld 50,0, laagste 50 (AC)\n  1  2\n  2  1\n"
              "Vak H1/V1: 1 letter in 2 oplossingen\n");
    EXPECT_EQ(RunCli({"fill", m_dir.Path("p.rtr"), "--words", Words(), "--method", "snel"}).exitCode, 2);
}

TEST_F(FillCommandTest, RefusesMissingListsBadNumbersAndUnknownSolutions) {
    CliRun run = RunCli({"fill", m_dir.Path("p.rtr")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Geen woordenbestand opgegeven (--words SET).\n");
    run = RunCli({"fill", m_dir.Path("p.rtr"), "--words", m_dir.Path("xx02.doc")});
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

// Each placement takes a second on the search's clock, and every turn polls.
TEST_F(FillCommandTest, TheTimeLimitInterruptsTheSearchOnItsClockKeepingWhatWasFound) {
    for (const long long limit : {0LL, 1LL}) {
        SCOPED_TRACE(limit);
        Rooster2Doc doc;
        ASSERT_EQ(OpenRtrFile(doc, m_dir.Path("p.rtr")).status, RtrStatus::Loaded);
        doc.puzzle.search.wordFile = Words();
        doc.puzzle.search.maxSolutions = 0;
        FastSearch search(doc);
        FakeClock clock(2);
        search.clock = &clock;
        search.callbacks.trace = [&clock](int, int, int) { clock.millis += 1000; };
        bool limitPassed = false;
        WireToTerminal(search, limit, limitPassed);
        ASSERT_TRUE(search.Run());
        EXPECT_EQ(limitPassed, limit > 0);
        EXPECT_EQ(search.ResultText().rfind(limit > 0 ? "Onderbroken" : "Klaar", 0), 0u);
        EXPECT_EQ(search.results.solutionCount, limit > 0 ? 0 : 2);
    }
}

}  // namespace
