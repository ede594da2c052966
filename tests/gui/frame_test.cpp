// The main window: enabling by phase, closing, the profile and the file flow.
#include <QMimeData>
#include <QMenuBar>
#include <QTest>
#include <QUrl>

#include "app/command_table.h"
#include "app/platform.h"
#include "app/rooster2_app.h"
#include "gui_test_support.h"
#include "support/command_router.h"
#include "support/dutch_qt.h"
#include "editing/command_ids.h"
#include "model/rtr_file.h"

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void everyTableCommandHasAMenuItem() {
        TestWindow window;
        for (const CommandSpec& spec : CommandTable())
            if (spec.id != ID_FILE_MRU_FIRST) QVERIFY2(window.frame->Action(spec.id) != nullptr, spec.text);
        QCOMPARE(window.frame->Action(ID_GRID_COPY)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
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
        window.doc.puzzle.search.wordFile = window.dir.Path("weg15.doc");
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
            QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Afsluiten alleen mogelijk in fase vorm of vul")});
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
            Rooster2Doc doc;
            MainFrame frame(doc, profile, QStringLiteral("versie"));
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
        Rooster2Doc doc;
        MainFrame frame(doc, profile, QStringLiteral("versie"));
        QVERIFY(frame.RestorePlacement());
        QCOMPARE(frame.pos(), position);
        QCOMPARE(frame.size(), size);
    }

    void recentFilesKeepTenNewestFirst() {
        QStringList files;
        for (int i = 0; i < 12; ++i) files = AddRecentFile(files, QStringLiteral("/tmp/p%1.rtr").arg(i));
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
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), CELL_ZWART);
        QCOMPARE(window.profile.ReadRecentFiles().first(), QString::fromStdString(path));
        window.Click(1, 1);
        window.Click(2, 2);
        QVERIFY(window.frame->windowTitle().endsWith(QStringLiteral("Rooster2*")));
    }

    void aDroppedFileOpensUnlessTheSearchRuns() {
        TestWindow window;
        Rooster2Doc other;
        other.puzzle.SetCell(3, 3, CELL_ZWART);
        other.puzzle.BuildWords();
        const std::string path = window.dir.Path("gesleept.rtr");
        UserMessage message;
        QVERIFY(SaveRtrFile(other, path, message));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        auto drop = [&] {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(window.frame.get(), &enter);
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.frame.get(), &event);
        };
        window.Controller().SetPhase(Phase::Zoeken);
        drop();
        QCOMPARE(window.doc.puzzle.GetCell(3, 3), CELL_VRIJ);
        window.Controller().SetPhase(Phase::Vormen);
        drop();
        QCOMPARE(window.doc.puzzle.GetCell(3, 3), CELL_ZWART);
        QCOMPARE(window.doc.pathName, path);
    }

    void commandLineNamesAFileOrAPrintRequest() {
        const CommandLineRequest open =
            ParseCommandLine({QStringLiteral("rooster2"), QStringLiteral("a.rtr")});
        QVERIFY(open.action == CommandLineRequest::Action::Open);
        QCOMPARE(open.file, QStringLiteral("a.rtr"));
        const CommandLineRequest print =
            ParseCommandLine({QStringLiteral("rooster2"), QStringLiteral("/p"), QStringLiteral("b.rtr")});
        QVERIFY(print.action == CommandLineRequest::Action::Print);
        QCOMPARE(print.file, QStringLiteral("b.rtr"));
        QVERIFY(ParseCommandLine({QStringLiteral("rooster2")}).action == CommandLineRequest::Action::New);
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
        QVERIFY(BuildVersionText().startsWith(QStringLiteral("Rooster2 versie 2.7e, van VC7\nGemaakt op ")));
    }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
