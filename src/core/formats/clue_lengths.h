#pragma once
// A clue may end in its answer's length, "(7)" or "(3+4)". Clue files, Across Lite
// files and the word data dialog all read it back the same way.

#include <array>
#include <cstdint>
#include <string>

// Room for the part lengths of one word, as in WordInfo::partLengths.
using PartLengths = std::array<std::uint8_t, 20>;

// Trims trailing white space from text; when it holds a valid length annotation, removes
// it (and trims again). Returns the number of parts (0 for no valid annotation) with the
// part lengths and their sum. Parts are separated by "+", ",", "/" or "."; spaces are
// ignored; any other character, an empty part or more parts than a word can hold make
// the annotation invalid. A part too long for any word stays too long in the sum.
int ParseClueLengths(std::string& text, PartLengths& parts, int& sum);
