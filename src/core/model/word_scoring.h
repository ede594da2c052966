#pragma once
// How the word lists' scores are used: the user's minimum and the user's own
// scores for single words, which win over any list's. Neither belongs to a
// puzzle file: the desktop keeps the minimum in the profile and the own scores
// in a file of the user's data folder.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

using ScoreOverrides = std::map<std::string, int, std::less<>>;

struct WordScoring {
    std::int32_t minScore = 0;  // 0..100; 0 = no minimum
    // Whether a fill that finds nothing at the minimum soon tries lower ones: a fill
    // with a few weak words, named among the lowest, serves better than none.
    bool lowerWhenNothingFits = false;
    // Where the own scores are written; empty: there is no such file.
    std::string overrideFile;
    // Word (as the lists write it) -> score. Shared: a copy of the document for
    // a search or an import costs no copy of the map.
    std::shared_ptr<const ScoreOverrides> overrides;
};
