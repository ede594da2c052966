// The search from the menu: its options dialog, progress, interruption through the
// message loop, and showing, stepping through and taking over the solutions.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "dialogs/search_options_dlg.h"
#include "gui_test_support.h"
#include "editing/command_ids.h"
#include "formats/solutions_file.h"
#include "model/profile.h"
#include "search/fast_search.h"
#include "search/search_method.h"
#include "search/search_run.h"
#include "wordlists/word_scores.h"

namespace {

// Two seconds pass at every reading, so every node of the search polls the window.
class CRacingClock : public ISearchClock {
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
    window.doc.puzzle.search.wordFile = window.dir.Path("w03.doc");
    window.Controller().GridReplaced();
    QVERIFY(window.Run(ID_PHASE_FILL));
}

const std::vector<std::string> ALL_AB_WORDS = {"AAA", "AAB", "ABA", "ABB",
                                               "BAA", "BAB", "BBA", "BBB"};

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void optionsOkStoresEveryValue() {
        CRooster2Doc doc;
        CMapProfile profile;
        doc.profile = &profile;
        CScriptedChooser chooser;
        CSearchOptionsDlg dialog(doc, chooser);
        dialog.m_excludedLettersEdit->setText(QStringLiteral("qx"));
        dialog.m_maxSolutionsEdit->setText(QStringLiteral("0"));
        dialog.m_maxFrequencyEdit->setText(QStringLiteral("9"));
        dialog.m_maxDistinctEdit->setText(QStringLiteral("100"));
        dialog.m_minScoreEdit->setText(QStringLiteral("60"));
        dialog.m_allDifferentBox->setChecked(false);
        dialog.m_randomOrderBox->setChecked(true);
        dialog.m_wordFileEdit->setText(QStringLiteral("lijst02.doc"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(doc.puzzle.search.excludedLetters, std::string("QX"));
        QCOMPARE(doc.puzzle.search.maxSolutions, 0);
        QCOMPARE(doc.puzzle.search.maxFrequency, 9);
        QCOMPARE(doc.puzzle.search.maxDistinct, 100);
        QCOMPARE(doc.scoring.minScore, 60);
        QCOMPARE(ReadMinimumScore(&profile), 60);
        QVERIFY(!doc.puzzle.search.allDifferent);
        QVERIFY(doc.puzzle.search.randomOrder);
        QCOMPARE(doc.puzzle.search.wordFile, std::string("lijst02.doc"));
        QVERIFY(doc.IsModified());
    }

    void numbersOutsideTheirRangesKeepTheDialogOpen() {
        const struct {
            QLineEdit* CSearchOptionsDlg::*edit;
            const char* bad;
            const char* message;
        } cases[] = {
            {&CSearchOptionsDlg::m_maxSolutionsEdit, "1000001", "van 0 tot en met 1000000"},
            {&CSearchOptionsDlg::m_maxSolutionsEdit, "veel", "van 0 tot en met 1000000"},
            {&CSearchOptionsDlg::m_maxFrequencyEdit, "10", "van 0 tot en met 9"},
            {&CSearchOptionsDlg::m_maxDistinctEdit, "101", "van 0 tot en met 100"},
            {&CSearchOptionsDlg::m_maxDistinctEdit, "-1", "van 0 tot en met 100"},
            {&CSearchOptionsDlg::m_minScoreEdit, "101", "van 0 tot en met 100"},
        };
        for (const auto& test : cases) {
            CRooster2Doc doc;
            CScriptedChooser chooser;
            CSearchOptionsDlg dialog(doc, chooser);
            (dialog.*test.edit)->setText(QString::fromLatin1(test.bad));
            CMessageBoxAnswerer answerer;
            dialog.accept();
            QVERIFY2(dialog.result() != QDialog::Accepted, test.bad);
            QCOMPARE(answerer.Texts().size(), 1);
            QVERIFY2(answerer.Texts()[0].contains(QString::fromLatin1(test.message)), test.bad);
            QVERIFY(!doc.IsModified());
            QCOMPARE(doc.puzzle.search.maxSolutions, 100);
        }
    }

    void cancelChangesNothingButTheBrowsedWordFile() {
        CRooster2Doc doc;
        doc.puzzle.search.wordFile = "oud02.doc";
        CScriptedChooser chooser;
        chooser.Queue("/lijsten/nieuw05.doc");
        CSearchOptionsDlg dialog(doc, chooser);
        dialog.m_excludedLettersEdit->setText(QStringLiteral("q"));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("...")) button->click();
        QCOMPARE(chooser.m_asked.size(), std::size_t(1));
        QCOMPARE(chooser.m_asked[0].title, QStringLiteral("Openen woordenlijst"));
        QCOMPARE(chooser.m_asked[0].defaultSuffix, QStringLiteral("doc"));
        QCOMPARE(chooser.m_asked[0].initialName, QStringLiteral("oud02.doc"));
        QCOMPARE(dialog.m_wordFileEdit->text(), QStringLiteral("/lijsten/nieuw05.doc"));
        // What was typed before stays in its field.
        QCOMPARE(dialog.m_excludedLettersEdit->text(), QStringLiteral("q"));
        dialog.reject();
        QCOMPARE(doc.puzzle.search.wordFile, std::string("/lijsten/nieuw05.doc"));
        QVERIFY(doc.puzzle.search.excludedLetters.empty());
        QVERIFY(!doc.IsModified());
    }

    void aFirstBrowseStartsAtTheDutchListOfTheBuild() {
        CRooster2Doc doc;
        CScriptedChooser chooser;
        CSearchOptionsDlg dialog(doc, chooser);
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("...")) button->click();
        QCOMPARE(chooser.m_asked.size(), std::size_t(1));
        // The build makes the set when the dictionary is installed, as the set-up does.
        if (!QFileInfo::exists(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/../../wordlists/nl05.doc")))
            QSKIP("geen woordenlijsten in deze build");
        QVERIFY(chooser.m_asked[0].initialName.endsWith(QStringLiteral("/wordlists/nl05.doc")));
    }

    void searchInterruptedWithEscapeThenSolutionsTakenOver() {
        TestWindow window;
        PrepareSearch(window, ALL_AB_WORDS);
        window.doc.puzzle.search.allDifferent = false;
        window.doc.puzzle.search.maxSolutions = 0;
        window.doc.puzzle.search.fillWithLastShown = true;
        CMessageBoxAnswerer answerer;
        CRacingClock clock;
        bool escapeSent = false;
        bool refusedToClose = false;
        QString progress;
        bool interruptEnabled = false;
        bool optionsEnabled = true;
        window.Controller().SetSearchSetup([&](CSearchRun& search) {
            search.m_clock = &clock;
            search.m_callbacks.trace = [&](int, int, int) {
                if (escapeSent || search.m_results.m_solutionCount < 3) return;
                escapeSent = true;
                progress = window.frame->InfoPaneText();
                interruptEnabled = window.Enabled(ID_SEARCH_INTERRUPT);
                optionsEnabled = window.Enabled(ID_SEARCH_OPTIONS);
                refusedToClose = !window.frame->close();
                // Delivered at the search's next poll of the message loop.
                QCoreApplication::postEvent(
                    &window.View(),
                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
            };
        });
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(escapeSent);
        QVERIFY(refusedToClose);
        QVERIFY(interruptEnabled);
        QVERIFY(!optionsEnabled);
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
        QCOMPARE(window.doc.phase, PHASE_VULLEN);
        QCOMPARE(window.doc.puzzle.GridToString(), std::string(9, ' '));

        window.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        QVERIFY(window.Run(ID_SOLUTIONS_SHOW));
        QCOMPARE(window.doc.phase, PHASE_TONEN);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing 1/%1, met <ESC> stoppen").arg(count));
        QCOMPARE(window.doc.puzzle.GridToString(), window.Controller().Results().m_solutions[0]);
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
        window.Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Oplossing %1/%1, met <ESC> stoppen").arg(count));
        QVERIFY(!window.frame->close());

        window.Key(Qt::Key_Escape);
        QCOMPARE(window.doc.phase, PHASE_VULLEN);
        QCOMPARE(window.doc.puzzle.GridToString(), window.Controller().Results().m_solutions[count - 1]);
        QVERIFY(window.doc.IsModified());
        QVERIFY(!window.Enabled(ID_UNDO));
    }

    void onderbrekenFromTheMenuStopsTheSearch() {
        TestWindow window;
        PrepareSearch(window, ALL_AB_WORDS);
        window.doc.puzzle.search.allDifferent = false;
        window.doc.puzzle.search.maxSolutions = 0;
        CRacingClock clock;
        bool asked = false;
        window.Controller().SetSearchSetup([&](CSearchRun& search) {
            search.m_clock = &clock;
            search.m_callbacks.trace = [&](int, int, int) {
                if (asked) return;
                asked = true;
                QMetaObject::invokeMethod(window.frame->Action(ID_SEARCH_INTERRUPT), "trigger",
                                          Qt::QueuedConnection);
            };
        });
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(window.frame->MessagePaneText().startsWith(QStringLiteral("Onderbroken")));
        QVERIFY(window.SolutionCount() < 512);
    }

    void theMethodChosenInTheOptionsFillsAndTheFrequencyItemMarksACell() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        window.doc.puzzle.search.allDifferent = false;
        QVERIFY(!window.Enabled(ID_FREQUENCY_DISTRIBUTION));
        WhenModalOpens<CSearchOptionsDlg>([](CSearchOptionsDlg& dialog) {
            dialog.m_methodBox->setCurrentIndex(1);
            dialog.accept();
        });
        QVERIFY(window.Run(ID_SEARCH_OPTIONS));
        QCOMPARE(ReadSearchMethod(&window.profile), SearchMethod::Fast);
        bool fast = false;
        window.Controller().SetSearchSetup(
            [&](CSearchRun& search) { fast = dynamic_cast<CFastSearch*>(&search) != nullptr; });
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(fast);
        QVERIFY(window.SolutionCount() > 0);
        QVERIFY(window.Run(ID_FREQUENCY_DISTRIBUTION));
        QVERIFY2(window.frame->MessagePaneText().startsWith(QStringLiteral("Vak H")),
                 qPrintable(window.frame->MessagePaneText()));
    }

    void takingBackTheGridBeforeShowing() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        window.doc.puzzle.search.allDifferent = false;
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(window.frame->MessagePaneText().startsWith(QStringLiteral("Klaar na 0:00:")));
        QVERIFY(window.SolutionCount() > 0);
        QVERIFY(window.Run(ID_SOLUTIONS_SHOW));
        QVERIFY(window.doc.puzzle.GridToString() != std::string(9, ' '));
        QVERIFY(window.Run(ID_SOLUTIONS_DONE));
        QCOMPARE(window.doc.puzzle.GridToString(), std::string(9, ' '));
        QCOMPARE(window.doc.phase, PHASE_VULLEN);
    }

    void theStatusPanesShowWholeTextsAndForgetTheSearch() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        window.doc.puzzle.search.allDifferent = false;
        QVERIFY(window.Run(ID_SEARCH_START));
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

        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(!window.frame->MessagePaneText().isEmpty());
        window.frame->NewDocument();
        QCOMPARE(window.frame->MessagePaneText(), QString());
        QVERIFY(window.frame->InfoPaneText() != progress);
    }

    void searchWithoutSolutionOffersTheBestFill() {
        TestWindow window;
        PrepareSearch(window, {"ABC"});
        CMessageBoxAnswerer answerer;
        QVERIFY(!window.Enabled(ID_SHOW_BEST_RESULT));
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY2(
            window.frame->MessagePaneText().endsWith(QStringLiteral("geen oplossingen gevonden")),
            qPrintable(window.frame->MessagePaneText()));
        QCOMPARE(window.SolutionCount(), 0);
        QVERIFY(!window.Enabled(ID_SOLUTIONS_SHOW));
        QVERIFY(window.Enabled(ID_SHOW_BEST_RESULT));
        QVERIFY(window.Run(ID_SHOW_BEST_RESULT));
        QCOMPARE(window.frame->MessagePaneText(),
                 QStringLiteral("Beste oplossing met 1 correcte invullingen van de 6"));
        QCOMPARE(window.doc.puzzle.GridToString().substr(0, 3), std::string("ABC"));
        QCOMPARE(window.doc.phase, PHASE_VULLEN);
    }

    void aMissingWordListIsReportedAndNothingStarts() {
        TestWindow window;
        PrepareSearch(window, {"ABC"});
        window.doc.puzzle.search.wordFile = window.dir.Path("weg03.doc");
        CMessageBoxAnswerer answerer;
        QVERIFY(window.Run(ID_SEARCH_START));
        QVERIFY(!answerer.Texts().isEmpty());
        QCOMPARE(window.doc.phase, PHASE_VULLEN);
        QCOMPARE(window.SolutionCount(), 0);
    }

    void solutionsFileHoldsEverySolution() {
        TestWindow window;
        PrepareSearch(window, {"ABC", "BCA", "CAB"});
        window.doc.puzzle.search.allDifferent = false;
        QVERIFY(window.Run(ID_SEARCH_START));
        CScriptedChooser& chooser = window.chooser;
        const std::string path = window.dir.Path("oplossingen.txt");
        chooser.Queue(path);
        const std::string before = window.doc.puzzle.GridToString();
        QVERIFY(window.Run(ID_WRITE_SOLUTIONS));
        QCOMPARE(chooser.m_asked[0].title, QStringLiteral("Openen tekstbestand oplossingen"));
        const std::string expected =
            FormatSolutionsText(window.doc.puzzle, window.Controller().Results(), false);
        QVERIFY(expected.find("Oplossing 1\r\n\r\n") == 0);
        QCOMPARE(ReadFileOrEmpty(path), expected);
        QCOMPARE(window.doc.lastFiles.text, path);
        QCOMPARE(window.doc.puzzle.GridToString(), before);
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
