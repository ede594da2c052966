#pragma once
// "Verbeter vulling": a complete fill made better by refilling the region around
// its weakest word again and again with the fast method. A fill is better when
// its lowest word scores higher, or as low but its average is higher; the
// improver never returns a fill worse than its start in that order, and it
// changes only the cells it is given, never a locked one, so that letters the
// user placed and locked stay.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/puzzle.h"
#include "model/word_scoring.h"
#include "search/search_environment.h"
#include "search/search_run.h"
#include "wordlists/word_scores.h"

class Rooster2Doc;

// "Verbeter vulling" is offered on a complete grid: a shown solution, or the grid in
// the filling phase after a search with solutions; never without a word list set.
bool CanImproveFill(const Rooster2Doc& doc, bool hasWordFile, int solutionCount);

class FillImprover {
public:
    // Takes the puzzle as a search takes it (its shape, options and word lists, the
    // installed set when it names none) and the user's scoring. Setting the flag
    // (Escape, "&Onderbreken", Ctrl+C; from any thread) stops it after the current
    // try, keeping the best fill so far.
    FillImprover(const Puzzle& searchPuzzle, const WordScoring& scoring,
                 std::atomic<bool>& interruptFlag);

    // The best fill found within `seconds`, starting from the complete grid `fill`
    // and changing only unlocked cells whose `changeable` flag is set; `fill` itself when
    // nothing better turned up. Stops early on Interrupt, and when no region around
    // any word can be refilled better.
    std::string Improve(const std::string& fill, const std::vector<bool>& changeable,
                        double seconds);

    // "Verbeterd na 12 pogingen: laagste 30 -> 50, gemiddeld 55,2 -> 58,0", or
    // "Geen betere vulling na 12 pogingen: ...".
    const std::string& ResultText() const { return m_resultText; }
    // The returned fill's "Score: ..." and "Laagste woorden: ..." texts.
    const std::string& ScoreText() const { return m_scoreText; }
    const std::string& LowestText() const { return m_lowestText; }

    // status gets the progress (pane 0: lowest and average, pane 1: tries and
    // improvements) on the improving thread.
    SearchCallbacks callbacks;
    // The first try's seed; the clock's when empty.
    std::optional<std::uint32_t> seed;

private:
    using Clock = std::chrono::steady_clock;

    void PrepareCells();
    std::vector<EntryScore> Score(const Puzzle& filled);
    Puzzle Filled(const std::string& grid) const;
    // The words worth refilling, lowest-scored first: (word, its lowest stretch's score).
    std::vector<std::pair<int, int>> Targets(const std::vector<EntryScore>& entries) const;
    std::vector<int> RegionCells(int target, int radius) const;
    bool TryRefill(int targetScore, const std::vector<int>& cells);
    FillScore BestOfTrial(const SearchResults& results, const std::vector<int>& cells,
                          std::string& grid);
    bool RepeatsAWord(const Puzzle& filled, const std::vector<int>& cleared) const;
    void Poll();
    void ReportProgress(bool now);

    Puzzle m_puzzle;  // the shape and options, the word file resolved
    WordScoring m_scoring;
    std::vector<bool> m_changeable;
    std::vector<std::vector<int>> m_wordsOfCell;
    std::map<std::pair<int, int>, std::unordered_map<std::string, int>> m_listScores;

    std::string m_best;
    FillScore m_bestScore;
    LcgRandom m_random;
    SearchRun* m_trial = nullptr;  // the refill running now
    Clock::time_point m_deadline;
    Clock::time_point m_tryDeadline;
    Clock::time_point m_lastStatus;
    std::atomic<bool>& m_interrupted;
    bool m_tryCut = false;  // the running try was stopped before it saw every refill
    int m_tries = 0;
    int m_improvements = 0;

    std::string m_resultText;
    std::string m_scoreText;
    std::string m_lowestText;
};
