#pragma once
// The solutions text file: the optional title, then per solution its heading and grid.

#include <string>

#include "search/search_run.h"
#include "util/file_io.h"

class Puzzle;

std::string FormatSolutionsText(const Puzzle& puzzle, const SearchResults& results, bool lowercase);
// Writes it safely.
WriteResult WriteSolutionsFile(const Puzzle& puzzle, const SearchResults& results,
                               const std::string& path, bool lowercase);
