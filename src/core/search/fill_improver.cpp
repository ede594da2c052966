#include "search/fill_improver.h"

#include <algorithm>
#include <ctime>

#include "model/cells.h"
#include "model/rooster2_doc.h"
#include "search/search_method.h"
#include "util/latin1.h"
#include "util/str_format.h"
#include "wordlists/candidates.h"
#include "wordlists/word_list_files.h"

namespace {

// Crossing words out from the weakest word: 1 clears its crossing words too, 2
// the words crossing those. A larger region rarely refills better in time.
constexpr int MAX_RADIUS = 2;
// A try looks at this many refills of its region and keeps the best one.
constexpr int SOLUTIONS_PER_TRY = 20;
// No single try may use up the whole time on a region that cannot be refilled.
constexpr double TRY_SECONDS = 2.0;
constexpr auto STATUS_INTERVAL = std::chrono::seconds(2);
// Longer than any run; keeps the deadline's arithmetic inside the clock's range.
constexpr double LONGEST_RUN_SECONDS = 1e7;

// The refill's clock counts twentieths of a second, so that it polls ten times a
// second (its cadence is two ticks) and a try stops promptly at its deadline.
class TickClock : public ISearchClock {
public:
    long long WallSeconds() override { return Milliseconds() / 50; }
    long long Milliseconds() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - m_start)
            .count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// Better: a higher lowest score, or the same lowest and a higher average.
bool IsBetter(const FillScore& a, const FillScore& b) {
    if (a.scoredWords == 0) return false;
    if (b.scoredWords == 0) return true;
    if (a.lowest != b.lowest) return a.lowest > b.lowest;
    return static_cast<long long>(a.total) * b.scoredWords >
           static_cast<long long>(b.total) * a.scoredWords;
}

bool IsGridComplete(const Puzzle& puzzle) {
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
        if (!puzzle.IsWordComplete(i)) return false;
    return true;
}

const char* Tries(int count) { return count == 1 ? "poging" : "pogingen"; }

}  // namespace

bool CanImproveFill(const Rooster2Doc& doc, bool hasWordFile, int solutionCount) {
    if (!hasWordFile || solutionCount == 0) return false;
    // A fill of a region may leave words outside it open.
    return (doc.phase == Phase::Tonen || doc.phase == Phase::Vullen) &&
           IsGridComplete(doc.puzzle());
}

FillImprover::FillImprover(const Puzzle& searchPuzzle, const WordScoring& scoring,
                           std::atomic<bool>& interruptFlag)
    : m_puzzle(searchPuzzle), m_scoring(scoring), m_interrupted(interruptFlag) {
    m_puzzle.search.showWhileSearching = false;
    m_puzzle.search.sound = false;
    m_puzzle.search.maxSolutions = SOLUTIONS_PER_TRY;
}

std::string FillImprover::Improve(const std::string& fill, const std::vector<bool>& changeable,
                                  double seconds) {
    const Clock::time_point start = Clock::now();
    m_deadline = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                             std::clamp(seconds, 0.0, LONGEST_RUN_SECONDS)));
    m_random.Seed(seed ? *seed : static_cast<std::uint32_t>(std::time(nullptr)));
    m_tries = 0;
    m_improvements = 0;
    m_changeable = changeable;
    m_changeable.resize(static_cast<std::size_t>(m_puzzle.CellCount()), false);
    for (int cell = 0; cell < m_puzzle.CellCount(); ++cell)
        m_changeable[cell] = m_changeable[cell] && !m_puzzle.locks[cell];
    PrepareCells();
    m_best = fill;
    const std::vector<EntryScore> startEntries = Score(Filled(m_best));
    m_bestScore = SummarizeScores(startEntries);
    const FillScore startScore = m_bestScore;
    std::vector<std::pair<int, int>> targets = Targets(startEntries);
    m_lastStatus = start;
    ReportProgress(true);

    // Lowest word first, growing its region when stuck, then the next lowest; after
    // an improvement from the lowest again. A round in which every try saw all the
    // refills of its region and none was better ends the run: nothing more to find.
    std::size_t rank = 0;
    int radius = 1;
    bool roundComplete = true;
    while (!m_interrupted && Clock::now() < m_deadline) {
        if (rank >= targets.size()) {
            if (roundComplete) break;
            rank = 0;
            roundComplete = true;
        }
        const auto [word, score] = targets[rank];
        if (TryRefill(score, RegionCells(word, radius))) {
            targets = Targets(Score(Filled(m_best)));
            rank = 0;
            radius = 1;
            roundComplete = true;
        } else {
            roundComplete = roundComplete && !m_tryCut;
            if (++radius > MAX_RADIUS) {
                radius = 1;
                ++rank;
            }
        }
        Poll();
    }

    const Puzzle filled = Filled(m_best);
    const std::vector<EntryScore> entries = Score(filled);
    if (m_improvements > 0)
        m_resultText = StrFormat("Verbeterd na %d %s: laagste %d -> %d, gemiddeld %s -> %s",
                                 m_tries, Tries(m_tries), startScore.lowest, m_bestScore.lowest,
                                 FormatScoreAverage(startScore).c_str(),
                                 FormatScoreAverage(m_bestScore).c_str());
    else
        m_resultText =
            StrFormat("Geen betere vulling na %d %s: laagste %d, gemiddeld %s", m_tries,
                      Tries(m_tries), m_bestScore.lowest, FormatScoreAverage(m_bestScore).c_str());
    m_scoreText = FillScoreText(m_bestScore);
    m_lowestText = LowestEntriesText(filled, LowestEntries(entries));
    return m_best;
}

void FillImprover::PrepareCells() {
    m_wordsOfCell.assign(static_cast<std::size_t>(m_puzzle.CellCount()), {});
    for (int i = 0; i < static_cast<int>(m_puzzle.words.size()); ++i) {
        const WordInfo& word = m_puzzle.words[i];
        for (int k = 0; k < word.length; ++k)
            m_wordsOfCell[word.CellY(k) * m_puzzle.width + word.CellX(k)].push_back(i);
    }
}

// Scores from each list read once per length: a try looks at many fills.
std::vector<EntryScore> FillImprover::Score(const Puzzle& filled) {
    return ScoreEntries(
        filled, [this](std::string_view stretch, int listNumber) -> std::optional<int> {
            const std::pair<int, int> key(listNumber, static_cast<int>(stretch.size()));
            auto list = m_listScores.find(key);
            if (list == m_listScores.end())
                list = m_listScores
                           .emplace(key, ListedScoresOfLength(m_puzzle, m_scoring, key.first,
                                                              key.second))
                           .first;
            const auto found = list->second.find(Latin1ToUpper(stretch));
            if (found == list->second.end()) return std::nullopt;
            return found->second;
        });
}

Puzzle FillImprover::Filled(const std::string& grid) const {
    Puzzle filled = m_puzzle;
    filled.StringToGrid(grid);
    return filled;
}

std::vector<std::pair<int, int>> FillImprover::Targets(
    const std::vector<EntryScore>& entries) const {
    std::vector<std::pair<int, int>> targets;
    std::vector<bool> taken(m_puzzle.words.size());
    for (const EntryScore& entry : LowestEntries(entries, entries.size())) {
        if (taken[entry.word] || entry.score >= HIGHEST_SCORE) continue;
        taken[entry.word] = true;
        const WordInfo& word = m_puzzle.words[entry.word];
        for (int k = 0; k < word.length; ++k) {
            if (m_changeable[word.CellY(k) * m_puzzle.width + word.CellX(k)]) {
                targets.emplace_back(entry.word, entry.score);
                break;
            }
        }
    }
    return targets;
}

std::vector<int> FillImprover::RegionCells(int target, int radius) const {
    std::vector<bool> inRegion(m_puzzle.words.size());
    inRegion[target] = true;
    std::vector<int> frontier = {target};
    for (int step = 0; step < radius; ++step) {
        std::vector<int> next;
        for (const int w : frontier) {
            const WordInfo& word = m_puzzle.words[w];
            for (int k = 0; k < word.length; ++k)
                for (const int crossing :
                     m_wordsOfCell[word.CellY(k) * m_puzzle.width + word.CellX(k)])
                    if (!inRegion[crossing]) {
                        inRegion[crossing] = true;
                        next.push_back(crossing);
                    }
        }
        frontier = std::move(next);
    }
    std::vector<bool> taken(m_changeable.size());
    std::vector<int> cells;
    for (int w = 0; w < static_cast<int>(inRegion.size()); ++w) {
        if (!inRegion[w]) continue;
        const WordInfo& word = m_puzzle.words[w];
        for (int k = 0; k < word.length; ++k) {
            const int cell = word.CellY(k) * m_puzzle.width + word.CellX(k);
            if (m_changeable[cell] && !taken[cell]) {
                taken[cell] = true;
                cells.push_back(cell);
            }
        }
    }
    return cells;
}

