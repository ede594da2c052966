// Live fillability in the window: "Vulbaarheid tonen" with its legend, painting
// and profile entry, the status bar after an edit, and the "Kandidaten" pane.
#include <QComboBox>
#include <QTreeWidget>

#include "dialogs/candidate_pane.h"
#include "editing/command_ids.h"
#include "gui_test_support.h"

namespace {

// A 2 x 2 grid of free cells in the filling phase with a scored list of two-letter
// words: H1 and V1 can take AB or AC, V2 and H3 CD or BD.
void PrepareGrid(TestWindow& window) {
    WriteFileOrFail(window.dir.Path("w02.doc"), "AB;90\r\nCD;80\r\nAC;70\r\nBD;60\r\nXY;50\r\n");
    SetGrid(window.doc, {"..", ".."});
    Arrange(window.doc)->search.wordFile = window.dir.Path("w02.doc");
    window.Controller().GridReplaced();
    QVERIFY(window.Run(ID_PHASE_FILL));
}

}  // namespace

class FillabilityTest : public QObject {
    Q_OBJECT

private slots:
    void anEditThatKillsAWordIsNamedAndTheHeatMapShowsIt() {
        TestWindow window;
        PrepareGrid(window);
        QTRY_COMPARE(window.frame->FillabilityPaneText(), QStringLiteral("Vulbaar"));
        window.Click(1, 1);
        window.Type("X");
        QTRY_COMPARE(window.frame->FillabilityPaneText(), QStringLiteral("V2: geen woorden"));
        // A quarter into the dead cell (0, 1), away from its frame and letter.
        const QPoint inside = window.CellCentre(0, 1) - QPoint(window.View().CellPixels() / 4, 0);
        const QColor plain = window.Viewport()->grab().toImage().pixelColor(inside);
        QVERIFY(!window.Checked(ID_VIEW_FILLABILITY));
        QVERIFY(!window.frame->HeatLegendShown());
        QVERIFY(window.Run(ID_VIEW_FILLABILITY));
        QVERIFY(window.Checked(ID_VIEW_FILLABILITY));
        QVERIFY(window.frame->HeatLegendShown());
        const QColor shaded = window.Viewport()->grab().toImage().pixelColor(inside);
        QVERIFY2(shaded.red() > shaded.green() + 50 && shaded != plain, qPrintable(shaded.name()));
        QCOMPARE(window.profile.GetProfileInt("Beeld", "Vulbaarheid tonen", 0), 1);
    }

    void thePaneListsTheCandidatesAndPlacesOneAsOneUndoStep() {
        TestWindow window;
        PrepareGrid(window);
        QVERIFY(window.Run(ID_VIEW_CANDIDATES));
        QVERIFY(window.Checked(ID_VIEW_CANDIDATES));
        CandidatePane& pane = window.frame->Candidates();
        QTreeWidget* list = pane.List();
        QCOMPARE(window.doc.curWord, 0);
        QTRY_COMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("AB"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("90"));
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("AC"));
        const std::string before = window.doc.puzzle().GetWordValue(0);
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(window.doc.puzzle().GetWordValue(0), std::string("AC"));
        // The pane follows the cursor to H3, which AC leaves BD and CD.
        window.Click(1, 1);
        QTRY_COMPARE(list->topLevelItemCount(), 2);
        QTRY_COMPARE(list->topLevelItem(0)->text(0), QStringLiteral("CD"));
        QVERIFY(window.Run(ID_UNDO));
        QCOMPARE(window.doc.puzzle().GetWordValue(0), before);
    }
};

QTEST_MAIN(FillabilityTest)
#include "fillability_test.moc"
