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
    struct ListState {
        ListIndex index;
        const char* packed = nullptr;
        std::vector<std::uint64_t> used;  // one bit per entry: placed somewhere now
        std::vector<int> usedEntries;     // the same entries, in the order they were placed
        std::vector<int> users;           // the searched words that take from this list
        // The users whose count a used flag can change: open and holding letters.
        std::vector<int> counting;
    };
    // One searched word. Its fitting entries are kept only while it holds letters
    // (an empty word counts its whole list): after one letter they are the index's
    // own set for that letter, after more an intersection kept in m_arena.
    struct WordState {
        int list = -1;
        int length = 0;
        int firstCell = 0;  // into m_wordCells
        int slot = 0;       // into m_searched and m_keys
        bool filled = false;
        int letters = 0;  // cells that are not free
        int count = 0;    // fitting, unused entries while letters > 0
        int lo = 0;       // the fitting set is empty outside blocks [lo, hi)
        int hi = 0;
        const std::uint64_t* indexSet = nullptr;  // the set in the index, or null:
        std::size_t arenaAt = 0;                  // block lo of the set in m_arena
        int word = -1;                            // its index in the document
        int countingAt = -1;                      // its place in the list's counting users
    };
    struct SavedState {
        int word;
        int letters;
        int count;
        int lo;
        int hi;
        const std::uint64_t* indexSet;
        std::size_t arenaAt;
    };
    struct CellWord {
        int word;
        int position;
    };

    void BuildState();
    void ReserveWorkingMemory();
    void BuildLists();
    void BuildWords();
    void CountInitialCharacters();
    void MeasureMemory();
    void ReleaseState();

    void Search(int level);
    int ChooseWord(int& best) const;
    void TryCandidates(int level, int w, int best);
    void TryInListOrder(int level, int w, const std::vector<int>& freePositions, int best);
    void TryInRandomOrder(int level, int w, const std::vector<int>& freePositions, int best);
    void Try(int level, int w, int entry, const std::vector<int>& freePositions, int& tried,
             int best);
    void Place(int w, int entry, const std::vector<int>& freePositions);
    void Unplace(int w, int entry, const std::vector<int>& freePositions);

    std::uint64_t SetBlock(const WordState& s, int block) const {
        return s.indexSet ? s.indexSet[block] : m_arena[s.arenaAt + (block - s.lo)];
    }
    std::uint64_t FittingBlock(const WordState& s, const ListState& list, int block) const;
    bool FitsNow(const WordState& s, const ListState& list, int entry) const;
    void SaveState(int v);
    void RestoreStates(std::size_t mark);
    void ApplyLetter(int v, int position, unsigned char letter);
    void TakeFirstLetter(WordState& s, const ListState& list, const std::uint64_t* entries,
                         const ListIndex::Range& range);
    void IntersectLetter(WordState& s, const ListState& list, const std::uint64_t* entries,
                         const ListIndex::Range& range);
    void SetUsed(ListState& list, int entry, bool used);
    void UpdateKey(WordState& s);

    std::vector<ListState> m_listStates;
    std::vector<WordState> m_states;  // per document word; only searched ones are used
    std::vector<int> m_searched;      // searched words in document order
    // Per searched word, what the choice compares: its count, its whole list
    // while empty, or "never" while placed.
    std::vector<int> m_keys;
    std::vector<int> m_wordCells;
    std::vector<int> m_cellWordStart;  // per cell, into m_cellWords; one more at the end
    std::vector<CellWord> m_cellWords;
    std::vector<std::uint64_t> m_arena;  // fitting sets, stacked along the search path
    std::vector<SavedState> m_saved;
    std::vector<std::vector<int>> m_freeByLevel;
    std::vector<std::vector<int>> m_entriesByLevel;

    LetterTally m_tally;
    bool m_deadEnd = false;  // the last placement left an open word without candidates

    std::size_t m_packedBytes = 0;
    std::size_t m_peakBytes = 0;
};
