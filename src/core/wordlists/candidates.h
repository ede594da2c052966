#pragma once
// Looking up the words of a list that fit a partly filled word, or that contain
// given letters. Each lookup reads the list file afresh and keeps nothing.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Puzzle;
struct WordScoring;

// The lines of the set's file for the pattern's length that fit the pattern (a space
// is an unknown letter; the pattern is upper-cased first, so an IJ cell 'y' matches
// the list letter 'Y') and that the search options accept. Appends them to `list` in
// file order when it is given, and stops after `maxCount` of them unless that is 0.
// Returns the number found, or -1 when `listNumber` names no set, the set name is
// shorter than 7 characters, or the file cannot be opened.
//
// Only words the user's scoring offers count: not blocked, not below the minimum.
// With `details` each word's score comes along, and the whole file's lines with a
// malformed score are counted.
struct LookupDetails {
    std::vector<int> scores;  // parallel to the words found
    int malformedScores = 0;
    std::string fileName;  // the file looked in
};
int FindCandidates(const Puzzle& puzzle, const WordScoring& scoring, std::string_view pattern,
                   std::vector<std::string>* list, int maxCount, int listNumber,
                   LookupDetails* details = nullptr);

// The lines of length `length` in the set `fileSetName` that contain every character of
// `letters` (a repeated letter as often as it is given) and fit `pattern` ('.' is an
// unknown letter). With as many letters as the length these are the anagrams.
// Returns the number found, or -1 when the name is shorter than 7 characters or the
// file cannot be opened.
int FindAnagrams(const Puzzle& puzzle, const WordScoring& scoring, std::string_view letters,
                 std::vector<std::string>* list, int maxCount, int length, std::string_view pattern,
                 const std::string& fileSetName, LookupDetails* details = nullptr);

// The score of a complete word in list `listNumber` (the user's own score when they
// gave one), whatever the minimum: the first line FindCandidates would take for it.
// Nothing when the list does not hold it or cannot be read.
std::optional<int> ListedScore(const Puzzle& puzzle, const WordScoring& scoring,
                               std::string_view word, int listNumber);

// Every word of `length` letters in list `listNumber` with the score ListedScore gives
// it, in one reading of the file; empty when the list cannot be read.
std::unordered_map<std::string, int> ListedScoresOfLength(const Puzzle& puzzle,
                                                          const WordScoring& scoring,
                                                          int listNumber, int length);

// Why a lookup in the set `setName` for words of `length` fails: "Bestand %s ontbreekt."
// with the set name when it is shorter than 7 characters, or with the file name when
// that file cannot be read. Empty when the file can be read.
std::string WordListProblem(const std::string& setName, int length);
