// rooster2-cli export and import: the same bytes as the core functions.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/html_export.h"
#include "formats/puz_text_export.h"
#include "formats/text_export.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "model/version_text.h"
#include "test_support.h"

namespace {

class FormatCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, RunCli({"new", Path("p.rtr"), "--size", "4x3"}).exitCode);
        ASSERT_EQ(RtrStatus::Loaded, OpenRtrFile(m_doc, Path("p.rtr")).status);
    }
    std::string Path(const std::string& name) const { return m_dir.Path(name); }

    TempDir m_dir;
    Rooster2Doc m_doc;
};

TEST_F(FormatCommands, ExportWritesTheCoreBytes) {
    ASSERT_EQ(0, RunCli({"export", "text", Path("p.rtr"), Path("p.txt")}).exitCode);
    EXPECT_EQ(ExportPlainText(m_doc.puzzle(), false), ReadFileOrEmpty(Path("p.txt")));
    ASSERT_EQ(
        0, RunCli({"export", "puztext", Path("p.rtr"), Path("q.txt"), "--small-letters"}).exitCode);
    EXPECT_EQ(WriteAcrossLiteText(m_doc.puzzle(), true), ReadFileOrEmpty(Path("q.txt")));
    ASSERT_EQ(0, RunCli({"export", "html-filled", Path("p.rtr"), Path("p.html")}).exitCode);
    EXPECT_EQ(WriteHtml(m_doc.puzzle(), true, false, VersionText()),
              ReadFileOrEmpty(Path("p.html")));
    const CliRun toStandardOutput = RunCli({"export", "text", Path("p.rtr"), "-"});
    EXPECT_EQ(0, toStandardOutput.exitCode);
    EXPECT_EQ(ExportPlainText(m_doc.puzzle(), false), toStandardOutput.out);
}

TEST_F(FormatCommands, HtmlExportPutsTheImageBesideThePageAndImportsBack) {
    const CliRun exported = RunCli({"export", "html", Path("p.rtr"), Path("p.html")});
    ASSERT_EQ(0, exported.exitCode) << exported.err;
    EXPECT_EQ("", exported.err);
    EXPECT_EQ(WriteHtml(m_doc.puzzle(), false, false, VersionText()),
              ReadFileOrEmpty(Path("p.html")));
    EXPECT_EQ("GIF89a", ReadFileOrEmpty(Path("grijs.gif")).substr(0, 6));
    const CliRun run = RunCli({"import", "html", Path("p.html"), Path("back.rtr")});
    ASSERT_EQ(0, run.exitCode) << run.err;
    Rooster2Doc back;
    ASSERT_EQ(RtrStatus::Loaded, OpenRtrFile(back, Path("back.rtr")).status);
    EXPECT_EQ(m_doc.puzzle().GridToString(), back.puzzle().GridToString());
    EXPECT_EQ(Phase::Vullen, back.phase);
}

TEST_F(FormatCommands, RefusedImportWritesNothing) {
    WriteFileOrFail(Path("bad.ros"), "geen ros");
    const CliRun run = RunCli({"import", "ros", Path("bad.ros"), Path("out.rtr")});
    EXPECT_EQ(1, run.exitCode);
    EXPECT_EQ("Ros-bestand incorrect\n", run.err);
    EXPECT_FALSE(std::filesystem::exists(Path("out.rtr")));
}

TEST_F(FormatCommands, UnknownKindsAreUsageErrors) {
    EXPECT_EQ(2, RunCli({"export", "docx", Path("p.rtr"), Path("p.docx")}).exitCode);
    EXPECT_EQ(2, RunCli({"import", "doc", Path("p.rtr"), Path("o.rtr")}).exitCode);
    EXPECT_EQ(2, RunCli({"export", "text", Path("p.rtr")}).exitCode);
}

}  // namespace

TEST_F(FormatCommands, ABarredIpuzIsImportedFilledExportedAndReadBackWithItsBars) {
    // A B C     the bar right of A leaves the across words BC and DEF
    // D E F
    WriteFileOrFail(Path("b.ipuz"),
                    R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
                        "dimensions": {"width": 3, "height": 2},
                        "puzzle": [[{"cell": 1, "style": {"barred": "R"}}, 2, 3], [4, 0, 0]]})");
    WriteFileOrFail(Path("nl02.doc"), "BC\r\nAD\r\nBE\r\nCF\r\n");
    WriteFileOrFail(Path("nl03.doc"), "DEF\r\n");
    ASSERT_EQ(0, RunCli({"import", "ipuz", Path("b.ipuz"), Path("b.rtr")}).exitCode);
    const CliRun fill = RunCli({"fill", Path("b.rtr"), "--words", Path("nl02.doc"), "--max", "1",
                                "--take", "1", Path("f.rtr")});
    ASSERT_EQ(0, fill.exitCode) << fill.err;
    ASSERT_EQ(0, RunCli({"export", "ipuz", Path("f.rtr"), Path("f.ipuz")}).exitCode);
    ASSERT_EQ(0, RunCli({"import", "ipuz", Path("f.ipuz"), Path("g.rtr")}).exitCode);

    Rooster2Doc read;
    ASSERT_EQ(RtrStatus::Loaded, OpenRtrFile(read, Path("g.rtr")).status);
    EXPECT_EQ(read.puzzle().form, PuzzleForm::Balkjes);
    EXPECT_EQ(read.puzzle().GridToString(), "ABCDEF");
    Puzzle expected;
    expected.Resize(3, 2);
    expected.SetBar(0, 0, 1, 0, true);
    EXPECT_EQ(read.puzzle().bars, expected.bars);
    EXPECT_EQ(1, RunCli({"export", "puz", Path("f.rtr"), Path("f.puz")}).exitCode);
}

TEST(CliNewTypeTest, TheTypeOptionChoosesTheForm) {
    TempDir dir;
    ASSERT_EQ(0, RunCli({"new", dir.Path("b.rtr"), "--type", "balkjes"}).exitCode);
    Rooster2Doc doc;
    ASSERT_EQ(RtrStatus::Loaded, OpenRtrFile(doc, dir.Path("b.rtr")).status);
    EXPECT_EQ(doc.puzzle().form, PuzzleForm::Balkjes);
    EXPECT_EQ(2, RunCli({"new", dir.Path("x.rtr"), "--type", "doorloper"}).exitCode);
}
