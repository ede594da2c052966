#pragma once
// The scores as the user works with them: their own scores on top of any list's,
// the minimum that decides what is offered, the file that keeps the own scores,
// the minimum in the profile, and what a filled grid scores.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/user_message.h"
#include "model/word_scoring.h"

class Puzzle;
class IProfile;

// Score 0 blocks a word: it is never offered or placed, whatever the minimum.
constexpr int BLOCKED_SCORE = 0;

// The score of a list entry for this user: their own score for the word when they
// gave one, else the list's. Trailing white space is not part of the word.
int EffectiveScore(const WordScoring& scoring, std::string_view word, int listScore);
// Whether a word with this score is offered and placed: not blocked and not below
// the minimum.
bool IsOfferedScore(const WordScoring& scoring, int score);

// The own scores file: "WORD;SCORE" lines, words in capitals. Empty lines are
// skipped; a line without a word or a valid score is counted in `malformed`.
ScoreOverrides ParseScoreOverrides(std::string_view text, int& malformed);
// The file's text: one CR LF line per word, in word order.
std::string FormatScoreOverrides(const ScoreOverrides& overrides);
// The own scores file in the user's data folder; empty when there is no folder.
std::string ScoreOverridePath(const std::string& dataFolder);

// Makes `path` the own scores file and reads it (a missing file holds no scores;
// an empty path names no file).
// Returns the warning about malformed lines, if there are any.
std::optional<UserMessage> LoadScoreOverrides(WordScoring& scoring, const std::string& path);
// Gives the word (upper-cased) its own score, BLOCKED_SCORE blocks it; the file is
// written (its folder made when needed) and the score counts at once. On failure
// nothing changes and the message says why.
std::optional<UserMessage> SetOwnScore(WordScoring& scoring, std::string_view word, int score);

// The minimum of a profile that has none yet, and of the command line's fill: it
// keeps abbreviations and proper names (scored below 50) out of a fill.
constexpr int DEFAULT_MIN_SCORE = 50;
// The minimum score the user last chose, DEFAULT_MIN_SCORE before they chose one;
// 0 without a profile.
int ReadMinimumScore(const IProfile* profile);
// Sets the minimum (clamped to 0..100) and remembers it in the profile, when there is one.
void StoreMinimumScore(WordScoring& scoring, IProfile* profile, int minScore);
// Whether a fill may lower the minimum when nothing fits: the user's last choice, yes
// before they chose; no without a profile.
bool ReadLowerWhenNothingFits(const IProfile* profile);
void StoreLowerWhenNothingFits(WordScoring& scoring, IProfile* profile, bool lower);

// One scored stretch of a complete word (a whole word, or one part of a multi-word
// answer): the word's index in the puzzle, its letters in capitals and its score.
struct EntryScore {
    int word = 0;
    std::string letters;
    int score = 0;
};
// A stretch's score in list `listNumber`, nothing when the list does not hold it.
using ScoreLookup = std::function<std::optional<int>(std::string_view stretch, int listNumber)>;
// The scored stretches of the complete words in word order; unlisted ones are left out.
std::vector<EntryScore> ScoreEntries(const Puzzle& puzzle, const ScoreLookup& lookup);
// The same, each stretch looked up in its list file.
std::vector<EntryScore> ScoreEntries(const Puzzle& puzzle, const WordScoring& scoring);

// What the complete words of a grid score in their lists (each part of a multi-word
// answer on its own); words the lists do not hold are left out.
struct FillScore {
    int scoredWords = 0;
    int total = 0;
    int lowest = 0;
    std::string lowestWord;
};
FillScore SummarizeScores(const std::vector<EntryScore>& entries);
FillScore ScoreFill(const Puzzle& puzzle, const WordScoring& scoring);
// "62,4": the average with one decimal and a decimal comma.
std::string FormatScoreAverage(const FillScore& score);
// "Score: gemiddeld 62,4, laagste 35 (KST)"; empty when no word scored.
std::string FillScoreText(const FillScore& score);

// How many of the lowest entries a fill names as the ones to fix first.
constexpr std::size_t LOWEST_ENTRIES_SHOWN = 5;
// The `count` lowest-scored entries, lowest first; equal scores in word order.
std::vector<EntryScore> LowestEntries(std::vector<EntryScore> entries,
                                      std::size_t count = LOWEST_ENTRIES_SHOWN);
// "Laagste woorden: H3 KST (10), V5 BTW (10)"; empty without entries.
std::string LowestEntriesText(const Puzzle& puzzle, const std::vector<EntryScore>& lowest);
