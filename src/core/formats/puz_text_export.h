#pragma once
// "Tekst voor *.&puz...": the grid and clues as the tagged text that Across
// Lite imports.

#include <string>

class Puzzle;

// The whole file, CR LF line ends; lowercase is the view's "Toon in kleine letters".
std::string WriteAcrossLiteText(const Puzzle& puzzle, bool lowercase);
