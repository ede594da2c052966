#include "formats/html_import.h"

#include <algorithm>
#include <vector>

#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/text_lines.h"

namespace {

// The desktop reads the page line by line into a 1000-byte buffer, so a longer
// line arrives in pieces of 999 characters; markers are matched per piece.
constexpr std::size_t MAX_PIECE = 999;

const char* const TABLE_START = "<table class=rtr";
const char* const ROW_START = "<tr>";
const char* const CELL_MARKER = "<td class=rtr";
const char* const TABLE_END = "</table>";

bool Contains(const std::string& line, const char* marker) {
    return line.find(marker) != std::string::npos;
}

// The kind letter of every grid cell, row by row as the table lists them.
using HtmlGridRows = std::vector<std::string>;

bool ScanGridTable(std::string_view page, HtmlGridRows& rows) {
    const std::vector<std::string> lines = SplitTextModePieces(Latin1ToLower(page), MAX_PIECE);
    auto line = std::find_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return Contains(l, TABLE_START); });
    if (line == lines.end()) return false;
    rows.clear();
    for (++line; line != lines.end() && !Contains(*line, TABLE_END); ++line) {
        if (Contains(*line, ROW_START)) {
            rows.emplace_back();
        } else if (!rows.empty()) {
            const std::size_t marker = line->find(CELL_MARKER);
            if (marker == std::string::npos) continue;
            const std::size_t kindAt = marker + std::char_traits<char>::length(CELL_MARKER);
            rows.back() += kindAt < line->size() ? (*line)[kindAt] : ' ';
        }
    }
    return true;
}

int WidestRow(const HtmlGridRows& rows) {
    std::size_t widest = 0;
    for (const std::string& row : rows) widest = std::max(widest, row.size());
    return static_cast<int>(widest);
}

bool IsAcceptedSide(int side) { return side >= 1 && side <= MAX_HTML_GRID_SIDE; }

Cell CellOfKind(char kind) {
    switch (kind) {
        case 'n':
            return CELL_NIET;
        case 'z':
            return CELL_ZWART;
        default:
            return CELL_VRIJ;  // 'w', and cells of a class we do not know
    }
}

}  // namespace

bool CountHtmlGrid(std::string_view page, int& rows, int& columns) {
    HtmlGridRows table;
    if (!ScanGridTable(page, table)) return false;
    rows = static_cast<int>(table.size());
    columns = WidestRow(table);
    return true;
}

ImportResult ReadHtmlGrid(Rooster2Doc& doc, std::string_view page) {
    HtmlGridRows table;
    if (!ScanGridTable(page, table) || !IsAcceptedSide(static_cast<int>(table.size())) ||
        !IsAcceptedSide(WidestRow(table)))
        return {false, {"Html-bestand voldoet niet aan Rooster2-eisen", "Jammer"}};
    // The grid replaces the shape; clues and settings stay.
    Puzzle read = doc.puzzle();
    read.height = static_cast<int>(table.size());
    read.width = WidestRow(table);
    // Short rows leave cells that no table cell covers: they become free cells.
    read.cells.fill(CELL_VRIJ);
    read.locks.fill(false);
    for (int y = 0; y < read.height; ++y) {
        const std::string& row = table[y];
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            read.SetCell(x, y, CellOfKind(row[x]));
    }
    read.BuildWords();
    FinishGridImport(doc, std::move(read));
    return {true, {}};
}

ImportResult ImportHtmlFile(Rooster2Doc& doc, const std::string& path) {
    return ImportFromFile(doc, path, ReadHtmlGrid);
}
