// The dialogs of the model and the word lists: OK and Cancel, range refusals,
// the word data dialog on a small word list, and the clue windows.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "dialogs/comment_dlg.h"
#include "dialogs/extra_files_dlg.h"
#include "dialogs/properties_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "gui_test_support.h"
#include "editing/command_ids.h"
#include "forms/word_edit.h"
#include "wordlists/word_scores.h"

namespace {

void LeaveField(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
}

void Click(QWidget& dialog, const char* name) { Child<QAbstractButton>(dialog, name)->click(); }

// A grid of one across word of five cells, in the filling phase.
void FiveLetterWord(TestWindow& window) {
    SetGrid(window.doc, {".....", "#####"});
    window.Controller().OnInitialUpdate();
    QVERIFY(window.Run(ID_PHASE_FILL));
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Eigenschappen rooster ---------------------------------------------------------

    void propertiesOkResizesTheGridInThePhaseOfShaping() {
        TestWindow window;
        WhenModalOpens<CPropertiesDlg>([](CPropertiesDlg& dialog) {
            Child<QLineEdit>(dialog, "width")->setText(QStringLiteral("20"));
            Child<QLineEdit>(dialog, "clueTextSize")->setText(QStringLiteral("5"));
            dialog.accept();
        });
        QVERIFY(window.Run(ID_GRID_PROPERTIES));
        QCOMPARE(window.doc.puzzle.width, 20);
        QCOMPARE(window.doc.puzzle.appearance.clueTextSize, 0);
        QVERIFY(window.frame->windowTitle().endsWith(QLatin1Char('*')));
    }

    void propertiesRefuseOutOfRangeValuesAndStayOpen() {
        TestWindow window;
        CPropertiesDlg dialog(window.doc, false, window.frame.get());
        dialog.show();
        Child<QLineEdit>(dialog, "clueTextSize")->setText(QStringLiteral("60"));
        CMessageBoxAnswerer answerer;
        dialog.accept();
        QTRY_COMPARE(answerer.Texts().size(), 1);
        QVERIFY(answerer.Texts().first().contains(QStringLiteral("Tekstgrootte omschrijving:")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void propertiesGreySizeAndNumberingModeOutsideShaping() {
        TestWindow window;
        QVERIFY(window.Run(ID_PHASE_FILL));
        CPropertiesDlg dialog(window.doc, false, window.frame.get());
        for (const char* name : {"width", "height", "doorloper", "acrossOnly"})
            QVERIFY2(!Child<QWidget>(dialog, name)->isEnabled(), name);
        QVERIFY(Child<QWidget>(dialog, "margin")->isEnabled());
    }

    void propertiesCancelKeepsLetterValuesButNotTheForm() {
        TestWindow window;
        CPropertiesDlg dialog(window.doc, false, window.frame.get());
        QVERIFY(!Child<QPlainTextEdit>(dialog, "report")->toPlainText().isEmpty());
        QLineEdit* values = Child<QLineEdit>(dialog, "letterValues");
        QVERIFY(values->text().startsWith(QStringLiteral("A = 1, B = 2, ")));
        QCOMPARE(values->cursorPosition(), 0);
        values->setText(QStringLiteral("a=5 b 7,c = 2.9"));
        LeaveField(values);
        Child<QLineEdit>(dialog, "margin")->setText(QStringLiteral("50"));
        dialog.SetColour(0, Rgb(1, 2, 3));
        dialog.reject();
        QCOMPARE(window.doc.puzzle.letterValues[0], 5);
        QCOMPARE(window.doc.puzzle.letterValues[1], 7);
        QCOMPARE(window.doc.puzzle.letterValues[2], 2);
        QCOMPARE(window.doc.puzzle.letterValues[3], 4);
        QCOMPARE(window.doc.puzzle.appearance.margin, 5);
        QVERIFY(window.doc.puzzle.appearance.colours.zwart != Rgb(1, 2, 3));
    }

    // ---- Commentaar ----------------------------------------------------------------------

    void theDialogsFitA1024By768Screen() {
        TestWindow window;
        CPropertiesDlg properties(window.doc, false);
        const QSize size = properties.sizeHint();
        QVERIFY2(size.width() <= 1000 && size.height() <= 700,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    void commentOkStoresLinesAndCancelKeepsTheOld() {
        TestWindow window;
        WhenModalOpens<CCommentDlg>([](CCommentDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "comment")->setPlainText(QStringLiteral("een\ntwee"));
            dialog.accept();
        });
        QVERIFY(window.Run(ID_GRID_COMMENT));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle.comment), QStringLiteral("een\r\ntwee"));
        WhenModalOpens<CCommentDlg>([](CCommentDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "comment")->setPlainText(QStringLiteral("weg"));
            dialog.reject();
        });
        QVERIFY(window.Run(ID_GRID_COMMENT));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle.comment), QStringLiteral("een\r\ntwee"));
    }

    // ---- Clue windows ----------------------------------------------------------------------

    void clueTextWindowReadsEditedCluesBackOnLeavingTheEdit() {
        TestWindow window;
        FiveLetterWord(window);
        QVERIFY(window.Run(ID_SHOW_CLUES));
        CClueTextDlg* clues = window.Controller().ClueTextWindow();
        QVERIFY(clues != nullptr);
        QVERIFY(!window.Enabled(ID_SHOW_CLUES));
        QVERIFY(clues->Edit()->toPlainText().startsWith(QStringLiteral("Horizontaal\n\n1.  (5)")));
        window.doc.MarkModified(false);
        clues->Edit()->setPlainText(QStringLiteral("Horizontaal\n1. Vogel (2+3)\n"));
        LeaveField(clues->Edit());
        QCOMPARE(QString::fromLatin1(window.doc.puzzle.words[0].clue), QStringLiteral("Vogel"));
        QCOMPARE(window.doc.puzzle.words[0].partCount, 2);
        QVERIFY(window.doc.IsModified());
        clues->close();
        window.Settle();
        QVERIFY(window.Controller().ClueTextWindow() == nullptr);
        QVERIFY(window.Enabled(ID_SHOW_CLUES));
    }

    void clueTextWindowIgnoresALastLineWithoutLineBreak() {
        TestWindow window;
        FiveLetterWord(window);
        QVERIFY(window.Run(ID_SHOW_CLUES));
        CClueTextDlg* clues = window.Controller().ClueTextWindow();
        clues->Edit()->setPlainText(QStringLiteral("Horizontaal\n1. Vogel"));
        LeaveField(clues->Edit());
        QVERIFY(window.doc.puzzle.words[0].clue.empty());
    }

    void clueWindowsCloseWhenShapingAgainAndNeedPlainNumbering() {
        TestWindow window;
        FiveLetterWord(window);
        QVERIFY(window.Run(ID_SHOW_CLUES));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        QVERIFY(!window.Enabled(ID_SHOW_CLUE_LIST));
        QVERIFY(window.Run(ID_PHASE_SHAPE));
        QVERIFY(window.Controller().ClueTextWindow() == nullptr);
        QVERIFY(window.Controller().ClueListWindow() == nullptr);
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.doc.puzzle.numbering.numberPartWords = true;
        QVERIFY(!window.Enabled(ID_SHOW_CLUES));
        QVERIFY(!window.Enabled(ID_SHOW_CLUE_LIST));
    }

    void clueListChoosesAWordThroughTheTimer() {
        TestWindow window;
        SetGrid(window.doc, {"...", ".#.", "..."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        CClueListDlg* list = window.Controller().ClueListWindow();
        QCOMPARE(list->AcrossList()->count(), 2);
        QCOMPARE(list->DownList()->count(), 2);
        QCOMPARE(list->AcrossList()->currentRow(), 0);
        list->DownList()->setCurrentRow(1);
        const int chosen = window.Controller().PendingWord();
        QVERIFY(chosen >= 0);
        QCOMPARE(window.doc.puzzle.words[chosen].dy, 1);
        QTRY_COMPARE(window.doc.curWord, chosen);
        QCOMPARE(window.doc.curPos, 0);
        QCOMPARE(window.Controller().PendingWord(), -1);
        const int height = list->FontHeight();
        Click(*list, "larger");
        QCOMPARE(list->FontHeight(), height - 1);
    }

    void clueListStaysInsideASmallMainWindow() {
        TestWindow window;
        window.frame->resize(800, 600);
        SetGrid(window.doc, {"..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                             "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                             "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                             "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                             "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#..."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        const QRect list = window.Controller().ClueListWindow()->frameGeometry();
        QVERIFY2(list.bottom() <= window.frame->frameGeometry().bottom(),
                 qPrintable(QStringLiteral("%1 > %2").arg(list.bottom()).arg(
                     window.frame->frameGeometry().bottom())));
    }

    void clueListShowsOnlyAcrossWhenOnlyAcrossIsNumbered() {
        TestWindow window;
        SetGrid(window.doc, {"...", ".#.", "..."});
        window.doc.puzzle.numbering.acrossOnly = true;
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        QVERIFY(window.Controller().ClueListWindow()->DownList()->isHidden());
    }

    // ---- Gegevens over woord -----------------------------------------------------------------

    void wordDataListsFiltersAndSortsCandidates() {
        TestWindow window;
        FiveLetterWord(window);
        WriteFileOrFail(window.dir.Path("lijst05.doc"),
                        "KRAAK\nBAKEN\nZAKEN\nKAART\nHAKEN\nKAAS \n");
        window.doc.puzzle.search.wordFile = window.dir.Path("lijst05.doc");
        CWordDataDlg dialog(window.doc, window.doc.puzzle.words[0], OpenWordData(window.doc, 0));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("H1 met lengte 5"));
        auto* candidates = Child<QComboBox>(dialog, "candidates");
        QCOMPARE(candidates->count(), 5);
        QCOMPARE(Child<QLabel>(dialog, "listLabel")->text(),
                 QStringLiteral("Aantal gevonden kandidaten: 5"));

        Child<QLineEdit>(dialog, "value")->setText(QStringLiteral("K...."));
        Click(dialog, "search");
        QCOMPARE(candidates->count(), 2);
        QCOMPARE(candidates->itemText(1), QStringLiteral("KAART"));

        Child<QLineEdit>(dialog, "value")->setText(QStringLiteral("....."));
        Child<QLineEdit>(dialog, "required")->setText(QStringLiteral("aen"));
        Click(dialog, "filter");
        QCOMPARE(candidates->count(), 3);
        Click(dialog, "sort");
        QCOMPARE(candidates->itemText(0), QStringLiteral("BAKEN"));
        QCOMPARE(candidates->itemText(1), QStringLiteral("HAKEN"));
        Click(dialog, "sort");
        QCOMPARE(candidates->itemText(2), QStringLiteral("ZAKEN"));

        candidates->setCurrentIndex(2);
        Click(dialog, "copy");
        QCOMPARE(Child<QLineEdit>(dialog, "value")->text(), QStringLiteral("ZAKEN"));
        QVERIFY(!Child<QWidget>(dialog, "nextPart")->isEnabled());
    }

    void wordDataShowsScoresSortsByThemAndTakesOwnScoresAtOnce() {
        TestWindow window;
        FiveLetterWord(window);
        WriteFileOrFail(window.dir.Path("lijst05.doc"), "KRAAK;20\nBAKEN;90\nZAKEN\nKAART;60\n");
        window.doc.puzzle.search.wordFile = window.dir.Path("lijst05.doc");
        window.doc.scoring.overrideFile = window.dir.Path("data/eigen_scores.txt");
        CWordDataDlg dialog(window.doc, window.doc.puzzle.words[0], OpenWordData(window.doc, 0));
        auto* candidates = Child<QComboBox>(dialog, "candidates");
        QCOMPARE(candidates->model()->index(0, 1).data().toString(), QStringLiteral("20"));
        Click(dialog, "sortScore");
        QCOMPARE(candidates->itemText(0), QStringLiteral("BAKEN"));
        QCOMPARE(candidates->itemText(3), QStringLiteral("KRAAK"));
        QCOMPARE(Child<QSpinBox>(dialog, "score")->value(), 90);

        candidates->setCurrentIndex(3);
        Click(dialog, "block");
        QCOMPARE(candidates->findText(QStringLiteral("KRAAK")), -1);
        candidates->setCurrentIndex(candidates->findText(QStringLiteral("ZAKEN")));
        Child<QSpinBox>(dialog, "score")->setValue(30);
        Click(dialog, "giveScore");
        QCOMPARE(ReadFileOrEmpty(window.dir.Path("data/eigen_scores.txt")),
                 std::string("KRAAK;0\r\nZAKEN;30\r\n"));
        QCOMPARE(candidates->currentText(), QStringLiteral("ZAKEN"));

        auto* minScore = Child<QLineEdit>(dialog, "minScore");
        minScore->setText(QStringLiteral("40"));
        LeaveField(minScore);
        QCOMPARE(candidates->count(), 2);
        QCOMPARE(ReadMinimumScore(&window.profile), 40);
    }

    void wordDataMovesBetweenParts() {
        TestWindow window;
        FiveLetterWord(window);
        WriteFileOrFail(window.dir.Path("lijst02.doc"), "OP\nIN\n");
        WriteFileOrFail(window.dir.Path("lijst03.doc"), "DAK\n");
        window.doc.puzzle.search.wordFile = window.dir.Path("lijst05.doc");
        WordInfo word = window.doc.puzzle.words[0];
        word.partCount = 2;
        word.partLengths[0] = 2;
        word.partLengths[1] = 3;
        CWordDataDlg dialog(window.doc, word, OpenWordData(window.doc, 0));
        auto* candidates = Child<QComboBox>(dialog, "candidates");
        QCOMPARE(candidates->count(), 2);
        Click(dialog, "nextPart");
        QCOMPARE(Child<QLineEdit>(dialog, "partNumber")->text(), QStringLiteral("2"));
        QCOMPARE(candidates->count(), 1);
        Click(dialog, "copy");
        QCOMPARE(Child<QLineEdit>(dialog, "value")->text(), QStringLiteral("..DAK"));
        Click(dialog, "previousPart");
        QCOMPARE(Child<QLineEdit>(dialog, "partNumber")->text(), QStringLiteral("1"));
    }

    void wordDataPadsTheValueAndChecksTheListNumber() {
        TestWindow window;
        FiveLetterWord(window);
        WriteFileOrFail(window.dir.Path("lijst05.doc"), "KRAAK\n");
        window.doc.puzzle.search.wordFile = window.dir.Path("lijst05.doc");
        window.doc.puzzle.extraFiles = {"a05.doc", "b05.doc"};
        CWordDataDlg dialog(window.doc, window.doc.puzzle.words[0], OpenWordData(window.doc, 0));
        auto* value = Child<QLineEdit>(dialog, "value");
        value->setText(QStringLiteral("AB"));
        LeaveField(value);
        QCOMPARE(value->text(), QStringLiteral("AB..."));
        value->setText(QStringLiteral("ABCDEFG"));
        LeaveField(value);
        QCOMPARE(value->text(), QStringLiteral("ABCDE"));

        CMessageBoxAnswerer answerer;
        auto* listNumber = Child<QLineEdit>(dialog, "listNumber");
        listNumber->setText(QStringLiteral("3"));
        LeaveField(listNumber);
        QTRY_COMPARE(answerer.Texts().size(), 1);
        QCOMPARE(answerer.Texts().first(),
                 QStringLiteral("Index incorrect, zie 'Index zoekbestanden'"));
        Child<QLineEdit>(dialog, "maxCount")->setText(QStringLiteral("100001"));
        dialog.show();
        dialog.accept();
        QTRY_COMPARE(answerer.Texts().size(), 2);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void wordDataOkByTabStoresTheValueAndClue() {
        TestWindow window;
        FiveLetterWord(window);
        WhenModalOpens<CWordDataDlg>([](CWordDataDlg& dialog) {
            Child<QLineEdit>(dialog, "value")->setText(QStringLiteral("BAKYN"));
            Child<QPlainTextEdit>(dialog, "clue")->setPlainText(QStringLiteral("Licht (5)"));
            dialog.accept();
        });
        window.Key(Qt::Key_Tab);
        QCOMPARE(GridRows(window.doc), (Rows{"BAKyN", "#####"}));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle.words[0].clue), QStringLiteral("Licht"));
        QVERIFY2(window.frame->MessagePaneText().contains(QStringLiteral("Licht")),
                 qPrintable(window.frame->MessagePaneText()));
        QVERIFY(window.Enabled(ID_UNDO));
    }

    void wordDataDeleteClearsTheWord() {
        TestWindow window;
        FiveLetterWord(window);
        window.Type("kaas");
        WhenModalOpens<CWordDataDlg>([](CWordDataDlg& dialog) { Click(dialog, "delete"); });
        QVERIFY(window.Run(ID_EDIT_WORD));
        QCOMPARE(GridRows(window.doc), (Rows{".....", "#####"}));
    }

    // ---- Extra zoekbestanden -------------------------------------------------------------------

    void extraFilesAddAndRemoveSelectedRows() {
        TestWindow window;
        window.doc.puzzle.search.wordFile = "lijst05.doc";
        QVERIFY(window.Enabled(ID_EXTRA_SEARCH_FILES));
        CExtraFilesDlg dialog(window.doc, window.chooser);
        dialog.AddFile("a05.doc");
        dialog.AddFile("b05.doc");
        QCOMPARE(dialog.List()->topLevelItemCount(), 2);
        QCOMPARE(dialog.List()->topLevelItem(1)->text(0), QStringLiteral("2"));
        {
            CMessageBoxAnswerer answerer;
            dialog.RemoveSelected();
            QCOMPARE(answerer.Texts().size(), 1);
        }
        QCOMPARE(window.doc.puzzle.extraFiles.size(), std::size_t{2});
        dialog.List()->topLevelItem(0)->setSelected(true);
        dialog.RemoveSelected();
        QCOMPARE(window.doc.puzzle.extraFiles, std::vector<std::string>{"b05.doc"});
        QCOMPARE(dialog.List()->topLevelItem(0)->text(0), QStringLiteral("1"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
