// The desktop's import, export and report commands: each writes the bytes the
// command-line program writes for the same puzzle, asks with its own dialog
// texts, remembers its file name and resets what an import replaces.
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/command_table.h"
#include "dialogs/compare_dlg.h"
#include "editing/command_ids.h"
#include "formats/clue_files.h"
#include "formats/folder_clues.h"
#include "formats/html_export.h"
#include "formats/ros_import.h"
#include "gui_test_support.h"
#include "model/rtr_file.h"
#include "util/byte_writer.h"

namespace {

// A small filled puzzle with clues, in the filling phase, saved as puzzel.rtr.
struct FilledWindow : TestWindow {
    std::string saved;

    FilledWindow() {
        SetGrid(doc, {"AB#", "C.D", "#EF"});
        Arrange(doc)->html.title = "Proef";
        Controller().GridReplaced();
        Run(ID_PHASE_FILL);
        Arrange(doc)->words[0].clue = "Eerste";
        saved = dir.Path("puzzel.rtr");
        UserMessage message;
        if (!SaveRtrFile(doc, saved, message)) qWarning("puzzle not saved");
    }
    // Runs the command with out as the chosen file and returns what it wrote.
    std::string Export(int id, const std::string& name) {
        const std::string out = dir.Path(name);
        chooser.Queue(out);
        if (!Run(id)) return "(disabled)";
        return ReadFileOrEmpty(out);
    }
    std::string Cli(const std::string& kind, const std::string& name) {
        const std::string out = dir.Path(name);
        const CliRun run = RunCli({"export", kind, saved, out});
        if (run.exitCode != 0) return "(cli failed) " + run.err;
        return ReadFileOrEmpty(out);
    }
};

std::string RosFile(std::uint32_t signature) {
    ByteWriter out;
    out.WriteU32(signature);
    out.WriteU32(0);
    out.WriteU32(0);
    out.WriteU32(2);  // columns
    out.WriteU32(2);  // rows
    out.WriteU32(0);
    std::string letters(1600, ' ');
    std::string kinds(1600, '\1');
    letters[0] = 'R';          // (0, 0)
    kinds[1 * 40 + 1] = '\0';  // (1, 1) black
    std::string bytes = out.Bytes() + letters + kinds;
    return bytes;
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void exportsWriteWhatTheCommandLineWrites() {
        FilledWindow window;
        QCOMPARE(window.Export(ID_EXPORT_TEXT, "tekst.txt"), window.Cli("text", "cli-tekst.txt"));
        QCOMPARE(window.Export(ID_EXPORT_PUZ_TEXT, "puz.txt"),
                 window.Cli("puztext", "cli-puz.txt"));
        QCOMPARE(window.Export(ID_EXPORT_CLUES, "omschr.txt"),
                 window.Cli("clues", "cli-omschr.txt"));
        QCOMPARE(window.Export(ID_WRITE_CLUE_FILE, "clue.txt"),
                 window.Cli("cluefile", "cli-clue.txt"));
        QVERIFY(window.Export(ID_EXPORT_CLUES, "omschr.txt").find("Proef\r\n") == 0);
        QCOMPARE(window.doc.lastFiles.text, window.dir.Path("omschr.txt"));
        QCOMPARE(window.doc.lastFiles.puzText, window.dir.Path("puz.txt"));
        QCOMPARE(window.doc.lastFiles.clue, window.dir.Path("clue.txt"));
    }

    void htmlPagesAreTheCorePages() {
        FilledWindow window;
        MessageBoxAnswerer answerer;  // the program folder of the tests has no images
        for (const bool filled : {false, true}) {
            const std::string page =
                window.Export(filled ? ID_EXPORT_HTML_FILLED : ID_EXPORT_HTML_EMPTY, "pagina.html");
            QCOMPARE(page, WriteHtml(window.doc.puzzle(), filled, false, "Rooster2 versie test"));
        }
        QCOMPARE(window.doc.lastFiles.html, window.dir.Path("pagina.html"));
        QCOMPARE(window.chooser.asked.back().title, QStringLiteral("Opslaan rooster als html"));
        QCOMPARE(window.chooser.asked.back().defaultSuffix, QStringLiteral("html"));
        // A page that cannot be written is reported, naming it.
        QCOMPARE(window.Export(ID_EXPORT_HTML_EMPTY, "geen-map/pagina.html"), std::string());
        QVERIFY(answerer.Texts().join(QLatin1Char('\n')).contains(QStringLiteral("geen-map")));
    }

    void htmlImportTakesTheShapeAndStartsFilling() {
        FilledWindow window;
        MessageBoxAnswerer answerer(QMessageBox::No);
        window.Export(ID_EXPORT_HTML_FILLED, "pagina.html");
        window.frame->NewDocument();
        QCOMPARE(window.doc.phase, Phase::Vormen);
        window.chooser.Queue(window.dir.Path("pagina.html"));
        QVERIFY(window.Run(ID_IMPORT_HTML));
        QCOMPARE(window.chooser.asked.back().title, QStringLiteral("Lezen rooster als html"));
        QCOMPARE(GridRows(window.doc), (Rows{"..#", "...", "#.."}));
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QVERIFY(window.doc.IsModified());
        QVERIFY(window.frame->windowTitle().endsWith(QLatin1Char('*')));
        QCOMPARE(window.doc.curWord, 0);
        QVERIFY(!window.Enabled(ID_UNDO));
    }

    void rosImportReadsTheGridLikeTheCore() {
        FilledWindow window;
        MessageBoxAnswerer answerer(QMessageBox::No);
        WriteFileOrFail(window.dir.Path("oud.ros"), RosFile(12091998));
        window.chooser.Queue(window.dir.Path("oud.ros"));
        QVERIFY(window.Run(ID_IMPORT_ROS));
        QCOMPARE(window.chooser.asked.back().title, QStringLiteral("Openen ros-bestand"));
        QCOMPARE(window.chooser.asked.back().filter,
                 QStringLiteral("Versie 1(*.ros);;Alle bestanden (*.*)"));
        Rooster2Doc expected;
        QVERIFY(ImportRosFile(expected, window.dir.Path("oud.ros")).imported);
        QCOMPARE(window.doc.puzzle().GridToString(), expected.puzzle().GridToString());
        QCOMPARE(GridRows(window.doc), (Rows{"R.", ".#"}));
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QCOMPARE(window.SolutionCount(), 0);
        // The name is offered again next time.
        window.Run(ID_IMPORT_ROS);
        QCOMPARE(window.chooser.asked.back().initialName,
                 QString::fromStdString(window.dir.Path("oud.ros")));
    }

    void pastingCluesFromTheClipboard() {
        FilledWindow window;
        MessageBoxAnswerer answerer;
        QApplication::clipboard()->setText(QStringLiteral("Horizontaal\r\n\r\n1. Hoofdstad"));
        QVERIFY(window.Run(ID_PASTE_CLUES));
        QCOMPARE(window.doc.puzzle().words[0].clue, std::string("Hoofdstad"));
        QVERIFY(window.doc.IsModified());
        QApplication::clipboard()->setText(QStringLiteral("Horizontaal\r\n\r\n1. Hoofdstad"));
        QVERIFY(window.Run(ID_PASTE_CLUES));
        QCOMPARE(answerer.Texts(),
                 (QStringList{QStringLiteral("Aantal toegevoegde omschrijvingen: 1"),
                              QStringLiteral("Niets toegevoegd")}));
    }

    void folderListingIsTheCoreListing() {
        FilledWindow window;
        window.chooser.folder = QString::fromStdString(window.dir.Path(""));
        const std::string listing = window.Export(ID_EXPORT_ALL_CLUES, "map.txt");
        std::string expected;
        ListFolder(window.doc.lastFiles.folder, expected);
        QCOMPARE(listing, expected);
        QVERIFY(listing.find("puzzel.rtr") != std::string::npos);
        QCOMPARE(window.chooser.asked.back().title,
                 QStringLiteral("Toevoegen woorden en omschrijvingen roostermen"));
    }

    void compareDialogReportsEqualFiles() {
        FilledWindow window;
        CompareDlg dialog(window.doc, window.doc, window.chooser);
        MessageBoxAnswerer answerer;
        dialog.fileEdit->clear();
        dialog.OnCompareNow();
        QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Bestandsnaam niet ingevuld")});
        dialog.fileEdit->setText(QString::fromStdString(window.saved));
        dialog.OnCompareNow();
        QVERIFY2(dialog.resultEdit->toPlainText().contains(QStringLiteral("  Inhoud gelijk")),
                 qPrintable(dialog.resultEdit->toPlainText()));
        QCOMPARE(window.doc.lastFiles.compare, window.saved);
    }

    void acrossLiteIpuzAndWebAreTheCommandLineFiles() {
        FilledWindow window;
        MessageBoxAnswerer answerer(QMessageBox::No);
        // Across Lite wants every letter: refused before a name is asked.
        QVERIFY(window.Run(ID_EXPORT_PUZ));
        QVERIFY(window.chooser.asked.empty());
        QCOMPARE(answerer.Texts().size(), 1);
        QCOMPARE(window.Export(ID_EXPORT_IPUZ, "kruis.ipuz"), window.Cli("ipuz", "cli.ipuz"));
        Arrange(window.doc)->SetCell(1, 1, 'X');
        UserMessage message;
        QVERIFY(SaveRtrFile(window.doc, window.saved, message));
        QCOMPARE(window.Export(ID_EXPORT_PUZ, "kruis.puz"), window.Cli("puz", "cli.puz"));
        QCOMPARE(window.Export(ID_EXPORT_WEB, "kruis-web.html"), window.Cli("web", "cli-web.html"));
        QCOMPARE(window.doc.lastFiles.import, window.dir.Path("kruis.puz"));
        // The ipuz import offers the name of the last ipuz written and reads it back.
        window.frame->NewDocument();
        window.Run(ID_IMPORT_IPUZ);
        QCOMPARE(window.chooser.asked.back().title, QStringLiteral("Openen ipuz-bestand"));
        QCOMPARE(window.chooser.asked.back().initialName,
                 QString::fromStdString(window.dir.Path("kruis.ipuz")));
        window.chooser.Queue(window.dir.Path("kruis.ipuz"));
        QVERIFY(window.Run(ID_IMPORT_IPUZ));
        QCOMPARE(GridRows(window.doc), (Rows{"AB#", "C.D", "#EF"}));
        QCOMPARE(window.doc.puzzle().html.title, std::string("Proef"));
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QVERIFY(window.doc.IsModified());
    }

    void pdfSheetAsksForTheSolutionPage() {
        FilledWindow window;
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        const std::string pdf = window.Export(ID_EXPORT_PDF, "blad.pdf");
        QVERIFY(pdf.starts_with("%PDF-"));
        QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Ook een pagina met de oplossing?")});
        QCOMPARE(window.chooser.asked.back().defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(!window.Checked(ID_FILE_PRINT_GREY));
        QVERIFY(window.Run(ID_FILE_PRINT_GREY));
        QVERIFY(window.Checked(ID_FILE_PRINT_GREY));
        QCOMPARE(window.profile.GetProfileInt("Afdrukken", "ZwartGrijs", 0), 1);
    }

    // Beside the puzzle, under its name; the last name of this puzzle is offered again.
    void exportsStartBesideThePuzzleAndSaySo() {
        FilledWindow window;
        const QString folder = QString::fromStdString(window.dir.Path(""));
        for (const auto& [id, name] :
             {std::pair{ID_EXPORT_PNG, "puzzel.png"}, std::pair{ID_EXPORT_IPUZ, "puzzel.ipuz"}}) {
            window.Run(id);  // Cancel
            QCOMPARE(window.chooser.asked.back().initialName, folder + QLatin1String(name));
        }
        QVERIFY(!window.Export(ID_EXPORT_IPUZ, "ander.ipuz").empty());
        QCOMPARE(window.frame->MessagePaneText(), QString::fromLatin1("Ge\xEBxporteerd naar ") +
                                                      folder + QStringLiteral("ander.ipuz"));
        window.doc.lastFiles.ipuz = window.dir.Path("sub/puzzel.ipuz");
        window.Run(ID_EXPORT_IPUZ);
        QCOMPARE(window.chooser.asked.back().initialName,
                 folder + QLatin1String("sub/puzzel.ipuz"));
    }

    void everyCommandHasAHandler() {
        FilledWindow window;
        for (const CommandInfo& command : CommandCatalog())
            if (command.id != ID_FILE_SEND_MAIL)  // it needs a mail program
                QVERIFY2(window.frame->Router().HasHandler(command.id), command.text);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
