// rooster2-cli export puz|ipuz|pdf|png and import ipuz: the core's bytes, a sheet
// whose text a PDF reader finds, and the real Across Lite files carried through.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "formats/ipuz_export.h"
#include "formats/puz_export.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "test_support.h"
#include "util/native_path.h"
#include "util/program_data.h"

namespace {

// The png and pdf kinds exist only in a build with the drawing library (Qt Gui).
#define SKIP_WITHOUT_RENDER() \
    if (!ROOSTER2_WITH_RENDER) GTEST_SKIP() << "deze build heeft geen tekenbibliotheek (Qt Gui)"

bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command line and returns its standard output.
std::string Output(const std::string& command, const TempDir& dir) {
    const std::string out = dir.Path("tool-output.txt");
    if (std::system((command + " > '" + out + "' 2>/dev/null").c_str()) != 0) return "(failed)";
    return ReadFileOrEmpty(out);
}

class PublishCommands : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_dir.Path(name); }
    Rooster2Doc Load(const std::string& name) const {
        Rooster2Doc doc;
        EXPECT_EQ(RtrStatus::Loaded, OpenRtrFile(doc, Path(name)).status);
        return doc;
    }
    // A puzzle made and filled by the command line: 2 x 2 from a list of four words.
    void MakeFilledPuzzle() {
        WriteFileOrFail(Path("nl02.doc"), "AB\r\nCD\r\nAC\r\nBD\r\n");
        ASSERT_EQ(0, RunCli({"new", Path("leeg.rtr"), "--size", "2x2"}).exitCode);
        ASSERT_EQ(0, RunCli({"fill", Path("leeg.rtr"), "--words", Path("nl02.doc"), "--max", "1",
                             "--take", "1", Path("vol.rtr")})
                         .exitCode);
    }

    TempDir m_dir;
};

}  // namespace

TEST_F(PublishCommands, FilledPuzzleTravelsAsPuzAndIpuz) {
    MakeFilledPuzzle();
    const Rooster2Doc filled = Load("vol.rtr");
    ASSERT_EQ(0, RunCli({"export", "puz", Path("vol.rtr"), Path("vol.puz")}).exitCode);
    EXPECT_EQ(WritePuz(filled.puzzle()), ReadFileOrEmpty(Path("vol.puz")));
    ASSERT_EQ(0, RunCli({"export", "ipuz", Path("vol.rtr"), Path("vol.ipuz")}).exitCode);
    EXPECT_EQ(WriteIpuz(filled.puzzle()), ReadFileOrEmpty(Path("vol.ipuz")));
    const CliRun back = RunCli({"import", "ipuz", Path("vol.ipuz"), Path("terug.rtr")});
    ASSERT_EQ(0, back.exitCode) << back.err;
    EXPECT_EQ(filled.puzzle().GridToString(), Load("terug.rtr").puzzle().GridToString());
}

TEST_F(PublishCommands, PdfSheetHoldsTitleAndEveryClueAsEmbeddedText) {
    SKIP_WITHOUT_RENDER();
    if (!HasTool("pdftotext") || !HasTool("pdffonts"))
        GTEST_SKIP() << "pdftotext en pdffonts (poppler-utils) ontbreken";
    Rooster2Doc doc;
    SetGrid(doc, {"KAT#", "A#OP", "ROOS"});
    Arrange(doc)->html.title = "Zomerpuzzel";
    {
        PuzzleEdit arranged = Arrange(doc);
        for (WordInfo& word : arranged->words) word.clue = "Omschrijving " + FormatLabel(word);
    }
    Arrange(doc)->words[0].clue = "Caf\xE9 dier";
    UserMessage message;
    ASSERT_TRUE(SaveRtrFile(doc, Path("p.rtr"), message)) << message.text;
    const CliRun run = RunCli({"export", "pdf", Path("p.rtr"), Path("p.pdf"), "--solution"});
    ASSERT_EQ(0, run.exitCode) << run.err;

    const std::string text = Output("pdftotext -enc Latin1 '" + Path("p.pdf") + "' -", m_dir);
    for (const std::string& expected : {std::string("Zomerpuzzel"), std::string("Horizontaal"),
                                        std::string("Verticaal"), std::string("(oplossing)")})
        EXPECT_NE(std::string::npos, text.find(expected)) << expected << " in\n" << text;
    for (const WordInfo& word : doc.puzzle().words)
        EXPECT_NE(std::string::npos, text.find(FormatNumberedClue(word)))
            << FormatNumberedClue(word);

    // Every font is embedded: the "emb" column, fifth from the end, says "yes".
    std::istringstream fonts(Output("pdffonts '" + Path("p.pdf") + "'", m_dir));
    std::string line;
    int fontLines = 0;
    for (int skip = 0; skip < 2 && std::getline(fonts, line); ++skip) continue;
    while (std::getline(fonts, line)) {
        std::istringstream words(line);
        std::vector<std::string> columns;
        for (std::string word; words >> word;) columns.push_back(word);
        ASSERT_GE(columns.size(), 5u) << line;
        EXPECT_EQ("yes", columns[columns.size() - 5]) << line;
        ++fontLines;
    }
    EXPECT_GT(fontLines, 0);
}

