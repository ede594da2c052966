#pragma once
// The text forms of a word and its clue. Every clue list, window, export and
// report builds its lines with these and no others.

#include <array>
#include <cstdint>
#include <string>

#include "model/word_info.h"

std::string FormatLengthPattern(const WordInfo& word);  // "7" or "3+4"
std::string FormatClueText(const WordInfo& word);       // "clue (7)" or "clue (3+4) *2"
std::string FormatNumberedClue(const WordInfo& word);   // "12. clue (7)"
std::string FormatLabel(const WordInfo& word);          // "H12" or "V3"
std::string GetClueCaption(const WordInfo& word);       // "H12. clue (7)"
std::string FormatDisplayValue(const WordInfo& word);   // "DEN-HAAG", y shown as "IJ"
std::string FormatNumberedValue(const WordInfo& word);  // "%2d. value"
std::string FormatLabeledValue(const WordInfo& word);   // "H12 value"

class Puzzle;
// The words through cell (x, y): "H3/V5", "H3" or "V5"; empty when no word passes it.
std::string FormatCellLabel(const Puzzle& puzzle, int x, int y);

using PartLengths = std::array<std::uint8_t, 20>;

// Strips a length annotation such as "(3,4)" from the end of a clue and returns
// the number of parts (0 when there is none or it is not valid), their lengths
// and their sum. Trailing white space is removed in any case.
int ParseClueLengths(std::string& text, PartLengths& parts, int& sum);
