#include "search/search_run.h"

#include <algorithm>

#include "model/clue_text.h"
#include "util/str_format.h"
#include "wordlists/word_scores.h"

namespace {

// What a region fill may refill: the letters inside it that are not locked.
void ClearUnlockedLetters(Puzzle& puzzle, const GridRegion& region) {
    for (int y = std::max(region.top, 0); y <= std::min(region.bottom, puzzle.height - 1); ++y)
        for (int x = std::max(region.left, 0); x <= std::min(region.right, puzzle.width - 1); ++x)
            if (puzzle.GetCell(x, y) > CELL_VRIJ && !puzzle.IsLocked(x, y))
                puzzle.SetCell(x, y, CELL_VRIJ);
}

std::vector<bool> OpenCellsOf(const Puzzle& puzzle, const std::optional<GridRegion>& region) {
    std::vector<bool> open(static_cast<std::size_t>(puzzle.CellCount()));
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            open[y * puzzle.width + x] =
                puzzle.GetCell(x, y) == CELL_VRIJ && (!region || region->Contains(x, y));
    return open;
}

}  // namespace

SearchRun::SearchRun(const Puzzle& puzzle, const WordScoring& scoring)
    : puzzle(puzzle), scoring(scoring), interrupted(m_ownFlag) {}

SearchRun::SearchRun(const Puzzle& puzzle, const WordScoring& scoring,
                     std::atomic<bool>& interruptFlag)
    : puzzle(puzzle), scoring(scoring), interrupted(interruptFlag) {}

bool SearchRun::Run() {
    const long long wallStart = clock->WallSeconds();
    const long long millisStart = clock->Milliseconds();
    m_wallStart = wallStart;
    m_processorStart = std::clock();
    m_timeLimitReached = false;
    random->Seed(seed ? *seed : static_cast<std::uint32_t>(wallStart));
    m_scoreText.clear();
    m_lowestText.clear();
    if (!LoadLists(true)) return false;

    m_deepest = 0;
    results.solutionCount = 0;
    results.solutions.clear();
    m_startGrid = work.GridToString();
    m_regionSolutions.clear();
    results.openCells = OpenCellsOf(work, region);
    m_lastStatusTime = 0;
    m_progress.clear();
    results.bestDepth = 0;

    SearchTree();

    ReleaseLists();
    ComposeResult(clock->WallSeconds() - wallStart,
                  static_cast<double>(clock->Milliseconds() - millisStart) / 1000.0);
    if (results.solutionCount > 0 && scoreFirstSolution) DescribeFirstSolution();
    return true;
}

bool SearchRun::LoadLists(bool wordWithoutCandidatesFails) {
    m_messages.clear();
    work = puzzle;
    if (region) ClearUnlockedLetters(work, *region);
    if (!CheckListNumbers() || !PrepareLists(wordWithoutCandidatesFails)) return false;
    graph.Build(work, lists);
    return true;
}

void SearchRun::ReleaseLists() {
    graph.Release();
    ReleaseSearchLists(work, lists);
}

bool SearchRun::CheckListNumbers() {
    const int extraCount = static_cast<int>(work.extraFiles.size());
    for (const WordInfo& word : work.words) {
        if (word.extraList >= 0 && word.extraList <= extraCount) continue;
        m_messages.push_back(
            {StrFormat("Index in '%s' incorrect, zoeken zinloos.", GetClueCaption(word).c_str())});
        return false;
    }
    return true;
}

bool SearchRun::PrepareLists(bool wordWithoutCandidatesFails) {
    const int failing =
        PrepareSearchLists(work, scoring, lists, *random, listCache, region ? &*region : nullptr);
    m_messages.insert(m_messages.end(), lists.messages.begin(), lists.messages.end());
    if (failing == 0 || !wordWithoutCandidatesFails) return true;
    m_messages.push_back({StrFormat("%s kandidaatloos, zoeken zinloos.",
                                    GetClueCaption(work.words[failing - 1]).c_str())});
    ReleaseSearchLists(work, lists);
    return false;
}

