#include "render/pdf_sheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "model/clue_text.h"
#include "model/puzzle.h"
#include "render/grid_painter.h"
#include "render/latin1_text.h"
#include "util/file_io.h"
#include "util/latin1.h"
#include "util/native_path.h"

namespace {

constexpr double PAGE_MARGIN_MM = 15;
// One grid line is one unit of the grid drawing: 0.25 mm (0.7 pt) prints crisp and visible.
constexpr double GRID_UNIT_MM = 0.25;
// The solution page's letters leave the top of the cell to the number.
constexpr double SOLUTION_LETTER_SHARE = 0.5;
constexpr int LARGEST_CELL_UNITS = 40;  // 10 mm
constexpr int SMALLEST_CELL_UNITS = 5;
// The grid's share of the first page (title included); the clues flow below it.
constexpr double SMALLEST_GRID_SHARE = 0.35;
constexpr double LARGEST_GRID_SHARE = 0.6;
constexpr double TITLE_POINTS = 16;
constexpr double HEADING_POINTS = 10.5;
constexpr double CLUE_POINTS = 9;
constexpr double GAP_MM = 6;
constexpr double KEY_BOX_MM = 10;
constexpr double COLUMN_GAP_MM = 5;
// Few clues read better in two wide columns, many in three.
constexpr std::size_t CLUES_FOR_THREE_COLUMNS = 24;

QFont SheetFont(const Puzzle& puzzle, double points, bool bold) {
    QFont font(Latin1(puzzle.appearance.letterFontName));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The puzzle in the colours of paper: screen colours (a blue or grey black) do not print.
Puzzle OnPaper(const Puzzle& puzzle, bool greyBlocks) {
    Puzzle paper = puzzle;
    paper.appearance.colours.zwart = greyBlocks ? Rgb(128, 128, 128) : Rgb(0, 0, 0);
    paper.appearance.colours.vrij = Rgb(255, 255, 255);
    paper.appearance.colours.letter = Rgb(0, 0, 0);
    return paper;
}

// The puzzle with every letter taken out: the grid as the solver gets it.
Puzzle WithoutLetters(const Puzzle& puzzle) {
    Puzzle empty = puzzle;
    for (int i = 0; i < empty.CellCount(); ++i) {
        if (IsLetterCell(empty.cells[i])) empty.cells[i] = CELL_VRIJ;
    }
    return empty;
}

class SheetWriter {
public:
    SheetWriter(QPagedPaintDevice& device, QPainter& painter, const Puzzle& puzzle,
                const PdfSheetOptions& options)
        : m_device(device),
          m_puzzle(puzzle),
          m_painter(painter),
          m_title(options.title),
          m_greyBlocks(options.greyBlocks),
          m_page(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiY()).size()) {}

    void PuzzlePage() {
        const double top = Title(m_title);
        if (m_puzzle.form == PuzzleForm::Zweeds) {
            // The clues stand in the grid: it takes the page, the solution word below it.
            const QRectF grid = Grid(
                WithoutLetters(m_puzzle),
                QRectF(m_page.left(), top, m_page.width(), m_page.bottom() - top - KeyRowHeight()),
                GridPaintParams());
            KeyBoxes(grid.bottom(), false, false);
            return;
        }
        const ClueColumns columns = ColumnsFor(m_puzzle.words.size());
        const std::vector<Paragraph> clues = ClueParagraphs(columns.width);
        // The grid leaves the clues room to fit on this page where they can, but keeps at
        // least a share of the page that a solver can write in.
        const double cluesHeight = TextHeight(clues) / columns.count + 2 * LineHeight(clues);
        const double gridBottom =
            std::clamp(m_page.bottom() - Mm(GAP_MM) - cluesHeight,
                       m_page.height() * SMALLEST_GRID_SHARE, m_page.height() * LARGEST_GRID_SHARE);
        const QRectF grid =
            Grid(WithoutLetters(m_puzzle),
                 QRectF(m_page.left(), top, m_page.width(), gridBottom - top), GridPaintParams());
        FlowClues(clues, columns, KeyBoxes(grid.bottom(), false, false) + Mm(GAP_MM));
    }

    void SolutionPage(bool smallLetters) {
        m_device.newPage();
        const double top = Title(m_title.empty() ? "Oplossing" : m_title + " (oplossing)");
        GridPaintParams params;
        params.smallLetters = smallLetters;
        params.letterShare = SOLUTION_LETTER_SHARE;
        const QRectF grid =
            Grid(m_puzzle,
                 QRectF(m_page.left(), top, m_page.width(), m_page.bottom() - top - KeyRowHeight()),
                 params);
        KeyBoxes(grid.bottom(), true, smallLetters);
    }

private:
    double Mm(double mm) const { return mm * m_device.logicalDpiY() / 25.4; }

    // Draws the title at the top of the page; returns where the content below starts.
    double Title(const std::string& title) {
        if (title.empty()) return m_page.top();
        QString text = Latin1(title);
        text.remove(QLatin1Char('\r'));
        m_painter.setFont(SheetFont(m_puzzle, TITLE_POINTS, true));
        m_painter.setPen(Qt::black);
        const QRectF used = m_painter.boundingRect(m_page, Qt::AlignLeft | Qt::TextWordWrap, text);
        m_painter.drawText(m_page, Qt::AlignLeft | Qt::TextWordWrap, text);
        return used.bottom() + Mm(GAP_MM);
    }

    // Draws the grid as large as fits the area (cells of at most 10 mm), centred
    // across; returns the rectangle it took. Of params only the letters' look counts.
    QRectF Grid(const Puzzle& puzzle, const QRectF& area, GridPaintParams params) {
        const double unit = Mm(GRID_UNIT_MM);
        const int frame = 1 + puzzle.appearance.lineWidth;
        const double fit = std::min((area.width() / unit - frame) / puzzle.width,
                                    (area.height() / unit - frame) / puzzle.height);
        const int cell = std::clamp(static_cast<int>(fit), SMALLEST_CELL_UNITS, LARGEST_CELL_UNITS);
        const QSize units(puzzle.width * cell + frame, puzzle.height * cell + frame);
        const QRectF taken(area.left() + (area.width() - units.width() * unit) / 2, area.top(),
                           units.width() * unit, units.height() * unit);
        params.phase = Phase::Bitmap;
        params.cellPixels = cell;
        params.printing = true;
        params.client = QRect(QPoint(0, 0), units);
        m_painter.save();
        m_painter.translate(taken.topLeft());
        m_painter.scale(unit, unit);
        PaintGrid(m_painter, OnPaper(puzzle, m_greyBlocks), params);
        m_painter.restore();
        return taken;
    }

    double KeyBoxSize() const {
        const int length = m_puzzle.KeyLength();
        return length == 0 ? 0 : std::min(Mm(KEY_BOX_MM), m_page.width() / length);
    }

    double KeyRowHeight() const {
        return m_puzzle.KeyLength() == 0 ? 0 : Mm(GAP_MM) + KeyBoxSize();
    }

    // The sleutelwoord's boxes 1..N in a row under the grid (which ends at gridBottom),
    // numbered, with the letters when filled; returns where the row ends (gridBottom when
    // the puzzle has no sleutelwoord).
    double KeyBoxes(double gridBottom, bool filled, bool smallLetters) {
        const int length = m_puzzle.KeyLength();
        if (length == 0) return gridBottom;
        const double size = KeyBoxSize();
        const double top = gridBottom + Mm(GAP_MM);
        const double left = m_page.left() + (m_page.width() - size * length) / 2;
        const std::string letters = m_puzzle.KeyWord();
        m_painter.save();
        m_painter.setPen(QPen(Qt::black, Mm(GRID_UNIT_MM)));
        const QFont numberFont = SheetFont(m_puzzle, CLUE_POINTS * 0.7, false);
        const QFont letterFont = SheetFont(m_puzzle, CLUE_POINTS * 1.6, false);
        for (int i = 0; i < length; ++i) {
            const QRectF box(left + i * size, top, size, size);
            m_painter.setBrush(QColor(215, 215, 215));
            m_painter.drawRect(box);
            m_painter.setFont(numberFont);
            m_painter.drawText(box.adjusted(Mm(0.7), Mm(0.3), 0, 0), Qt::AlignLeft | Qt::AlignTop,
                               QString::number(i + 1));
            if (!filled) continue;
            const std::string letter = letters[static_cast<std::size_t>(i)] == CELL_IJ
                                           ? "IJ"
                                           : letters.substr(static_cast<std::size_t>(i), 1);
            m_painter.setFont(letterFont);
            m_painter.drawText(box, Qt::AlignCenter,
                               Latin1(smallLetters ? Latin1ToLower(letter) : letter));
        }
        m_painter.restore();
        return top + size;
    }

    struct Paragraph {
        std::unique_ptr<QTextLayout> layout;
        bool heading = false;
    };

    // Breaks the text into lines of the column width; lines after the first are
    // indented past the clue number.
    Paragraph Layout(const std::string& text, bool heading, double width) {
        const QFont font = SheetFont(m_puzzle, heading ? HEADING_POINTS : CLUE_POINTS, heading);
        const double indent =
            QFontMetricsF(font, &m_device).horizontalAdvance(QStringLiteral("00. "));
        Paragraph paragraph{std::make_unique<QTextLayout>(Latin1(text), font, &m_device), heading};
        QTextLayout& layout = *paragraph.layout;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            const bool first = line.lineNumber() == 0;
            line.setLineWidth(first ? width : width - indent);
            line.setPosition(QPointF(first ? 0 : indent, 0));
        }
        layout.endLayout();
        return paragraph;
    }

