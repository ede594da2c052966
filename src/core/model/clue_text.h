#pragma once
// The text forms of a word and its clue. Every clue list, window, export and
// report builds its lines with these and no others.

#include <string>

#include "model/word_info.h"

std::string FormatLengthPattern(const WordInfo& word);   // "7" or "3+4"
std::string FormatClueText(const WordInfo& word);        // "clue (7)" or "clue (3+4) *2"
std::string FormatNumberedClue(const WordInfo& word);    // "12. clue (7)"
std::string FormatLabel(const WordInfo& word);           // "H12" or "V3"
std::string GetClueCaption(const WordInfo& word);        // "H12. clue (7)"
std::string FormatDisplayValue(const WordInfo& word);    // "DEN-HAAG", y shown as "IJ"
std::string FormatNumberedValue(const WordInfo& word);   // "%2d. value"
std::string FormatLabeledValue(const WordInfo& word);    // "H12 value"
