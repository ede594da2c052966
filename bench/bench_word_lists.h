#pragma once
// A word list set for the benchmark made from a plain dictionary, for when no
// converted set is at hand.

#include <string>

// Writes folder/nl02.doc .. nl19.doc from the dictionary (UTF-8 or Latin-1, one
// word per line): upper case, accents removed, IJ as Y, words with anything but
// letters left out, dictionary order, no duplicates. Returns the set name, or an
// empty string when the dictionary cannot be read.
std::string MakeBenchWordLists(const std::string& dictionary, const std::string& folder);
