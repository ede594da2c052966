#pragma once
// The rule the search options dialog's OK applies to the document, and the
// ranges of its numbers.

#include <cstdint>

#include "model/puzzle.h"

class Rooster2Doc;

constexpr std::int32_t MAX_SOLUTIONS_LIMIT = 1000000;
constexpr std::int32_t MAX_FREQUENCY_LIMIT = 9;
constexpr std::int32_t MAX_DISTINCT_LIMIT = 100;

// OK of the options dialog (the numbers already checked against their ranges):
// stores the options, upper-cases the excluded letters, forgets the extra word
// lists when the word file is emptied, and marks the document modified.
void ApplySearchOptions(Rooster2Doc& doc, const SearchOptions& options);

// "Start zoeken" is offered while shaping or filling, with a word file named or
// the installed set found.
bool CanStartSearch(const Rooster2Doc& doc, bool hasWordFile);
