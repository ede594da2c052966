// fillability_bench: how long the live check takes after an edit, on the 15 x 15
// grids of the fill comparison with a word list set (bench/run_fillability_bench).
//
//   fillability_bench SET [EDITS] [SEED]
//
// Per grid it fills the grid once with the fast method, then edits it as a
// constructor would: black cells set and taken back, and the letters of that
// fill typed one cell at a time in a random order. After every edit the check
// runs as the desktop runs it (lists kept between checks, the cursor's word
// listed). One line per grid: the first check (loading the lists), the median
// and the largest time of the checks after edits, in milliseconds, and what the
// last check said.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_grids.h"
#include "search/fast_search.h"
#include "search/fillability.h"
#include "search/search_lists.h"

namespace {

constexpr int SHAPE_EDITS = 6;

struct Timing {
    double firstMs = 0;
    std::vector<double> editMs;
    std::string last;
};

class Checker {
public:
    explicit Checker(const WordScoring& scoring) : m_scoring(scoring) {}

    double Check(const Puzzle& puzzle, std::string& status) {
        const auto start = std::chrono::steady_clock::now();
        FillabilityRequest request{puzzle, m_scoring};
        request.focusWord = 0;
        std::atomic<bool> cancel{false};
        status = FillabilityStatusText(CheckFillability(request, cancel, &m_cache));
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
    }

private:
    WordScoring m_scoring;
    SearchListCache m_cache;
};

std::string FirstFill(const Rooster2Doc& doc) {
    FastSearch search(doc.puzzle(), WordScoring());
    search.seed = 1;
    search.scoreFirstSolution = false;
    if (!search.Run() || search.results.solutions.empty()) return "";
    return search.results.solutions[0];
}

// A free cell turned black and back, as shaping tries a pattern.
void ToggleBlack(Puzzle& puzzle, int cell) {
    puzzle.cells[cell] = puzzle.cells[cell] == CELL_ZWART ? CELL_VRIJ : CELL_ZWART;
    puzzle.BuildWords();
    puzzle.Renumber();
}

Timing Measure(Rooster2Doc& doc, int edits, unsigned seed) {
    Timing timing;
    Checker checker{WordScoring()};
    timing.firstMs = checker.Check(doc.puzzle(), timing.last);
    const std::string fill = FirstFill(doc);
    LcgRandom random(seed);
    std::vector<int> open;
    for (int cell = 0; cell < doc.puzzle().CellCount(); ++cell)
        if (doc.puzzle().cells[cell] == CELL_VRIJ) open.push_back(cell);
    for (int k = 0; k < SHAPE_EDITS; ++k) {
        const int cell = open[random.Next() % open.size()];
        for (int twice = 0; twice < 2; ++twice) {
            ToggleBlack(PuzzleEdit(doc, EditKind::Replace).puzzle(), cell);
            timing.editMs.push_back(checker.Check(doc.puzzle(), timing.last));
        }
    }
    for (std::size_t i = open.size(); i > 1; --i) std::swap(open[i - 1], open[random.Next() % i]);
    for (int k = 0; k < edits && k < static_cast<int>(open.size()) && !fill.empty(); ++k) {
        PuzzleEdit(doc, EditKind::Replace)->cells[open[k]] = static_cast<Cell>(fill[open[k]]);
        timing.editMs.push_back(checker.Check(doc.puzzle(), timing.last));
    }
    return timing;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "fillability_bench SET [EDITS] [SEED]\n");
        return 2;
    }
    const int edits = argc > 2 ? std::atoi(argv[2]) : 100;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atol(argv[3])) : 1;
    std::printf("%-8s %8s %8s %8s %7s  %s\n", "rooster", "eerste", "mediaan", "max", "edits",
                "laatste uitkomst");
    for (const BenchGrid& grid : BenchGrids()) {
        if (grid.rows.size() != 15 || grid.rows[0].size() != 15) continue;
        Rooster2Doc doc;
        MakeBenchPuzzle(grid, argv[1], doc);
        const Timing timing = Measure(doc, edits, seed);
        std::printf("%-8s %8.1f %8.1f %8.1f %7zu  %s\n", grid.name, timing.firstMs,
                    Median(timing.editMs),
                    *std::max_element(timing.editMs.begin(), timing.editMs.end()),
                    timing.editMs.size(), timing.last.c_str());
    }
    return 0;
}
