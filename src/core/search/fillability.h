#pragma once
// The live check of a grid while it is being made: the fast method's letter
// sets narrowed to a fixpoint over the whole grid with the current lists and
// minimum score, without searching. It tells per open word how many entries
// can still stand there and which cells no letter fits; where the narrowing
// empties a word or a cell, that one is noted and left out of the narrowing
// from then on, so that one dead spot does not drown the rest of the grid.
// The desktop runs it after every edit on a worker thread, the command line
// once; both read the same report.

#include <atomic>
#include <string>
#include <vector>

#include "model/puzzle.h"
#include "model/user_message.h"
#include "model/word_scoring.h"

class SearchListCache;

// The word whose candidates a check lists, and in which order.
enum class CandidateOrder {
    Score,  // the list's score, highest first
    Room,   // what the entry leaves the crossing words, most first
};

struct FillabilityCandidate {
    std::string word;  // as the list writes it (ISO-8859-1)
    int score = 0;     // 0..100
    // What it leaves the crossing words: per letter in a shared open cell,
    // log2(1 + the crossing word's entries with that letter there), summed.
    double room = 0;
};

struct FillabilityRequest {
    Puzzle puzzle;  // with its word file resolved
    WordScoring scoring;
    int focusWord = -1;  // whose candidates to list; -1 none
    CandidateOrder order = CandidateOrder::Score;
    int maxCandidates = 1000;
};

// Candidates of a word that is not searched: it is complete (or split into parts).
constexpr int NOT_SEARCHED = -1;

struct FillabilityReport {
    // False when the check was cancelled or the lists could not be used (messages say why).
    bool checked = false;
    std::vector<UserMessage> messages;
    // Per word of the puzzle: the entries that still fit, or NOT_SEARCHED.
    std::vector<int> candidates;
    // Per cell: 1 where no letter fits.
    std::vector<char> deadCells;
    // The first word without candidates, as the program names words ("H12"); empty when none.
    std::string firstDeadWord;
    // The focus word's candidates in the order asked for, at most maxCandidates.
    std::vector<FillabilityCandidate> focusCandidates;
    int focusCount = 0;  // all of them
};

// Runs the check on the calling thread. Setting cancel from another thread
// ends it early, unchecked. The cache, when given, keeps the lists for the next check.
FillabilityReport CheckFillability(const FillabilityRequest& request, std::atomic<bool>& cancel,
                                   SearchListCache* cache = nullptr);

// "Vulbaar", or the first word without candidates ("H12: geen woorden"), followed by
// the first list that could not be read ("; Bestand ... ontbreekt."), or why the
// check could not run.
std::string FillabilityStatusText(const FillabilityReport& report);

// A word's entry in the report: "12 woorden", "1 woord", "geen woorden", or
// "ingevuld" for NOT_SEARCHED.
std::string CandidateCountText(int count);
