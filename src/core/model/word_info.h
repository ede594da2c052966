#pragma once
// One word slot of the grid, derived from the cells by the rebuild.

#include <array>
#include <cstdint>
#include <string>

struct WordInfo {
    std::int32_t x = 0;   // column of the first cell
    std::int32_t y = 0;   // row of the first cell
    std::int32_t dx = 0;  // 1 for an across word
    std::int32_t dy = 0;  // 1 for a down word
    std::int32_t length = 0;
    std::int32_t number = 0;
    std::string value;  // letters as last stored by the file reader or an import
    std::string clue;
    std::int32_t searchMark = 0;  // scratch mark of the statistics report
    std::int32_t partCount = 0;   // 0 = one part, else 2..19
    std::array<std::uint8_t, 20> partLengths{};
    std::int32_t extraList = 0;  // 0 = the search options' word file, n = extra file n

    bool IsAcross() const { return dx == 1; }
    int CellX(int i) const { return x + i * dx; }
    int CellY(int i) const { return y + i * dy; }
    // partCount when it describes a split (2..19), else 0.
    int PartCountInUse() const { return partCount >= 2 && partCount <= 19 ? partCount : 0; }
};
