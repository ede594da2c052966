// The interactive web page in a real browser: the puzzles are made here, exported by the
// built rooster2-cli, and solve_pages.mjs solves them in headless Chromium.
#include <gtest/gtest.h>

#include <cstdlib>

#include "model/clue_text.h"
#include "model/rtr_file.h"
#include "test_support.h"

namespace {

// Every letter cell gets a clue that names its word.
void GiveClues(Rooster2Doc& doc) {
    {
        PuzzleEdit arranged = Arrange(doc);
        for (WordInfo& word : arranged->words) word.clue = "Omschrijving " + FormatLabel(word);
    }
}

// Black cells in every fourth row and column, the letters of a sentence, an IJ cell in the
// first word, which is split 7+8 and numbered per part.
Rooster2Doc FifteenByFifteen() {
    const std::string letters = "DEZEPUZZELWORDTINDEBROWSEROPGELOST";
    std::vector<std::string> rows;
    for (int y = 0; y < 15; ++y) {
        std::string row;
        for (int x = 0; x < 15; ++x)
            row += x % 4 == 3 && y % 4 == 3 ? '#' : letters[(y * 15 + x) % letters.size()];
        rows.push_back(row);
    }
    rows[0][2] = static_cast<char>(CELL_IJ);
    Rooster2Doc doc;
    SetGrid(doc, rows);
    Arrange(doc)->html.title = "Webpuzzel \xe9\xe9n";  // "een" with accents, Latin-1
    Arrange(doc)->comment = "Gemaakt voor de browsertest.\r\nVeel plezier!";
    GiveClues(doc);
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths = {7, 8};
    Arrange(doc)->numbering.numberPartWords = true;
    Arrange(doc)->Renumber();
    return doc;
}

Rooster2Doc WithNumbering(const std::vector<std::string>& rows, bool doorloper, bool acrossOnly) {
    Rooster2Doc doc;
    Arrange(doc)->numbering.doorloper = doorloper;
    Arrange(doc)->numbering.acrossOnly = acrossOnly;
    SetGrid(doc, rows);
    GiveClues(doc);
    return doc;
}

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (char c : text) json += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return json + "\"";
}

// The page and the solution rows ('y' the IJ cell) for the driver.
std::string PagePlan(const std::string& name, const std::string& page, const Rooster2Doc& doc) {
    std::string rows;
    for (const std::string& row : GridRows(doc))
        rows += (rows.empty() ? "" : ",") + JsonString(row);
    return "{\"name\":" + JsonString(name) + ",\"page\":" + JsonString(page) + ",\"rows\":[" +
           rows + "]}";
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

TEST(WebPage, IsSolvedInABrowser) {
    TempDir dir;
    const std::string version = dir.Path("node-versie");
    std::system(("node --version >" + Quoted(version) + " 2>&1").c_str());
    if (!ReadFileOrEmpty(version).starts_with("v"))
        GTEST_SKIP() << "Browsertest overgeslagen: node ontbreekt (Debian-pakket nodejs)";

    const std::pair<const char*, Rooster2Doc> puzzles[] = {
        {"groot", FifteenByFifteen()},
        {"doorloper", WithNumbering({"HUIS#", "AB#CD", "ROOSE", "#KOEK", "PAARD"}, true, false)},
        {"niet",
         WithNumbering({"--ABC--", "-DE#FG-", "HIJKLMN", "-OP#QR-", "--STU--"}, false, false)},
        {"horizontaal", WithNumbering({"AB#C", "DEFG", "H#IJ"}, false, true)},
    };
    std::string pages;
    for (const auto& [name, doc] : puzzles) {
        Rooster2Doc saved = doc;
        UserMessage message;
        const std::string rtr = dir.Path(std::string(name) + ".rtr");
        const std::string page = dir.Path(std::string(name) + ".html");
        ASSERT_TRUE(SaveRtrFile(saved, rtr, message)) << message.text;
        const CliRun run = RunCli({"export", "web", rtr, page});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        pages += (pages.empty() ? "" : ",") + PagePlan(name, page, doc);
    }
    const std::string plan = dir.Path("plan.json");
    const std::string result = dir.Path("uitslag.txt");
    WriteFileOrFail(plan, "{\"pages\":[" + pages + "],\"result\":" + JsonString(result) +
                              ",\"screenshots\":" + JsonString(ROOSTER2_WEB_SCREENSHOTS) + "}");
    const std::string log = dir.Path("verslag.txt");
    std::system(
        ("node " + Quoted(ROOSTER2_WEB_DRIVER) + " " + Quoted(plan) + " >" + Quoted(log) + " 2>&1")
            .c_str());
    const std::string outcome = ReadFileOrEmpty(result);
    if (outcome.starts_with("overgeslagen")) GTEST_SKIP() << outcome;
    EXPECT_EQ(outcome, "ok") << ReadFileOrEmpty(log);
    std::cout << ReadFileOrEmpty(log);
}

}  // namespace
