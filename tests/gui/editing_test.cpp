// Shaping and filling through simulated mouse and key events.
#include <QKeyEvent>
#include <QTest>

#include "gui_test_support.h"
#include "model/command_ids.h"

namespace {

// The word containing (x, y) in the given direction.
int WordAt(const CRooster2Doc& doc, int x, int y, bool across) {
    int count = 0;
    int acrossWord = -1;
    int downWord = -1;
    doc.puzzle.FindWordsAt(x, y, count, acrossWord, downWord);
    return across ? acrossWord : downWord;
}

void StartWith(TestWindow& window, std::initializer_list<std::string> rows, int symmetry = 0) {
    SetGrid(window.doc, rows);
    window.doc.puzzle.symmetry = symmetry;
    window.View().OnInitialUpdate();
    window.Settle();
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void keypadCommandsRunAlsoWhenNoShortcutCaughtThem() {
        TestWindow window;
        const int size = window.doc.puzzle.appearance.cellSize;
        // Sent straight to the view, as on X11 where keypad shortcuts do not match.
        QKeyEvent zoom(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier,
                       QStringLiteral("+"));
        QCoreApplication::sendEvent(&window.View(), &zoom);
        QCOMPARE(window.doc.puzzle.appearance.cellSize, size + 1);
        QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
        QCoreApplication::sendEvent(&window.View(), &plus);
        QCOMPARE(window.doc.puzzle.appearance.cellSize, size + 1);  // the main keyboard's + is no command
    }

    void clickMakesBlackAndItsHalfTurnImage() {
        TestWindow window;
        StartWith(window, {".....", ".....", ".....", ".....", "....."}, 4);
        window.Click(0, 1);
        QCOMPARE(GridRows(window.doc), std::string("...../#..../...../....#/...../"));
        QVERIFY(window.doc.IsModified());
        QVERIFY(window.frame->windowTitle().endsWith(QLatin1Char('*')));
    }

    void dragFillsTheRectangle() {
        TestWindow window;
        StartWith(window, {"....", "....", "....", "...."});
        window.Drag(2, 2, 1, 1);
        QCOMPARE(GridRows(window.doc), std::string("..../.##./.##./..../"));
    }

    void ctrlClickAndRightClickMakeNotCells() {
        TestWindow window;
        StartWith(window, {"....", "....", "...."});
        window.Click(0, 0, Qt::LeftButton, Qt::ControlModifier);
        window.Click(3, 2, Qt::RightButton);
        QCOMPARE(GridRows(window.doc), std::string("-.../..../...-/"));
        window.Click(0, 0, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), CELL_VRIJ);
    }

    void shapeUndoAndRedo() {
        TestWindow window;
        StartWith(window, {"....", "....", "...."});
        QVERIFY(!window.Enabled(ID_UNDO));
        window.Click(0, 0);
        window.Click(1, 1);
        window.Click(2, 2);
        QVERIFY(window.Run(ID_UNDO));
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(GridRows(window.doc), std::string("#.../..../..../"));
        QVERIFY(window.Run(ID_REDO));
        QCOMPARE(GridRows(window.doc), std::string("#.../.#../..../"));
        window.Click(3, 0);
        QVERIFY(!window.Enabled(ID_REDO));
    }

