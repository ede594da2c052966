#include "render/form_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <sstream>

#include "model/puzzle.h"
#include "render/grid_painter.h"
#include "render/hyphenation.h"
#include "render/latin1_text.h"

namespace {

const QColor BLACK(0, 0, 0);
const QColor KEY_SHADE(215, 215, 215);
const QColor UNPOINTED_MARK(255, 0, 0);
constexpr int MIN_TEXT_PIXELS = 4;

// ---------------------------------------------------------------- Balkjes

// Three times as thick as the grid lines and centred on them.
void DrawBars(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top) {
    const int line = 1 + puzzle.appearance.lineWidth;
    const int thick = 3 * line;
    auto vertical = [&](int edge) { p.fillRect(edge - line, top, thick, s + line, BLACK); };
    auto horizontal = [&](int edge) { p.fillRect(left, edge - line, s + line, thick, BLACK); };
    if (puzzle.HasBar(x, y, 1, 0)) vertical(left + s);
    if (puzzle.HasBar(x - 1, y, 1, 0)) vertical(left);
    if (puzzle.HasBar(x, y, 0, 1)) horizontal(top + s);
    if (puzzle.HasBar(x, y - 1, 0, 1)) horizontal(top);
}

// ---------------------------------------------------------------- text fitting

std::vector<std::string> SplitWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// How a word wider than the line may be broken.
enum class Breaks { None, Hyphenate, Cut };

// The longest head of `word` that fits `width` with a hyphen, broken at a Dutch break
// point, or anywhere when cutting. Empty when none fits.
std::string FittingHead(const std::string& word, const QFontMetrics& metrics, int width,
                        Breaks breaks) {
    if (breaks == Breaks::None) return {};
    std::vector<int> points = DutchBreakPoints(word);
    if (breaks == Breaks::Cut)
        for (int i = static_cast<int>(word.size()) - 1; i >= 1; --i) points.push_back(i);
    std::sort(points.begin(), points.end());
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
        const std::string head = word.substr(0, static_cast<std::size_t>(*point));
        if (metrics.horizontalAdvance(Latin1(head + "-")) <= width) return head + "-";
    }
    return {};
}

// Greedy wrapping; false when a word cannot be placed at this size.
bool WrapWords(const std::vector<std::string>& words, const QFontMetrics& metrics, int width,
               Breaks breaks, QStringList& lines) {
    std::string line;
    auto fits = [&](const std::string& text) {
        return metrics.horizontalAdvance(Latin1(text)) <= width;
    };
    for (std::string word : words) {
        if (!line.empty() && fits(line + " " + word)) {
            line += " " + word;
            continue;
        }
        if (!line.empty()) lines << Latin1(line);
        while (!fits(word)) {
            const std::string head = FittingHead(word, metrics, width, breaks);
            if (head.empty()) return false;
            lines << Latin1(head);
            word = word.substr(head.size() - 1);
        }
        line = word;
    }
    if (!line.empty()) lines << Latin1(line);
    return true;
}

// ---------------------------------------------------------------- Zweeds

// The part of a clue cell that clue `slot` of `count` takes: the whole cell, or its
// upper or lower half.
QRect ClueArea(int s, int left, int top, int slot, int count) {
    const int half = s / 2;
    if (count < 2) return QRect(left + 1, top + 1, s - 1, s - 1);
    return slot == 0 ? QRect(left + 1, top + 1, s - 1, half - 1)
                     : QRect(left + 1, top + half + 1, s - 1, s - half - 1);
}

int ClueCount(const Puzzle& puzzle, int x, int y) {
    int count = 0;
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot)
        if (puzzle.ClueArrow(x, y, slot) != Arrow::None) ++count;
    return count;
}

void DrawClueTexts(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top) {
    const int count = ClueCount(puzzle, x, y);
    if (count == 2) p.fillRect(left + 1, top + s / 2, s - 1, 1, BLACK);
    int shown = 0;
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot) {
        if (puzzle.ClueArrow(x, y, slot) == Arrow::None) continue;
        const QRect area = ClueArea(s, left, top, shown++, count);
        const int word = puzzle.PointedWord(x, y, slot);
        if (word < 0 || puzzle.words[word].clue.empty()) continue;
        const QRect box = area.adjusted(1, 0, -1, 0);
        const QFont base = LetterFont(puzzle, MIN_TEXT_PIXELS);
        const FittedText fitted = FitText(base, puzzle.words[word].clue, box.width(), box.height());
        if (fitted.lines.isEmpty()) continue;
        QFont font = base;
        font.setPixelSize(fitted.pixelSize);
        p.setFont(font);
        p.setPen(BLACK);
        const QFontMetrics metrics(font);
        const int height = static_cast<int>(fitted.lines.size()) * metrics.height();
        int lineTop = box.top() + std::max(0, (box.height() - height) / 2);
        for (const QString& line : fitted.lines) {
            p.drawText(QRect(box.left(), lineTop, box.width(), metrics.height()),
                       Qt::AlignHCenter | Qt::AlignTop, line);
            lineTop += metrics.height();
        }
    }
}

// A filled arrow head with its point at `tip`, pointing right (dx 1) or down (dy 1).
void ArrowHead(QPainter& p, QPoint tip, int dx, int dy, int size) {
    const QPoint back(tip.x() - dx * size, tip.y() - dy * size);
    const QPoint side(dy * size / 2, dx * size / 2);
    p.setBrush(BLACK);
    p.setPen(BLACK);
    p.drawPolygon(QPolygon({tip, back + side, back - side}));
    p.setBrush(Qt::NoBrush);
}

// Where on the shared edge an arrow from clue `slot` leaves its clue cell: the middle
// of the clue's part of the cell.
int ArrowOffset(const Puzzle& puzzle, int s, int clueX, int clueY, int slot) {
    if (ClueCount(puzzle, clueX, clueY) < 2) return s / 2;
    int shown = 0;
    for (int k = 0; k < slot; ++k)
        if (puzzle.ClueArrow(clueX, clueY, k) != Arrow::None) ++shown;
    return shown == 0 ? s / 4 : 3 * s / 4;
}

// The arrows of the clue cells left of and above (x, y) that lead into it.
void DrawIncomingArrows(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top) {
    const int size = std::max(3, s / 6);
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot) {
        const int along = ArrowOffset(puzzle, s, x - 1, y, slot);
        switch (puzzle.ClueArrow(x - 1, y, slot)) {
            case Arrow::Right:
                ArrowHead(p, QPoint(left + 1 + size, top + along), 1, 0, size);
                break;
            case Arrow::RightDown:
                p.fillRect(left + 1, top + along, size, 1, BLACK);
                ArrowHead(p, QPoint(left + size, top + along + size), 0, 1, size);
                break;
            default:
                break;
        }
    }
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot) {
        switch (puzzle.ClueArrow(x, y - 1, slot)) {
            case Arrow::Down:
                ArrowHead(p, QPoint(left + s / 2, top + 1 + size), 0, 1, size);
                break;
            case Arrow::DownRight:
                p.fillRect(left + size / 2, top + 1, 1, size, BLACK);
                ArrowHead(p, QPoint(left + size / 2 + size, top + size), 1, 0, size);
                break;
            default:
                break;
        }
    }
}

bool StartsUnpointedWord(const Puzzle& puzzle, int x, int y) {
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
        if (puzzle.words[i].x == x && puzzle.words[i].y == y && !puzzle.IsWordPointed(i))
            return true;
    return false;
}

// ---------------------------------------------------------------- sleutelwoord

void DrawKeyNumber(QPainter& p, const Puzzle& puzzle, int s, int number, int left, int top) {
    p.setFont(LetterFont(puzzle, s / 3));
    p.setPen(BLACK);
    // Top left, where a Kruiswoord cell has its number: the letter keeps the cell's middle.
    p.drawText(QRect(left + 2, top + 1, s - 3, s - 2), Qt::AlignLeft | Qt::AlignTop,
               QString::number(number));
}

}  // namespace

QColor FormCellColour(const Puzzle& puzzle, int x, int y, const QColor& plain) {
    if (puzzle.IsZweedsClueCell(x, y)) {
        // The colour of black cells, lightened to a quarter of its strength as magazines
        // print them, so that the small clue text stays readable.
        const QColor zwart = ToQColor(puzzle.appearance.colours.zwart);
        const auto light = [](int ink) { return (ink + 3 * 255) / 4; };
        return QColor(light(zwart.red()), light(zwart.green()), light(zwart.blue()));
    }
    if (puzzle.KeyNumber(x, y) > 0 && plain == ToQColor(puzzle.appearance.colours.vrij))
        return KEY_SHADE;
    return plain;
}

void DrawFormCell(QPainter& p, const Puzzle& puzzle, int s, int x, int y, int left, int top,
                  bool markUnpointed) {
    switch (puzzle.form) {
        case PuzzleForm::Balkjes:
            DrawBars(p, puzzle, s, x, y, left, top);
            break;
        case PuzzleForm::Zweeds:
            if (puzzle.IsZweedsClueCell(x, y))
                DrawClueTexts(p, puzzle, s, x, y, left, top);
            else
                DrawIncomingArrows(p, puzzle, s, x, y, left, top);
            if (markUnpointed && StartsUnpointedWord(puzzle, x, y))
                p.fillRect(left + s - s / 4, top + 1, s / 4, s / 4, UNPOINTED_MARK);
            break;
        default:
            break;
    }
    if (const int number = puzzle.KeyNumber(x, y); number > 0)
        DrawKeyNumber(p, puzzle, s, number, left, top);
}

FittedText FitText(const QFont& font, const std::string& latin1Text, int width, int height) {
    const std::vector<std::string> words = SplitWords(latin1Text);
    // Whole words in smaller type read better than hyphenated ones in larger type; type
    // larger than a quarter of the width would crowd the cell.
    const int largest = std::max(MIN_TEXT_PIXELS, std::min(height / 2, width / 4));
    QFont sized = font;
    for (const Breaks breaks : {Breaks::None, Breaks::Hyphenate, Breaks::Cut}) {
        for (int pixels = largest; pixels >= MIN_TEXT_PIXELS; --pixels) {
            sized.setPixelSize(pixels);
            const QFontMetrics metrics(sized);
            QStringList lines;
            if (!WrapWords(words, metrics, width, breaks, lines)) continue;
            const bool fits = static_cast<int>(lines.size()) * metrics.height() <= height;
            if (fits || (breaks == Breaks::Cut && pixels == MIN_TEXT_PIXELS))
                return {pixels, lines};
        }
    }
    return {};
}
