// The typical use from a new puzzle to a web page, through the main window's
// menus, keys and mouse only: shape with symmetry, fill with the word data dialog,
// search, show and take over a solution, save and export.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/properties_dlg.h"
#include "dialogs/search_options_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "gui_test_support.h"
#include "model/rtr_file.h"
#include "view/grid_controller.h"

namespace {

// The words of the puzzle below: rows 0, 2 and 4 across and columns 0, 2 and 4
// down cross at nine cells; the last row has two fills, so the search finds two
// solutions; the other words lead nowhere.
const char* const WORD_LIST =
    "AQBQC\r\nDQEQF\r\nGQHQI\r\nGXHXI\r\nAZDZG\r\nBZEZH\r\nCZFZI\r\nAXXXX\r\nQQQQQ\r\n";

// The item of a main menu with the given text (without its shortcut text).
QAction* MenuItem(TestWindow& window, const char* menu, const char* item) {
    for (QAction* top : window.frame->menuBar()->actions()) {
        if (top->text() != QString::fromLatin1(menu)) continue;
        for (QAction* action : top->menu()->actions())
            if (action->text().section(QLatin1Char('\t'), 0, 0) == QString::fromLatin1(item))
                return action;
    }
    qFatal("no menu item %s|%s", menu, item);
}

// Chooses a menu item as the user does: the menu shows it enabled, then it runs;
// afterwards the main window is the active one again, as it is when a dialog closes.
void Choose(TestWindow& window, const char* menu, const char* item) {
    QAction* action = MenuItem(window, menu, item);
    window.frame->UpdateCommands();
    QVERIFY2(action->isEnabled(), item);
    action->trigger();
    window.Settle();
    window.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
}

void ClickOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

QAbstractButton* ButtonWithText(QWidget& dialog, const QString& text) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == text) return button;
    qFatal("no button %s", qPrintable(text));
}

