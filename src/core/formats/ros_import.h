#pragma once
// "O&pen *.ros...": puzzles of version 1 of the program. The file holds the grid
// size, the cell kinds and the letters; the words are rebuilt from the cells.

#include <string>
#include <string_view>

#include "formats/import_result.h"

class Rooster2Doc;

constexpr int MAX_ROS_GRID_SIDE = 40;

// Replaces the document by the file's grid (all else as for a new puzzle), rebuilds
// the words and enters the filling phase. A file that is no sound version-1 puzzle
// is refused with "Ros-bestand incorrect" and the document stays as it was.
ImportResult ImportRos(Rooster2Doc& doc, std::string_view bytes);

ImportResult ImportRosFile(Rooster2Doc& doc, const std::string& path);
