#include "support/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

constexpr int ICON_WIDTH = 16;
constexpr int ICON_HEIGHT = 15;

const QColor INK(0, 0, 0);
const QColor PAPER(255, 255, 255);
const QColor FOLDER(230, 190, 60);
const QColor DISK(40, 70, 160);
const QColor GREY(150, 150, 150);
const QColor CELL_BLUE(132, 148, 180);
const QColor GREEN(0, 140, 0);

void Page(QPainter& p) {
    p.setPen(INK);
    p.setBrush(PAPER);
    p.drawPolygon(
        QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 13), QPoint(3, 13)}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void SmallGrid(QPainter& p, bool blackCentre) {
    p.setPen(INK);
    p.setBrush(PAPER);
    p.drawRect(1, 1, 13, 12);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(1 + i * 13 / 3, 1, 1 + i * 13 / 3, 13);
        p.drawLine(1, 1 + i * 12 / 3, 14, 1 + i * 12 / 3);
    }
    if (blackCentre) p.fillRect(6, 6, 4, 3, CELL_BLUE);
}

void Arrow(QPainter& p, QPoint from, QPoint to) {
    p.setPen(QPen(INK, 2));
    p.drawLine(from, to);
    const QPoint d = to - from;
    const QPoint unit(d.x() == 0 ? 0 : (d.x() > 0 ? 1 : -1), d.y() == 0 ? 0 : (d.y() > 0 ? 1 : -1));
    const QPoint side(-unit.y(), unit.x());
    p.setPen(INK);
    p.setBrush(INK);
    p.drawPolygon(QPolygon({to + unit * 2, to - unit * 3 + side * 4, to - unit * 3 - side * 4}));
}

void Glyph(QPainter& p, const QString& text, const QColor& colour = INK, int pixelSize = 11) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, ICON_WIDTH, ICON_HEIGHT), Qt::AlignCenter, text);
}

void Magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(INK, 1));
    p.setBrush(PAPER);
    p.drawEllipse(1, 1, 9, 9);
    p.setPen(QPen(INK, 2));
    p.drawLine(9, 9, 14, 13);
    p.setPen(INK);
    p.drawLine(3, 5, 8, 5);
    if (plus) p.drawLine(5, 3, 5, 8);
}

