#include "wordlists/candidates.h"

#include <algorithm>

#include "model/puzzle.h"
#include "util/latin1.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

// Whether the word has `length` characters that fit the pattern (`unknown` is any
// letter there).
bool FitsPattern(std::string_view word, std::string_view pattern, std::size_t length,
                 char unknown) {
    if (word.size() != length || pattern.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (pattern[i] != unknown && pattern[i] != word[i]) return false;
    }
    return true;
}

// Whether the word holds every character of `letters`, each occurrence used once.
bool ContainsLetters(std::string_view word, std::string_view letters) {
    char buffer[WORD_LIST_LINE_MAX];
    const std::string_view::size_type size = word.copy(buffer, sizeof buffer);
    for (const char letter : letters) {
        char* const end = buffer + size;
        char* found = std::find(buffer, end, letter);
        if (found == end) return false;
        *found = '\1';
    }
    return true;
}

// The score the user's scoring gives an entry that `fits` and that the search options
// accept; nothing for any other line.
template <typename Fits>
std::optional<int> ScoreIfFitting(const Puzzle& puzzle, const WordScoring& scoring,
                                  const WordListEntry& entry, int length, Fits fits) {
    if (!entry.canBeWord || !fits(entry.word) || !IsAcceptableWord(puzzle, entry.word, length))
        return std::nullopt;
    return EffectiveScore(scoring, entry.word, entry.score);
}

// Lists the offered entries that fit, up to maxCount (0 = all); returns their number.
template <typename Fits>
int CollectOffered(const Puzzle& puzzle, const WordScoring& scoring, WordListFile& file, int length,
                   Fits fits, std::vector<std::string>* list, int maxCount,
                   LookupDetails* details) {
    int count = 0;
    WordListEntry entry;
    while (file.ReadEntry(entry)) {
        const std::optional<int> score = ScoreIfFitting(puzzle, scoring, entry, length, fits);
        if (!score || !IsOfferedScore(scoring, *score)) continue;
        if (list != nullptr) list->emplace_back(entry.word);
        if (details != nullptr) details->scores.push_back(*score);
        ++count;
        if (maxCount > 0 && count >= maxCount) break;
    }
    if (details != nullptr) {
        // The warning counts the whole file, not just the lines before the maximum.
        while (file.ReadEntry(entry)) continue;
        details->malformedScores = file.MalformedScores();
    }
    return count;
}

}  // namespace

int FindCandidates(const Puzzle& puzzle, const WordScoring& scoring, std::string_view pattern,
                   std::vector<std::string>* list, int maxCount, int listNumber,
                   LookupDetails* details) {
    std::string setName;
    if (!WordListSetName(puzzle, listNumber, setName)) return -1;
    const int length = static_cast<int>(pattern.size());
    const std::string wanted = Latin1ToUpper(pattern);
    WordListFile file;
    if (!OpenWordListSetFile(setName, length, file).empty()) return -1;
    if (details != nullptr) details->fileName = MakeWordListFileName(setName, length);
    return CollectOffered(
        puzzle, scoring, file, length,
        [&](std::string_view word) { return FitsPattern(word, wanted, wanted.size(), ' '); }, list,
        maxCount, details);
}

int FindAnagrams(const Puzzle& puzzle, const WordScoring& scoring, std::string_view letters,
                 std::vector<std::string>* list, int maxCount, int length, std::string_view pattern,
                 const std::string& fileSetName, LookupDetails* details) {
    WordListFile file;
    if (length < 0 || !OpenWordListSetFile(fileSetName, length, file).empty()) return -1;
    if (details != nullptr) details->fileName = MakeWordListFileName(fileSetName, length);
    const std::string wantedLetters = Latin1ToUpper(letters);
    const std::string wantedPattern = Latin1ToUpper(pattern);
    return CollectOffered(
        puzzle, scoring, file, length,
        [&](std::string_view word) {
            return ContainsLetters(word, wantedLetters) &&
                   FitsPattern(word, wantedPattern, static_cast<std::size_t>(length), '.');
        },
        list, maxCount, details);
}

std::optional<int> ListedScore(const Puzzle& puzzle, const WordScoring& scoring,
                               std::string_view word, int listNumber) {
    std::string setName;
    if (!WordListSetName(puzzle, listNumber, setName)) return std::nullopt;
    const int length = static_cast<int>(word.size());
    const std::string wanted = Latin1ToUpper(word);
    WordListFile file;
    if (!OpenWordListSetFile(setName, length, file).empty()) return std::nullopt;
    WordListEntry entry;
    while (file.ReadEntry(entry)) {
        const std::optional<int> score = ScoreIfFitting(
            puzzle, scoring, entry, length,
            [&](std::string_view w) { return FitsPattern(w, wanted, wanted.size(), ' '); });
        if (score) return score;
    }
    return std::nullopt;
}

std::unordered_map<std::string, int> ListedScoresOfLength(const Puzzle& puzzle,
                                                          const WordScoring& scoring,
                                                          int listNumber, int length) {
    std::unordered_map<std::string, int> scores;
    std::string setName;
    WordListFile file;
    if (!WordListSetName(puzzle, listNumber, setName) ||
        !OpenWordListSetFile(setName, length, file).empty())
        return scores;
    const auto wholeWord = [&](std::string_view w) {
        return w.size() == static_cast<std::size_t>(length);
    };
    WordListEntry entry;
    while (file.ReadEntry(entry))
        if (const std::optional<int> score =
                ScoreIfFitting(puzzle, scoring, entry, length, wholeWord))
            scores.try_emplace(std::string(entry.word), *score);
    return scores;
}

std::string WordListProblem(const std::string& setName, int length) {
    WordListFile file;
    return OpenWordListSetFile(setName, length, file);
}
