#include "editing/zweeds_layout.h"

#include "model/puzzle.h"

namespace {

constexpr int MIN_SIDE = 3;
// One clue cell in every PERIOD cells of a row and of a column; the period must share
// no factor with the row step 2, or whole columns would stay without clue cells.
constexpr int PERIOD = 5;
constexpr int ROW_STEP = 2;

bool IsInPattern(int x, int y) { return (x + ROW_STEP * y) % PERIOD == 0; }

void PlacePicture(Puzzle& puzzle, const PictureBlock& picture) {
    for (int y = picture.y; y < picture.y + picture.height; ++y)
        for (int x = picture.x; x < picture.x + picture.width; ++x) puzzle.SetCell(x, y, CELL_NIET);
    // The words that start beside the picture need a clue cell before them.
    const int right = picture.x + picture.width;
    const int below = picture.y + picture.height;
    for (int y = picture.y; y < below && right < puzzle.width; ++y)
        puzzle.SetCell(right, y, CELL_ZWART);
    for (int x = picture.x; x < right && below < puzzle.height; ++x)
        puzzle.SetCell(x, below, CELL_ZWART);
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
    puzzle.form = PuzzleForm::Zweeds;
    puzzle.arrows.fill(0);
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const bool clue = x == 0 || y == 0 || IsInPattern(x, y);
            puzzle.SetCell(x, y, clue ? CELL_ZWART : CELL_VRIJ);
        }
    }
    if (picture != nullptr) PlacePicture(puzzle, *picture);
    puzzle.BuildWords();
    puzzle.AssignArrows();
    return true;
}
