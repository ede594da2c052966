#include "model/puzzle.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "util/latin1.h"

LetterValues DefaultLetterValues() {
    LetterValues values{};
    for (int letter = 0; letter < 26; ++letter) values[letter] = letter + 1;
    return values;
}

namespace {

constexpr PuzzleForm ALL_FORMS[] = {PuzzleForm::Kruiswoord, PuzzleForm::Zweeds,
                                    PuzzleForm::Balkjes};

}  // namespace

const char* PuzzleFormName(PuzzleForm form) {
    switch (form) {
        case PuzzleForm::Zweeds:
            return "Zweeds";
        case PuzzleForm::Balkjes:
            return "Balkjes";
        default:
            return "Kruiswoord";
    }
}

std::optional<PuzzleForm> PuzzleFormNamed(const std::string& name) {
    for (PuzzleForm form : ALL_FORMS)
        if (Latin1ToLower(name) == Latin1ToLower(PuzzleFormName(form))) return form;
    return std::nullopt;
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

std::vector<std::pair<int, int>> Puzzle::SymmetricImages(int x, int y) const {
    const int w = width;
    const int h = height;
    switch (symmetry) {
        case Symmetry::RondomMiddelpunt:
            return {{x, y}, {w - 1 - y, x}, {w - 1 - x, h - 1 - y}, {y, h - 1 - x}};
        case Symmetry::Horizontaal:
            return {{x, y}, {x, h - 1 - y}};
        case Symmetry::Verticaal:
            return {{x, y}, {w - 1 - x, y}};
        case Symmetry::HorizontaalEnVerticaal:
            return {{x, y}, {w - 1 - x, h - 1 - y}};
        case Symmetry::HorizontaalOfVerticaal:
            return {{x, y}, {x, h - 1 - y}, {w - 1 - x, y}, {w - 1 - x, h - 1 - y}};
        default:
            return {{x, y}};
    }
}

GridRegion GridRegion::Spanning(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void Puzzle::SetCellSymmetric(int x, int y, Cell code) {
    // The quarter turns of a grid that is not square can fall outside it; those are skipped.
    for (const auto& [cx, cy] : SymmetricImages(x, y))
        if (IsInGrid(cx, cy)) SetCell(cx, cy, code);
}

bool Puzzle::HasBar(int x, int y, int dx, int dy) const {
    if (!IsInGrid(x, y)) return false;
    return (bars[y * width + x] & (dy == 1 ? BAR_BELOW : dx == 1 ? BAR_RIGHT : 0)) != 0;
}

void Puzzle::SetBar(int x, int y, int dx, int dy, bool on) {
    if (!IsInGrid(x, y) || !IsInGrid(x + dx, y + dy)) return;
    const std::uint8_t bit = dx == 1 ? BAR_RIGHT : BAR_BELOW;
    std::uint8_t& cell = bars[y * width + x];
    cell = on ? (cell | bit) : (cell & ~bit);
}

void Puzzle::SetBarSymmetric(int x, int y, int dx, int dy, bool on) {
    // An edge lies between two cells; its image lies between their images.
    const auto from = SymmetricImages(x, y);
    const auto to = SymmetricImages(x + dx, y + dy);
    auto readingOrder = [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        return std::tie(a.second, a.first) < std::tie(b.second, b.first);
    };
    for (std::size_t k = 0; k < from.size(); ++k) {
        const auto [first, second] = std::minmax(from[k], to[k], readingOrder);
        const int stepX = second.first - first.first;
        const int stepY = second.second - first.second;
        if (std::abs(stepX) + std::abs(stepY) == 1)
            SetBar(first.first, first.second, stepX, stepY, on);
    }
}

bool Puzzle::HasAnyBar() const {
    return std::any_of(bars.begin(), bars.begin() + CellCount(),
                       [](std::uint8_t b) { return b != 0; });
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
    RelayLayer(bars, width, height, newWidth, newHeight, std::uint8_t{0});
    RelayLayer(arrows, width, height, newWidth, newHeight, std::uint8_t{0});
    RelayLayer(keyNumbers, width, height, newWidth, newHeight, std::uint8_t{0});
    // A bar on the new outer edge would lead nowhere.
    for (int y = 0; y < newHeight; ++y) bars[y * newWidth + newWidth - 1] &= ~BAR_RIGHT;
    for (int x = 0; x < newWidth; ++x) bars[(newHeight - 1) * newWidth + x] &= ~BAR_BELOW;
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
