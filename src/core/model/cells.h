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
constexpr int PHASE_VORMEN = 1;   // shaping
constexpr int PHASE_VULLEN = 2;   // filling
constexpr int PHASE_TONEN = 3;    // showing solutions
constexpr int PHASE_ZOEKEN = 4;   // search running
constexpr int PHASE_BITMAP = 9;   // only while the grid is rendered into an image

// Directions as kept in m_direction; any value other than across counts as down.
constexpr int DIR_ACROSS = 1;
constexpr int DIR_DOWN = 2;

// Colours are 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
           (static_cast<ColorRef>(blue) << 16);
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }
