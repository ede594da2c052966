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
#include "dialogs/grid_check_dlg.h"
#include "dialogs/properties_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "editing/command_ids.h"
#include "forms/word_edit.h"
#include "gui_test_support.h"
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
        WhenModalOpens<PropertiesDlg>([](PropertiesDlg& dialog) {
            Child<QLineEdit>(dialog, "width")->setText(QStringLiteral("20"));
            Child<QComboBox>(dialog, "form")->setCurrentIndex(2);
            dialog.accept();
        });
        QVERIFY(window.Run(ID_GRID_PROPERTIES));
        QCOMPARE(window.doc.puzzle().width, 20);
        QCOMPARE(window.doc.puzzle().form, PuzzleForm::Balkjes);
        QVERIFY(window.frame->windowTitle().endsWith(QLatin1Char('*')));
    }

    void propertiesRefuseOutOfRangeValuesAndStayOpen() {
        TestWindow window;
        PropertiesDlg dialog(window.doc, false, window.frame.get());
        dialog.show();
        Child<QLineEdit>(dialog, "clueTextSize")->setText(QStringLiteral("60"));
        MessageBoxAnswerer answerer;
        dialog.accept();
        QTRY_COMPARE(answerer.Texts().size(), 1);
        QVERIFY(answerer.Texts().first().contains(QStringLiteral("Tekstgrootte omschrijving:")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void propertiesCancelKeepsLetterValuesButNotTheForm() {
        TestWindow window;
        PropertiesDlg dialog(window.doc, false, window.frame.get());
        QVERIFY(!Child<QPlainTextEdit>(dialog, "report")->toPlainText().isEmpty());
        QLineEdit* values = Child<QLineEdit>(dialog, "letterValues");
        QVERIFY(values->text().startsWith(QStringLiteral("A = 1, B = 2, ")));
        QCOMPARE(values->cursorPosition(), 0);
        values->setText(QStringLiteral("a=5 b 7,c = 2.9"));
        LeaveField(values);
        Child<QLineEdit>(dialog, "margin")->setText(QStringLiteral("50"));
        dialog.SetColour(0, Rgb(1, 2, 3));
        dialog.reject();
        QCOMPARE(window.doc.puzzle().letterValues[0], 5);
        QCOMPARE(window.doc.puzzle().letterValues[1], 7);
        QCOMPARE(window.doc.puzzle().letterValues[2], 2);
        QCOMPARE(window.doc.puzzle().letterValues[3], 4);
        // Kept values are a change the save question must not miss.
        QVERIFY(window.doc.IsModified());
        QCOMPARE(window.doc.puzzle().appearance.margin, 5);
        QVERIFY(window.doc.puzzle().appearance.colours.zwart != Rgb(1, 2, 3));
    }

    // ---- Commentaar ----------------------------------------------------------------------

    void theDialogsFitA1024By768Screen() {
        TestWindow window;
        PropertiesDlg properties(window.doc, false);
        const QSize size = properties.sizeHint();
        QVERIFY2(size.width() <= 1000 && size.height() <= 700,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    void commentOkStoresLinesAndCancelKeepsTheOld() {
        TestWindow window;
        WhenModalOpens<CommentDlg>([](CommentDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "comment")->setPlainText(QStringLiteral("een\ntwee"));
            dialog.accept();
        });
        QVERIFY(window.Run(ID_GRID_COMMENT));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().comment), QStringLiteral("een\r\ntwee"));
        WhenModalOpens<CommentDlg>([](CommentDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "comment")->setPlainText(QStringLiteral("weg"));
            dialog.reject();
        });
        QVERIFY(window.Run(ID_GRID_COMMENT));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().comment), QStringLiteral("een\r\ntwee"));
    }

    // ---- Clue windows ----------------------------------------------------------------------

    void clueTextWindowReadsEditedCluesBackOnLeavingTheEdit() {
        TestWindow window;
        FiveLetterWord(window);
        QVERIFY(window.Run(ID_SHOW_CLUES));
        ClueTextDlg* clues = window.Controller().ClueTextWindow();
        QVERIFY(clues != nullptr);
        QVERIFY(!window.Enabled(ID_SHOW_CLUES));
        QVERIFY(clues->Edit()->toPlainText().startsWith(QStringLiteral("Horizontaal\n\n1.  (5)")));
        window.doc.MarkSaved();
        clues->Edit()->setPlainText(QStringLiteral("Horizontaal\n1. Vogel (2+3)\n"));
        LeaveField(clues->Edit());
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().words[0].clue), QStringLiteral("Vogel"));
        QVERIFY(window.doc.IsModified());
        clues->close();
        window.Settle();
        QVERIFY(window.Controller().ClueTextWindow() == nullptr);
        QVERIFY(window.Enabled(ID_SHOW_CLUES));
    }

    void clueWindowsCloseWhenShapingAgain() {
        TestWindow window;
        FiveLetterWord(window);
        QVERIFY(window.Run(ID_SHOW_CLUES));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        QVERIFY(!window.Enabled(ID_SHOW_CLUE_LIST));
        QVERIFY(window.Run(ID_PHASE_SHAPE));
        QVERIFY(window.Controller().ClueTextWindow() == nullptr);
        QVERIFY(window.Controller().ClueListWindow() == nullptr);
    }

    void clueListChoosesAWordOnceItsEventIsHandled() {
        TestWindow window;
        SetGrid(window.doc, {"...", ".#.", "..."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        ClueListDlg* list = window.Controller().ClueListWindow();
        QCOMPARE(list->AcrossList()->count(), 2);
        QCOMPARE(list->DownList()->count(), 2);
        QCOMPARE(list->AcrossList()->currentRow(), 0);
        list->DownList()->setCurrentRow(1);
        const int chosen = window.Controller().PendingWord();
        QVERIFY(chosen >= 0);
        QCOMPARE(window.doc.puzzle().words[chosen].dy, 1);
        QTRY_COMPARE(window.doc.curWord, chosen);
        QCOMPARE(window.doc.curPos, 0);
        QCOMPARE(window.Controller().PendingWord(), -1);
        const int height = list->FontHeight();
        Click(*list, "larger");
        QCOMPARE(list->FontHeight(), height - 1);
    }

    void zweedsCluesAreListedAndEditedByClueCell() {
        TestWindow window;
        Arrange(window.doc)->form = PuzzleForm::Zweeds;
        SetGrid(window.doc, {"#..", "...", "..."});
        Arrange(window.doc)->SetClueArrow(0, 0, 0, Arrow::Right);
        Arrange(window.doc)->SetClueArrow(0, 0, 1, Arrow::Down);
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUES));
        ClueTextDlg* clues = window.Controller().ClueTextWindow();
        clues->Edit()->setPlainText(QStringLiteral("K1 R1 omlaag: Vis\n"));
        LeaveField(clues->Edit());
        const int down = window.doc.puzzle().PointedWord(0, 0, 1);
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().words[down].clue), QStringLiteral("Vis"));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        ClueListDlg* list = window.Controller().ClueListWindow();
        QVERIFY(list->DownList()->isHidden());
        QCOMPARE(list->AcrossList()->count(), 2);
        QCOMPARE(list->AcrossList()->item(1)->text(), QStringLiteral("K1 R1 omlaag: Vis (2) "));
        list->AcrossList()->setCurrentRow(1);
        QTRY_COMPARE(window.doc.curWord, down);
    }

    void clueListStaysInsideASmallMainWindow() {
        TestWindow window;
        window.frame->resize(800, 600);
        SetGrid(window.doc,
                {"..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                 "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                 "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#...",
                 "..#..#..#..#...", "..#..#..#..#...", "..#..#..#..#..."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_SHOW_CLUE_LIST));
        const QRect list = window.Controller().ClueListWindow()->frameGeometry();
        QVERIFY2(list.bottom() <= window.frame->frameGeometry().bottom(),
                 qPrintable(QStringLiteral("%1 > %2")
                                .arg(list.bottom())
                                .arg(window.frame->frameGeometry().bottom())));
    }

    // ---- Gegevens over woord -----------------------------------------------------------------

    void wordDataOkByTabStoresTheValueAndClue() {
        TestWindow window;
        FiveLetterWord(window);
        WhenModalOpens<WordDataDlg>([](WordDataDlg& dialog) {
            Child<QLineEdit>(dialog, "value")->setText(QStringLiteral("BAKYN"));
            Child<QPlainTextEdit>(dialog, "clue")->setPlainText(QStringLiteral("Licht (5)"));
            dialog.accept();
        });
        window.Key(Qt::Key_Tab);
        QCOMPARE(GridRows(window.doc), (Rows{"BAKyN", "#####"}));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().words[0].clue), QStringLiteral("Licht"));
        QVERIFY2(window.frame->MessagePaneText().contains(QStringLiteral("Licht")),
                 qPrintable(window.frame->MessagePaneText()));
        QVERIFY(window.Enabled(ID_UNDO));
    }

    // ---- Extra zoekbestanden -------------------------------------------------------------------

    void gridCheckPutsTheCursorOnTheChosenFindingAndChecksAgain() {
        TestWindow window;
        SetGrid(window.doc, {"AB#CD", "#####", "EF#GH"});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_GRID_CHECK));
        auto* dialog = window.View().findChild<GridCheckDlg*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->list->item(5)->text(),
                 QStringLiteral("Vak H2 (rij 1, kolom 5): ongekruist"));
        dialog->list->setCurrentRow(5);
        QCOMPARE(window.doc.curWord, window.doc.puzzle().FindWordAt(3, 0, Direction::Across));
        QCOMPARE(window.doc.curPos, 1);
        Arrange(window.doc)->SetCell(2, 0, 'X');  // AB and CD become one word
        Arrange(window.doc)->BuildWords();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->text() == QStringLiteral("Opnieuw")) button->click();
        QCOMPARE(dialog->list->item(0)->text(),
                 QStringLiteral("Woorden: 3, gemiddelde lengte 3,0, zwarte vakken 40,0%"));
    }

    void extraFilesAddAndRemoveSelectedRows() {
        TestWindow window;
        Arrange(window.doc)->search.wordFile = "lijst05.doc";
        QVERIFY(window.Enabled(ID_EXTRA_SEARCH_FILES));
        ExtraFilesDlg dialog(window.doc, window.chooser);
        dialog.AddFile("a05.doc");
        dialog.AddFile("b05.doc");
        QCOMPARE(dialog.List()->topLevelItemCount(), 2);
        QCOMPARE(dialog.List()->topLevelItem(1)->text(0), QStringLiteral("2"));
        {
            MessageBoxAnswerer answerer;
            dialog.RemoveSelected();
            QCOMPARE(answerer.Texts().size(), 1);
        }
        QCOMPARE(window.doc.puzzle().extraFiles.size(), std::size_t{2});
        dialog.List()->topLevelItem(0)->setSelected(true);
        dialog.RemoveSelected();
        QCOMPARE(window.doc.puzzle().extraFiles, std::vector<std::string>{"b05.doc"});
        QCOMPARE(dialog.List()->topLevelItem(0)->text(0), QStringLiteral("1"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
