#pragma once
// Cell codes and phases shared by every part of the program.

#include <cstdint>

using Cell = std::uint8_t;

constexpr Cell CELL_ZWART = 1;    // black cell, ends words
constexpr Cell CELL_NIET = 2;     // outside the puzzle shape, ends words
constexpr Cell CELL_VRIJ = 0x20;  // free letter cell without a letter
constexpr Cell CELL_IJ = 'y';     // the digraph IJ in one cell

// A cell belongs to words exactly when its code is 0x20 or higher.
constexpr bool IsLetterCell(Cell code) { return code >= CELL_VRIJ; }

constexpr int MAX_GRID_SIDE = 100;
constexpr int MAX_CELLS = MAX_GRID_SIDE * MAX_GRID_SIDE;
constexpr int MAX_PARTS = 19;

// Phases of the document window. The values of showing (3) and searching (4)
// are the reverse of their menu numbers.
// The values are those of the puzzle file.
enum class Phase : std::int32_t {
    Vormen = 1,  // shaping
    Vullen = 2,  // filling
    Tonen = 3,   // showing solutions
    Zoeken = 4,  // search running
    Bitmap = 9,  // only while the grid is rendered into an image
};

// The direction of the current word, as the puzzle file keeps it; any value other
// than across counts as down.
enum class Direction : std::int32_t {
    Across = 1,
    Down = 2,
};

// The other of the two directions.
constexpr Direction Crossing(Direction direction) {
    return direction == Direction::Across ? Direction::Down : Direction::Across;
}

// How shaping mirrors a cell, as the puzzle file keeps it; the names are those of
// the properties dialog.
enum class Symmetry : std::int32_t {
    Geen = 0,
    RondomMiddelpunt = 1,        // quarter turns about the centre
    Horizontaal = 2,             // mirrored top to bottom
    Verticaal = 3,               // mirrored left to right
    HorizontaalEnVerticaal = 4,  // half a turn about the centre
    HorizontaalOfVerticaal = 5,  // mirrored both ways
};

// Colours are 0x00BBGGRR.
using ColourRef = std::uint32_t;
constexpr ColourRef Rgb(int red, int green, int blue) {
    return static_cast<ColourRef>(red) | (static_cast<ColourRef>(green) << 8) |
           (static_cast<ColourRef>(blue) << 16);
}
constexpr int RedOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }
