// The main window: enabling by phase, closing, the profile and the file flow.
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include "app/command_table.h"
#include "app/platform.h"
#include "app/rooster2_app.h"
#include "editing/command_ids.h"
#include "gui_test_support.h"
#include "model/rtr_file.h"
#include "support/command_router.h"
#include "support/dutch_qt.h"

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void everyTableCommandHasAMenuItem() {
        TestWindow window;
        for (const CommandInfo& command : CommandCatalog())
            QVERIFY2(window.frame->Action(command.id) != nullptr, command.text);
        QCOMPARE(window.frame->Action(ID_GRID_COPY)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(window.frame->Action(ID_ZOOM_IN)->text(), QStringLiteral("&Groter\tCtrl+Grijze+"));
    }

    void aCommandInTwoMenusKeepsEachMenusName() {
        TestWindow window;
        const auto itemsOf = [&window](const QString& title) {
            QStringList texts;
            QList<QAction*> actions;
            for (QAction* top : window.frame->menuBar()->actions())
                if (top->text() == title) actions = top->menu()->actions();
            for (QAction* action : actions) texts.append(action->text());
            return std::make_pair(texts, actions);
        };
        const auto [phaseTexts, phaseItems] = itemsOf(QStringLiteral("&Fase"));
        QVERIFY(phaseTexts.contains(QStringLiteral("&3. Zoeken\tCtrl+Z")));
        const auto [searchTexts, searchItems] = itemsOf(QStringLiteral("&AutoZoek"));
        const qsizetype start = searchTexts.indexOf(QStringLiteral("Start &zoeken\tCtrl+Z"));
        QVERIFY(start >= 0);
        QVERIFY(searchTexts.contains(QStringLiteral("&Toon oplossingen\tCtrl+T")));
        QAction* startItem = searchItems[start];
        QVERIFY(startItem->shortcuts().isEmpty());  // the one shortcut stays unambiguous
        QVERIFY(!window.Enabled(ID_SEARCH_START));
        QVERIFY(!startItem->isEnabled());
        Arrange(window.doc)->search.wordFile = window.dir.Path("weg15.doc");
        QVERIFY(window.Enabled(ID_SEARCH_START));
        QVERIFY(startItem->isEnabled());
        MessageBoxAnswerer answerer;
        startItem->trigger();
        QTRY_VERIFY(!answerer.Texts().isEmpty());
        QVERIFY(answerer.Texts().first().endsWith(QStringLiteral("weg15.doc ontbreekt.")));
    }

    void closeIsRefusedWhileShowingOrSearching() {
        for (Phase phase : {Phase::Tonen, Phase::Zoeken}) {
            TestWindow window;
            window.Controller().SetPhase(phase);
            MessageBoxAnswerer answerer;
            QVERIFY(!window.frame->close());
            QVERIFY(window.frame->isVisible());
            QCOMPARE(answerer.Texts(),
                     QStringList{QStringLiteral("Afsluiten alleen mogelijk in fase vorm of vul")});
            window.Controller().SetPhase(Phase::Vullen);
            QVERIFY(window.frame->close());
        }
    }

    void closeWritesThePlacementAndItComesBack() {
        TempDir dir;
        const QString ini = QString::fromStdString(dir.Path("profile.ini"));
        QPoint position;
        QSize size(640, 480);
        {
            SettingsProfile profile(ini);
            TestDoc doc;
            MainFrame frame(doc, doc, profile, QStringLiteral("versie"));
            frame.NewDocument();
            frame.resize(size);
            frame.move(40, 50);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            position = frame.pos();
            size = frame.size();
            QVERIFY(frame.close());
            profile.Sync();
        }
        SettingsProfile profile(ini);
        TestDoc doc;
        MainFrame frame(doc, doc, profile, QStringLiteral("versie"));
        QVERIFY(frame.RestorePlacement());
        QCOMPARE(frame.pos(), position);
        QCOMPARE(frame.size(), size);
    }

    void recentFilesKeepTenNewestFirst() {
        QStringList files;
        for (int i = 0; i < 12; ++i)
            files = AddRecentFile(files, QStringLiteral("/tmp/p%1.rtr").arg(i));
        files = AddRecentFile(files, QStringLiteral("/tmp/p5.rtr"));
        QCOMPARE(files.size(), 10);
        QCOMPARE(files.first(), QStringLiteral("/tmp/p5.rtr"));
        QCOMPARE(files[1], QStringLiteral("/tmp/p11.rtr"));
        QCOMPARE(files.count(QStringLiteral("/tmp/p5.rtr")), 1);
    }

    void savedPuzzleReopensWithTitleAndRecentEntry() {
        TestWindow window;
        window.Click(0, 0);
        QVERIFY(window.frame->windowTitle().startsWith(QStringLiteral("Naamloos - Rooster2")));
        const std::string path = window.dir.Path("puzzel.rtr");
        UserMessage message;
        QVERIFY(SaveRtrFile(window.doc, path, message));
        window.frame->NewDocument();
        QVERIFY(window.frame->OpenDocumentFile(QString::fromStdString(path)));
        QCOMPARE(window.frame->windowTitle(), QStringLiteral("puzzel.rtr - Rooster2"));
        QCOMPARE(window.doc.puzzle().GetCell(0, 0), CELL_ZWART);
        QCOMPARE(window.profile.ReadRecentFiles().first(), QString::fromStdString(path));
        window.Click(1, 1);
        window.Click(2, 2);
        QVERIFY(window.frame->windowTitle().endsWith(QStringLiteral("Rooster2*")));
    }

    void aDroppedFileOpensUnlessTheSearchRuns() {
        TestWindow window;
        Rooster2Doc other;
        Arrange(other)->SetCell(3, 3, CELL_ZWART);
        Arrange(other)->BuildWords();
        const std::string path = window.dir.Path("gesleept.rtr");
        UserMessage message;
        QVERIFY(SaveRtrFile(other, path, message));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        auto drop = [&] {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(window.frame.get(), &enter);
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(window.frame.get(), &event);
        };
        window.Controller().SetPhase(Phase::Zoeken);
        drop();
        QCOMPARE(window.doc.puzzle().GetCell(3, 3), CELL_VRIJ);
        window.Controller().SetPhase(Phase::Vormen);
        drop();
        QCOMPARE(window.doc.puzzle().GetCell(3, 3), CELL_ZWART);
        QCOMPARE(window.doc.pathName, path);
        QVERIFY(window.Enabled(ID_FILE_MRU_FIRST));
        window.Controller().SetPhase(Phase::Zoeken);  // nor does a recent file open then
        QVERIFY(!window.Enabled(ID_FILE_MRU_FIRST));
    }

    void commandLineNamesAFileOrAPrintRequest() {
        const CommandLineRequest open =
            ParseCommandLine({QStringLiteral("rooster2"), QStringLiteral("a.rtr")});
        QVERIFY(open.action == CommandLineRequest::Action::Open);
        QCOMPARE(open.file, QStringLiteral("a.rtr"));
        const CommandLineRequest print = ParseCommandLine(
            {QStringLiteral("rooster2"), QStringLiteral("/p"), QStringLiteral("b.rtr")});
        QVERIFY(print.action == CommandLineRequest::Action::Print);
        QCOMPARE(print.file, QStringLiteral("b.rtr"));
        QVERIFY(ParseCommandLine({QStringLiteral("rooster2")}).action ==
                CommandLineRequest::Action::New);
    }

    void aCommandOutOfMemoryEndsInTheDutchMessage() {
        CommandRouter router;
        router.Register(ID_GRID_COPY, [] { throw std::bad_alloc(); });
        bool told = false;
        router.SetOutOfMemoryHandler([&told] { told = true; });
        QVERIFY(router.Run(ID_GRID_COPY));
        QVERIFY(told);
    }

    void qtsOwnButtonsSpeakDutch() {
        if (!InstallDutchQtTexts(*QCoreApplication::instance()))
            QSKIP("Qt's Dutch translation (qt6-translations-l10n) is not installed");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuleren"));
    }

    void versionTextNamesTheBuild() {
        const QRegularExpression dutch(QStringLiteral(
            "^Rooster2 versie \\d+\\.\\d+\\.\\d+\nGemaakt op \\d{1,2} [a-z]+ \\d{4}$"));
        QVERIFY2(dutch.match(BuildVersionText()).hasMatch(), qPrintable(BuildVersionText()));
    }

    // The preview shows the sheet: with the solution page asked for, two pages.
    void printPreviewShowsThePuzzleSheet() {
        TestWindow window;
        SetGrid(window.doc, {"AB#", "C.D", "#EF"});
        window.Controller().GridReplaced();
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        int pages = 0;
        WhenModalOpens<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& dialog) {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            QTRY_VERIFY(preview->pageCount() > 0);
            pages = preview->pageCount();
            dialog.reject();
        });
        QVERIFY(window.Run(ID_FILE_PRINT_PREVIEW));
        QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Ook een pagina met de oplossing?")});
        QCOMPARE(pages, 2);
    }

    void theSaveQuestionSpeaksDutch() {
        TestWindow window;
        PuzzleEdit(window.doc, EditKind::Setting).Commit();
        MessageBoxAnswerer answerer(QMessageBox::No);
        window.Run(ID_FILE_NEW);
        QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Wijzigingen in Naamloos opslaan?")});
        window.chooser.Queue(window.dir.Path("weg.rtr"));
        PuzzleEdit(window.doc, EditKind::Setting).Commit();
        window.Run(ID_FILE_OPEN);
        QCOMPARE(window.chooser.asked.back().filter,
                 QStringLiteral("Rooster-bestanden (*.rtr);;Alle bestanden (*.*)"));
    }

    // Open, a dropped file and every import: a file that is refused leaves the open
    // puzzle, its file name and its modified flag as they were.
    void aRefusedFileKeepsTheOpenPuzzle() {
        TestWindow window;
        window.Click(0, 0);
        const std::string saved = window.dir.Path("puzzel.rtr");
        UserMessage message;
        QVERIFY(SaveRtrFile(window.doc, saved, message));
        window.frame->OpenDocumentFile(QString::fromStdString(saved));
        window.Click(2, 2);
        const std::string before = WriteRtr(window.doc);
        const QString title = window.frame->windowTitle();
        std::string notRtr = before;
        notRtr[10] = 'x';
        WriteFileOrFail(window.dir.Path("ander.rtr"), notRtr);
        WriteFileOrFail(window.dir.Path("kort.rtr"), before.substr(0, 40));
        WriteFileOrFail(window.dir.Path("rommel.txt"), "geen puzzel");
        MessageBoxAnswerer answerer(QMessageBox::No);
        const auto expectUnchanged = [&](const char* how) {
            QVERIFY2(WriteRtr(window.doc) == before, how);
            QVERIFY2(window.doc.pathName == saved, how);
            QVERIFY2(window.doc.IsModified(), how);
            QVERIFY2(window.frame->windowTitle() == title, how);
        };
        for (const char* name : {"ander.rtr", "kort.rtr"}) {
            window.chooser.Queue(window.dir.Path(name));
            window.Run(ID_FILE_OPEN);
            expectUnchanged(name);
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(QString::fromStdString(window.dir.Path(name)))});
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.frame.get(), &drop);
            expectUnchanged(name);
        }
        QVERIFY(answerer.Texts().contains(QStringLiteral("Geen valide rtr-bestand")));
        for (const int import : {ID_IMPORT_PUZ, ID_IMPORT_IPUZ, ID_IMPORT_ROS, ID_IMPORT_HTML}) {
            window.chooser.Queue(window.dir.Path("rommel.txt"));
            window.Run(import);
            expectUnchanged(FindCommand(import)->text);
        }
        // Started with such a file, the program ends instead of showing another puzzle.
        QVERIFY(
            !window.frame->OpenDocumentFile(QString::fromStdString(window.dir.Path("ander.rtr"))));
        expectUnchanged("command line");
    }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
