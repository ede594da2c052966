#include "view/grid_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "dialogs/dialog_support.h"
#include "model/clue_text.h"
#include "model/part_boundaries.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"

namespace {

const QColor BLACK(0, 0, 0);
const QColor PURE_RED(255, 0, 0);

int ClueBand(const CRooster2Doc& doc, int margin) { return margin != 0 ? doc.puzzle.appearance.clueTextSize : 0; }

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

bool IsBlack(const CRooster2Doc& doc, int x, int y) { return doc.puzzle.GetCell(x, y) == CELL_ZWART; }

void DrawBlackJoins(QPainter& p, const CRooster2Doc& doc, int s, int x, int y, int left, int top,
                    const QColor& colour) {
    if (!IsBlack(doc, x, y)) return;
    const bool wide = doc.puzzle.appearance.lineWidth == 1;
    if (x > 0 && IsBlack(doc, x - 1, y)) {
        if (wide) {
            Line(p, left, top + 2, left, top + s, colour);
            Line(p, left + 1, top + 2, left + 1, top + s, colour);
        } else {
            Line(p, left, top + 1, left, top + s, colour);
        }
    }
    if (y > 0 && IsBlack(doc, x, y - 1)) {
        if (wide) {
            Line(p, left + 2, top, left + s, top, colour);
            Line(p, left + 2, top + 1, left + s, top + 1, colour);
        } else {
            Line(p, left + 1, top, left + s, top, colour);
        }
    }
    if (x > 0 && y > 0 && IsBlack(doc, x - 1, y - 1) && IsBlack(doc, x, y - 1) &&
        IsBlack(doc, x - 1, y)) {
        if (wide) {
            Line(p, left, top, left + 2, top, colour);
            Line(p, left, top + 1, left + 2, top + 1, colour);
        } else {
            Line(p, left, top, left + 1, top, colour);
        }
    }
}

void DrawPartStrokes(QPainter& p, const CRooster2Doc& doc, int s, int x, int y, int left,
                     int top) {
    const int flags = GetPartBoundaryFlags(doc.puzzle, x, y);
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

void DrawLetter(QPainter& p, const CRooster2Doc& doc, const GridPaintParams& params, int left,
                int top, Cell code) {
    const int s = params.cellPixels;
    p.setFont(LetterFont(doc, static_cast<int>(s * 0.67)));
    std::string text = code == CELL_IJ ? "IJ" : std::string(1, static_cast<char>(code));
    if (params.smallLetters) text = Latin1ToLower(text);
    const QString shown = Latin1(text);
    p.setPen(ToQColor(doc.puzzle.appearance.colours.letter));
    const QFontMetrics metrics(p.font());
    const int cx = metrics.horizontalAdvance(shown);
    const int cy = metrics.height();
    TextOut(p, left + ((s - cx) >> 1), top + (s - cy), shown);
    p.setPen(BLACK);
}

void DrawNumber(QPainter& p, const CRooster2Doc& doc, int s, int left, int top, int number) {
    p.setFont(LetterFont(doc, doc.puzzle.appearance.largerNumbers ? s * 5 / 12 : s / 3));
    p.setPen(BLACK);
    TextOut(p, left + 2, top + 1, QString::number(number));
}

void DrawCell(QPainter& p, const CRooster2Doc& doc, const GridPaintParams& params, int x, int y,
              const QColor& colour) {
    const int s = params.cellPixels;
    const int left = params.margin + x * s;
    const int top = params.margin + ClueBand(doc, params.margin) + y * s;
    const Cell code = doc.puzzle.GetCell(x, y);
    if (code != CELL_NIET) {
        if (doc.puzzle.appearance.lineWidth == 1) {
            FrameRect(p, left, top, left + s + 2, top + s + 2);
            FrameRect(p, left + 1, top + 1, left + s + 1, top + s + 1);
            p.fillRect(left + 2, top + 2, s - 2, s - 2, colour);
        } else {
            FrameRect(p, left, top, left + s + 1, top + s + 1);
            p.fillRect(left + 1, top + 1, s - 1, s - 1, colour);
        }
        DrawBlackJoins(p, doc, s, x, y, left, top, colour);
    }
    if (doc.puzzle.appearance.partDashes) DrawPartStrokes(p, doc, s, x, y, left, top);
    if (code > CELL_VRIJ) DrawLetter(p, doc, params, left, top, code);
    const int number = doc.puzzle.CellNumber(x, y);
    if (doc.puzzle.appearance.showNumbers && number > 0) DrawNumber(p, doc, s, left, top, number);
}

// A font whose character cell (ascent + descent) is about the given height, as GDI
// gives for a positive font height.
QFont ClueFont(const CRooster2Doc& doc) {
    QFont font = LetterFont(doc, doc.puzzle.appearance.clueTextSize);
    const int cellHeight = QFontMetrics(font).height();
    if (cellHeight > doc.puzzle.appearance.clueTextSize)
        font.setPixelSize(std::max(1, doc.puzzle.appearance.clueTextSize * doc.puzzle.appearance.clueTextSize / cellHeight));
    return font;
}

void DrawClueLine(QPainter& p, const CRooster2Doc& doc, const GridPaintParams& params) {
    if (params.phase != PHASE_VULLEN || !params.scrolledToOrigin || params.printing ||
        doc.puzzle.appearance.clueTextSize < 10)
        return;
    const int m = params.margin;
    p.setFont(ClueFont(doc));
    p.fillRect(m, m, params.client.right() + 1, doc.puzzle.appearance.clueTextSize,
               ToQColor(doc.puzzle.appearance.colours.achtergrond));
    const int w = doc.curWord;
    if (!doc.puzzle.IsValidWordIndex(w) || doc.puzzle.words[w].clue.empty()) return;
    p.setPen(BLACK);
    TextOut(p, m, m, Latin1(GetClueCaption(doc.puzzle.words[w])));
}

}  // namespace

QFont LetterFont(const CRooster2Doc& doc, int pixelHeight) {
    QFont font(Latin1(doc.puzzle.appearance.letterFontName));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(QFont::Light);
    return font;
}

QColor ToQColor(unsigned colorRef) {
    return QColor(RedOf(colorRef), GreenOf(colorRef), BlueOf(colorRef));
}

int ComputeCellSize(const CRooster2Doc& doc, int margin, int areaWidth, int areaHeight,
                    bool printing, bool scrollBars) {
    const int m = margin;
    const int fitRows = (areaHeight - 2 * m - doc.puzzle.appearance.clueTextSize) / doc.puzzle.height;
    const int fitCols = (areaWidth - 2 * m) / doc.puzzle.width;
    const int fit = std::min(fitRows, fitCols);
    if (printing) return std::min(fit, 4 * doc.puzzle.appearance.cellSize);
    if (scrollBars) return doc.puzzle.appearance.cellSize;
    return std::min(fit, doc.puzzle.appearance.cellSize);
}

QColor CellColour(const CRooster2Doc& doc, int phase, int x, int y) {
    const Cell code = doc.puzzle.GetCell(x, y);
    if (code == CELL_ZWART) return ToQColor(doc.puzzle.appearance.colours.zwart);
    if (code == CELL_NIET) return ToQColor(doc.puzzle.appearance.colours.niet);
    if (code < CELL_VRIJ) return PURE_RED;
    switch (phase) {
        case PHASE_VORMEN:
        case PHASE_TONEN:
        case PHASE_ZOEKEN:
        case PHASE_BITMAP:
            return ToQColor(doc.puzzle.appearance.colours.vrij);
        case PHASE_VULLEN:
            break;
        default:
            return PURE_RED;
    }
    if (doc.curWord < 0 || doc.puzzle.words.empty()) return ToQColor(doc.puzzle.appearance.colours.vrij);
    const int index = doc.puzzle.IsValidWordIndex(doc.curWord) ? doc.curWord : 0;
    const WordInfo& word = doc.puzzle.words[index];
    const bool across = word.dx == 1;
    const bool inWord = across ? (y == word.y && x >= word.x && x < word.x + word.length)
                               : (x == word.x && y >= word.y && y < word.y + word.length);
    if (!inWord) return ToQColor(doc.puzzle.appearance.colours.vrij);
    const int offset = across ? x - word.x : y - word.y;
    return ToQColor(offset == doc.curPos ? doc.puzzle.appearance.colours.woordPos : doc.puzzle.appearance.colours.woord);
}

QRect CellRect(const CRooster2Doc& doc, const GridPaintParams& params, int x, int y) {
    const int s = params.cellPixels;
    return QRect(params.margin + x * s, params.margin + ClueBand(doc, params.margin) + y * s,
                 s + 2, s + 2);
}

void PaintGrid(QPainter& painter, const CRooster2Doc& doc, const GridPaintParams& params) {
    const int s = params.cellPixels;
    const int m = params.margin;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!params.printing) {
        const int width = std::max(params.client.right() + 1, doc.puzzle.width * s + 2 * m + 2);
        const int height = std::max(params.client.bottom() + 1,
                                    doc.puzzle.height * s + 2 * m + 2 + doc.puzzle.appearance.clueTextSize);
        painter.fillRect(0, 0, width, height, ToQColor(doc.puzzle.appearance.colours.achtergrond));
    }
    for (int y = 0; y < doc.puzzle.height; ++y)
        for (int x = 0; x < doc.puzzle.width; ++x)
            DrawCell(painter, doc, params, x, y, CellColour(doc, params.phase, x, y));
    if (params.phase == PHASE_VORMEN &&
        (params.markX != params.mouseX || params.markY != params.mouseY) &&
        doc.puzzle.IsInGrid(params.markX, params.markY))
        DrawCell(painter, doc, params, params.markX, params.markY,
                 ToQColor(doc.puzzle.appearance.colours.woordPos));
    if (m != 0) DrawClueLine(painter, doc, params);
    painter.restore();
}