void SearchRun::ComposeResult(long long wallSeconds, double cpuSeconds) {
    const char* state = interrupted ? "Onderbroken" : "Klaar";
    const long hours = static_cast<long>(wallSeconds / 3600 % 24);
    const int minutes = static_cast<int>(wallSeconds / 60 % 60);
    const int seconds = static_cast<int>(wallSeconds % 60);
    const int count = results.solutionCount;
    if (count == 0)
        m_resultText = StrFormat("%s na %ld:%02d:%02d (%2.1f sec), geen oplossingen gevonden",
                                 state, hours, minutes, seconds, cpuSeconds);
    else
        m_resultText =
            StrFormat("%s na %ld:%02d:%02d (%2.1f sec), %d %s", state, hours, minutes, seconds,
                      cpuSeconds, count, count == 1 ? "oplossing" : "oplossingen");
    if (count == 0 && callbacks.beep) callbacks.beep(SearchBeep::NoSolution);
}

void SearchRun::DescribeFirstSolution() {
    Puzzle filled = puzzle;
    filled.StringToGrid(results.solutions.front());
    const std::vector<EntryScore> entries = ScoreEntries(filled, scoring);
    m_scoreText = FillScoreText(SummarizeScores(entries));
    m_lowestText = LowestEntriesText(filled, LowestEntries(entries));
}

void SearchRun::PollAtCadence() {
    m_statusTime = clock->WallSeconds();
    if (m_statusTime <= m_lastStatusTime + 1) return;
    if (callbacks.status)
        callbacks.status(0, StrFormat("Zoekende, aantal oplossingen %d, druk op <ESC> om te "
                                      "onderbreken.",
                                      results.solutionCount));
    if (callbacks.poll) Show(callbacks.poll);
    if (callbacks.status) callbacks.status(1, m_progress);
    m_lastStatusTime = m_statusTime;
    const bool processorTimeUp =
        processorSecondsLimit > 0 && results.solutionCount == 0 &&
        std::clock() - m_processorStart >= processorSecondsLimit * CLOCKS_PER_SEC;
    if ((timeLimitSeconds > 0 && m_statusTime - m_wallStart >= timeLimitSeconds) ||
        processorTimeUp) {
        m_timeLimitReached = true;
        interrupted = true;
    }
}

void SearchRun::NoteLevel(int level) {
    // A relaxed look first: the exchange alone would cost a locked instruction per node.
    if (m_drawAgain.load(std::memory_order_relaxed) && m_drawAgain.exchange(false)) m_deepest = 0;
    if (level > m_deepest) {
        m_deepest = level;
        if (work.search.showWhileSearching && callbacks.redraw) Show(callbacks.redraw);
    }
    if (results.solutionCount == 0 && level > results.bestDepth) {
        results.bestFill = FilledGrid();
        results.bestDepth = level;
    }
    if (results.solutionCount != 0) results.bestDepth = 0;
}

std::string SearchRun::FilledGrid() const {
    std::string grid = work.GridToString();
    if (!region) return grid;
    for (int y = 0; y < work.height; ++y)
        for (int x = 0; x < work.width; ++x)
            if (!region->Contains(x, y)) grid[y * work.width + x] = m_startGrid[y * work.width + x];
    return grid;
}

void SearchRun::Show(const std::function<void(const Puzzle&)>& show) const {
    if (!region) {
        show(work);
        return;
    }
    Puzzle shown = work;
    shown.StringToGrid(FilledGrid());
    show(shown);
}

void SearchRun::RecordSolution() {
    std::string grid = FilledGrid();
    if (region && !m_regionSolutions.insert(grid).second) return;
    if (work.search.sound && callbacks.beep) callbacks.beep(SearchBeep::Solution);
    results.solutions.push_back(std::move(grid));
    ++results.solutionCount;
    results.bestDepth = 0;
    if (work.search.showWhileSearching && callbacks.redraw) Show(callbacks.redraw);
    if (work.search.maxSolutions > 0 && results.solutionCount >= work.search.maxSolutions)
        interrupted = true;
}

void SearchRun::NotePlacement(int level, int word, int entry, int& tried, int best) {
    if (level < 2) {
        ++tried;
        const std::string text =
            StrFormat("%s %d/%d ", FormatLabel(work.words[word]).c_str(), tried, best);
        if (level == 0)
            m_progressTop = text;
        else
            m_progress = m_progressTop + text;
    }
    if (callbacks.trace) callbacks.trace(level, word, entry);
}
