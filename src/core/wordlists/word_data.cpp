#include "wordlists/word_data.h"

#include <algorithm>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/str_format.h"
#include "util/text_lines.h"
#include "wordlists/candidates.h"
#include "wordlists/word_list_files.h"

namespace {

const char* const OEI = "Oei";
// The lookups need at least two letters: a part of one letter is never looked up.
constexpr std::size_t SHORTEST_LOOKUP = 2;

std::string ReplaceAll(std::string_view text, char from, char to) {
    std::string result(text);
    std::replace(result.begin(), result.end(), from, to);
    return result;
}

// "Aantal gevonden kandidaten: %d", or why there are none.
std::string CandidateLabel(std::size_t found, bool haveWordList) {
    if (found > 0) return StrFormat("Aantal gevonden kandidaten: %d", static_cast<int>(found));
    return haveWordList ? "Geen kandidaten gevonden" : "Geen woordenlijst gegeven";
}

std::string Reversed(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

// Byte-wise: letters with diacritics sort after Z, as in the lists' code page.
bool BytesBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// Puts the entries, with their scores, in the order of `before` (stable).
template <typename Before>
void ReorderCandidates(CandidateList& list, Before before) {
    list.scores.resize(list.entries.size(), UNSCORED);
    std::vector<std::size_t> order(list.entries.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::stable_sort(order.begin(), order.end(), before);
    CandidateList sorted;
    for (const std::size_t k : order) {
        sorted.entries.push_back(std::move(list.entries[k]));
        sorted.scores.push_back(list.scores[k]);
    }
    list.entries = std::move(sorted.entries);
    list.scores = std::move(sorted.scores);
}

// The candidate list of a lookup: its words, their scores and the warning about the
// file's malformed scores.
CandidateList ListOf(std::vector<std::string> entries, LookupDetails details) {
    CandidateList result;
    result.entries = std::move(entries);
    result.scores = std::move(details.scores);
    if (details.malformedScores > 0)
        result.warning =
            UserMessage{MalformedScoreWarning(details.malformedScores, details.fileName)};
    return result;
}

}  // namespace

WordPartSelection WordPartSelection::Of(const WordInfo& word) {
    WordPartSelection parts;
    parts.partCount = word.PartCountInUse();
    parts.partLengths = word.partLengths;
    return parts;
}

bool WordPartSelection::NextPart() {
    if (!HasParts() || currentPart + 1 >= partCount) return false;
    ++currentPart;
    return true;
}

bool WordPartSelection::PreviousPart() {
    if (!HasParts() || currentPart <= 0) return false;
    --currentPart;
    return true;
}

int WordPartSelection::PartStart() const {
    const int last = std::clamp(currentPart, 0, static_cast<int>(partLengths.size()));
    int start = 0;
    for (int j = 0; j < last; ++j) start += partLengths[j];
    return start;
}

int WordPartSelection::PartLength() const {
    if (currentPart < 0 || currentPart >= static_cast<int>(partLengths.size())) return 0;
    return partLengths[currentPart];
}

std::string WordPartSelection::PartNumberText() const { return StrFormat("%d", currentPart + 1); }

std::string WordDataTitle(const WordInfo& word) {
    return StrFormat("%s met lengte %d", FormatLabel(word).c_str(), word.length);
}

std::string DialogValueFromCells(std::string_view letters) { return ReplaceAll(letters, ' ', '.'); }

std::string CellsFromDialogValue(std::string_view value, std::string_view cells) {
    std::string letters = ReplaceAll(value, '.', ' ');
    for (std::size_t k = 0; k < letters.size(); ++k)
        if (letters[k] == 'Y' && !(k < cells.size() && cells[k] == 'Y'))
            letters[k] = static_cast<char>(CELL_IJ);
    return letters;
}

std::string FitValueToLength(std::string_view value, std::size_t length) {
    std::string fitted(value.substr(0, length));
    fitted.resize(length, '.');
    return fitted;
}

std::string CandidatePattern(std::string_view value, const WordPartSelection& parts) {
    if (!parts.HasParts()) return std::string(value);
    const auto start = static_cast<std::size_t>(parts.PartStart());
    if (start >= value.size()) return std::string();
    return std::string(value.substr(start, static_cast<std::size_t>(parts.PartLength())));
}

CandidateList FillCandidates(const Puzzle& puzzle, const WordScoring& scoring,
                             std::string_view value, const WordPartSelection& parts, int maxCount,
                             int listNumber) {
    std::vector<std::string> entries;
    LookupDetails details;
    bool failed = false;
    if (!puzzle.search.wordFile.empty()) {
        const std::string pattern = CandidatePattern(ReplaceAll(value, '.', ' '), parts);
        failed =
            pattern.size() >= SHORTEST_LOOKUP &&
            FindCandidates(puzzle, scoring, pattern, &entries, maxCount, listNumber, &details) < 0;
    }
    CandidateList result = ListOf(std::move(entries), std::move(details));
    if (failed) result.error = UserMessage{"Fout bij bepaling kandidaten", OEI};
    result.label = CandidateLabel(result.entries.size(), !puzzle.search.wordFile.empty());
    return result;
}

std::optional<CandidateList> FilterCandidates(const Puzzle& puzzle, const WordScoring& scoring,
                                              std::string_view value,
                                              const WordPartSelection& parts,
                                              std::string_view letters, int maxCount,
                                              int listNumber) {
    std::string setName;
    if (!WordListSetName(puzzle, listNumber, setName) || letters.empty()) return std::nullopt;
    std::vector<std::string> entries;
    LookupDetails details;
    bool failed = false;
    if (!setName.empty()) {
        const std::string pattern = CandidatePattern(value, parts);
        const int length = parts.HasParts() ? parts.PartLength() : static_cast<int>(value.size());
        failed = length >= static_cast<int>(SHORTEST_LOOKUP) &&
                 FindAnagrams(puzzle, scoring, letters, &entries, maxCount, length, pattern,
                              setName, &details) < 0;
    }
    CandidateList result = ListOf(std::move(entries), std::move(details));
    if (failed) result.error = UserMessage{"Fout bij bepaling anagrammen", OEI};
    result.label = CandidateLabel(result.entries.size(), !setName.empty());
    return result;
}

void SortCandidates(CandidateList& list, int& sortFlag) {
    if (list.entries.size() < 2) return;
    sortFlag = sortFlag == 0 ? 1 : 0;
    std::vector<std::string> keys = list.entries;
    if (sortFlag == 1) {
        for (std::string& key : keys) key = Reversed(key);
    }
    ReorderCandidates(list,
                      [&](std::size_t a, std::size_t b) { return BytesBefore(keys[a], keys[b]); });
}

void SortCandidatesByScore(CandidateList& list) {
    ReorderCandidates(
        list, [&](std::size_t a, std::size_t b) { return list.scores[a] > list.scores[b]; });
}

void TakeCandidate(std::string& value, std::string_view candidate, const WordPartSelection& parts) {
    const std::string_view word = TrimTrailingWhiteSpace(candidate);
    if (!parts.HasParts()) {
        value = std::string(word);
        return;
    }
    const auto start = static_cast<std::size_t>(parts.PartStart());
    const auto length = static_cast<std::size_t>(parts.PartLength());
    for (std::size_t i = 0; i < length && i < word.size() && start + i < value.size(); ++i)
        value[start + i] = word[i];
}

std::optional<UserMessage> CheckListNumber(const Puzzle& puzzle, int listNumber) {
    std::string setName;
    if (WordListSetName(puzzle, listNumber, setName)) return std::nullopt;
    return UserMessage{"Index incorrect, zie 'Index zoekbestanden'", OEI};
}
