#pragma once
// "Lees roos&ter als html...": takes the grid shape back from a page that the
// HTML export wrote. Only the CSS classes of the grid cells are read; letters,
// numbers, clues and title are not.

#include <string>
#include <string_view>

#include "formats/import_result.h"

class Rooster2Doc;

constexpr int MAX_HTML_GRID_SIDE = 99;

// Counts the rows of the grid table and the cells of its widest row; false when
// the page has no grid table.
bool CountHtmlGrid(std::string_view page, int& rows, int& columns);

// Replaces the grid by the page's shape (every other setting stays), rebuilds the
// words and enters the filling phase. A page that does not qualify leaves the
// document untouched with "Html-bestand voldoet niet aan Rooster2-eisen".
ImportResult ReadHtmlGrid(Rooster2Doc& doc, std::string_view page);

ImportResult ImportHtmlFile(Rooster2Doc& doc, const std::string& path);
