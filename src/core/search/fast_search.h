#pragma once
// The fast fill ("Snel"). It looks for fills rather than for the classic
// order of nodes:
// - every open word keeps the set of its list's entries that still fit, with
//   per position and letter the number of them; every shared cell keeps the
//   letters that some fitting entry of each word through it allows. After
//   each step both are narrowed to a fixpoint (arc consistency at the letter
//   level: a count that drops to 0 takes the letter out of the cell, and the
//   bitsets of ListIndex take the entries with it out of the crossing words);
// - it decides the shared cell whose letter is the most certain per unit of
//   failure weight of its words (entropy over dom/wdeg), a word with one entry
//   left is placed at once, and a word whose cells are all decided but that
//   still has several entries is chosen by fewest entries per failure weight;
// - letters and entries that leave the crossing words the most entries go
//   first; one that failed is taken out for the rest of the node, and the
//   consequences are propagated;
// - runs restart after a number of failures that follows the Luby sequence,
//   keeping the weights, so that an early bad choice does not hold the search
//   for long and the time to a fill has no heavy tail. The limits grow without
//   bound and what a finished branch of the root ruled out stays out, so a run
//   eventually completes: "no solutions" is said only when there is none.
// A level is still one placed word, so progress, the deepest level and the
// best partial fill mean what they mean for the exact method. Solutions are
// distinct grids. Random choices come from the run's seeded generator, so a
// seed repeats a run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "search/fillability.h"
#include "search/letter_set.h"
#include "search/letter_tally.h"
#include "search/list_index.h"
#include "search/search_graph.h"
#include "search/search_run.h"

class FastSearch : public SearchRun {
public:
    using SearchRun::SearchRun;

    // Bytes of the packed lists in the last search.
    std::size_t PackedListBytes() const { return m_packedBytes; }
    // Peak bytes of those lists plus the indexes and working sets of the last search.
    std::size_t PeakMemoryBytes() const { return m_peakBytes; }

    // Instead of a search: the letter sets narrowed to a fixpoint over the
    // grid, words without entries and cells without letters noted (see fillability.h).
    FillabilityReport CheckFillability(int focusWord, CandidateOrder order, int maxCandidates);

protected:
    void SearchTree() override;

private:
    // One searched word: the graph's slot, copied beside its state so that the
    // inner loops read one record.
    struct Slot : SearchGraph::Slot {
        std::size_t domainAt = 0;  // into m_domains
        std::size_t countsAt = 0;  // into m_letterCounts, one per set of the list's index
        int count = 0;             // entries in the set
        int lo = 0;                // the set is empty outside blocks [lo, hi)
        int hi = 0;
        int placed = -1;            // the entry placed, or -1 while open
        bool dead = false;          // a check found no entry for it and left it out
        double weight = 1;          // failures this word took part in
        std::uint64_t savedIn = 0;  // the frame that last saved it
    };
    struct SavedSlot {
        int slot;
        int count;
        int lo;
        int hi;
        int blocksHi;  // blocks [lo, blocksHi) are saved at blocksAt in m_savedBlocks
        int placed;
        std::uint64_t savedIn;
        std::size_t blocksAt;
    };
    struct SavedCell {
        int cell;
        LetterSet letters;
        std::uint64_t savedIn;
    };
    struct TrailMark {
        std::size_t savedSlots;
        std::size_t blocks;
        std::size_t cells;
        std::size_t written;
    };

    void Build();
    void BuildSlots();
    void BuildCells();
    void MeasureMemory();
    void Release();
    bool NarrowToGrid();
    void NarrowTolerantly();
    void NoteDeadCell(int cell);
    bool NoteDeadCrossing(int cell);
    bool NoteDeadSlot(int s);
    void ReportFindings(FillabilityReport& report) const;
    int AnswerOf(int word) const;
    void ListCandidates(int s, CandidateOrder order, int maxCandidates, FillabilityReport& report);

    void RunWithRestarts();
    void Search(int level);
    int ChooseSlot();
    int ChooseCell();
    double LetterEntropy(int cell) const;
    double LetterWeight(int cell, unsigned char letter) const;
    double Noise();
    void PlaceForced(int level, int s);
    void BranchOnSlot(int level, int s);
    void BranchOnCell(int level, int cell);
    void OrderCandidates(int s, std::vector<std::pair<double, int>>& order);
    void ScoreLetters(int s);
    double CandidateKey(const Slot& slot, int entry);
    double CandidateRoom(const Slot& slot, int entry, double start) const;
    bool Place(int level, int s, int entry);
    bool Refute(int s, int entry);
    void RecordIfNew();
    void NoteFailure();
    void FailInNode();

    bool Propagate();
    void NoteLostLetter(const Slot& slot, int position, unsigned char letter);
    void RemoveCounts(const Slot& slot, int entry);
    void AddCounts(const Slot& slot, int entry);
    int CountWith(const Slot& slot, int position, unsigned char letter) const;
    bool NarrowCell(int cell, const LetterSet& letters, int skipSlot);
    bool FilterSlot(int s, int position, const LetterSet& keep, const LetterSet& removed);
    bool RemoveEntry(int s, int entry);
    bool PruneByTally();
    LetterSet SupportedLetters(const Slot& slot, int position) const;
    void TrimRange(Slot& slot) const;

    void SaveSlot(int s, bool withBlocks = true);
    void SaveCell(int cell);
    TrailMark Mark() const;
    void Undo(const TrailMark& mark);

    std::uint64_t* Domain(const Slot& slot) { return m_domains.data() + slot.domainAt; }
    bool HasEntry(const Slot& slot, int entry) const {
        return (m_domains[slot.domainAt + entry / 64] >> (entry % 64)) & 1;
    }
    unsigned char LetterOf(const Slot& slot, int entry, int position) const {
        return static_cast<unsigned char>(
            graph.lists[slot.list]
                .packed[static_cast<std::size_t>(entry) * slot.length + position]);
    }
    int CellOf(const Slot& slot, int position) const { return graph.CellOf(slot, position); }
    template <typename F>
    void ForEachEntry(const Slot& slot, F f) const;

    std::vector<Slot> m_slots;  // parallel to the graph's
    std::vector<std::uint64_t> m_domains;
    std::vector<LetterSet> m_cellLetters;
    std::vector<int> m_openCells;  // cells of searched words that were free at the start
    // A check rather than a search: what cannot be filled is noted, not failed on.
    bool m_checking = false;
    std::vector<char> m_deadCells;

    std::vector<SavedSlot> m_savedSlots;
    std::vector<std::uint64_t> m_savedBlocks;
    std::vector<SavedCell> m_savedCells;
    std::vector<std::uint64_t> m_cellSavedIn;
    std::vector<int> m_written;  // cells written by placements, in order
    std::uint64_t m_frame = 0;
    std::uint64_t m_frameCount = 0;

    std::vector<std::int32_t> m_letterCounts;
    std::vector<LetterSet> m_cellLost;  // letters a cell loses at the next propagation
    std::vector<int> m_pendingCells;    // the cells with such letters, in order
    std::size_t m_pendingHead = 0;
    std::vector<std::vector<std::pair<double, int>>> m_orderByLevel;
    std::vector<double> m_letterScores;
    std::vector<const std::uint64_t*> m_keptBits;

    LetterTally m_tally;
    std::unordered_set<std::string> m_found;
    long long m_failures = 0;
    long long m_failureLimit = 0;
    bool m_restart = false;
    bool m_exhausted = false;  // a failure in the root frame: nothing more to find

    std::size_t m_packedBytes = 0;
    std::size_t m_peakBytes = 0;
};
