#pragma once
// The search options as the options dialog edits them, and the rule its OK
// applies to the document.

#include <cstdint>
#include <string>

class CRooster2Doc;

struct SearchOptions {
    bool allDifferent = true;
    std::int32_t maxSolutions = 100;  // 0..1000000, 0 = all
    bool ijTwoLetters = false;
    bool fillWithLastShown = false;
    bool showWhileSearching = true;
    std::string excludedLetters;
    bool randomOrder = false;
    bool sound = false;
    std::string wordFile;
    std::int32_t maxFrequency = 0;  // 0..9, 0 = no limit
    std::int32_t maxDistinct = 0;   // 0..100, 0 = no limit
    std::int32_t minScore = 0;      // 0..100, 0 = none; the user's, not the puzzle's
};

constexpr std::int32_t MAX_SOLUTIONS_LIMIT = 1000000;
constexpr std::int32_t MAX_FREQUENCY_LIMIT = 9;
constexpr std::int32_t MAX_DISTINCT_LIMIT = 100;

SearchOptions ReadSearchOptions(const CRooster2Doc& doc);

// OK of the options dialog (the numbers already checked against their ranges):
// stores every value, upper-cases the excluded letters, forgets the extra word
// lists when the word file is emptied, and marks the document modified. The
// minimum score goes to the profile as well.
void ApplySearchOptions(CRooster2Doc& doc, const SearchOptions& options);

// "Start zoeken" is offered while shaping or filling, with a word file named.
bool CanStartSearch(const CRooster2Doc& doc);