std::vector<std::string> Clues(const Rooster2Doc& doc) {
    std::vector<std::string> clues;
    for (const WordInfo& word : doc.puzzle().words) clues.push_back(word.clue);
    return clues;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void typicalUseFromNewPuzzleToWebPage() {
        TestWindow window;
        ScriptedChooser& chooser = window.chooser;
        const std::string wordList = window.dir.Path("proef05.doc");
        WriteFileOrFail(wordList, WORD_LIST);
        // No message box may interrupt the typical use.
        MessageBoxAnswerer answerer;

        // 1. A new puzzle of 15 by 15 free cells, shaped to 5 by 5 with a turning symmetry.
        Choose(window, "&Bestand", "&Nieuw");
        QCOMPARE(window.doc.puzzle().width, 15);
        QCOMPARE(window.doc.puzzle().height, 15);
        QCOMPARE(window.doc.phase, Phase::Vormen);
        QCOMPARE(window.doc.puzzle().words.size(), std::size_t{30});
        WhenModalOpens<PropertiesDlg>([](PropertiesDlg& dialog) {
            Child<QLineEdit>(dialog, "width")->setText(QStringLiteral("5"));
            Child<QLineEdit>(dialog, "height")->setText(QStringLiteral("5"));
            ButtonWithText(dialog, QStringLiteral("Rondom middelpunt"))->click();
            ClickOk(dialog);
        });
        Choose(window, "&Rooster", "&Eigenschappen rooster...");
        QCOMPARE(window.doc.puzzle().width, 5);
        QCOMPARE(window.doc.puzzle().symmetry, Symmetry::RondomMiddelpunt);
        window.Click(1, 1);
        QCOMPARE(GridRows(window.doc), (Rows{".....", ".#.#.", ".....", ".#.#.", "....."}));
        QCOMPARE(window.doc.puzzle().words.size(), std::size_t{6});

        // 2. Filling: the word list chosen in the search options (the word data dialog
        // takes its candidates from there too), a typed letter, a candidate, clues.
        Choose(window, "&Fase", "&2. Vullen rooster");
        QCOMPARE(window.doc.phase, Phase::Vullen);
        chooser.Queue(wordList);
        WhenModalOpens<SearchOptionsDlg>([](SearchOptionsDlg& dialog) {
            ButtonWithText(dialog, QStringLiteral("..."))->click();
            dialog.fillWithLastShownBox->setChecked(true);
            ClickOk(dialog);
        });
        Choose(window, "&AutoZoek", "Zoe&kOpties...");
        QCOMPARE(window.doc.puzzle().search.wordFile, wordList);
        // A click on the cursor's cell turns the direction: the word down from there.
        window.Click(0, 0);
        window.Type("a");
        {
            const Rows rows = GridRows(window.doc);
            QCOMPARE(Rows(rows.begin(), rows.begin() + 2), (Rows{"A....", ".#.#."}));
        }
        int candidateCount = 0;
        QString title;
        WhenModalOpens<WordDataDlg>([&candidateCount, &title](WordDataDlg& dialog) {
            title = dialog.windowTitle();
            auto* candidates = Child<QComboBox>(dialog, "candidates");
            candidateCount = candidates->count();
            candidates->setCurrentIndex(candidates->findText(QStringLiteral("AZDZG")));
            Child<QAbstractButton>(dialog, "copy")->click();
            Child<QPlainTextEdit>(dialog, "clue")->setPlainText(QStringLiteral("Eerste kolom"));
            ClickOk(dialog);
        });
        window.Key(Qt::Key_Tab);
        QCOMPARE(title, QStringLiteral("V1 met lengte 5"));
        QCOMPARE(candidateCount, 3);
        QCOMPARE(GridRows(window.doc), (Rows{"A....", "Z#.#.", "D....", "Z#.#.", "G...."}));
        Choose(window, "&Rooster", "&Horizontaal");
        window.Click(3, 4);
        WhenModalOpens<WordDataDlg>([](WordDataDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "clue")->setPlainText(QStringLiteral("Onderste rij"));
            ClickOk(dialog);
        });
        window.Key(Qt::Key_Tab);

        // 3. The search through the word list of the search options.
        QSignalSpy searchFinished(&window.Controller(), &GridController::SearchFinished);
        Choose(window, "&AutoZoek", "Start &zoeken");
        QTRY_VERIFY_WITH_TIMEOUT(searchFinished.count() == 1, 60000);
        QVERIFY2(window.frame->MessagePaneText().startsWith(QStringLiteral("Klaar na 0:00:")),
                 qPrintable(window.frame->MessagePaneText()));
        QCOMPARE(window.SolutionCount(), 2);
        QCOMPARE(window.doc.phase, Phase::Vullen);

        // 4. Showing the solutions, one step on, and keeping the one shown.
        Choose(window, "&AutoZoek", "&Toon oplossingen");
        QCOMPARE(window.doc.phase, Phase::Tonen);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 1/2, met <ESC> stoppen"));
        window.Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 2/2, met <ESC> stoppen"));
        const std::string shown = window.doc.puzzle().GridToString();
        QCOMPARE(shown, window.Controller().Results().solutions[1]);
        Choose(window, "&AutoZoek", "&Klaar");
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QCOMPARE(window.doc.puzzle().GridToString(), shown);
        {
            const Rows rows = GridRows(window.doc);
            QCOMPARE(Rows(rows.begin(), rows.begin() + 4),
                     (Rows{"AQBQC", "Z#Z#Z", "DQEQF", "Z#Z#Z"}));
        }

        // 5. Saved under a name chosen in the save dialog; it opens again as it was.
        const std::string saved = window.dir.Path("proef.rtr");
        chooser.Queue(saved);
        Choose(window, "&Bestand", "Op&slaan");
        QVERIFY(!window.frame->windowTitle().endsWith(QLatin1Char('*')));
        QVERIFY(window.frame->windowTitle().startsWith(QStringLiteral("proef.rtr")));
        Rooster2Doc reopened;
        QCOMPARE(OpenRtrFile(reopened, saved).status, RtrStatus::Loaded);
        QCOMPARE(reopened.puzzle().GridToString(), shown);
        QCOMPARE(Clues(reopened), Clues(window.doc));

        const std::string page = window.dir.Path("proef.htm");
        chooser.Queue(page);
        Choose(window, "&Export", "&Gevuld html...");
        const std::string html = ReadFileOrEmpty(page);
        QVERIFY(html.find("Eerste kolom") != std::string::npos);
        QVERIFY(html.find("Onderste rij") != std::string::npos);
        QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
