#pragma once
// The text forms of a word and its clue. Every clue list, window, export and
// report builds its lines with these and no others.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/puzzle.h"
#include "model/word_info.h"

std::string FormatLengthPattern(const WordInfo& word);  // "7" or "3+4"
std::string FormatClueText(const WordInfo& word);       // "clue (7)" or "clue (3+4) *2"
std::string FormatNumberedClue(const WordInfo& word);   // "12. clue (7)"
std::string FormatLabel(const WordInfo& word);          // "H12" or "V3"
std::string GetClueCaption(const WordInfo& word);       // "H12. clue (7)"
std::string FormatDisplayValue(const WordInfo& word);   // "DEN-HAAG", y shown as "IJ"
std::string FormatNumberedValue(const WordInfo& word);  // "%2d. value"
std::string FormatLabeledValue(const WordInfo& word);   // "H12 value"

// The words through cell (x, y): "H3/V5", "H3" or "V5"; empty when no word passes it.
std::string FormatCellLabel(const Puzzle& puzzle, int x, int y);

// ---- Zweeds: the clues named by their clue cells -----------------------------------

// The arrow as the "Pijlen" dialog offers it: "geen", "rechts", "omlaag",
// "rechts, dan omlaag", "omlaag, dan rechts".
const char* ArrowName(Arrow arrow);

// A clue of a Zweeds clue cell and the word its arrow points into.
struct ClueCellClue {
    int x = 0;
    int y = 0;
    int slot = 0;
    int word = -1;
};
// The clues in reading order of their clue cells (row by row, each row from the left),
// a cell's first clue before its second; a clue that points into no word is left out.
std::vector<ClueCellClue> CluesByClueCell(const Puzzle& puzzle);
// "K3 R1 rechts: clue (4)": the clue cell by column (K) and row (R) counted from 1 at
// the top left, as the command line names cells, its arrow, then FormatClueText.
std::string FormatClueCellClue(const Puzzle& puzzle, const ClueCellClue& clue);

using PartLengths = std::array<std::uint8_t, 20>;

// Strips a length annotation such as "(3,4)" from the end of a clue and returns
// the number of parts (0 when there is none or it is not valid), their lengths
// and their sum. Trailing white space is removed in any case.
int ParseClueLengths(std::string& text, PartLengths& parts, int& sum);
