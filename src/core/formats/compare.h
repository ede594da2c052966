#pragma once
// "Vergelijken": the puzzle being edited against another puzzle file, or against every
// puzzle file of that file's folder: equal, another size or shape, or which words hold
// other letters. The other files are only read; of the own puzzle only the `value` of
// the differing words changes (refreshed from the grid).

#include <string>
#include <string_view>

#include "model/user_message.h"

class Rooster2Doc;
struct WordInfo;

enum CompareResult {
    COMPARE_DONE = 0,       // equal, or the differing words are in the details
    COMPARE_NOT_FOUND = 1,  // no name, or the file cannot be read
    COMPARE_NOT_RTR = 2,    // not a (readable) puzzle file
    COMPARE_OTHER_SIZE = 3,
    COMPARE_OTHER_SHAPE = 4,  // black or "niet" cells where the own grid has them differ
};

// Compares with the puzzle file at path; for COMPARE_DONE, details lists the words whose
// letters differ, each followed by "\r\n  ", empty when the grids hold the same letters.
int CompareWithFile(const Rooster2Doc& doc, const std::string& path, std::string& details);
// The same with the file's bytes.
int CompareWithBytes(const Rooster2Doc& doc, std::string_view bytes, std::string& details);

// The display value of a word read from another grid of the same size: its letters,
// "-" between parts, the IJ cell as "IJ".
std::string FileWordValue(const Rooster2Doc& doc, const WordInfo& word,
                          const std::string& fileCells);

// One file's part of the result text: the path on a line, then what was found.
std::string FormatCompareResult(int code, const std::string& details, const std::string& path);

// The result text for the name the user gave: that file, or with allFiles every puzzle
// file of its folder in name order. False with "Bestandsnaam niet ingevuld" when the
// name is empty.
bool CompareNow(Rooster2Doc& doc, const std::string& name, bool allFiles, std::string& result,
                UserMessage& message);
