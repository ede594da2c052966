// The drawing routine as the PNG export, the clipboard and the screen see it.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>

#include "editing/command_ids.h"
#include "gui_test_support.h"
#include "model/rtr_file.h"
#include "render/form_painter.h"
#include "render/grid_painter.h"
#include "render/hyphenation.h"
#include "render/pdf_sheet.h"
#include "render/png_export.h"
#include "util/file_io.h"

namespace {

QColor PixelOf(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

void UseDistinctColours(Rooster2Doc& doc) {
    Arrange(doc)->appearance.colours.zwart = Rgb(20, 40, 160);
    Arrange(doc)->appearance.colours.woord = Rgb(200, 200, 0);
    Arrange(doc)->appearance.colours.woordPos = Rgb(0, 200, 0);
    Arrange(doc)->appearance.colours.niet = Rgb(250, 0, 250);
    Arrange(doc)->appearance.colours.vrij = Rgb(255, 255, 255);
    Arrange(doc)->appearance.colours.achtergrond = Rgb(10, 120, 120);
}

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void pngOfFifteenByFifteenAtThirtyIs451Square() {
        TestWindow window;
        QCOMPARE(window.View().CellPixels(), 30);
        const std::string path = window.dir.Path("grid.png");
        QVERIFY(WritePng(path, window.View().RenderGridToImage()));
        QImage written(QString::fromStdString(path));
        QCOMPARE(written.size(), QSize(451, 451));
        Arrange(window.doc)->appearance.lineWidth = 1;
        QVERIFY(WritePng(path, window.View().RenderGridToImage()));
        QCOMPARE(QImage(QString::fromStdString(path)).size(), QSize(452, 452));
    }

    void failedPngWriteLeavesExistingFileAndNoTemporaries() {
        TestWindow window;
        const std::string path = window.dir.Path("keep.png");
        WriteFileOrFail(path, "old");
        SimulateWriteFailureAfter(10);
        const bool written = WritePng(path, window.View().RenderGridToImage());
        SimulateWriteFailureAfter(-1);
        QVERIFY(!written);
        QCOMPARE(ReadFileOrEmpty(path), std::string("old"));
        QStringList files =
            QDir(QString::fromStdString(window.dir.Path(""))).entryList(QDir::Files);
        files.removeAll(QStringLiteral("profile.ini"));
        QCOMPARE(files, QStringList{QStringLiteral("keep.png")});
    }

    void blackNeighboursJoinWithoutGridLine() {
        TestWindow window;
        UseDistinctColours(window.doc);
        SetGrid(window.doc, {"##..", "##..", "....", "...."});
        const QImage image = window.View().RenderGridToImage();
        const QColor zwart = ToQColor(window.doc.puzzle().appearance.colours.zwart);
        QCOMPARE(PixelOf(image, 30, 15), zwart);            // between (0,0) and (1,0)
        QCOMPARE(PixelOf(image, 15, 30), zwart);            // between (0,0) and (0,1)
        QCOMPARE(PixelOf(image, 30, 30), zwart);            // the corner of the 2 x 2 block
        QCOMPARE(PixelOf(image, 60, 15), QColor(0, 0, 0));  // black next to free keeps its line
        QCOMPARE(PixelOf(image, 0, 15), QColor(0, 0, 0));   // outer frame
    }

    void barsAreThreeLinesThickAndClueTextsAreHyphenatedToFit() {
        TestWindow window;
        SetGrid(window.doc, {"...", "..."});
        Arrange(window.doc)->form = PuzzleForm::Balkjes;
        Arrange(window.doc)->SetBar(0, 0, 1, 0, true);
        const QImage image = window.View().RenderGridToImage();
        QCOMPARE(PixelOf(image, 29, 15), QColor(0, 0, 0));  // the bar right of (0, 0)
        QCOMPARE(PixelOf(image, 31, 15), QColor(0, 0, 0));
        QVERIFY(PixelOf(image, 61, 15) != QColor(0, 0, 0));  // a plain line beside (1, 0)

        const std::vector<int> breaks = DutchBreakPoints("woordenboek");
        QVERIFY(std::find(breaks.begin(), breaks.end(), 7) != breaks.end());  // woorden-boek
        const FittedText fitted =
            FitText(LetterFont(window.doc.puzzle(), 4), "Woordenboekenschrijver", 30, 30);
        QVERIFY(fitted.lines.size() >= 2);
        for (int i = 0; i + 1 < fitted.lines.size(); ++i)
            QVERIFY(fitted.lines[i].endsWith(QLatin1Char('-')));
    }

    void currentWordAndCursorCellInTheirColours() {
        TestWindow window;
        UseDistinctColours(window.doc);
        SetGrid(window.doc, {"....", "....", "....", "...."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Key(Qt::Key_Right);
        const QImage screen = window.Viewport()->grab().toImage();
        const QPoint cursor = window.CellCentre(1, 0);
        const QPoint inWord = window.CellCentre(3, 0);
        const QPoint outside = window.CellCentre(1, 2);
        QCOMPARE(PixelOf(screen, cursor.x(), cursor.y()),
                 ToQColor(window.doc.puzzle().appearance.colours.woordPos));
        QCOMPARE(PixelOf(screen, inWord.x(), inWord.y()),
                 ToQColor(window.doc.puzzle().appearance.colours.woord));
        QCOMPARE(PixelOf(screen, outside.x(), outside.y()),
                 ToQColor(window.doc.puzzle().appearance.colours.vrij));
        // The image shows no cursor and no current word.
        const QImage image = window.View().RenderGridToImage();
        QCOMPARE(PixelOf(image, 45, 15), ToQColor(window.doc.puzzle().appearance.colours.vrij));
    }

    void printingShowsNoEditingHighlights() {
        TestWindow window;
        UseDistinctColours(window.doc);
        SetGrid(window.doc, {"....", "....", "...."});
        window.Controller().OnInitialUpdate();
        QVERIFY(window.Run(ID_PHASE_FILL));
        window.Key(Qt::Key_Right);
        QImage page(700, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            window.View().PrintPage(painter, page.size(), page.logicalDpiY());
        }
        const QColor word = ToQColor(window.doc.puzzle().appearance.colours.woord);
        const QColor cursor = ToQColor(window.doc.puzzle().appearance.colours.woordPos);
        int free = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = PixelOf(page, x, y);
                QVERIFY(pixel != word && pixel != cursor);
                if (pixel == ToQColor(window.doc.puzzle().appearance.colours.vrij)) ++free;
            }
        }
        QVERIFY(free > 0);
    }

    // On paper black cells are black (or grey, on request) whatever the screen shows; the
    // title is the puzzle's.
    void theSheetPrintsInPaperColours() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) ontbreekt");
        Rooster2Doc doc;
        UseDistinctColours(doc);
        SetGrid(doc, {"AB#", "C.D", "#EF"});
        QCOMPARE(SheetTitle(doc.puzzle(), "/map/Zomer 3.rtr"), std::string("Zomer 3"));
        TempDir dir;
        int black[2] = {0, 0}, midGrey[2] = {0, 0};  // per option, over both pages
        for (const bool grey : {false, true}) {
            const QString pdf = QString::fromStdString(dir.Path("blad.pdf"));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(pdf);  // a PDF printer
            QVERIFY(PaintSheet(printer, doc.puzzle(), PdfSheetOptions{true, false, "Titel", grey}));
            QCOMPARE(QProcess::execute(
                         QStringLiteral("pdftoppm"),
                         {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf,
                          QString::fromStdString(dir.Path("blad"))}),
                     0);
            for (const char* page : {"blad-1.png", "blad-2.png"}) {
                const QImage image(QString::fromStdString(dir.Path(page)));
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor pixel = image.pixelColor(x, y);
                        QVERIFY(pixel.blue() <= pixel.red() + 40);  // no screen blue
                        black[grey] += pixel.value() < 40 ? 1 : 0;
                        midGrey[grey] += pixel.value() > 110 && pixel.value() < 150 ? 1 : 0;
                    }
                }
            }
        }
        // Two blocks on each of two pages turn from black to grey.
        QVERIFY(black[false] > black[true] + 100);
        QVERIFY(midGrey[true] > midGrey[false] + 100);
    }

    void pngExportWritesWhatTheCommandLineWrites() {
        TestWindow window;
        SetGrid(window.doc, {"AB#", "C.y", "-DE"});
        window.Controller().GridReplaced();
        QCOMPARE(window.View().CellPixels(), window.doc.puzzle().appearance.cellSize);
        UserMessage message;
        QVERIFY(SaveRtrFile(window.doc, window.dir.Path("p.rtr"), message));
        ScriptedChooser& chooser = window.chooser;
        chooser.Queue(window.dir.Path("desktop.png"));
        QVERIFY(window.Run(ID_EXPORT_PNG));
        const CliRun run =
            RunCli({"export", "png", window.dir.Path("p.rtr"), window.dir.Path("cli.png")});
        QCOMPARE(run.exitCode, 0);
        const std::string desktop = ReadFileOrEmpty(window.dir.Path("desktop.png"));
        QVERIFY(!desktop.empty());
        QVERIFY(desktop == ReadFileOrEmpty(window.dir.Path("cli.png")));
    }

    void zoomStopsAtItsLimits() {
        TestWindow window;
        Arrange(window.doc)->appearance.cellSize = 200;
        QVERIFY(window.Run(ID_ZOOM_IN));
        QCOMPARE(window.doc.puzzle().appearance.cellSize, 200);
        Arrange(window.doc)->appearance.cellSize = 5;
        QVERIFY(window.Run(ID_ZOOM_OUT));
        QCOMPARE(window.doc.puzzle().appearance.cellSize, 5);
        Arrange(window.doc)->appearance.cellSize = 20;
        QVERIFY(window.Run(ID_ZOOM_IN));
        QCOMPARE(window.doc.puzzle().appearance.cellSize, 21);
        QVERIFY(!window.doc.IsModified());
    }

    void pageDownScrollsOneCellWithScrollBars() {
        TestWindow window;
        window.frame->resize(300, 300);
        window.Settle();
        QVERIFY(!window.Enabled(ID_SCROLL_DOWN));
        QVERIFY(window.Run(ID_VIEW_SCROLLBARS));
        QVERIFY(window.Checked(ID_VIEW_SCROLLBARS));
        QCOMPARE(window.View().CellPixels(), 30);
        QVERIFY(window.Run(ID_SCROLL_DOWN));
        QCOMPARE(window.View().verticalScrollBar()->value(), 30);
        QVERIFY(window.Run(ID_SCROLL_UP));
        QVERIFY(window.Run(ID_SCROLL_UP));
        QCOMPARE(window.View().verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"
