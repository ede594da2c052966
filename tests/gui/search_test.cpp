// The search from the menu: its options dialog, progress, interruption while it
// runs on its own thread, and showing, stepping through and taking over the solutions.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>

#include "dialogs/search_options_dlg.h"
#include "editing/command_ids.h"
#include "gui_test_support.h"
#include "model/profile.h"
#include "search/search_method.h"
#include "wordlists/word_scores.h"

namespace {

// Two seconds pass at every reading, so every node of the search polls the window.
class RacingClock : public ISearchClock {
public:
    long long WallSeconds() override { return m_seconds += 2; }
    long long Milliseconds() override { return 0; }

private:
    long long m_seconds = 0;
};

// A 3 x 3 grid of free cells in the filling phase, searching a list of three-letter
// words written into the test's folder.
void PrepareSearch(TestWindow& window, const std::vector<std::string>& words) {
    std::string list;
    for (const std::string& word : words) list += word + "\r\n";
    WriteFileOrFail(window.dir.Path("w03.doc"), list);
    SetGrid(window.doc, {"...", "...", "..."});
    Arrange(window.doc)->search.wordFile = window.dir.Path("w03.doc");
    window.Controller().GridReplaced();
    QVERIFY(window.Run(ID_PHASE_FILL));
}

// "Start zoeken" (or "Verbeter vulling"), then the wait until the work on its own
// thread has ended.
bool RunSearch(TestWindow& window, int command = ID_SEARCH_START) {
    QSignalSpy finished(&window.Controller(), &GridController::SearchFinished);
    return window.frame->Router().Run(command) && finished.wait(60000);
}

const std::vector<std::string> ALL_AB_WORDS = {"AAA", "AAB", "ABA", "ABB",
                                               "BAA", "BAB", "BBA", "BBB"};

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void optionsOkStoresEveryValue() {
        TestDoc doc;
        MapProfile profile;
        doc.profile = &profile;
        ScriptedChooser chooser;
        SearchOptionsDlg dialog(doc, doc, chooser);
        dialog.excludedLettersEdit->setText(QStringLiteral("qx"));
        dialog.maxSolutionsEdit->setText(QStringLiteral("0"));
        dialog.maxFrequencyEdit->setText(QStringLiteral("9"));
        dialog.maxDistinctEdit->setText(QStringLiteral("100"));
        dialog.minScoreEdit->setText(QStringLiteral("60"));
        dialog.allDifferentBox->setChecked(false);
        dialog.randomOrderBox->setChecked(true);
        dialog.wordFileEdit->setText(QStringLiteral("lijst02.doc"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(doc.puzzle().search.excludedLetters, std::string("QX"));
        QCOMPARE(doc.puzzle().search.maxSolutions, 0);
        QCOMPARE(doc.puzzle().search.maxFrequency, 9);
        QCOMPARE(doc.puzzle().search.maxDistinct, 100);
        QCOMPARE(doc.scoring.minScore, 60);
        QCOMPARE(ReadMinimumScore(&profile), 60);
        QVERIFY(!doc.puzzle().search.allDifferent);
        QVERIFY(doc.puzzle().search.randomOrder);
        QCOMPARE(doc.puzzle().search.wordFile, std::string("lijst02.doc"));
        QVERIFY(doc.IsModified());
    }

    void cancelChangesNothingButTheBrowsedWordFile() {
        TestDoc doc;
        Arrange(doc)->search.wordFile = "oud02.doc";
        ScriptedChooser chooser;
        chooser.Queue("/lijsten/nieuw05.doc");
        SearchOptionsDlg dialog(doc, doc, chooser);
        dialog.excludedLettersEdit->setText(QStringLiteral("q"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("...")) button->click();
        QCOMPARE(chooser.asked.size(), std::size_t(1));
        QCOMPARE(chooser.asked[0].title, QStringLiteral("Openen woordenlijst"));
        QCOMPARE(chooser.asked[0].defaultSuffix, QStringLiteral("doc"));
        QCOMPARE(chooser.asked[0].initialName, QStringLiteral("oud02.doc"));
        QCOMPARE(dialog.wordFileEdit->text(), QStringLiteral("/lijsten/nieuw05.doc"));
        // What was typed before stays in its field.
        QCOMPARE(dialog.excludedLettersEdit->text(), QStringLiteral("q"));
        dialog.reject();
        QCOMPARE(doc.puzzle().search.wordFile, std::string("/lijsten/nieuw05.doc"));
        QVERIFY(doc.puzzle().search.excludedLetters.empty());
        // The browsed file changed the puzzle, so closing it asks to save.
        QVERIFY(doc.IsModified());
    }

    void searchInterruptedWithEscapeThenSolutionsTakenOver() {
        TestWindow window;
        PrepareSearch(window, ALL_AB_WORDS);
        // The classic method: its progress names the word it tries.
        StoreSearchMethod(&window.profile, SearchMethod::Exact);
        Arrange(window.doc)->search.allDifferent = false;
        Arrange(window.doc)->search.maxSolutions = 0;
        Arrange(window.doc)->search.fillWithLastShown = true;
        Arrange(window.doc)->search.sound = true;
        MessageBoxAnswerer answerer;
        RacingClock clock;
        // At its third solution the search waits until the window has looked and
        // Escape was pressed.
        std::atomic<int> solutions{0};
        std::atomic<bool> thirdFound{false};
        std::promise<void> escapePressed;
        const std::shared_future<void> escaped = escapePressed.get_future().share();
        window.Controller().SetSearchSetup([&](SearchRequest& request, SearchCallbacks& callbacks) {
            request.clock = &clock;
            callbacks.beep = [&](SearchBeep) {
                if (++solutions != 3) return;
                thirdFound = true;
                escaped.wait_for(std::chrono::minutes(1));
            };
        });
        QSignalSpy finished(&window.Controller(), &GridController::SearchFinished);
        QVERIFY(window.Run(ID_SEARCH_START));
        QTRY_VERIFY_WITH_TIMEOUT(thirdFound.load(), 60000);
        window.Settle();
        const QString progress = window.frame->InfoPaneText();
        QVERIFY(window.Enabled(ID_SEARCH_INTERRUPT));
        QVERIFY(!window.Enabled(ID_SEARCH_OPTIONS));
        QVERIFY(!window.Enabled(ID_FILE_OPEN));
        QVERIFY(!window.frame->close());
        window.Key(Qt::Key_Escape);
        escapePressed.set_value();
        QVERIFY(finished.wait(60000));
        QVERIFY2(progress.startsWith(QStringLiteral("H1 ")), qPrintable(progress));
        QVERIFY2(window.frame->MessagePaneText().startsWith(QStringLiteral("Onderbroken na 0:00:")),
                 qPrintable(window.frame->MessagePaneText()));
        const int count = window.SolutionCount();
        QVERIFY(count >= 3 && count < 512);
        // The result text, then what the first solution scores (unscored lines count 50).
        QVERIFY2(
            window.frame->MessagePaneText().contains(
                QStringLiteral("%1 oplossingen   Score: gemiddeld 50,0, laagste 50 (").arg(count)),
            qPrintable(window.frame->MessagePaneText()));
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QCOMPARE(window.doc.puzzle().GridToString(), std::string(9, ' '));

        window.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        QVERIFY(window.Run(ID_SOLUTIONS_SHOW));
        QCOMPARE(window.doc.phase, Phase::Tonen);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 1/%1, met <ESC> stoppen").arg(count));
        QCOMPARE(window.doc.puzzle().GridToString(), window.Controller().Results().solutions[0]);
        window.Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 2/%1, met <ESC> stoppen").arg(count));
        QWheelEvent backward(QPointF(5, 5), window.Viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                             QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                             false);
        QApplication::sendEvent(window.Viewport(), &backward);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 1/%1, met <ESC> stoppen").arg(count));
        window.Key(Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing %1/%1, met <ESC> stoppen").arg(count));
        QVERIFY(!window.frame->close());

        window.Key(Qt::Key_Escape);
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QCOMPARE(window.doc.puzzle().GridToString(),
                 window.Controller().Results().solutions[count - 1]);
        QVERIFY(window.doc.IsModified());
        QVERIFY(!window.Enabled(ID_UNDO));
    }

    void theMethodChosenInTheOptionsFillsAndTheFrequencyItemMarksACell() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        Arrange(window.doc)->search.allDifferent = false;
        QVERIFY(!window.Enabled(ID_FREQUENCY_DISTRIBUTION));
        WhenModalOpens<SearchOptionsDlg>([](SearchOptionsDlg& dialog) {
            dialog.methodBox->setCurrentIndex(1);
            dialog.accept();
        });
        QVERIFY(window.Run(ID_SEARCH_OPTIONS));
        QCOMPARE(ReadSearchMethod(&window.profile), SearchMethod::Fast);
        bool fast = false;
        window.Controller().SetSearchSetup([&](SearchRequest& request, SearchCallbacks&) {
            fast = request.method == SearchMethod::Fast;
        });
        QVERIFY(RunSearch(window));
        QVERIFY(fast);
        QVERIFY(window.SolutionCount() > 0);
        QVERIFY(window.Run(ID_FREQUENCY_DISTRIBUTION));
        QVERIFY2(window.frame->MessagePaneText().startsWith(QStringLiteral("Vak H")),
                 qPrintable(window.frame->MessagePaneText()));
    }

    void theStatusPanesShowWholeTextsAndForgetTheSearch() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        Arrange(window.doc)->search.allDifferent = false;
        QVERIFY(RunSearch(window));
        QVERIFY(window.Run(ID_SOLUTIONS_SHOW));
        QVERIFY(window.Run(ID_SOLUTIONS_DONE));
        QCOMPARE(window.frame->MessagePaneText(), QString());

        const QString progress = QStringLiteral("V2 2/798 H25 59/1234 V7 1/2 H3 14/377");
        emit window.Controller().InfoPaneChanged(progress);
        window.Settle();
        QLabel* pane = nullptr;
        for (QLabel* label : window.frame->statusBar()->findChildren<QLabel*>())
            if (label->text() == progress) pane = label;
        QVERIFY(pane != nullptr);
        QVERIFY(pane->width() >= pane->fontMetrics().horizontalAdvance(progress));

        QVERIFY(RunSearch(window));
        QVERIFY(!window.frame->MessagePaneText().isEmpty());
        window.frame->NewDocument();
        QCOMPARE(window.frame->MessagePaneText(), QString());
        QVERIFY(window.frame->InfoPaneText() != progress);
    }

    void improvingAShownSolutionAddsTheBetterFillAndTakingItOverIsOneUndoStep() {
        TestWindow window;
        PrepareSearch(window, {"ABC;10", "DEF;60", "GHI;60", "ADG;60", "BEH;60", "CFI;60", "JKL;90",
                               "MNO;90", "PQR;90", "JMP;90", "KNQ;90", "LOR;90"});
        Arrange(window.doc)->search.maxSolutions = 1;
        StoreSearchMethod(&window.profile, SearchMethod::Exact);
        QVERIFY(RunSearch(window));
        QVERIFY2(window.frame->MessagePaneText().contains(
                     QStringLiteral("   Laagste woorden: H1 ABC (10), ")),
                 qPrintable(window.frame->MessagePaneText()));
        QVERIFY(!window.Enabled(ID_IMPROVE_FILL));
        QVERIFY(window.Run(ID_SOLUTIONS_SHOW));
        QVERIFY(window.Enabled(ID_IMPROVE_FILL));
        QVERIFY(RunSearch(window, ID_IMPROVE_FILL));
        QVERIFY2(window.frame->MessagePaneText().startsWith(QStringLiteral("Verbeterd na ")),
                 qPrintable(window.frame->MessagePaneText()));
        QCOMPARE(window.doc.phase, Phase::Tonen);
        QCOMPARE(window.SolutionCount(), 2);
        // The strong words fill the grid one way or the other way round.
        const auto strong = [&window] {
            const std::string grid = window.doc.puzzle().GridToString();
            return grid == "JKLMNOPQR" || grid == "JMPKNQLOR";
        };
        QVERIFY(strong());

        // Taken over whatever the option for "&Klaar" says, the weak fill improves again;
        // each step undoes on its own, back to the grid from before the search.
        QVERIFY(window.Run(ID_SOLUTION_FIRST));
        Arrange(window.doc)->search.fillWithLastShown = false;
        QVERIFY(window.Run(ID_SOLUTION_TAKE_OVER));
        QCOMPARE(window.doc.phase, Phase::Vullen);
        QCOMPARE(window.doc.puzzle().GridToString(), std::string("ABCDEFGHI"));
        QVERIFY(window.Enabled(ID_IMPROVE_FILL));
        QVERIFY(RunSearch(window, ID_IMPROVE_FILL));
        QVERIFY(strong());
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(window.doc.puzzle().GridToString(), std::string("ABCDEFGHI"));
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(window.doc.puzzle().GridToString(), std::string(9, ' '));
    }

    // "Vul selectie" on a dragged rectangle refills only there; "Vastzetten" on the
    // current word is one undo step, and the next region fill keeps that word.
    void aSelectionFillsAloneAndALockedWordStays() {
        TestWindow window;
        PrepareSearch(window,
                      {"ABC", "DEF", "ADG", "BEH", "AXC", "YZF", "AYG", "XZH", "QXC", "QYG"});
        SetGrid(window.doc, {"ABC", "DEF", "GHI"});
        window.Controller().GridReplaced();
        const auto fillSelection = [&window] {
            window.Drag(0, 0, 1, 1);
            QVERIFY(window.Enabled(ID_FILL_SELECTION));
            QVERIFY(RunSearch(window, ID_FILL_SELECTION));
        };
        fillSelection();
        QCOMPARE(window.SolutionCount(), 3);
        for (const std::string& solution : window.Controller().Results().solutions)
            QCOMPARE(solution.substr(5), std::string("FGHI"));
        window.Click(1, 0);
        QVERIFY(!window.Enabled(ID_FILL_SELECTION));
        // Shift and an arrow select from the cursor cell as a drag does; a plain arrow drops it.
        QTest::keyClick(&window.View(), Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(window.Enabled(ID_FILL_SELECTION));
        QTest::keyClick(&window.View(), Qt::Key_Right);
        QVERIFY(!window.Enabled(ID_FILL_SELECTION));
        QVERIFY(window.Run(ID_LOCK));
        QVERIFY(window.Checked(ID_LOCK));
        QVERIFY(window.doc.puzzle().IsLocked(2, 0) && window.doc.IsModified());
        QVERIFY(window.Run(ID_UNDO));
        QVERIFY(!window.doc.puzzle().HasLocks() && !window.Checked(ID_LOCK));
        QVERIFY(window.Run(ID_LOCK));
        fillSelection();
        QCOMPARE(window.Controller().Results().solutions, std::vector<std::string>{"ABCDEFGHI"});
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
