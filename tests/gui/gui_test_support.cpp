#include "gui_test_support.h"

std::string GridRows(const CRooster2Doc& doc) {
    std::string rows;
    for (int y = 0; y < doc.puzzle.height; ++y) {
        for (int x = 0; x < doc.puzzle.width; ++x) {
            const Cell code = doc.puzzle.GetCell(x, y);
            rows += code == CELL_ZWART ? '#' : code == CELL_NIET ? '-' : code == CELL_VRIJ ? '.'
                                                                                            : static_cast<char>(code);
        }
        rows += '/';
    }
    return rows;
}
