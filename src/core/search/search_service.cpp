#include "search/search_service.h"

#include <algorithm>

#include "util/str_format.h"
#include "util/worker_thread.h"

namespace {

// How long a fill tries a minimum before a lower one, in processor seconds (so that a
// busy machine does not lower it sooner): most grids fill in a fraction of a second,
// and the limit is looked at every second or two.
constexpr long long SECONDS_PER_MINIMUM = 1;

// The minimums a fill tries in turn: the user's, then lower ones down to 10 (names at
// 20, abbreviations at 10); never 0, so that offensive words stay out.
std::vector<int> MinimumsToTry(const WordScoring& scoring) {
    std::vector<int> minimums{scoring.minScore};
    if (scoring.lowerWhenNothingFits) {
        for (const int lower : {30, 20, 10})
            if (lower < scoring.minScore) minimums.push_back(lower);
    }
    return minimums;
}

// The seed of the run after `runs` runs that found nothing in their time.
std::optional<std::uint32_t> SeedAfter(const SearchRequest& request, std::uint32_t runs) {
    if (runs == 0) return request.seed;
    const auto seed =
        request.seed ? *request.seed : static_cast<std::uint32_t>(request.clock->WallSeconds());
    return seed + runs;
}

}  // namespace

SearchService::SearchService(const SearchRequest& request, const SearchCallbacks& callbacks,
                             std::atomic<bool>& interruptFlag, std::function<void()> finished)
    : m_request(request),
      m_callbacks(callbacks),
      m_interrupt(interruptFlag),
      m_finished(std::move(finished)) {
    m_thread = std::make_unique<WorkerThread>([this] { Work(); }, SEARCH_STACK_BYTES);
}

SearchService::~SearchService() {
    if (!m_done) m_interrupt = true;
    m_thread->Join();
}

void SearchService::RunAt(int minScore, long long wallSeconds, long long processorSeconds,
                          std::optional<std::uint32_t> seed) {
    WordScoring scoring = m_request.scoring;
    scoring.minScore = minScore;
    auto run = MakeSearchRun(m_request.method, m_request.puzzle, scoring, m_interrupt);
    run->callbacks = m_callbacks;
    run->clock = m_request.clock;
    run->random = m_request.random != nullptr ? m_request.random : &m_random;
    run->seed = seed;
    run->timeLimitSeconds = wallSeconds;
    run->processorSecondsLimit = processorSeconds;
    run->region = m_request.region;
    {
        const std::lock_guard lock(m_runMutex);
        m_run = std::move(run);
    }
    m_outcome.started = m_run->Run();
}

bool SearchService::RanOutOfItsTime() const {
    return m_outcome.started && m_run->results.solutionCount == 0 && m_run->TimeLimitReached();
}

bool SearchService::FoundNothing() const {
    return RanOutOfItsTime() ||
           (m_outcome.started && m_run->results.solutionCount == 0 && !m_interrupt);
}

// Each minimum but the last is tried for a second. At the last one the fast method
// runs in slices of doubling length, each from a new seed, until one finds a fill: a
// run that went astray (most fill in a second or two, a few would take minutes) is
// then left for a fresh one, and a run that found a fill is never cut short.
void SearchService::Work() {
    const std::vector<int> minimums = MinimumsToTry(m_request.scoring);
    const bool sliced = m_request.method == SearchMethod::Fast;
    const long long start = m_request.clock->WallSeconds();
    const long long limit = m_request.timeLimitSeconds;
    std::size_t tried = 0;
    std::uint32_t freshRuns = 0;
    long long slice = SECONDS_PER_MINIMUM;
    for (;;) {
        const long long left = limit - (m_request.clock->WallSeconds() - start);
        const bool lastMinimum = tried + 1 == minimums.size();
        const long long processorLimit = !lastMinimum ? SECONDS_PER_MINIMUM : sliced ? slice : 0;
        RunAt(minimums[tried], limit > 0 ? std::max(left, 1LL) : 0, processorLimit,
              SeedAfter(m_request, freshRuns));
        const bool timeUp = limit > 0 && m_request.clock->WallSeconds() - start >= limit;
        const bool again = lastMinimum ? sliced && RanOutOfItsTime() : FoundNothing();
        if (timeUp || !again) break;
        // A time limit that ended the run was the run's own, not the user's stop.
        m_interrupt = false;
        if (lastMinimum) {
            slice *= 2;
            ++freshRuns;
        } else {
            ++tried;
        }
    }
    m_outcome.messages = m_run->Messages();
    m_outcome.results = std::move(m_run->results);
    m_outcome.timeLimitReached = m_run->TimeLimitReached();
    m_outcome.resultText = m_run->ResultText();
    if (tried > 0 && m_outcome.results.solutionCount > 0)
        m_outcome.resultText += StrFormat("; minimale score verlaagd van %d naar %d",
                                          minimums.front(), minimums[tried]);
    else if (tried > 0)
        m_outcome.resultText += StrFormat(", ook niet met minimale score %d", minimums[tried]);
    m_outcome.scoreText = m_run->ScoreText();
    m_outcome.lowestText = m_run->LowestText();
    m_done = true;
    if (m_finished) m_finished();
}

void SearchService::DrawAgain() {
    const std::lock_guard lock(m_runMutex);
    if (m_run) m_run->OnOtherKey();
}

SearchOutcome SearchService::TakeOutcome() {
    m_thread->Join();
    return std::move(m_outcome);
}

SearchOutcome Solve(const SearchRequest& request, const SearchCallbacks& callbacks,
                    std::atomic<bool>& interruptFlag) {
    SearchService service(request, callbacks, interruptFlag);
    return service.TakeOutcome();
}