TEST_F(PublishCommands, RealPuzFilesBecomeIpuzPdfAndPng) {
    SKIP_WITHOUT_RENDER();
    if (TestDataDir().empty()) GTEST_SKIP() << "../shared/testdata ontbreekt";
    for (const char* name : {"test.puz", "test-iso-8859-1.puz", "gaps.puz"}) {
        const std::string rtr = Path(std::string(name) + ".rtr");
        ASSERT_EQ(0, RunCli({"import", "puz", TestDataDir() + "/puz/" + name, rtr}).exitCode);
        for (const char* kind : {"ipuz", "pdf", "png"}) {
            const CliRun run = RunCli({"export", kind, rtr, Path(std::string(name) + "." + kind)});
            EXPECT_EQ(0, run.exitCode) << name << ' ' << kind << ": " << run.err;
        }
        // The letters come along; signs no cell holds ("$", "@") leave open cells, and
        // Across Lite wants a complete fill.
        const int expected = std::string(name) == "gaps.puz" ? 0 : 1;
        EXPECT_EQ(expected,
                  RunCli({"export", "puz", rtr, Path(std::string(name) + ".puz")}).exitCode);
        const CliRun back = RunCli({"import", "ipuz", Path(std::string(name) + ".ipuz"), rtr});
        EXPECT_EQ(0, back.exitCode) << name << ": " << back.err;
    }
    EXPECT_EQ("\x89PNG", ReadFileOrEmpty(Path("test.puz.png")).substr(0, 4));
}

TEST_F(PublishCommands, AZweedsPuzzleGetsItsCluesAndSleutelwoordOnTheSheet) {
    SKIP_WITHOUT_RENDER();
    if (!HasTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) ontbreekt";
    ASSERT_EQ(
        0, RunCli({"new", Path("z.rtr"), "--type", "zweeds", "--size", "13x17", "--picture", "4x3"})
               .exitCode);
    // With the installed set the layout is filled first, as a puzzle maker does.
    if (!InstalledWordListFile(PathText(NativePath(ROOSTER2_CLI).parent_path())).empty()) {
        ASSERT_EQ(
            0,
            RunCli({"fill", Path("z.rtr"), "--max", "1", "--take", "1", Path("z.rtr")}).exitCode);
        EXPECT_TRUE(IsFullyFilled(Load("z.rtr").puzzle()));
    }
    const Rooster2Doc layout = Load("z.rtr");
    EXPECT_TRUE(layout.puzzle().UnpointedWords().empty());
    const WordInfo* across = nullptr;
    const WordInfo* down = nullptr;
    for (const WordInfo& word : layout.puzzle().words) (word.IsAcross() ? across : down) = &word;
    ASSERT_TRUE(across != nullptr && down != nullptr);
    WriteFileOrFail(Path("clues.txt"), "Horizontaal\r\n" + std::to_string(across->number) +
                                           ". Vogel\r\nVerticaal\r\n" +
                                           std::to_string(down->number) + ". Rivier\r\n");
    ASSERT_EQ(0, RunCli({"read-clues", Path("z.rtr"), Path("clues.txt"), Path("c.rtr")}).exitCode);
    ASSERT_EQ(0, RunCli({"key", Path("c.rtr"), Path("k.rtr"), "2,2", "3,3", "4,4"}).exitCode);
    EXPECT_EQ(2, RunCli({"key", Path("c.rtr"), Path("x.rtr"), "2;2"}).exitCode);
    EXPECT_EQ(1, RunCli({"key", Path("c.rtr"), Path("x.rtr"), "1,1"}).exitCode);
    const CliRun run = RunCli({"export", "pdf", Path("k.rtr"), Path("k.pdf")});
    ASSERT_EQ(0, run.exitCode) << run.err;
    const std::string text = Output("pdftotext -enc Latin1 '" + Path("k.pdf") + "' -", m_dir);
    for (const char* expected : {"Vogel", "Rivier", "1", "2", "3"})
        EXPECT_NE(std::string::npos, text.find(expected)) << expected << " in\n" << text;
    // The clues stand in the grid, not in lists below it.
    EXPECT_EQ(std::string::npos, text.find("Horizontaal"));
}
