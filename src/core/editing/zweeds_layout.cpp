#include "editing/zweeds_layout.h"

#include "editing/zweeds_pattern.h"
#include "model/puzzle.h"

namespace {

constexpr int MIN_SIDE = 3;

struct Cells {
    ZweedsCells layout;
    std::vector<bool> fixed;

    void Set(int x, int y, Cell code, bool fix) {
        layout.cells[y * layout.width + x] = code;
        fixed[y * layout.width + x] = fix;
    }
};

// With `fix`, the border keeps its pattern; else the search may change it where needed.
Cells BorderedLayout(int width, int height, bool fix) {
    Cells cells{{width, height, std::vector<Cell>(width * height, CELL_VRIJ)},
                std::vector<bool>(width * height, false)};
    for (int x = 0; x < width; ++x)
        cells.Set(x, 0, IsBorderClue(x, 0) ? CELL_ZWART : CELL_VRIJ, fix);
    for (int y = 0; y < height; ++y)
        cells.Set(0, y, IsBorderClue(0, y) ? CELL_ZWART : CELL_VRIJ, fix);
    cells.fixed[0] = true;
    return cells;
}

// With `frame`, clue cells right of and below the picture where words start there.
void PlacePicture(Cells& cells, const PictureBlock& picture, bool frame) {
    for (int y = picture.y; y < picture.y + picture.height; ++y)
        for (int x = picture.x; x < picture.x + picture.width; ++x)
            cells.Set(x, y, CELL_NIET, true);
    // The words that start beside the picture need a clue cell before them; where one
    // cell is left before the edge, no word starts there and the search decides.
    const int right = picture.x + picture.width;
    const int below = picture.y + picture.height;
    for (int y = picture.y; y < below && frame && right + 1 < cells.layout.width; ++y)
        cells.Set(right, y, CELL_ZWART, true);
    for (int x = picture.x; x < right && frame && below + 1 < cells.layout.height; ++x)
        cells.Set(x, below, CELL_ZWART, true);
}

struct Found {
    Cells cells;
    std::optional<std::vector<ClueOfWord>> clues;  // none when a rule stays broken
};

// `strict`: the border's pattern and the picture's frame as they are; else both are left
// to the search.
Found FindLayout(const Puzzle& puzzle, const PictureBlock* picture, bool strict) {
    Found found{BorderedLayout(puzzle.width, puzzle.height, strict), std::nullopt};
    if (picture != nullptr) PlacePicture(found.cells, *picture, strict);
    found.clues = PlaceClueCells(found.cells.layout, found.cells.fixed);
    return found;
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
    Found found = FindLayout(puzzle, picture, true);
    // A picture across the whole grid, or against the border, can leave a clue cell of
    // the frame or the border without a word; the search then decides those cells too.
    if (!found.clues && picture != nullptr) found = FindLayout(puzzle, picture, false);
    puzzle.form = PuzzleForm::Zweeds;
    puzzle.arrows.fill(0);
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            puzzle.SetCell(x, y, found.cells.layout.cells[y * puzzle.width + x]);
    puzzle.BuildWords();
    if (found.clues) SetClueArrows(puzzle, *found.clues);
    // Should no layout keep every rule, the best one found still gets what arrows fit.
    puzzle.AssignArrows();
    return true;
}
