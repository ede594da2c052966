#include "search/search_service.h"

#include "util/worker_thread.h"

SearchService::SearchService(const SearchRequest& request, const SearchCallbacks& callbacks,
                             std::atomic<bool>& interruptFlag, std::function<void()> finished)
    : m_interrupt(interruptFlag),
      m_run(MakeSearchRun(request.method, request.puzzle, request.scoring, interruptFlag)),
      m_finished(std::move(finished)) {
    m_run->callbacks = callbacks;
    m_run->clock = request.clock;
    m_run->random = request.random != nullptr ? request.random : &m_random;
    m_run->seed = request.seed;
    m_run->timeLimitSeconds = request.timeLimitSeconds;
    m_thread = std::make_unique<WorkerThread>([this] { Work(); }, SEARCH_STACK_BYTES);
}

SearchService::~SearchService() {
    if (!m_done) m_interrupt = true;
    m_thread->Join();
}

void SearchService::Work() {
    m_outcome.started = m_run->Run();
    m_outcome.messages = m_run->Messages();
    m_outcome.results = std::move(m_run->results);
    m_outcome.timeLimitReached = m_run->TimeLimitReached();
    m_outcome.resultText = m_run->ResultText();
    m_outcome.scoreText = m_run->ScoreText();
    m_outcome.lowestText = m_run->LowestText();
    m_done = true;
    if (m_finished) m_finished();
}

void SearchService::DrawAgain() { m_run->OnOtherKey(); }

SearchOutcome SearchService::TakeOutcome() {
    m_thread->Join();
    return std::move(m_outcome);
}

SearchOutcome Solve(const SearchRequest& request, const SearchCallbacks& callbacks,
                    std::atomic<bool>& interruptFlag) {
    SearchService service(request, callbacks, interruptFlag);
    return service.TakeOutcome();
}