// Clears the cells and refills them with the fast method, every word through them
// scoring above the target's score; keeps the best refill when it beats the best fill.
bool FillImprover::TryRefill(int targetScore, const std::vector<int>& cells) {
    m_tryCut = false;
    if (cells.empty()) return false;
    Puzzle trial = m_puzzle;
    trial.StringToGrid(m_best);
    for (const int cell : cells) trial.cells[cell] = CELL_VRIJ;
    WordScoring trialScoring = m_scoring;
    trialScoring.minScore = std::max(m_scoring.minScore, targetScore + 1);
    // Its own flag: the refill's solution limit stops the refill, not the improver.
    std::atomic<bool> trialStop{false};
    const std::unique_ptr<SearchRun> search =
        MakeSearchRun(SearchMethod::Fast, trial, trialScoring, trialStop);
    TickClock clock;
    LcgRandom random;
    search->clock = &clock;
    search->random = &random;
    search->seed = static_cast<std::uint32_t>(m_random.Next()) << 15 |
                   static_cast<std::uint32_t>(m_random.Next());
    search->callbacks.poll = [this](const Puzzle&) { Poll(); };
    search->scoreFirstSolution = false;
    m_tryDeadline =
        std::min(m_deadline, Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                std::chrono::duration<double>(TRY_SECONDS)));
    m_trial = search.get();
    // A region with a word that has no candidate above the minimum cannot start:
    // that, too, is a complete answer.
    const bool ran = search->Run();
    m_trial = nullptr;
    ++m_tries;
    if (!ran) return false;
    if (search->results.solutionCount >= SOLUTIONS_PER_TRY) m_tryCut = true;
    std::string grid;
    const FillScore score = BestOfTrial(search->results, cells, grid);
    if (!IsBetter(score, m_bestScore)) return false;
    m_best = grid;
    m_bestScore = score;
    ++m_improvements;
    ReportProgress(true);
    return true;
}

FillScore FillImprover::BestOfTrial(const SearchResults& results, const std::vector<int>& cells,
                                    std::string& grid) {
    FillScore best;
    Puzzle filled = m_puzzle;
    for (const std::string& solution : results.solutions) {
        filled.StringToGrid(solution);
        if (m_puzzle.search.allDifferent && RepeatsAWord(filled, cells)) continue;
        const FillScore score = SummarizeScores(Score(filled));
        if (!IsBetter(score, best)) continue;
        best = score;
        grid = solution;
    }
    return best;
}

// The refill keeps its own words apart, not from the words outside the region.
bool FillImprover::RepeatsAWord(const Puzzle& filled, const std::vector<int>& cleared) const {
    std::vector<bool> refilled(filled.words.size());
    for (const int cell : cleared)
        for (const int w : m_wordsOfCell[cell]) refilled[w] = true;
    for (int w = 0; w < static_cast<int>(filled.words.size()); ++w) {
        if (!refilled[w]) continue;
        const std::string value = filled.GetWordValue(w);
        for (int other = 0; other < static_cast<int>(filled.words.size()); ++other)
            if (other != w && filled.words[other].length == filled.words[w].length &&
                filled.IsWordComplete(other) && filled.GetWordValue(other) == value)
                return true;
    }
    return false;
}

void FillImprover::Poll() {
    if (m_trial != nullptr && (m_interrupted || Clock::now() >= m_tryDeadline)) {
        m_tryCut = true;
        m_trial->Interrupt();
    }
    ReportProgress(false);
}

void FillImprover::ReportProgress(bool now) {
    const Clock::time_point time = Clock::now();
    if (!callbacks.status || (!now && time - m_lastStatus < STATUS_INTERVAL)) return;
    m_lastStatus = time;
    callbacks.status(0, StrFormat("Verbeteren, laagste %d, gemiddeld %s, druk op <ESC> om te "
                                  "onderbreken.",
                                  m_bestScore.lowest, FormatScoreAverage(m_bestScore).c_str()));
    callbacks.status(1, StrFormat("%d %s, %d verbeterd", m_tries, Tries(m_tries), m_improvements));
}
