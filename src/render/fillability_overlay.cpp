#include "render/fillability_overlay.h"

#include <QPainter>
#include <algorithm>

#include "model/puzzle.h"

namespace {

constexpr int DEAD_FRAME_PIXELS = 2;
const QColor DEAD_FRAME_COLOUR(220, 0, 0);

// The fewest candidates of the open words through each cell; -1 where none passes.
std::vector<int> FewestPerCell(const Puzzle& puzzle, const FillabilityReport& report) {
    std::vector<int> fewest(static_cast<std::size_t>(puzzle.CellCount()), -1);
    for (std::size_t i = 0; i < report.candidates.size(); ++i) {
        const int count = report.candidates[i];
        if (count == NOT_SEARCHED) continue;
        const WordInfo& word = puzzle.words[i];
        for (int k = 0; k < word.length; ++k) {
            int& cell =
                fewest[static_cast<std::size_t>(word.CellY(k) * puzzle.width + word.CellX(k))];
            cell = cell < 0 ? count : std::min(cell, count);
        }
    }
    return fewest;
}

const HeatLevel* LevelOf(int count) {
    const HeatLevel* found = nullptr;
    for (const HeatLevel& level : HeatLevels())
        if (count >= level.fewest) found = &level;
    return found;
}

}  // namespace

const std::vector<HeatLevel>& HeatLevels() {
    static const std::vector<HeatLevel> levels = {
        {0, QColor(230, 0, 0, 140), "geen"},        {1, QColor(255, 120, 0, 120), "1-9"},
        {10, QColor(255, 210, 0, 100), "10-99"},    {100, QColor(120, 200, 80, 80), "100-999"},
        {1000, QColor(0, 0, 0, 0), "1000 of meer"},
    };
    return levels;
}

const char* HeatLegendTitle() { return "Kandidaten:"; }

bool ReportFits(const Puzzle& puzzle, const FillabilityReport& report) {
    return report.checked && report.candidates.size() == puzzle.words.size() &&
           report.deadCells.size() == static_cast<std::size_t>(puzzle.CellCount());
}

void PaintFillability(QPainter& painter, const Puzzle& puzzle, const GridPaintParams& params,
                      const FillabilityReport& report, bool heatMap) {
    if (!ReportFits(puzzle, report)) return;
    painter.save();
    if (heatMap) {
        const std::vector<int> fewest = FewestPerCell(puzzle, report);
        for (int cell = 0; cell < puzzle.CellCount(); ++cell) {
            const HeatLevel* level = fewest[cell] < 0 ? nullptr : LevelOf(fewest[cell]);
            if (level != nullptr && level->colour.alpha() > 0)
                painter.fillRect(CellRect(puzzle, params, cell % puzzle.width, cell / puzzle.width)
                                     .adjusted(1, 1, -1, -1),
                                 level->colour);
        }
    }
    painter.setPen(QPen(DEAD_FRAME_COLOUR, DEAD_FRAME_PIXELS));
    painter.setBrush(Qt::NoBrush);
    for (int cell = 0; cell < puzzle.CellCount(); ++cell)
        if (report.deadCells[cell])
            painter.drawRect(CellRect(puzzle, params, cell % puzzle.width, cell / puzzle.width)
                                 .adjusted(DEAD_FRAME_PIXELS, DEAD_FRAME_PIXELS, -DEAD_FRAME_PIXELS,
                                           -DEAD_FRAME_PIXELS));
    painter.restore();
}
