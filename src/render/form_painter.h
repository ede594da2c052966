#pragma once
// What the puzzle forms add to the drawing of one cell: the bars of a Balkjes puzzle,
// the clue texts and arrows of a Zweeds puzzle and the shaded, numbered cells of a
// sleutelwoord. The grid painter calls it for every cell it draws.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <string>

class Puzzle;
class QPainter;

// The colour a cell is filled with, given the colour it would have without a form: a
// Zweeds clue cell and a free-coloured sleutelwoord cell are shaded.
QColor FormCellColour(const Puzzle& puzzle, int x, int y, const QColor& plain);

// Everything the form draws on cell (x, y) at (left, top), cells of s pixels; it draws
// the bars and arrows that reach into the cell from its neighbours as well, so that
// repainting one cell keeps them whole. With markUnpointed (the editing phases) a Zweeds
// word that no clue points into gets a red corner in its first cell.
void DrawFormCell(QPainter& painter, const Puzzle& puzzle, int s, int x, int y, int left, int top,
                  bool markUnpointed);

// A text set in a box: lines at one pixel size.
struct FittedText {
    int pixelSize = 0;
    QStringList lines;
};

// The largest type (at most a quarter of the width, down to a few pixels) at which the
// ISO-8859-1 text fits the box of width x height pixels, wrapped at spaces; only when no
// size fits so are too wide words hyphenated by the Dutch patterns, and as a last resort
// cut at the smallest size.
FittedText FitText(const QFont& font, const std::string& latin1Text, int width, int height);
