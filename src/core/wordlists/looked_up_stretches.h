#pragma once
// The stretches of a filled word that are looked up in its list on their own.

#include <algorithm>
#include <string_view>

#include "model/word_info.h"

// Calls visit(stretch) for each stretch of the letters that is looked up on its own:
// the whole word, or every part of two letters or more; stops when visit says false.
// Parts that claim more letters than the word has are cut at its end.
template <typename Visit>
bool ForEachLookedUpStretch(const WordInfo& word, std::string_view letters, Visit visit) {
    const int parts = word.PartCountInUse();
    if (parts == 0) return visit(letters);
    std::size_t offset = 0;
    for (int j = 0; j < parts; ++j) {
        const std::size_t length = word.partLengths[j];
        const std::string_view part = letters.substr(std::min(offset, letters.size()), length);
        if (length >= 2 && !visit(part)) return false;
        offset += length;
    }
    return true;
}
