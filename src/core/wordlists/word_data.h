#pragma once
// The word data dialog's logic without the dialog: which pattern is looked up, the
// candidate and filter lists with their label, sorting, moving between the parts of a
// multi-word answer, and taking a candidate into the value. The value is the dialog's
// form of the word: its letters with '.' for an empty cell.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/user_message.h"
#include "model/word_info.h"

class Puzzle;
struct WordScoring;

// The part of a multi-word answer the dialog works on ("Deelwoordenselectie:").
struct WordPartSelection {
    int partCount = 0;  // below 2: the word is one part
    std::array<std::uint8_t, 20> partLengths{};
    int currentPart = 0;  // 0-based

    static WordPartSelection Of(const WordInfo& word);
    bool HasParts() const { return partCount >= 2; }
    // "=>": to the next part when there is one; true when it moved.
    bool NextPart();
    // "<=": to the previous part unless the current one is the first; true when it moved.
    bool PreviousPart();
    // Offset of the current part in the value: the lengths of the parts before it.
    int PartStart() const;
    int PartLength() const;
    // The text of the field between the buttons: the 1-based part number.
    std::string PartNumberText() const;
};

// The candidate list as the dialog shows it, with the label above it.
struct CandidateList {
    std::vector<std::string> entries;
    std::vector<int> scores;  // the score of each entry
    std::string label;
    std::optional<UserMessage> error;    // shown before the list
    std::optional<UserMessage> warning;  // the list file has malformed scores
};

// "%c%d met lengte %d": the dialog's title for the word.
std::string WordDataTitle(const WordInfo& word);

// The value the dialog opens with: the letters with every free cell as '.'.
std::string DialogValueFromCells(std::string_view letters);
// The letters the dialog's value stands for: '.' a free cell, a typed Y the IJ cell,
// except where the word's cell already holds a plain Y (the IJ/Y toggle made it so).
std::string CellsFromDialogValue(std::string_view value, std::string_view cells);
// The value padded with '.' or cut to the word's length, as on leaving the field.
std::string FitValueToLength(std::string_view value, std::size_t length);

// What is looked up for the value: the whole value, or the current part of it.
std::string CandidatePattern(std::string_view value, const WordPartSelection& parts);

// Fills the candidates: the words of list `listNumber` that fit the value (or its
// current part), at most `maxCount` of them (0 = all).
CandidateList FillCandidates(const Puzzle& puzzle, const WordScoring& scoring,
                             std::string_view value, const WordPartSelection& parts, int maxCount,
                             int listNumber);

// "Filter": the words that contain `letters` and fit the value (or its current part).
// Nothing (the list stays as it is) when the list number names no set or no letters
// are given.
std::optional<CandidateList> FilterCandidates(const Puzzle& puzzle, const WordScoring& scoring,
                                              std::string_view value,
                                              const WordPartSelection& parts,
                                              std::string_view letters, int maxCount,
                                              int listNumber);

// "Sorteer": flips the sort flag and sorts by word ending (flag 1) or alphabetically
// (flag 0). A list of fewer than 2 entries stays as it is, and so does the flag.
// Each entry keeps its score.
void SortCandidates(CandidateList& list, int& sortFlag);
// "Sorteer op score": the highest score first; entries of equal score keep their order.
void SortCandidatesByScore(CandidateList& list);

// Takes a chosen candidate into the value: the whole value, or the current part's
// characters. The value keeps its length.
void TakeCandidate(std::string& value, std::string_view candidate, const WordPartSelection& parts);

// The message for a list number outside 0 to the number of extra files; none when it is valid.
std::optional<UserMessage> CheckListNumber(const Puzzle& puzzle, int listNumber);
