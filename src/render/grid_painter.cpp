#include "render/grid_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <new>

#include "model/clue_text.h"
#include "model/part_boundaries.h"
#include "model/puzzle.h"
#include "render/form_painter.h"
#include "render/latin1_text.h"
#include "util/latin1.h"

namespace {

const QColor BLACK(0, 0, 0);
const QColor PURE_RED(255, 0, 0);
// Locked letters and their corner mark, and the frame of the selection.
const QColor LOCK_BLUE(0x1F, 0x3A, 0x93);
const QColor SELECTION_ORANGE(0xE0, 0x70, 0x00);

int ClueBand(const Puzzle& puzzle, int margin) {
    return margin != 0 ? puzzle.appearance.clueTextSize : 0;
}

// A GDI-style rectangle outline: right and bottom are exclusive.
void FrameRect(QPainter& p, int left, int top, int right, int bottom) {
    p.fillRect(left, top, right - left, 1, BLACK);
    p.fillRect(left, bottom - 1, right - left, 1, BLACK);
    p.fillRect(left, top, 1, bottom - top, BLACK);
    p.fillRect(right - 1, top, 1, bottom - top, BLACK);
}

// A one-pixel line from (x0, y0) up to but excluding (x1, y1); horizontal or vertical.
void Line(QPainter& p, int x0, int y0, int x1, int y1, const QColor& colour) {
    if (y0 == y1)
        p.fillRect(std::min(x0, x1), y0, std::abs(x1 - x0), 1, colour);
    else
        p.fillRect(x0, std::min(y0, y1), 1, std::abs(y1 - y0), colour);
}

bool IsBlack(const Puzzle& puzzle, int x, int y) { return puzzle.GetCell(x, y) == CELL_ZWART; }

void DrawBlackJoins(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top,
                    const QColor& colour) {
    if (!IsBlack(puzzle, x, y)) return;
    const bool wide = puzzle.appearance.lineWidth == 1;
    if (x > 0 && IsBlack(puzzle, x - 1, y)) {
        if (wide) {
            Line(p, left, top + 2, left, top + s, colour);
            Line(p, left + 1, top + 2, left + 1, top + s, colour);
        } else {
            Line(p, left, top + 1, left, top + s, colour);
        }
    }
    if (y > 0 && IsBlack(puzzle, x, y - 1)) {
        if (wide) {
            Line(p, left + 2, top, left + s, top, colour);
            Line(p, left + 2, top + 1, left + s, top + 1, colour);
        } else {
            Line(p, left + 1, top, left + s, top, colour);
        }
    }
    if (x > 0 && y > 0 && IsBlack(puzzle, x - 1, y - 1) && IsBlack(puzzle, x, y - 1) &&
        IsBlack(puzzle, x - 1, y)) {
        if (wide) {
            Line(p, left, top, left + 2, top, colour);
            Line(p, left, top + 1, left + 2, top + 1, colour);
        } else {
            Line(p, left, top, left + 1, top, colour);
        }
    }
}

void DrawPartStrokes(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top) {
    const int flags = GetPartBoundaryFlags(puzzle, x, y);
    if (flags & PART_END_ACROSS) {
        Line(p, left + s - 1, top, left + s - 1, top + s, BLACK);
        if (s > 30) Line(p, left + s - 2, top, left + s - 2, top + s, BLACK);
    }
    if (flags & PART_END_DOWN) {
        Line(p, left, top + s - 1, left + s, top + s - 1, BLACK);
        if (s > 30) Line(p, left, top + s - 2, left + s, top + s - 2, BLACK);
    }
}

// Draws text with its cell box's top-left corner at (left, top), like TextOut.
void TextOut(QPainter& p, int left, int top, const QString& text) {
    const QFontMetrics metrics(p.font());
    p.drawText(QPoint(left, top + metrics.ascent()), text);
}

void DrawLetter(QPainter& p, const Puzzle& puzzle, const GridPaintParams& params, int left, int top,
                Cell code, const QColor& colour) {
    const int s = params.cellPixels;
    p.setFont(LetterFont(puzzle, static_cast<int>(s * params.letterShare)));
    std::string text = code == CELL_IJ ? "IJ" : std::string(1, static_cast<char>(code));
    if (params.smallLetters) text = Latin1ToLower(text);
    const QString shown = Latin1(text);
    p.setPen(colour);
    const QFontMetrics metrics(p.font());
    const int cx = metrics.horizontalAdvance(shown);
    const int cy = metrics.height();
    TextOut(p, left + ((s - cx) >> 1), top + (s - cy), shown);
    p.setPen(BLACK);
}

void DrawNumber(QPainter& p, const Puzzle& puzzle, int s, int left, int top, int number) {
    p.setFont(LetterFont(puzzle, puzzle.appearance.largerNumbers ? s * 5 / 12 : s / 3));
    p.setPen(BLACK);
    TextOut(p, left + 2, top + 1, QString::number(number));
}

// A locked cell: a triangle in its lower right corner, a quarter of the cell wide.
void DrawLockMark(QPainter& p, int s, int left, int top) {
    const int size = std::max(3, s / 4);
    const QPoint corner(left + s, top + s);
    const QPoint triangle[3] = {corner, corner - QPoint(size, 0), corner - QPoint(0, size)};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(LOCK_BLUE);
    p.drawPolygon(triangle, 3);
    p.restore();
}

void DrawSelection(QPainter& p, const Puzzle& puzzle, const GridPaintParams& params) {
    const GridRegion& r = *params.selection;
    const int s = params.cellPixels;
    const int top = params.margin + ClueBand(puzzle, params.margin);
    const QRect frame(params.margin + r.left * s, top + r.top * s, (r.right - r.left + 1) * s + 1,
                      (r.bottom - r.top + 1) * s + 1);
    p.save();
    p.setPen(QPen(SELECTION_ORANGE, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(1, 1, 0, 0));
    p.restore();
}

void DrawCell(QPainter& p, const Puzzle& puzzle, const GridPaintParams& params, int x, int y,
              const QColor& colour) {
    const int s = params.cellPixels;
    const int left = params.margin + x * s;
    const int top = params.margin + ClueBand(puzzle, params.margin) + y * s;
    const Cell code = puzzle.GetCell(x, y);
    if (code != CELL_NIET) {
        if (puzzle.appearance.lineWidth == 1) {
            FrameRect(p, left, top, left + s + 2, top + s + 2);
            FrameRect(p, left + 1, top + 1, left + s + 1, top + s + 1);
            p.fillRect(left + 2, top + 2, s - 2, s - 2, colour);
        } else {
            FrameRect(p, left, top, left + s + 1, top + s + 1);
            p.fillRect(left + 1, top + 1, s - 1, s - 1, colour);
        }
        // Clue cells stay apart: each holds its own clues.
        if (puzzle.form != PuzzleForm::Zweeds)
            DrawBlackJoins(p, puzzle, s, x, y, left, top, colour);
    }
    if (puzzle.appearance.partDashes) DrawPartStrokes(p, puzzle, s, x, y, left, top);
    DrawFormCell(p, puzzle, s, x, y, left, top,
                 params.phase == Phase::Vormen || params.phase == Phase::Vullen);
    const bool locked = params.showLocks && puzzle.IsLocked(x, y);
    if (locked) DrawLockMark(p, s, left, top);
    if (code > CELL_VRIJ)
        DrawLetter(p, puzzle, params, left, top, code,
                   locked ? LOCK_BLUE : ToQColor(puzzle.appearance.colours.letter));
    const int number = puzzle.CellNumber(x, y);
    if (puzzle.appearance.showNumbers && number > 0) DrawNumber(p, puzzle, s, left, top, number);
}

// A font whose character cell (ascent + descent) is about the given height, as GDI
// gives for a positive font height.
QFont ClueFont(const Puzzle& puzzle) {
    QFont font = LetterFont(puzzle, puzzle.appearance.clueTextSize);
    const int cellHeight = QFontMetrics(font).height();
    if (cellHeight > puzzle.appearance.clueTextSize)
        font.setPixelSize(std::max(
            1, puzzle.appearance.clueTextSize * puzzle.appearance.clueTextSize / cellHeight));
    return font;
}

void DrawClueLine(QPainter& p, const Puzzle& puzzle, const GridPaintParams& params) {
    if (params.phase != Phase::Vullen || !params.scrolledToOrigin || params.printing ||
        puzzle.appearance.clueTextSize < 10)
        return;
    const int m = params.margin;
    p.setFont(ClueFont(puzzle));
    p.fillRect(m, m, params.client.right() + 1, puzzle.appearance.clueTextSize,
               ToQColor(puzzle.appearance.colours.achtergrond));
    const int w = params.curWord;
    if (!puzzle.IsValidWordIndex(w) || puzzle.words[w].clue.empty()) return;
    p.setPen(BLACK);
    TextOut(p, m, m, Latin1(GetClueCaption(puzzle.words[w])));
}

}  // namespace

QFont LetterFont(const Puzzle& puzzle, int pixelHeight) {
    QFont font(Latin1(puzzle.appearance.letterFontName));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(QFont::Light);
    return font;
}

QColor ToQColor(unsigned colourRef) {
    return QColor(RedOf(colourRef), GreenOf(colourRef), BlueOf(colourRef));
}

int ComputeCellSize(const Puzzle& puzzle, int margin, int areaWidth, int areaHeight, bool printing,
                    bool scrollBars) {
    const int m = margin;
    const int fitRows = (areaHeight - 2 * m - puzzle.appearance.clueTextSize) / puzzle.height;
    const int fitCols = (areaWidth - 2 * m) / puzzle.width;
    const int fit = std::min(fitRows, fitCols);
    if (printing) return std::min(fit, 4 * puzzle.appearance.cellSize);
    if (scrollBars) return puzzle.appearance.cellSize;
    return std::min(fit, puzzle.appearance.cellSize);
}

namespace {

QColor PlainCellColour(const Puzzle& puzzle, const GridPaintParams& params, int x, int y) {
    const Cell code = puzzle.GetCell(x, y);
    if (code == CELL_ZWART) return ToQColor(puzzle.appearance.colours.zwart);
    if (code == CELL_NIET) return ToQColor(puzzle.appearance.colours.niet);
    if (code < CELL_VRIJ) return PURE_RED;
    switch (params.phase) {
        case Phase::Vormen:
        case Phase::Tonen:
        case Phase::Zoeken:
        case Phase::Bitmap:
            return ToQColor(puzzle.appearance.colours.vrij);
        case Phase::Vullen:
            break;
        default:
            return PURE_RED;
    }
    if (params.curWord < 0 || puzzle.words.empty()) return ToQColor(puzzle.appearance.colours.vrij);
    const int index = puzzle.IsValidWordIndex(params.curWord) ? params.curWord : 0;
    const WordInfo& word = puzzle.words[index];
    const bool across = word.dx == 1;
    const bool inWord = across ? (y == word.y && x >= word.x && x < word.x + word.length)
                               : (x == word.x && y >= word.y && y < word.y + word.length);
    if (!inWord) return ToQColor(puzzle.appearance.colours.vrij);
    const int offset = across ? x - word.x : y - word.y;
    return ToQColor(offset == params.curPos ? puzzle.appearance.colours.woordPos
                                            : puzzle.appearance.colours.woord);
}

}  // namespace

QColor CellColour(const Puzzle& puzzle, const GridPaintParams& params, int x, int y) {
    return FormCellColour(puzzle, x, y, PlainCellColour(puzzle, params, x, y));
}

QRect CellRect(const Puzzle& puzzle, const GridPaintParams& params, int x, int y) {
    const int s = params.cellPixels;
    return QRect(params.margin + x * s, params.margin + ClueBand(puzzle, params.margin) + y * s,
                 s + 2, s + 2);
}

void PaintGrid(QPainter& painter, const Puzzle& puzzle, const GridPaintParams& params) {
    const int s = params.cellPixels;
    const int m = params.margin;
    painter.save();
    // Pixel-exact on the screen; on paper a line thinner than a preview pixel stays visible.
    painter.setRenderHint(QPainter::Antialiasing, params.printing);
    if (!params.printing) {
        const int width = std::max(params.client.right() + 1, puzzle.width * s + 2 * m + 2);
        const int height = std::max(params.client.bottom() + 1,
                                    puzzle.height * s + 2 * m + 2 + puzzle.appearance.clueTextSize);
        painter.fillRect(0, 0, width, height, ToQColor(puzzle.appearance.colours.achtergrond));
    }
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            DrawCell(painter, puzzle, params, x, y, CellColour(puzzle, params, x, y));
    if (params.phase == Phase::Vormen &&
        (params.markX != params.mouseX || params.markY != params.mouseY) &&
        puzzle.IsInGrid(params.markX, params.markY))
        DrawCell(painter, puzzle, params, params.markX, params.markY,
                 ToQColor(puzzle.appearance.colours.woordPos));
    if (params.selection && params.phase == Phase::Vullen) DrawSelection(painter, puzzle, params);
    if (m != 0) DrawClueLine(painter, puzzle, params);
    painter.restore();
}

QImage RenderGridImage(const Puzzle& puzzle, int cellPixels, bool smallLetters) {
    const int extra = 1 + puzzle.appearance.lineWidth;
    QImage image(puzzle.width * cellPixels + extra, puzzle.height * cellPixels + extra,
                 QImage::Format_RGB32);
    // Qt answers a failed allocation with a null image; the file written from it would
    // be reported as a failed write.
    if (image.isNull()) throw std::bad_alloc();
    GridPaintParams params;
    params.phase = Phase::Bitmap;
    params.cellPixels = cellPixels;
    params.margin = 0;
    params.smallLetters = smallLetters;
    params.client = image.rect();
    QPainter painter(&image);
    PaintGrid(painter, puzzle, params);
    return image;
}

void PaintPrintedGrid(QPainter& painter, const Puzzle& puzzle, const QSize& printable,
                      int dotsPerInch, bool smallLetters) {
    constexpr int PRINT_MARGIN = 200;
    constexpr int MIN_CELL_SIZE = 5;
    // 240 units to the inch: one unit is 0.3 pt, the thinnest line that prints visibly.
    constexpr double UNITS_PER_INCH = 240;
    const double scale = std::max(1.0, dotsPerInch / UNITS_PER_INCH);
    const QSize units(static_cast<int>(printable.width() / scale),
                      static_cast<int>(printable.height() / scale));
    GridPaintParams params;
    // The cursor cell and the current word are screen-only state: paper shows the
    // grid as an image does.
    params.phase = Phase::Bitmap;
    params.cellPixels =
        ComputeCellSize(puzzle, PRINT_MARGIN, units.width(), units.height(), true, false);
    params.margin = PRINT_MARGIN;
    params.printing = true;
    params.smallLetters = smallLetters;
    params.client = QRect(QPoint(0, 0), units);
    if (params.cellPixels < MIN_CELL_SIZE) return;
    painter.save();
    painter.scale(scale, scale);
    PaintGrid(painter, puzzle, params);
    painter.restore();
}