void CurvedArrow(QPainter& p, bool clockwise) {
    QPainterPath path;
    path.arcMoveTo(2, 3, 11, 10, clockwise ? 180 : 0);
    path.arcTo(2, 3, 11, 10, clockwise ? 180 : 0, clockwise ? -150 : 150);
    p.setPen(QPen(DISK, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QPoint tip = clockwise ? QPoint(12, 4) : QPoint(3, 4);
    p.setPen(DISK);
    p.setBrush(DISK);
    p.drawPolygon(QPolygon({tip + QPoint(0, 4), tip + QPoint(clockwise ? 3 : -3, -1),
                            tip + QPoint(clockwise ? -3 : 3, -1)}));
}

void RuledPage(QPainter& p, bool bullets) {
    Page(p);
    for (int y = 5; y <= 11; y += 2) {
        if (bullets) p.fillRect(4, y, 1, 1, INK);
        p.drawLine(bullets ? 6 : 5, y, 11, y);
    }
}

}  // namespace

namespace ToolIcons {

void NewPage(QPainter& p) { Page(p); }

void OpenFolder(QPainter& p) {
    p.setPen(INK);
    p.setBrush(FOLDER);
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(5, 3), QPoint(6, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
}

void Disk(QPainter& p) {
    p.fillRect(1, 1, 14, 13, DISK);
    p.fillRect(4, 1, 8, 5, PAPER);
    p.fillRect(4, 9, 8, 5, GREY);
}

void Printer(QPainter& p) {
    p.setPen(INK);
    p.setBrush(PAPER);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(GREY);
    p.drawRect(1, 6, 14, 6);
    p.setBrush(PAPER);
    p.drawRect(4, 10, 8, 4);
}

void Clipboard(QPainter& p) {
    p.setPen(INK);
    p.setBrush(FOLDER);
    p.drawRect(2, 2, 11, 12);
    p.setBrush(PAPER);
    p.drawRect(4, 4, 7, 8);
    p.fillRect(5, 1, 5, 3, GREY);
}

void UndoArrow(QPainter& p) { CurvedArrow(p, false); }

void RedoArrow(QPainter& p) { CurvedArrow(p, true); }

void GridWithBlock(QPainter& p) { SmallGrid(p, true); }

void ScrollBars(QPainter& p) {
    p.setPen(INK);
    p.setBrush(PAPER);
    p.drawRect(1, 1, 13, 12);
    p.fillRect(11, 2, 3, 8, GREY);
    p.fillRect(2, 11, 8, 2, GREY);
}

void ZoomIn(QPainter& p) { Magnifier(p, true); }

void ZoomOut(QPainter& p) { Magnifier(p, false); }

void ArrowRight(QPainter& p) { Arrow(p, QPoint(1, 7), QPoint(11, 7)); }

void ArrowDown(QPainter& p) { Arrow(p, QPoint(8, 1), QPoint(8, 10)); }

void Digit1(QPainter& p) { Glyph(p, QStringLiteral("1")); }

void Digit2(QPainter& p) { Glyph(p, QStringLiteral("2")); }

void Digit3(QPainter& p) { Glyph(p, QStringLiteral("3")); }

void Digit4(QPainter& p) { Glyph(p, QStringLiteral("4")); }

void Tick(QPainter& p) {
    p.setPen(QPen(GREEN, 2));
    p.drawPolyline(QPolygon({QPoint(2, 8), QPoint(6, 12), QPoint(14, 2)}));
}

void GridWithE(QPainter& p) {
    SmallGrid(p, false);
    Glyph(p, QStringLiteral("E"), DISK, 9);
}

void TextLines(QPainter& p) { RuledPage(p, false); }

void BulletLines(QPainter& p) { RuledPage(p, true); }

void GridWithQuestion(QPainter& p) {
    SmallGrid(p, false);
    Glyph(p, QStringLiteral("?"), DISK, 10);
}

void LettersAB(QPainter& p) { Glyph(p, QStringLiteral("AB"), DISK, 9); }

void QuestionCoin(QPainter& p) {
    p.setPen(INK);
    p.setBrush(FOLDER);
    p.drawEllipse(1, 0, 14, 14);
    Glyph(p, QStringLiteral("?"));
}

// "Vulbaarheid tonen": the grid's cells shaded from few candidates (red) to many (green).
void HeatGrid(QPainter& p) {
    SmallGrid(p, false);
    const QColor shades[3] = {QColor(220, 60, 50), QColor(240, 200, 60), QColor(90, 180, 90)};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.fillRect(2 + column * 13 / 3, 2 + row * 12 / 3, 3, 3, shades[(row + column) % 3]);
}

// "Kandidaten": a list of words, each with its score as a bar.
void ScoredList(QPainter& p) {
    p.setPen(INK);
    p.setBrush(PAPER);
    p.drawRect(1, 1, 13, 12);
    const int scores[4] = {5, 4, 3, 1};
    for (int line = 0; line < 4; ++line) {
        const int y = 3 + line * 3;
        p.drawLine(3, y, 7, y);
        p.fillRect(9, y - 1, scores[line], 2, GREEN);
    }
}

}  // namespace ToolIcons

QIcon ToolBarIcon(IconPainter paint) {
    QPixmap pixmap(ICON_WIDTH, ICON_HEIGHT);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    return QIcon(pixmap);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(PAPER);
        QPainter p(&pixmap);
        const int cell = size / 4;
        const int blacks[] = {1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
        for (int i = 0; i < 16; ++i)
            if (blacks[i]) p.fillRect((i % 4) * cell, (i / 4) * cell, cell, cell, CELL_BLUE);
        p.setPen(INK);
        for (int i = 0; i <= 4; ++i) {
            const int at = std::min(size - 1, i * cell);
            p.drawLine(at, 0, at, size - 1);
            p.drawLine(0, at, size - 1, at);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap SplashPicture(const QString& versionText) {
    constexpr int WIDTH = 360;
    constexpr int HEIGHT = 220;
    QPixmap pixmap(WIDTH, HEIGHT);
    pixmap.fill(PAPER);
    QPainter p(&pixmap);
    p.drawPixmap(20, 20, ProgramIcon().pixmap(64, 64));
    QFont font = p.font();
    font.setPixelSize(36);
    font.setBold(true);
    p.setFont(font);
    p.setPen(DISK);
    p.drawText(QRect(100, 20, WIDTH - 110, 64), Qt::AlignVCenter, QStringLiteral("Rooster2"));
    font.setPixelSize(13);
    font.setBold(false);
    p.setFont(font);
    p.setPen(INK);
    p.drawText(QRect(20, 100, WIDTH - 40, HEIGHT - 110), Qt::AlignLeft | Qt::TextWordWrap,
               QString::fromLatin1("Voor puzzelmakers en -oplossers\n\n") + versionText);
    p.setPen(QPen(INK, 2));
    p.drawRect(1, 1, WIDTH - 2, HEIGHT - 2);
    return pixmap;
}
