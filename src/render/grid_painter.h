#pragma once
// The one drawing routine of the grid. The screen, the printer, print preview,
// the PNG export, the PDF sheet and the clipboard image all paint through it.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <optional>

#include "model/puzzle.h"

class QPainter;

struct GridPaintParams {
    Phase phase = Phase::Vormen;  // the document's phase, or Phase::Bitmap for an image
    int cellPixels = 0;           // S
    int margin = 0;               // M
    bool printing = false;
    bool smallLetters = false;
    double letterShare = 0.67;     // letter height in cells: two thirds stand on the bottom edge
    bool scrolledToOrigin = true;  // the clue line shows only at scroll position (0, 0)
    int markX = -1;                // shaping cursor
    int markY = -1;
    int mouseX = -1;  // cell under the mouse
    int mouseY = -1;
    int curWord = -1;  // the word and cursor cell drawn in their colours while filling
    int curPos = 0;
    // The screen shows the locked cells in their own style and the selected rectangle.
    bool showLocks = false;
    std::optional<GridRegion> selection;
    QRect client;  // the visible area in grid coordinates (background, clue band)
};

QColor ToQColor(unsigned colourRef);

// The document's letter font at a pixel height (at least 1), light weight.
QFont LetterFont(const Puzzle& puzzle, int pixelHeight);

// The cell size for an area of the given size (the client area, or the printable page).
int ComputeCellSize(const Puzzle& puzzle, int margin, int areaWidth, int areaHeight, bool printing,
                    bool scrollBars);

// Fill colour of a cell in a phase.
QColor CellColour(const Puzzle& puzzle, const GridPaintParams& params, int x, int y);

// The full repaint: background (not when printing), every cell, the shaping cursor
// and the clue caption line. Does not change the document.
void PaintGrid(QPainter& painter, const Puzzle& puzzle, const GridPaintParams& params);

// The rectangle cell (x, y) covers, frame included.
QRect CellRect(const Puzzle& puzzle, const GridPaintParams& params, int x, int y);

// The grid at the given cell size without margin, cursor or clue line: the picture of
// "&Kopieer" and of the PNG export. Throws std::bad_alloc when the picture finds no memory.
QImage RenderGridImage(const Puzzle& puzzle, int cellPixels, bool smallLetters);

// The grid as shown on one printed page of the given printable size in device pixels at
// dotsPerInch: a 200-unit margin, cells up to four times the screen width, no background
// and none of the editing highlights. A unit is a line's width, never below 0.3 pt.
void PaintPrintedGrid(QPainter& painter, const Puzzle& puzzle, const QSize& printable,
                      int dotsPerInch, bool smallLetters);
