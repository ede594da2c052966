#pragma once
// The exact fill ("Exact"), the classic backtracking order. It makes the same
// choices as the plain method (the open word with the fewest fitting
// candidates, ties to the earlier word, an empty word counting its whole list;
// candidates in list or random order) and so visits the same nodes, finds the
// same solutions and the same best fill. Instead of rescanning every open
// word's list at every node it keeps, per open word, the set of entries that
// fit its letters and their number, and updates only the words crossing the
// cells a placement writes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/cells.h"
#include "search/letter_tally.h"
#include "search/list_index.h"
#include "search/search_graph.h"
#include "search/search_run.h"

class ExactSearch : public SearchRun {
public:
    using SearchRun::SearchRun;

    // Bytes of the packed lists and their used flags in the last search.
    std::size_t PackedListBytes() const { return m_packedBytes; }
    // Peak bytes of those lists plus the indexes and working sets of the last search.
    std::size_t PeakMemoryBytes() const { return m_peakBytes; }

protected:
    void SearchTree() override;

private:
    // Per list, which entries are placed now (all-different).
    struct ListUse {
        std::vector<std::uint64_t> used;  // one bit per entry
        std::vector<int> usedEntries;     // the same entries, in the order they were placed
        // The slots whose count a used flag can change: open and holding letters.
        std::vector<int> counting;
    };
    // One searched word: the graph's slot, copied beside its state so that the
    // inner loops read one record. Its fitting entries are kept only while it
    // holds letters (an empty word counts its whole list): after one letter they
    // are the index's own set for that letter, after more an intersection kept
    // in m_arena.
    struct WordState : SearchGraph::Slot {
        bool filled = false;
        int letters = 0;  // cells that are not free
        int count = 0;    // fitting, unused entries while letters > 0
        int lo = 0;       // the fitting set is empty outside blocks [lo, hi)
        int hi = 0;
        const std::uint64_t* indexSet = nullptr;  // the set in the index, or null:
        std::size_t arenaAt = 0;                  // block lo of the set in m_arena
        int countingAt = -1;                      // its place in the list's counting slots
    };
    struct SavedState {
        int slot;
        int letters;
        int count;
        int lo;
        int hi;
        const std::uint64_t* indexSet;
        std::size_t arenaAt;
    };

    void BuildState();
    void ReserveWorkingMemory();
    void BuildWords();
    void CountInitialCharacters();
    void MeasureMemory();
    void ReleaseState();

    void Search(int level);
    int ChooseWord(int& best) const;
    void TryCandidates(int level, int s, int best);
    void TryInListOrder(int level, int s, const std::vector<int>& freePositions, int best);
    void TryInRandomOrder(int level, int s, const std::vector<int>& freePositions, int best);
    void Try(int level, int s, int entry, const std::vector<int>& freePositions, int& tried,
             int best);
    void Place(int s, int entry, const std::vector<int>& freePositions);
    void Unplace(int s, int entry, const std::vector<int>& freePositions);

    std::uint64_t SetBlock(const WordState& s, int block) const {
        return s.indexSet ? s.indexSet[block] : m_arena[s.arenaAt + (block - s.lo)];
    }
    std::uint64_t FittingBlock(const WordState& s, int block) const;
    bool FitsNow(const WordState& s, int entry) const;
    void SaveState(int v);
    void RestoreStates(std::size_t mark);
    void ApplyLetter(int v, int position, unsigned char letter);
    void TakeFirstLetter(WordState& s, const std::uint64_t* entries, const ListIndex::Range& range);
    void IntersectLetter(WordState& s, const std::uint64_t* entries, const ListIndex::Range& range);
    void SetUsed(int list, int entry, bool used);
    void UpdateKey(int s);
    const ListIndex& IndexOf(const WordState& s) const { return graph.lists[s.list].index; }

    std::vector<ListUse> m_listUses;  // parallel to the graph's lists
    std::vector<WordState> m_states;  // parallel to the graph's slots
    // Per slot, what the choice compares: its count, its whole list while empty,
    // or "never" while placed.
    std::vector<int> m_keys;
    std::vector<std::uint64_t> m_arena;  // fitting sets, stacked along the search path
    std::vector<SavedState> m_saved;
    std::vector<std::vector<int>> m_freeByLevel;
    std::vector<std::vector<int>> m_entriesByLevel;

    LetterTally m_tally;
    bool m_deadEnd = false;  // the last placement left an open word without candidates

    std::size_t m_packedBytes = 0;
    std::size_t m_peakBytes = 0;
};
