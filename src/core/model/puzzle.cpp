#include "model/puzzle.h"

#include <algorithm>

LetterValues DefaultLetterValues() {
    LetterValues values{};
    for (int letter = 0; letter < 26; ++letter) values[letter] = letter + 1;
    return values;
}

Puzzle::Puzzle() {
    cells.fill(CELL_VRIJ);
    appearance.colours.zwart = DEFAULT_COLOUR_ZWART;
    appearance.colours.woord = DEFAULT_COLOUR_WOORD;
    appearance.colours.woordPos = DEFAULT_COLOUR_WOORDPOS;
    appearance.colours.niet = DEFAULT_COLOUR_NIET;
    appearance.colours.vrij = DEFAULT_COLOUR_VRIJ;
    appearance.colours.achtergrond = DEFAULT_COLOUR_ACHTERGROND;
    // Words always match the grid, also before anything rebuilds them.
    BuildWords();
}

void Puzzle::SetCellSymmetric(int x, int y, Cell code) {
    const int w = width;
    const int h = height;
    SetCell(x, y, code);
    auto setIfInside = [&](int cx, int cy) {
        if (IsInGrid(cx, cy)) SetCell(cx, cy, code);
    };
    switch (symmetry) {
        case Symmetry::RondomMiddelpunt:
            setIfInside(w - 1 - y, x);
            SetCell(w - 1 - x, h - 1 - y, code);
            setIfInside(y, h - 1 - x);
            break;
        case Symmetry::Horizontaal:
            SetCell(x, h - 1 - y, code);
            break;
        case Symmetry::Verticaal:
            SetCell(w - 1 - x, y, code);
            break;
        case Symmetry::HorizontaalEnVerticaal:
            SetCell(w - 1 - x, h - 1 - y, code);
            break;
        case Symmetry::HorizontaalOfVerticaal:
            SetCell(x, h - 1 - y, code);
            SetCell(w - 1 - x, y, code);
            SetCell(w - 1 - x, h - 1 - y, code);
            break;
        default:
            break;
    }
}

GridRegion GridRegion::Spanning(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

namespace {

// Re-lays a row-major layer for a new width; new places get `fresh`.
template <typename T>
void RelayLayer(std::array<T, MAX_CELLS>& layer, int width, int height, int newWidth, int newHeight,
                T fresh) {
    std::array<T, MAX_CELLS> image;
    image.fill(fresh);
    const int keepWidth = std::min(width, newWidth);
    const int keepHeight = std::min(height, newHeight);
    for (int y = 0; y < keepHeight; ++y)
        for (int x = 0; x < keepWidth; ++x) image[y * newWidth + x] = layer[y * width + x];
    std::copy_n(image.begin(), newWidth * newHeight, layer.begin());
}

}  // namespace

void Puzzle::Resize(int newWidth, int newHeight) {
    RelayLayer(cells, width, height, newWidth, newHeight, CELL_VRIJ);
    RelayLayer(locks, width, height, newWidth, newHeight, false);
    width = newWidth;
    height = newHeight;
}

bool Puzzle::HasLocks() const {
    return std::any_of(locks.begin(), locks.begin() + CellCount(), [](bool l) { return l; });
}

std::string Puzzle::LocksToString() const {
    std::string locked(static_cast<std::size_t>(CellCount()), '\0');
    for (int i = 0; i < CellCount(); ++i) locked[i] = locks[i] ? 1 : 0;
    return locked;
}

void Puzzle::StringToLocks(const std::string& locked) {
    std::fill(locks.begin(), locks.end(), false);
    const std::size_t count = std::min(locked.size(), static_cast<std::size_t>(CellCount()));
    for (std::size_t i = 0; i < count; ++i) locks[i] = locked[i] != 0 && IsLetterCell(cells[i]);
}

std::string Puzzle::GridToString() const {
    return std::string(reinterpret_cast<const char*>(cells.data()),
                       static_cast<std::size_t>(CellCount()));
}

void Puzzle::StringToGrid(const std::string& grid) {
    const std::size_t count = std::min(grid.size(), static_cast<std::size_t>(CellCount()));
    std::copy_n(reinterpret_cast<const Cell*>(grid.data()), count, cells.begin());
}
