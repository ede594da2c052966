#pragma once
// The scores as the user works with them: their own scores on top of any list's,
// the minimum that decides what is offered, the file that keeps the own scores,
// the minimum in the profile, and what a filled grid scores.

#include <optional>
#include <string>
#include <string_view>

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

// The minimum score the user last chose; 0 without a profile.
int ReadMinimumScore(const IProfile* profile);
// Sets the minimum (clamped to 0..100) and remembers it in the profile, when there is one.
void StoreMinimumScore(WordScoring& scoring, IProfile* profile, int minScore);

// What the complete words of a grid score in their lists (each part of a multi-word
// answer on its own); words the lists do not hold are left out.
struct FillScore {
    int scoredWords = 0;
    int total = 0;
    int lowest = 0;
    std::string lowestWord;
};
FillScore ScoreFill(const Puzzle& puzzle, const WordScoring& scoring);
// "Score: gemiddeld 62,4, laagste 35 (KST)"; empty when no word scored.
std::string FillScoreText(const FillScore& score);
