#include "formats/ros_import.h"

#include "model/rooster2_doc.h"
#include "util/byte_reader.h"

namespace {

constexpr std::uint32_t ROS_SIGNATURE = 12091998;
constexpr std::size_t COLUMNS_OFFSET = 12;
constexpr std::size_t LETTERS_OFFSET = 24;
constexpr std::size_t BLOCK_SIZE = MAX_ROS_GRID_SIDE * MAX_ROS_GRID_SIDE;

enum RosKind : std::uint8_t { ROS_BLACK = 0, ROS_LETTER = 1, ROS_NIET = 2 };

struct RosGrid {
    std::int32_t columns = 0;
    std::int32_t rows = 0;
    std::string letters;  // both blocks column by column: (x, y) at x * 40 + y
    std::string kinds;
};

bool IsRosSide(std::int32_t side) { return side >= 1 && side <= MAX_ROS_GRID_SIDE; }

bool ReadRosGrid(std::string_view bytes, RosGrid& grid) {
    ByteReader in(bytes);
    std::uint32_t signature = 0;
    return in.ReadU32(signature) && signature == ROS_SIGNATURE && in.Seek(COLUMNS_OFFSET) &&
           in.ReadS32(grid.columns) && in.ReadS32(grid.rows) && IsRosSide(grid.columns) &&
           IsRosSide(grid.rows) && in.Seek(LETTERS_OFFSET) &&
           in.ReadBytes(BLOCK_SIZE, grid.letters) && in.ReadBytes(BLOCK_SIZE, grid.kinds);
}

// A letter cell holds its letter; a control byte there is no letter at all.
Cell LetterCell(char stored) {
    const auto code = static_cast<Cell>(stored);
    return IsLetterCell(code) ? code : CELL_VRIJ;
}

Cell CellOf(const RosGrid& grid, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(x * MAX_ROS_GRID_SIDE + y);
    switch (static_cast<std::uint8_t>(grid.kinds[at])) {
        case ROS_BLACK:
            return CELL_ZWART;
        case ROS_LETTER:
            return LetterCell(grid.letters[at]);
        case ROS_NIET:
            return CELL_NIET;
        default:
            return CELL_VRIJ;
    }
}

}  // namespace

ImportResult ImportRos(Rooster2Doc& doc, std::string_view bytes) {
    RosGrid grid;
    if (!ReadRosGrid(bytes, grid)) return {false, {"Ros-bestand incorrect"}};
    Puzzle read = doc.FreshPuzzle();
    read.width = grid.columns;
    read.height = grid.rows;
    for (int y = 0; y < grid.rows; ++y)
        for (int x = 0; x < grid.columns; ++x) read.SetCell(x, y, CellOf(grid, x, y));
    read.BuildWords();
    FinishGridImport(doc, std::move(read));
    return {true, {}};
}

ImportResult ImportRosFile(Rooster2Doc& doc, const std::string& path) {
    return ImportFromFile(doc, path, ImportRos);
}
