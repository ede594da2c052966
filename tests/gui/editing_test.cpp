// Shaping and filling through simulated mouse and key events.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

#include "dialogs/clue_arrows_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "dialogs/zweeds_picture_dlg.h"
#include "editing/command_ids.h"
#include "gui_test_support.h"

namespace {

// The word containing (x, y) in the given direction.
int WordAt(const Rooster2Doc& doc, int x, int y, bool across) {
    int count = 0;
    int acrossWord = -1;
    int downWord = -1;
    doc.puzzle().FindWordsAt(x, y, count, acrossWord, downWord);
    return across ? acrossWord : downWord;
}

void StartWith(TestWindow& window, std::initializer_list<std::string> rows) {
    SetGrid(window.doc, rows);
    window.Controller().OnInitialUpdate();
    window.Settle();
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void keypadCommandsRunAlsoWhenNoShortcutCaughtThem() {
        TestWindow window;
        const int size = window.doc.puzzle().appearance.cellSize;
        // Sent straight to the view, as on X11 where keypad shortcuts do not match.
        QKeyEvent zoom(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier,
                       QStringLiteral("+"));
        QCoreApplication::sendEvent(&window.View(), &zoom);
        QCOMPARE(window.doc.puzzle().appearance.cellSize, size + 1);
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
        QCoreApplication::sendEvent(&window.View(), &plus);
        QCOMPARE(window.doc.puzzle().appearance.cellSize,
                 size + 1);  // the main keyboard's + is no command
    }

    void buttonsAndDragShapeTheGrid() {
        TestWindow window;
        StartWith(window, {"....", "....", "....", "...."});
        window.Click(0, 0);
        window.Drag(2, 2, 1, 1);
        window.Click(3, 0, Qt::LeftButton, Qt::ControlModifier);
        window.Click(3, 3, Qt::RightButton);
        QCOMPARE(GridRows(window.doc), (Rows{"#..-", ".##.", ".##.", "...-"}));
        QVERIFY(window.frame->windowTitle().endsWith(QLatin1Char('*')));
        for (int step = 0; step < 4; ++step) QVERIFY(window.Run(ID_UNDO));
        QVERIFY(!window.frame->windowTitle().endsWith(QLatin1Char('*')));  // back at the start
    }

    void aClickOnAnInnerEdgeOfABalkjesGridTogglesItsBar() {
        TestWindow window;
        Arrange(window.doc)->form = PuzzleForm::Balkjes;
        StartWith(window, {"...", "...", "..."});
        const QPoint onEdge = window.CellCentre(0, 1) + QPoint(0, window.View().CellPixels() / 2);
        QTest::mouseClick(window.Viewport(), Qt::LeftButton, Qt::NoModifier, onEdge);
        QVERIFY(window.doc.puzzle().HasBar(0, 1, 0, 1));
        window.Click(0, 1);  // its middle is the cell's
        QCOMPARE(GridRows(window.doc), (Rows{"...", "#..", "..."}));
    }

    void theMouseCarriesTheShapingMark() {
        TestWindow window;
        StartWith(window, {"..#.", "...."});
        QTest::mouseMove(window.Viewport(), window.CellCentre(1, 0));
        window.Settle();
        window.Type("ab");
        QCOMPARE(GridRows(window.doc), (Rows{".A#B", "...."}));
    }

    void buttonsSelectWordsWhileFilling() {
        TestWindow window;
        StartWith(window, {"y..", ".#.", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Click(2, 0);
        window.Click(2, 0);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 2, 0, false));
        window.Click(0, 0, Qt::RightButton);
        QCOMPARE(window.doc.puzzle().GetCell(0, 0), Cell('Y'));
        window.Click(1, 1);
        QCOMPARE(window.doc.curWord, -1);
        QCOMPARE(window.frame->MessagePaneText(), QStringLiteral("Geen woord geselecteerd"));
    }

    void keysFillTheCurrentWord() {
        TestWindow window;
        StartWith(window, {"...", "...", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Type("ey");
        QCOMPARE(window.doc.puzzle().GetCell(1, 0), CELL_IJ);
        window.Key(Qt::Key_Backspace);
        window.Key(Qt::Key_Down);
        window.Type("b");
        QCOMPARE(GridRows(window.doc), (Rows{"E..", ".B.", "..."}));
        QCOMPARE(window.doc.direction, Direction::Down);
        window.Key(Qt::Key_Delete);
        QCOMPARE(window.doc.puzzle().GetCell(1, 1), CELL_VRIJ);
    }

    void theZweedsLayoutAsksWhereThePictureGoes() {
        TestWindow window;
        StartWith(window, {".......", ".......", ".......", ".......", "......."});
        const std::string before = window.doc.puzzle().GridToString();
        WhenModalOpens<ZweedsPictureDlg>([](ZweedsPictureDlg& dialog) { dialog.reject(); });
        QVERIFY(window.Run(ID_ZWEEDS_LAYOUT));
        QCOMPARE(window.doc.puzzle().GridToString(), before);
        WhenModalOpens<ZweedsPictureDlg>([](ZweedsPictureDlg& dialog) {
            Child<QSpinBox>(dialog, "width")->setValue(2);
            Child<QSpinBox>(dialog, "height")->setValue(2);
            Child<QSpinBox>(dialog, "column")->setValue(3);  // the row at the bottom
            dialog.accept();
        });
        QVERIFY(window.Run(ID_ZWEEDS_LAYOUT));
        QCOMPARE(window.doc.puzzle().GetCell(2, 3), CELL_NIET);
        QCOMPARE(window.doc.puzzle().GetCell(3, 4), CELL_NIET);
        QCOMPARE(window.doc.puzzle().GetCell(4, 3), CELL_ZWART);  // before the words right of it
        QVERIFY(window.doc.puzzle().UnpointedWords().empty());
    }

    void aZweedsGridGetsArrowsASleutelwoordAndClues() {
        TestWindow window;
        StartWith(window, {".....", ".....", ".....", ".....", "....."});
        WhenModalOpens<ZweedsPictureDlg>([](ZweedsPictureDlg& dialog) { dialog.accept(); });
        QVERIFY(window.Run(ID_ZWEEDS_LAYOUT));
        QCOMPARE(window.doc.puzzle().form, PuzzleForm::Zweeds);
        QTest::mouseMove(window.Viewport(), window.CellCentre(0, 1));
        window.Settle();
        WhenModalOpens<ClueArrowsDlg>([](ClueArrowsDlg& dialog) {
            Child<QComboBox>(dialog, "first")->setCurrentIndex(1);
            Child<QComboBox>(dialog, "second")->setCurrentIndex(0);
            dialog.accept();
        });
        QVERIFY(window.Run(ID_CLUE_ARROWS));
        QCOMPARE(window.doc.puzzle().ClueArrow(0, 1, 0), Arrow::Right);
        QCOMPARE(window.doc.puzzle().ClueArrow(0, 1, 1), Arrow::None);
        QTest::mouseMove(window.Viewport(), window.CellCentre(2, 1));
        window.Settle();
        QVERIFY(window.Run(ID_KEY_CELL));
        QCOMPARE(window.doc.puzzle().KeyNumber(2, 1), 1);

        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Click(0, 1);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 1, 1, true));
        WhenModalOpens<WordDataDlg>([](WordDataDlg& dialog) {
            Child<QPlainTextEdit>(dialog, "clue")->setPlainText(QStringLiteral("Vogel"));
            dialog.accept();
        });
        QVERIFY(window.Run(ID_EDIT_WORD));
        QCOMPARE(QString::fromLatin1(window.doc.puzzle().words[window.doc.curWord].clue),
                 QStringLiteral("Vogel"));
    }

    void aDoubleClickOnAZweedsClueCellEditsItsClueInPlace() {
        TestWindow window;
        Arrange(window.doc)->form = PuzzleForm::Zweeds;
        StartWith(window, {"#..", "...", "..."});
        Arrange(window.doc)->SetClueArrow(0, 0, 0, Arrow::Right);
        Arrange(window.doc)->SetClueArrow(0, 0, 1, Arrow::Down);
        Arrange(window.doc)->BuildWords();
        QVERIFY(window.Run(ID_PHASE_FILL));
        const int across = window.doc.puzzle().PointedWord(0, 0, 0);
        const int down = window.doc.puzzle().PointedWord(0, 0, 1);
        // As a mouse sends it: a click, the double click and its release.
        const auto typeClue = [&](const char* text, Qt::Key key) {
            const QPoint centre = window.CellCentre(0, 0);
            QTest::mouseClick(window.Viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(window.Viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseRelease(window.Viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            auto* editor =
                window.Viewport()->findChild<QLineEdit*>(QStringLiteral("clueCellEditor"));
            QVERIFY(editor != nullptr && editor->hasFocus());
            QCOMPARE(editor->text(), QStringLiteral(" (2)"));
            editor->setText(QString::fromLatin1(text));
            QTest::keyClick(editor, key);
            window.Settle();
        };
        window.doc.curWord = -1;
        typeClue("Caf\xe9 (2)", Qt::Key_Return);  // the first click chose the first clue
        QCOMPARE(window.doc.curWord, across);
        QCOMPARE(window.doc.puzzle().words[across].clue, std::string("Caf\xe9"));
        QVERIFY(window.View().hasFocus());
        typeClue("Weg", Qt::Key_Escape);  // now the second
        QCOMPARE(window.doc.curWord, down);
        QCOMPARE(window.doc.puzzle().words[down].clue, std::string());
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
