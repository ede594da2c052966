#pragma once
// Shared by the editing tests: the grid back as rows in SetGrid's notation.

#include <string>
#include <vector>

#include "model/rooster2_doc.h"

// '#' black, '-' not-cell, '.' free, else the letter.
inline std::vector<std::string> GridRows(const CRooster2Doc& doc) {
    std::vector<std::string> rows;
    for (int y = 0; y < doc.puzzle.height; ++y) {
        std::string row;
        for (int x = 0; x < doc.puzzle.width; ++x) {
            const Cell c = doc.puzzle.GetCell(x, y);
            row += c == CELL_ZWART ? '#' : c == CELL_NIET ? '-' : c == CELL_VRIJ ? '.' : char(c);
        }
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;
