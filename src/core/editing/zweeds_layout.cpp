#include "editing/zweeds_layout.h"

#include "editing/zweeds_pattern.h"
#include "model/puzzle.h"

namespace {

constexpr int MIN_SIDE = 3;

// The border as magazines print it: clue cells in every other cell of the top row and
// the left column, each pointing into the column or row behind it and, bent, into the
// letter cell beside it. The corner is a clue cell with nothing to point into.
bool IsBorderClue(int x, int y) {
    return (x == 0 && y == 0) || (y == 0 && x % 2 == 1) || (x == 0 && y % 2 == 1);
}

struct Cells {
    ZweedsCells layout;
    std::vector<bool> fixed;

    void Set(int x, int y, Cell code, bool fix) {
        layout.cells[y * layout.width + x] = code;
        fixed[y * layout.width + x] = fix;
    }
};

Cells BorderedLayout(int width, int height) {
    Cells cells{{width, height, std::vector<Cell>(width * height, CELL_VRIJ)},
                std::vector<bool>(width * height, false)};
    for (int x = 0; x < width; ++x)
        cells.Set(x, 0, IsBorderClue(x, 0) ? CELL_ZWART : CELL_VRIJ, true);
    for (int y = 0; y < height; ++y)
        cells.Set(0, y, IsBorderClue(0, y) ? CELL_ZWART : CELL_VRIJ, true);
    return cells;
}

void PlacePicture(Cells& cells, const PictureBlock& picture) {
    for (int y = picture.y; y < picture.y + picture.height; ++y)
        for (int x = picture.x; x < picture.x + picture.width; ++x)
            cells.Set(x, y, CELL_NIET, true);
    // The words that start beside the picture need a clue cell before them; where one
    // cell is left before the edge, no word starts there and the search decides.
    const int right = picture.x + picture.width;
    const int below = picture.y + picture.height;
    for (int y = picture.y; y < below && right + 1 < cells.layout.width; ++y)
        cells.Set(right, y, CELL_ZWART, true);
    for (int x = picture.x; x < right && below + 1 < cells.layout.height; ++x)
        cells.Set(x, below, CELL_ZWART, true);
    // A picture against the border leaves its border cells to the search, as the
    // pattern there would leave letters without a word.
    for (int x = picture.x; x < right && picture.y == 1; ++x) cells.fixed[x] = false;
    for (int y = picture.y; y < below && picture.x == 1; ++y)
        cells.fixed[y * cells.layout.width] = false;
}

}  // namespace

PictureBlock PictureBlockAt(const Puzzle& puzzle, int width, int height, int column, int row) {
    return {column > 0 ? column - 1 : puzzle.width - width,
            row > 0 ? row - 1 : puzzle.height - height, width, height};
}

bool IsPictureBlockInside(const Puzzle& puzzle, const PictureBlock& picture) {
    return picture.x >= 1 && picture.y >= 1 && picture.width >= 1 && picture.height >= 1 &&
           picture.x + picture.width <= puzzle.width && picture.y + picture.height <= puzzle.height;
}

bool MakeZweedsLayout(Puzzle& puzzle, const PictureBlock* picture, UserMessage& message) {
    if (puzzle.width < MIN_SIDE || puzzle.height < MIN_SIDE) {
        message = {"Een Zweeds raster is minstens 3 x 3 vakjes groot", "Oei"};
        return false;
    }
    if (picture != nullptr && !IsPictureBlockInside(puzzle, *picture)) {
        message = {
            "Het plaatje past niet in het raster onder de bovenste rij en rechts van "
            "de linker kolom",
            "Oei"};
        return false;
    }
    Cells cells = BorderedLayout(puzzle.width, puzzle.height);
    if (picture != nullptr) PlacePicture(cells, *picture);
    const auto clues = PlaceClueCells(cells.layout, cells.fixed);
    puzzle.form = PuzzleForm::Zweeds;
    puzzle.arrows.fill(0);
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            puzzle.SetCell(x, y, cells.layout.cells[y * puzzle.width + x]);
    puzzle.BuildWords();
    if (clues) SetClueArrows(puzzle, *clues);
    // Should no layout keep every rule, the best one found still gets what arrows fit.
    puzzle.AssignArrows();
    return true;
}
