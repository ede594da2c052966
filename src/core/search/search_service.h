#pragma once
// The search as a service: a copy of the puzzle, the user's scoring and the
// method go in; the solutions, the best fill and the texts come out. It knows
// no document and never writes one: the phase, the cursor and taking a
// solution over belong to the caller.
//
// The fill runs on a thread of its own with a stack of SEARCH_STACK_BYTES, so
// that a grid with thousands of words fits whatever thread asks for it. The
// callbacks run on that thread; the interrupt flag may be set from any thread
// and from a signal handler.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "model/puzzle.h"
#include "model/user_message.h"
#include "model/word_scoring.h"
#include "search/search_method.h"
#include "search/search_run.h"

class WorkerThread;

// Both methods go one level deeper per word and the fast one once more per
// decided cell: a 100 x 100 grid needs a few MiB, more with the sanitizers.
// The size is reserved, not used.
constexpr std::size_t SEARCH_STACK_BYTES = std::size_t{256} << 20;

struct SearchRequest {
    SearchRequest(const Puzzle& puzzle, const WordScoring& scoring, SearchMethod method)
        : puzzle(puzzle), scoring(scoring), method(method) {}

    Puzzle puzzle;
    WordScoring scoring;
    SearchMethod method;
    // The random order's seed; the clock's seconds when empty.
    std::optional<std::uint32_t> seed;
    ISearchClock* clock = &DefaultSearchClock();
    // Seconds after which the search stops as an interrupt stops it; 0 = none.
    // With scoring.lowerWhenNothingFits, all tries at lower minimums together.
    long long timeLimitSeconds = 0;
    // The run's own generator when null.
    ISearchRandom* random = nullptr;
    // "Vul selectie": only the words through it are filled (see SearchRun::region).
    std::optional<GridRegion> region;
};

struct SearchOutcome {
    // False when the search could not start (messages say why).
    bool started = false;
    std::vector<UserMessage> messages;
    SearchResults results;
    bool timeLimitReached = false;
    std::string resultText;
    // What the first solution scores, and its lowest words; empty without solutions.
    std::string scoreText;
    std::string lowestText;
};

// A search running in the background; destroying it interrupts and waits.
class SearchService {
public:
    // Starts at once. `finished` is the last thing the worker does, after the
    // outcome is complete.
    SearchService(const SearchRequest& request, const SearchCallbacks& callbacks,
                  std::atomic<bool>& interruptFlag, std::function<void()> finished = {});
    ~SearchService();
    SearchService(const SearchService&) = delete;
    SearchService& operator=(const SearchService&) = delete;

    // Any key but Escape while searching: the grid is drawn again at the next node.
    void DrawAgain();
    // Waits for the end and hands the outcome over (once).
    SearchOutcome TakeOutcome();

private:
    void Work();
    // Runs the fill at one minimum score; limits of 0 are none.
    void RunAt(int minScore, long long wallSeconds, long long processorSeconds,
               std::optional<std::uint32_t> seed);
    // Whether the run just done ended without a fill, and not by the user's stop.
    bool FoundNothing() const;
    // Whether it ended by its time limit without a fill.
    bool RanOutOfItsTime() const;

    const SearchRequest m_request;
    const SearchCallbacks m_callbacks;
    std::atomic<bool>& m_interrupt;
    std::atomic<bool> m_done{false};
    LcgRandom m_random;
    std::mutex m_runMutex;  // DrawAgain comes from another thread while runs change
    std::unique_ptr<SearchRun> m_run;
    std::function<void()> m_finished;
    SearchOutcome m_outcome;
    std::unique_ptr<WorkerThread> m_thread;
};

// Runs the search and waits for it.
SearchOutcome Solve(const SearchRequest& request, const SearchCallbacks& callbacks,
                    std::atomic<bool>& interruptFlag);