    std::vector<Paragraph> ClueParagraphs(double width) {
        std::vector<Paragraph> paragraphs;
        const bool bothLists = !m_puzzle.numbering.acrossOnly;
        for (const bool across : {true, false}) {
            if (!across && !bothLists) break;
            paragraphs.push_back(Layout(across ? "Horizontaal" : "Verticaal", true, width));
            for (const WordInfo& word : m_puzzle.words) {
                if ((word.dx != 0) == across)
                    paragraphs.push_back(Layout(FormatNumberedClue(word), false, width));
            }
        }
        return paragraphs;
    }

    struct ClueColumns {
        int count = 2;
        double width = 0;
        double gap = 0;
    };

    ClueColumns ColumnsFor(std::size_t clueCount) const {
        ClueColumns columns;
        columns.count = clueCount > CLUES_FOR_THREE_COLUMNS ? 3 : 2;
        columns.gap = Mm(COLUMN_GAP_MM);
        columns.width = (m_page.width() - (columns.count - 1) * columns.gap) / columns.count;
        return columns;
    }

    static double LineHeight(const std::vector<Paragraph>& paragraphs) {
        return paragraphs.empty() ? 0 : paragraphs.back().layout->lineAt(0).height();
    }

    // The room a heading takes before it when it does not start a column.
    static double SpaceBefore(const Paragraph& paragraph) {
        return paragraph.heading ? paragraph.layout->lineAt(0).height() : 0;
    }

