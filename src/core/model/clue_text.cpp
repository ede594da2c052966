#include "model/clue_text.h"

#include <algorithm>

#include "model/puzzle.h"
#include "util/str_format.h"

namespace {

int PartsListed(const WordInfo& word) {
    return std::clamp(word.partCount, 0, static_cast<int>(word.partLengths.size()));
}

}  // namespace

std::string FormatLengthPattern(const WordInfo& word) {
    const int parts = PartsListed(word);
    if (parts == 0) return std::to_string(word.length);
    std::string pattern;
    for (int j = 0; j < parts; ++j) {
        if (j > 0) pattern += '+';
        pattern += std::to_string(word.partLengths[j]);
    }
    return pattern;
}

std::string FormatClueText(const WordInfo& word) {
    const std::string pattern = FormatLengthPattern(word);
    if (word.extraList != 0)
        return StrFormat("%s (%s) *%d", word.clue.c_str(), pattern.c_str(), word.extraList);
    return StrFormat("%s (%s)", word.clue.c_str(), pattern.c_str());
}

std::string FormatNumberedClue(const WordInfo& word) {
    return StrFormat("%d. %s", word.number, FormatClueText(word).c_str());
}

std::string FormatLabel(const WordInfo& word) {
    return StrFormat("%c%d", word.dx == 1 ? 'H' : 'V', word.number);
}

std::string GetClueCaption(const WordInfo& word) {
    return StrFormat("%s. %s", FormatLabel(word).c_str(), FormatClueText(word).c_str());
}

std::string FormatDisplayValue(const WordInfo& word) {
    std::string shown;
    std::size_t nextBreak = std::string::npos;
    int part = 0;
    if (word.partCount > 1) nextBreak = word.partLengths[0];
    for (std::size_t i = 0; i < word.value.size(); ++i) {
        if (i == nextBreak && i > 0) {
            shown += '-';
            ++part;
            nextBreak = part + 1 < PartsListed(word) ? nextBreak + word.partLengths[part]
                                                     : std::string::npos;
        }
        if (word.value[i] == 'y')
            shown += "IJ";
        else
            shown += word.value[i];
    }
    return shown;
}

std::string FormatNumberedValue(const WordInfo& word) {
    return StrFormat("%2d. %s", word.number, FormatDisplayValue(word).c_str());
}

std::string FormatLabeledValue(const WordInfo& word) {
    return StrFormat("%s %s", FormatLabel(word).c_str(), FormatDisplayValue(word).c_str());
}

std::string Puzzle::FormatClueList(int dir) const {
    std::string list;
    for (const WordInfo& word : words) {
        if (word.dx != dir) continue;
        list += FormatNumberedClue(word);
        list += "\r\n";
    }
    return list;
}
