#include "search/solution_frequencies.h"

#include <algorithm>
#include <array>

#include "model/clue_text.h"
#include "model/puzzle.h"
#include "util/str_format.h"

std::vector<CellVariety> LettersPerOpenCell(const Puzzle& puzzle,
                                            const std::vector<std::string>& solutions) {
    std::vector<CellVariety> cells;
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            if (puzzle.GetCell(x, y) != CELL_VRIJ) continue;
            const std::size_t at = static_cast<std::size_t>(y) * puzzle.width + x;
            std::array<bool, 256> seen{};
            int letters = 0;
            for (const std::string& solution : solutions) {
                if (at >= solution.size()) continue;
                bool& letter = seen[static_cast<unsigned char>(solution[at])];
                if (!letter) ++letters;
                letter = true;
            }
            cells.push_back({x, y, letters});
        }
    }
    return cells;
}

std::optional<LeastVariedCell> FindLeastVariedCell(const Puzzle& puzzle,
                                                   const std::vector<std::string>& solutions) {
    if (solutions.empty()) return std::nullopt;
    const std::vector<CellVariety> cells = LettersPerOpenCell(puzzle, solutions);
    const auto least =
        std::min_element(cells.begin(), cells.end(),
                         [](const auto& a, const auto& b) { return a.letters < b.letters; });
    if (least == cells.end()) return std::nullopt;
    const int count = static_cast<int>(solutions.size());
    return LeastVariedCell{
        *least,
        StrFormat("Vak %s: %d %s in %d %s", FormatCellLabel(puzzle, least->x, least->y).c_str(),
                  least->letters, least->letters == 1 ? "letter" : "letters", count,
                  count == 1 ? "oplossing" : "oplossingen")};
}

std::string FormatLettersPerCell(const Puzzle& puzzle, const std::vector<CellVariety>& cells) {
    std::vector<int> letters(static_cast<std::size_t>(puzzle.CellCount()), -1);
    for (const CellVariety& cell : cells)
        letters[static_cast<std::size_t>(cell.y) * puzzle.width + cell.x] = cell.letters;
    std::string text;
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const int count = letters[static_cast<std::size_t>(y) * puzzle.width + x];
            if (count >= 0)
                text += StrFormat("%3d", count);
            else
                text += puzzle.GetCell(x, y) == CELL_ZWART ? "  #" : "  .";
        }
        text += "\n";
    }
    return text;
}