    // The height of all paragraphs set one below the other.
    static double TextHeight(const std::vector<Paragraph>& paragraphs) {
        double height = 0;
        for (const Paragraph& paragraph : paragraphs) {
            height += SpaceBefore(paragraph);
            for (int i = 0; i < paragraph.layout->lineCount(); ++i)
                height += paragraph.layout->lineAt(i).height();
        }
        return height;
    }

    // Sets the clue lists in columns from `top` down, continuing on new pages.
    void FlowClues(const std::vector<Paragraph>& paragraphs, const ClueColumns& columns,
                   double top) {
        int column = 0;
        double y = top;
        auto nextColumn = [&] {
            if (++column == columns.count) {
                m_device.newPage();
                column = 0;
                top = m_page.top();
            }
            y = top;
        };
        for (std::size_t p = 0; p < paragraphs.size(); ++p) {
            const Paragraph& paragraph = paragraphs[p];
            QTextLayout& layout = *paragraph.layout;
            // A heading stands above at least one line of its list.
            if (paragraph.heading) {
                if (y > top) y += SpaceBefore(paragraph);
                const double next =
                    p + 1 < paragraphs.size() ? paragraphs[p + 1].layout->lineAt(0).height() : 0;
                if (y + layout.lineAt(0).height() + next > m_page.bottom()) nextColumn();
            }
            for (int i = 0; i < layout.lineCount(); ++i) {
                const QTextLine line = layout.lineAt(i);
                if (y + line.height() > m_page.bottom()) nextColumn();
                m_painter.setFont(layout.font());
                line.draw(&m_painter,
                          QPointF(m_page.left() + column * (columns.width + columns.gap), y));
                y += line.height();
            }
        }
    }

    QPagedPaintDevice& m_device;
    const Puzzle& m_puzzle;
    QPainter& m_painter;
    std::string m_title;
    bool m_greyBlocks;
    QRectF m_page;
};

}  // namespace

std::string SheetTitle(const Puzzle& puzzle, const std::string& puzzlePath) {
    if (!puzzle.html.title.empty()) return puzzle.html.title;
    // File names come as UTF-8 where the system gives them so; the title is model text.
    const std::string name = PathText(NativePath(puzzlePath).stem());
    return LooksLikeUtf8(name) ? Utf8ToLatin1Readable(name) : name;
}

bool PaintSheet(QPagedPaintDevice& device, const Puzzle& puzzle, const PdfSheetOptions& options) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    SheetWriter sheet(device, painter, puzzle, options);
    sheet.PuzzlePage();
    if (options.solution) sheet.SolutionPage(options.smallLetters);
    // The PDF engine writes the file when painting ends, and allocates to do so: ended
    // here, a lack of memory is an exception on the way out rather than one thrown from
    // the painter's destructor, which would end the program.
    return painter.end();
}

QByteArray WritePdfSheet(const Puzzle& puzzle, const PdfSheetOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(
            QMarginsF(PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM, PAGE_MARGIN_MM),
            QPageLayout::Millimeter);
        writer.setTitle(Latin1(options.title));
        writer.setCreator(QStringLiteral("Rooster2"));
        if (!PaintSheet(writer, puzzle, options)) return QByteArray();
    }
    return bytes;
}

bool ExportPdfSheet(const Puzzle& puzzle, const std::string& path, const PdfSheetOptions& options) {
    const QByteArray bytes = WritePdfSheet(puzzle, options);
    return !bytes.isEmpty() &&
           WriteFileAtomically(
               path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