    void typingFillsTheCurrentWordWithIJ() {
        TestWindow window;
        StartWith(window, {"...", "...", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        const int across = WordAt(window.doc, 0, 0, true);
        QCOMPARE(window.doc.curWord, across);
        window.Type("ey");
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), Cell('E'));
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), CELL_IJ);
        QCOMPARE(window.doc.curPos, 2);
        window.Key(Qt::Key_Backspace);
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), CELL_VRIJ);
        QCOMPARE(window.doc.curPos, 1);
        window.Type("Y");
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), Cell('Y'));
        window.Key(Qt::Key_Delete);
        QCOMPARE(window.doc.puzzle.GetWordValue(across), std::string("   "));
    }

    void fillUndoRestoresLetters() {
        TestWindow window;
        StartWith(window, {"...", "...", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Type("ab");
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), CELL_VRIJ);
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), Cell('A'));
        QVERIFY(window.Run(ID_REDO));
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), Cell('B'));
        // Back to shaping and again to filling starts a new fill history.
        QVERIFY(window.Run(ID_PHASE_SHAPE));
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(!window.Enabled(ID_UNDO));
    }

    void arrowAcrossTheWordEntersTheCrossingWord() {
        TestWindow window;
        StartWith(window, {"...", "...", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Key(Qt::Key_Down);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 0, 0, false));
        QCOMPARE(window.doc.curPos, 1);
        QCOMPARE(window.doc.direction, DIR_DOWN);
        window.Key(Qt::Key_Right);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 0, 1, true));
        QCOMPARE(window.doc.curPos, 1);
        QCOMPARE(window.doc.direction, DIR_ACROSS);
        QTest::keyPress(&window.View(), Qt::Key_Control);
        window.Key(Qt::Key_End, Qt::ControlModifier);
        QTest::keyRelease(&window.View(), Qt::Key_Control);
        QCOMPARE(window.doc.curWord, static_cast<int>(window.doc.puzzle.words.size()) - 1);
    }

    void autoNextWordJumpsAfterTheLastLetter() {
        TestWindow window;
        StartWith(window, {"...", "...", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        QVERIFY(window.Run(ID_AUTO_NEXT_WORD));
        QVERIFY(window.Checked(ID_AUTO_NEXT_WORD));
        window.Type("abc");
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 0, 1, true));
        QCOMPARE(window.doc.curPos, 0);
        QVERIFY(window.Run(ID_AUTO_NEXT_WORD));
        window.Type("def");
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 0, 1, true));
        QCOMPARE(window.doc.curPos, 2);
    }

    void clickInFillingSelectsAndSwitchesAtACrossing() {
        TestWindow window;
        StartWith(window, {"...", ".#.", "..."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Click(2, 0);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 2, 0, true));
        window.Click(2, 0);
        QCOMPARE(window.doc.curWord, WordAt(window.doc, 2, 0, false));
        window.Click(1, 1);
        QCOMPARE(window.doc.curWord, -1);
        QCOMPARE(window.frame->MessagePaneText(), QStringLiteral("Geen woord geselecteerd"));
    }

    void rightClickTogglesIJAndY() {
        TestWindow window;
        StartWith(window, {"y.."});
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Click(0, 0, Qt::RightButton);
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), Cell('Y'));
        QVERIFY(window.doc.ijToggled);
    }

    void shapingCursorTypesAndMoves() {
        TestWindow window;
        StartWith(window, {"..#.", "...."});
        QTest::mouseMove(window.Viewport(), window.CellCentre(0, 0));
        window.Settle();
        window.Type("ab");
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), Cell('A'));
        QCOMPARE(window.doc.puzzle.GetCell(1, 0), Cell('B'));
        window.Type("c");  // the mark skipped the black cell
        QCOMPARE(window.doc.puzzle.GetCell(3, 0), Cell('C'));
        QCOMPARE(window.doc.puzzle.GetCell(2, 0), CELL_ZWART);
    }

    void transformsMirrorAndShift() {
        TestWindow window;
        StartWith(window, {"#...", "....", "...."});
        QVERIFY(window.Run(ID_MIRROR_COLUMNS));
        QCOMPARE(GridRows(window.doc), std::string("...#/..../..../"));
        QVERIFY(window.Run(ID_SHIFT_DOWN));
        QCOMPARE(GridRows(window.doc), std::string("..../...#/..../"));
        QVERIFY(!window.Enabled(ID_ROTATE_CLOCKWISE));
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(GridRows(window.doc), std::string("...#/..../..../"));
    }

    void escapeWhileShowingSolutionsIsNoTyping() {
        TestWindow window;
        StartWith(window, {"..."});
        window.View().SetPhase(PHASE_TONEN);
        window.Type("a");
        QCOMPARE(window.doc.puzzle.GetCell(0, 0), CELL_VRIJ);
        window.Key(Qt::Key_Escape);
        QCOMPARE(window.doc.phase, PHASE_TONEN);  // "&Klaar" has no solutions to finish
        window.View().SetPhase(PHASE_VORMEN);
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
