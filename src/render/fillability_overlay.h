#pragma once
// What the live check shows on the screen: cells where no letter fits get a red
// frame, and with "Vulbaarheid tonen" every cell of an open word is shaded by how
// many candidates the scarcest open word through it has left. Painted over the
// grid from the check's report; the puzzle is only read.

#include <QColor>
#include <vector>

#include "render/grid_painter.h"
#include "search/fillability.h"

struct HeatLevel {
    int fewest;         // the level holds counts from here up to the next level's
    QColor colour;      // translucent, over the cell's own colour
    const char* label;  // for the legend (ISO-8859-1)
};

// From no candidates up; counts above the last level are not shaded.
const std::vector<HeatLevel>& HeatLevels();

// The legend beside the heat map, in the words of the status bar: "Kandidaten:" then
// one entry per level.
const char* HeatLegendTitle();

// Whether the report belongs to a grid of this shape (a report of the grid before a
// shape edit is not painted onto the new one).
bool ReportFits(const Puzzle& puzzle, const FillabilityReport& report);

void PaintFillability(QPainter& painter, const Puzzle& puzzle, const GridPaintParams& params,
                      const FillabilityReport& report, bool heatMap);
