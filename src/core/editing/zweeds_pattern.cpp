#include "editing/zweeds_pattern.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace {

// What the search weighs, in one currency: a rule broken costs HARD, a word length
// or clue cell that a magazine would avoid costs a little.
constexpr double HARD = 20.0;
constexpr int LONGEST = 9;
constexpr double LENGTH_COST[LONGEST + 1] = {0, 0, 1.5, 0.2, 0, 0, 0, 0.2, 0.5, 0.9};
constexpr double CLUE_CELL_COST = 1.0;
// A clue cell without a word of its own borrows one with a bent arrow.
constexpr double BORROWED_CLUE_COST = 0.5;
constexpr double UNSURE_BORROW_COST = 5.0;
// Less than a broken rule, more than any gain in word lengths.
constexpr double OFF_BORDER_PATTERN_COST = HARD / 10;

constexpr int STEPS_PER_CELL = 150;
constexpr double HOT = 2.0;
constexpr double COLD = 0.05;
constexpr int ATTEMPTS = 6;
// How far from a toggled cell the costs of other cells can change.
constexpr int REACH = 3;

double LengthCost(int length) {
    return length > LONGEST ? HARD * (length - LONGEST) : LENGTH_COST[length];
}

class Search {
public:
    Search(ZweedsCells& layout, const std::vector<bool>& fixed, std::uint32_t seed)
        : m_layout(layout), m_random(seed) {
        for (int i = 0; i < static_cast<int>(fixed.size()); ++i)
            if (!fixed[i]) m_free.push_back(i);
    }

    // Anneals from the current cells and leaves the cheapest layout met in them.
    void Anneal() {
        if (m_free.empty()) return;
        double cost = TotalCost();
        double best = cost;
        std::vector<Cell> bestCells = m_layout.cells;
        const int steps = STEPS_PER_CELL * static_cast<int>(m_free.size());
        const double cooling = std::pow(COLD / HOT, 1.0 / steps);
        double heat = HOT;
        for (int step = 0; step < steps; ++step, heat *= cooling) {
            const int cell = m_free[m_random() % m_free.size()];
            const int neighbour = (m_random() & 1) ? FreeNeighbour(cell) : -1;
            const bool shift = neighbour >= 0 && IsClue(cell) != IsClue(neighbour);
            double change = ToggleCost(cell);
            if (shift) change += ToggleCost(neighbour);
            if (change <= 0 || Chance() < std::exp(-change / heat)) {
                cost += change;
                if (cost < best - 1e-9) {
                    best = cost;
                    bestCells = m_layout.cells;
                }
            } else {
                if (shift) Toggle(neighbour);
                Toggle(cell);
            }
        }
        m_layout.cells = bestCells;
    }

    // Whether an open cell lies in no word, or a word is too long.
    bool BreaksARule() const {
        for (int y = 0; y < m_layout.height; ++y)
            for (int x = 0; x < m_layout.width; ++x)
                if (m_layout.IsOpen(x, y) &&
                    (IsLone(x, y) || Run(x, y, 1, 0) > LONGEST || Run(x, y, 0, 1) > LONGEST))
                    return true;
        return false;
    }

private:
    double Chance() { return (m_random() >> 8) * (1.0 / 16777216.0); }
    bool IsClue(int cell) const { return m_layout.cells[cell] == CELL_ZWART; }
    void Toggle(int cell) { m_layout.cells[cell] = IsClue(cell) ? CELL_VRIJ : CELL_ZWART; }

    // Toggles the cell and returns what that changed in the cost.
    double ToggleCost(int cell) {
        const int x = cell % m_layout.width;
        const int y = cell / m_layout.width;
        const double before = CostAround(x, y);
        Toggle(cell);
        return CostAround(x, y) - before;
    }

    int FreeNeighbour(int cell) {
        const int x = cell % m_layout.width;
        const int y = cell / m_layout.width;
        const int side = static_cast<int>(m_random() % 4);
        const int nx = x + (side == 0) - (side == 1);
        const int ny = y + (side == 2) - (side == 3);
        if (nx < 0 || ny < 0 || nx >= m_layout.width || ny >= m_layout.height) return -1;
        const int neighbour = ny * m_layout.width + nx;
        return std::binary_search(m_free.begin(), m_free.end(), neighbour) ? neighbour : -1;
    }

    // The open cells through (x, y) in one direction, 0 for a closed cell.
    int Run(int x, int y, int dx, int dy) const {
        if (!m_layout.IsOpen(x, y)) return 0;
        int length = 1;
        for (int i = 1; m_layout.IsOpen(x + i * dx, y + i * dy); ++i) ++length;
        for (int i = 1; m_layout.IsOpen(x - i * dx, y - i * dy); ++i) ++length;
        return length;
    }
    bool IsLone(int x, int y) const {
        return !m_layout.IsOpen(x - 1, y) && !m_layout.IsOpen(x + 1, y) &&
               !m_layout.IsOpen(x, y - 1) && !m_layout.IsOpen(x, y + 1);
    }
    bool Starts(int x, int y, int dx, int dy) const {
        return m_layout.IsOpen(x, y) && !m_layout.IsOpen(x - dx, y - dy) &&
               m_layout.IsOpen(x + dx, y + dy);
    }
    int OwnWords(int x, int y) const { return Starts(x + 1, y, 1, 0) + Starts(x, y + 1, 0, 1); }

    // The word starting at (x, y): its length, and whether a clue cell can point into it.
    double WordCost(int x, int y, int dx, int dy) const {
        const bool pointable = m_layout.IsClue(x - dx, y - dy) || m_layout.IsClue(x - dy, y - dx);
        return LengthCost(Run(x, y, dx, dy)) + (pointable ? 0 : HARD);
    }
    // The words of one row (dx 1) or column (dy 1) starting at (x, y).
    double LineCost(int x, int y, int dx, int dy) const {
        double cost = 0;
        for (; InGrid(x, y); x += dx, y += dy)
            if (Starts(x, y, dx, dy)) cost += WordCost(x, y, dx, dy);
        return cost;
    }
    // The words in one direction through (x, y) or the cells before and after it.
    double WordsThrough(int x, int y, int dx, int dy) const {
        double cost = 0;
        int counted = -1;
        for (int i = -1; i <= 1; ++i) {
            int startX = x + i * dx;
            int startY = y + i * dy;
            if (!m_layout.IsOpen(startX, startY)) continue;
            while (m_layout.IsOpen(startX - dx, startY - dy)) startX -= dx, startY -= dy;
            const int start = startY * m_layout.width + startX;
            if (start == counted || !m_layout.IsOpen(startX + dx, startY + dy)) continue;
            counted = start;
            cost += WordCost(startX, startY, dx, dy);
        }
        return cost;
    }
    bool InGrid(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_layout.width && y < m_layout.height;
    }

    // A clue cell must give one or two clues: its own words (right of and below it),
    // the words that only it can point into with a bent arrow, or else a word it takes
    // over from a neighbour with two.
    double ClueCellCost(int x, int y) const {
        if (x == 0 && y == 0) return CLUE_CELL_COST;
        const bool downBeside = Starts(x + 1, y, 0, 1);
        const bool acrossBelow = Starts(x, y + 1, 1, 0);
        const bool downOwned = m_layout.IsClue(x + 1, y - 1);
        const bool acrossOwned = m_layout.IsClue(x - 1, y + 1);
        const int least =
            OwnWords(x, y) + (downBeside && !downOwned) + (acrossBelow && !acrossOwned);
        if (least > CLUES_PER_CELL) return CLUE_CELL_COST + HARD * (least - CLUES_PER_CELL);
        if (least > 0) return CLUE_CELL_COST;
        const bool spare = (downBeside && OwnWords(x + 1, y - 1) == CLUES_PER_CELL) ||
                           (acrossBelow && OwnWords(x - 1, y + 1) == CLUES_PER_CELL);
        if (spare) return CLUE_CELL_COST + BORROWED_CLUE_COST;
        return CLUE_CELL_COST + (downBeside || acrossBelow ? UNSURE_BORROW_COST : HARD);
    }
    double CellCost(int x, int y) const {
        const bool offPattern = (x == 0 || y == 0) && m_layout.IsClue(x, y) != IsBorderClue(x, y);
        const double border = offPattern ? OFF_BORDER_PATTERN_COST : 0;
        if (m_layout.IsClue(x, y)) return border + ClueCellCost(x, y);
        return border + (m_layout.IsOpen(x, y) && IsLone(x, y) ? HARD : 0);
    }

    // Every cost that a toggle of (x, y) can change: the words through it and next to
    // it, the two words it can point into bent, and the cells whose cost looks at it
    // (a clue cell looks up to three cells right and down).
    double CostAround(int x, int y) const {
        double cost = WordsThrough(x, y, 1, 0) + WordsThrough(x, y, 0, 1);
        if (Starts(x, y + 1, 1, 0)) cost += WordCost(x, y + 1, 1, 0);
        if (Starts(x + 1, y, 0, 1)) cost += WordCost(x + 1, y, 0, 1);
        for (int row = std::max(0, y - REACH); row <= std::min(m_layout.height - 1, y + REACH);
             ++row)
            for (int column = std::max(0, x - REACH);
                 column <= std::min(m_layout.width - 1, x + REACH); ++column)
                cost += CellCost(column, row);
        return cost;
    }

    double TotalCost() const {
        double cost = 0;
        for (int row = 0; row < m_layout.height; ++row) cost += LineCost(0, row, 1, 0);
        for (int column = 0; column < m_layout.width; ++column) cost += LineCost(column, 0, 0, 1);
        for (int row = 0; row < m_layout.height; ++row)
            for (int column = 0; column < m_layout.width; ++column) cost += CellCost(column, row);
        return cost;
    }

    ZweedsCells& m_layout;
    std::mt19937 m_random;
    std::vector<int> m_free;
};

}  // namespace

bool IsBorderClue(int x, int y) {
    return (x == 0 && y == 0) || (y == 0 && x % 2 == 1) || (x == 0 && y % 2 == 1);
}

std::optional<std::vector<ClueOfWord>> PlaceClueCells(ZweedsCells& layout,
                                                      const std::vector<bool>& fixed) {
    const std::vector<Cell> start = layout.cells;
    for (int attempt = 1; attempt <= ATTEMPTS; ++attempt) {
        layout.cells = start;
        Search search(layout, fixed, static_cast<std::uint32_t>(attempt));
        search.Anneal();
        if (search.BreaksARule()) continue;
        if (auto clues = ShareClues(layout)) return clues;
    }
    return std::nullopt;
}
