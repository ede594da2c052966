#pragma once
// The report in the properties dialog: where the puzzle is stored, its word lists,
// counts of cells, words and characters, word lengths, repeated fillings, the word
// list with optional lengths, clues and letter-value products or sums, the letters on
// numbered cells and, on request, facts about the computer.

#include <string>
#include <string_view>
#include <vector>

#include "formats/system_facts.h"

class Rooster2Doc;
class Puzzle;

// The dialog's five check boxes.
struct StatisticsOptions {
    bool withLengths = false;     // "Lengte"
    bool withSystemInfo = false;  // "Systeem info"
    bool withClues = false;       // "Omschr."
    bool withProduct = false;     // "WoordProduct"
    bool withSum = false;         // "WoordSom"
};

// Appends the report to lines. Marks repeated words in searchMark and refreshes the
// value of every listed word from the grid.
void ComputeStatistics(const Rooster2Doc& doc, std::vector<std::string>& lines,
                       const StatisticsOptions& options);
// The same with the system facts given instead of read from the platform.
void ComputeStatistics(const Rooster2Doc& doc, std::vector<std::string>& lines,
                       const StatisticsOptions& options, const SystemFacts& facts);

// The report as the dialog's text box holds it: every line followed by CR LF.
std::string JoinReportLines(const std::vector<std::string>& lines);

// The raw codes of the numbered cells, row by row; empty without a number grid.
std::string LettersOnNumberedCells(const Puzzle& puzzle);

// Product (from 1) or sum (from 0) of the letter values of a word's letters; each
// letter's value counts with its low 8 bits as a signed number. A character that is no
// letter makes ok false and the result 0.
double WordValueProduct(const Puzzle& puzzle, std::string_view value, bool& ok);
double WordLetterSum(const Puzzle& puzzle, std::string_view value, bool& ok);
