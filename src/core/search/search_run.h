#pragma once
// "Start zoeken": the frame around the backtracking fill. It checks the list
// numbers, loads the lists, runs the fill from level 0, releases the lists and
// composes the result text. The fill itself belongs to a subclass; the
// per-node steps that do not depend on how candidates are found (progress
// cadence, deepest level and best fill, recording a solution, progress texts)
// are shared here.
//
// A run knows no document: it fills its own copy of the puzzle it was given,
// and reports through callbacks that run on the thread that runs it (see
// search_service.h for the thread). The desktop and the command line wire them
// to their status bar, drawing and sound, and read the results afterwards;
// the phase and the cursor are theirs to set.

#include <atomic>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/puzzle.h"
#include "model/user_message.h"
#include "model/word_scoring.h"
#include "search/search_environment.h"
#include "search/search_graph.h"
#include "search/search_lists.h"

// What a search leaves for showing the solutions; kept until the next search.
struct SearchResults {
    std::vector<std::string> solutions;  // grid strings
    int solutionCount = 0;
    std::string bestFill;  // deepest partial fill of a search without solutions
    int bestDepth = 0;     // words placed in bestFill; 0 = none
    // The cells the fill chose: free when it began and inside its region.
    std::vector<bool> openCells;
};

enum class SearchBeep {
    Solution,    // the warning sound at every solution, when the sound option is on
    NoSolution,  // the standard beep after a search without solutions
};

struct SearchCallbacks {
    // The progress cadence (about every two seconds), between the two status
    // texts: the grid as far as it is filled now.
    std::function<void(const Puzzle& filling)> poll;
    // Status-bar text: pane 0 for prompts and results, pane 1 for the progress.
    std::function<void(int pane, const std::string& text)> status;
    // The fill went deeper or found a solution, to be shown while searching.
    std::function<void(const Puzzle& filling)> redraw;
    std::function<void(SearchBeep)> beep;
    // Every placement of a candidate: level, word index, list entry (tests, benchmark).
    std::function<void(int level, int word, int entry)> trace;
};

class SearchRun {
public:
    // The run takes its own copy of the puzzle. Without a flag it has one of its own.
    SearchRun(const Puzzle& puzzle, const WordScoring& scoring);
    SearchRun(const Puzzle& puzzle, const WordScoring& scoring, std::atomic<bool>& interruptFlag);
    virtual ~SearchRun() = default;
    SearchRun(const SearchRun&) = delete;
    SearchRun& operator=(const SearchRun&) = delete;

    // Runs the whole command. False when it could not start (Messages() say why);
    // then nothing changed. Afterwards the caller shows ResultText() in status pane 0
    // and resets the filling undo history.
    bool Run();
    // Escape, "&Onderbreken" or Ctrl+C, from any thread: stop as soon as
    // possible, keeping what was found.
    void Interrupt() { interrupted = true; }
    // Any other key, from any thread: the next node draws the grid again.
    void OnOtherKey() { m_drawAgain = true; }

    const std::vector<UserMessage>& Messages() const { return m_messages; }
    const std::string& ResultText() const { return m_resultText; }
    // What the first solution scores in the lists ("Score: gemiddeld ..."); empty
    // without solutions. The desktop shows it beside the result text.
    const std::string& ScoreText() const { return m_scoreText; }
    // The first solution's five lowest-scored words ("Laagste woorden: ..."); empty
    // without solutions.
    const std::string& LowestText() const { return m_lowestText; }
    const std::string& Progress() const { return m_progress; }
    // Whether the time limit ended the run.
    bool TimeLimitReached() const { return m_timeLimitReached; }

    SearchCallbacks callbacks;
    ISearchClock* clock = &DefaultSearchClock();
    ISearchRandom* random = &DefaultSearchRandom();
    // The random order's seed; the clock's seconds when empty.
    std::optional<std::uint32_t> seed;
    // Whether the first solution's score texts are made (reading the lists once
    // more); a caller that scores the solutions itself saves that.
    bool scoreFirstSolution = true;
    // After about this many seconds on the clock the run stops as an interrupt
    // stops it, keeping what it found; 0 = no limit.
    long long timeLimitSeconds = 0;
    // The same after about this many seconds of the process's processor time (which a
    // busy machine does not shorten) without a fill; 0 = no limit.
    long long processorSecondsLimit = 0;
    // Where the lists come from when set: kept between runs instead of read each time.
    SearchListCache* listCache = nullptr;
    // "Vul selectie": the unlocked letters inside are cleared and only the words with a
    // cell inside are filled; a cell outside never changes, and an empty one there only
    // lets a word through it take any letter.
    std::optional<GridRegion> region;
    SearchResults results;

protected:
    // Fills from level 0 with the lists prepared in lists.
    virtual void SearchTree() = 0;

    // Copies the puzzle into work, loads its lists into lists and builds the graph
    // over them; false with the reasons in Messages() when they cannot be used. A
    // word without candidates makes the fill pointless, but is a finding for a check.
    bool LoadLists(bool wordWithoutCandidatesFails);
    // Frees the graph and the lists and takes the part words out of work again.
    void ReleaseLists();

    // On entering a node, when two seconds have passed: status, poll and the time limit.
    void PollAtCadence();
    // A node reached `level`: the deepest level so far and the best partial fill.
    void NoteLevel(int level);
    // Every searchable word is placed.
    void RecordSolution();
    // The grid as the fill leaves it, outside its region as it began.
    std::string FilledGrid() const;
    // Hands the grid as it stands to a poll or redraw callback, outside the region as it began.
    void Show(const std::function<void(const Puzzle&)>& show) const;
    // A candidate of word was placed at level: progress texts and the trace hook.
    void NotePlacement(int level, int word, int entry, int& tried, int best);

    const Puzzle puzzle;  // as given; the result is scored on it
    const WordScoring scoring;
    Puzzle work;  // the grid filled, with the part words of split answers appended
    SearchLists lists;
    SearchGraph graph;

private:
    std::atomic<bool> m_ownFlag{false};

protected:
    // Set from outside or by the solution limit; the fill stops at its next check.
    std::atomic<bool>& interrupted;

private:
    bool CheckListNumbers();
    bool PrepareLists(bool wordWithoutCandidatesFails);
    void ComposeResult(long long wallSeconds, double cpuSeconds);
    void DescribeFirstSolution();

    int m_deepest = 0;
    long long m_wallStart = 0;
    std::clock_t m_processorStart = 0;
    bool m_timeLimitReached = false;
    std::atomic<bool> m_drawAgain{false};
    long long m_statusTime = 0;
    long long m_lastStatusTime = 0;
    std::string m_progressTop;
    std::string m_progress;
    std::string m_resultText;
    std::string m_scoreText;
    std::string m_lowestText;
    std::vector<UserMessage> m_messages;
    std::string m_startGrid;
    std::unordered_set<std::string> m_regionSolutions;  // fills that differ only outside count once
};
