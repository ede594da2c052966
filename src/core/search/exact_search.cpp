#include "search/exact_search.h"

#include <algorithm>
#include <bit>
#include <climits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

template <typename T>
std::size_t CapacityBytes(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

// The key of a placed word: never the smallest.
constexpr int PLACED_KEY = INT_MAX;

// The smallest key. The minimum of 32-bit integers is one instruction from SSE4.1
// on, so processors that have it get their own copy of this loop.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("sse4.1", "default")))
#endif
int SmallestKey(const int* keys, int count) {
    int best = PLACED_KEY;
    for (int j = 0; j < count; ++j) best = std::min(best, keys[j]);
    return best;
}

// The first j with keys[j] == key; the key is known to be there. Four keys are
// compared at a time where the processor can.
int FirstIndexOf(const int* keys, int count, int key) {
    int j = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi32(key);
    for (; j + 4 <= count; j += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys + j));
        const int equal = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
        if (equal != 0) return j + std::countr_zero(static_cast<unsigned>(equal));
    }
#endif
    while (keys[j] != key) ++j;
    return j;
}

}  // namespace

void ExactSearch::SearchTree() {
    BuildState();
    Search(0);
    MeasureMemory();
    ReleaseState();
}

void ExactSearch::BuildState() {
    m_packedBytes = lists.ListBytes();
    m_deadEnd = false;
    m_arena.clear();
    m_saved.clear();
    m_listUses.assign(graph.lists.size(), ListUse());
    for (std::size_t l = 0; l < graph.lists.size(); ++l)
        m_listUses[l].used.assign(static_cast<std::size_t>(graph.lists[l].index.Blocks()), 0);
    BuildWords();
    CountInitialCharacters();
    m_freeByLevel.assign(m_states.size() + 1, {});
    m_entriesByLevel.assign(m_states.size() + 1, {});
    ReserveWorkingMemory();
    m_peakBytes = 0;
    MeasureMemory();
}

// The stacks grow along the search path: claim (and touch) what one path can need
// before the first node, so that the search itself never reallocates or faults pages.
void ExactSearch::ReserveWorkingMemory() {
    std::size_t arenaBlocks = 0;
    std::size_t savedStates = 0;
    int longest = 0;
    for (const WordState& s : m_states) {
        longest = std::max(longest, s.length);
        for (int k = 0; k < s.length; ++k) {
            const int cell = graph.CellOf(s, k);
            for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c) {
                arenaBlocks +=
                    static_cast<std::size_t>(IndexOf(m_states[graph.crossings[c].slot]).Blocks());
                ++savedStates;
            }
        }
    }
    constexpr std::size_t MAX_RESERVED_BLOCKS = std::size_t{1} << 23;  // 64 MB
    const std::size_t arenaAt = m_arena.size();
    m_arena.resize(arenaAt + std::min(arenaBlocks, MAX_RESERVED_BLOCKS));
    m_arena.resize(arenaAt);
    m_saved.reserve(m_saved.size() + savedStates);
    for (std::vector<int>& positions : m_freeByLevel) positions.reserve(longest);
}

void ExactSearch::ReleaseState() {
    m_listUses = {};
    m_states = {};
    m_keys = {};
    m_arena = {};
    m_saved = {};
    m_freeByLevel = {};
    m_entriesByLevel = {};
}

void ExactSearch::BuildWords() {
    m_states.assign(graph.slotList.size(), WordState());
    m_keys.assign(graph.slotList.size(), 0);
    for (std::size_t i = 0; i < graph.slotList.size(); ++i) {
        static_cast<SearchGraph::Slot&>(m_states[i]) = graph.slotList[i];
        UpdateKey(static_cast<int>(i));
    }
    // The letters already in the grid narrow each word's set.
    for (int i = 0; i < static_cast<int>(m_states.size()); ++i) {
        for (int k = 0; k < m_states[i].length; ++k) {
            const Cell code = work.cells[graph.CellOf(m_states[i], k)];
            if (code != CELL_VRIJ) ApplyLetter(i, k, MatchLetter(code));
        }
    }
}

void ExactSearch::CountInitialCharacters() {
    m_tally.Reset(work.search.maxFrequency, work.search.maxDistinct);
    for (int cell = 0; cell < work.CellCount(); ++cell) m_tally.Count(work.cells[cell], +1);
}

void ExactSearch::MeasureMemory() {
    std::size_t bytes = m_packedBytes + graph.Bytes() + CapacityBytes(m_arena) +
                        CapacityBytes(m_saved) + CapacityBytes(m_states) + CapacityBytes(m_keys);
    for (const ListUse& use : m_listUses)
        bytes +=
            CapacityBytes(use.used) + CapacityBytes(use.usedEntries) + CapacityBytes(use.counting);
    for (const auto& v : m_entriesByLevel) bytes += CapacityBytes(v);
    m_peakBytes = std::max(m_peakBytes, bytes);
}

void ExactSearch::Search(int level) {
    PollAtCadence();
    if (!m_tally.Holds()) return;
    if (interrupted) return;
    NoteLevel(level);
    // A placement that left an open word without candidates ends here, as the
    // choice below would with best 0; no need to look for the word.
    if (m_deadEnd) return;
    int best = 0;
    const int chosen = ChooseWord(best);
    if (chosen == -1) {
        RecordSolution();
        return;
    }
    if (best == 0) return;
    TryCandidates(level, chosen, best);
}

int ExactSearch::ChooseWord(int& best) const {
    // The first word with the smallest key: ties go to the earlier word. Two plain
    // passes over the keys beat one pass with a data-dependent branch.
    const int* keys = m_keys.data();
    const int count = static_cast<int>(m_keys.size());
    best = SmallestKey(keys, count);
    if (best == PLACED_KEY) return -1;
    return FirstIndexOf(keys, count, best);
}

void ExactSearch::TryCandidates(int level, int s, int best) {
    std::vector<int>& freePositions = m_freeByLevel[level];
    freePositions.clear();
    const WordState& state = m_states[s];
    for (int k = 0; k < state.length; ++k)
        if (work.cells[graph.CellOf(state, k)] == CELL_VRIJ) freePositions.push_back(k);
    if (work.search.randomOrder)
        TryInRandomOrder(level, s, freePositions, best);
    else
        TryInListOrder(level, s, freePositions, best);
}

void ExactSearch::TryInListOrder(int level, int s, const std::vector<int>& freePositions,
                                 int best) {
    const WordState& state = m_states[s];
    const int lo = state.letters == 0 ? 0 : state.lo;
    const int hi = state.letters == 0 ? IndexOf(state).Blocks() : state.hi;
    int tried = 0;
    for (int block = lo; block < hi && !interrupted; ++block) {
        // Placing and removing below restores this block's state, so it is read once.
        std::uint64_t bits = FittingBlock(state, block);
        while (bits != 0 && !interrupted) {
            const int entry = block * 64 + std::countr_zero(bits);
            bits &= bits - 1;
            Try(level, s, entry, freePositions, tried, best);
        }
    }
}

void ExactSearch::TryInRandomOrder(int level, int s, const std::vector<int>& freePositions,
                                   int best) {
    const WordState& state = m_states[s];
    const SearchOrder& order = lists.words[state.word].searchOrder;
    const int n = IndexOf(state).Count();
    int tried = 0;
    // A wide set is walked in trying order; a narrow one is sorted into it.
    if (state.letters == 0 || static_cast<long long>(state.count) * 16 >= n) {
        for (int k = 0; k < n && !interrupted; ++k) {
            const int entry = order.At(k);
            if (FitsNow(state, entry)) Try(level, s, entry, freePositions, tried, best);
        }
        return;
    }
    std::vector<int>& entries = m_entriesByLevel[level];
    entries.clear();
    for (int block = state.lo; block < state.hi; ++block) {
        for (std::uint64_t bits = FittingBlock(state, block); bits != 0; bits &= bits - 1)
            entries.push_back(block * 64 + std::countr_zero(bits));
    }
    std::sort(entries.begin(), entries.end(),
              [&order](int a, int b) { return order.RankOf(a) < order.RankOf(b); });
    for (int entry : entries) {
        if (interrupted) break;
        Try(level, s, entry, freePositions, tried, best);
    }
}

void ExactSearch::Try(int level, int s, int entry, const std::vector<int>& freePositions,
                      int& tried, int best) {
    const std::size_t savedMark = m_saved.size();
    const std::size_t arenaMark = m_arena.size();
    Place(s, entry, freePositions);
    NotePlacement(level, m_states[s].word, entry, tried, best);
    Search(level + 1);
    Unplace(s, entry, freePositions);
    m_deadEnd = false;
    RestoreStates(savedMark);
    m_arena.resize(arenaMark);
}

std::uint64_t ExactSearch::FittingBlock(const WordState& s, int block) const {
    const std::uint64_t fitting =
        s.letters == 0 ? IndexOf(s).AllEntriesBlock(block) : SetBlock(s, block);
    return fitting & ~m_listUses[s.list].used[block];
}

bool ExactSearch::FitsNow(const WordState& s, int entry) const {
    const int block = entry / 64;
    if (s.letters != 0 && (block < s.lo || block >= s.hi)) return false;
    return (FittingBlock(s, block) >> (entry % 64)) & 1;
}

void ExactSearch::Place(int s, int entry, const std::vector<int>& freePositions) {
    WordState& state = m_states[s];
    state.filled = true;
    UpdateKey(s);
    const char* candidate =
        graph.lists[state.list].packed + static_cast<std::size_t>(entry) * state.length;
    for (int p : freePositions) {
        const int cell = graph.CellOf(state, p);
        const auto code = static_cast<Cell>(candidate[p]);
        work.cells[cell] = code;
        m_tally.Count(code, +1);
        // Once an open word has no candidate left the next node is a dead end, so
        // the other crossing words need not be narrowed.
        for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1] && !m_deadEnd;
             ++c) {
            const SearchGraph::Crossing& crossing = graph.crossings[c];
            if (m_states[crossing.slot].filled) continue;
            SaveState(crossing.slot);
            ApplyLetter(crossing.slot, crossing.position, MatchLetter(code));
            m_deadEnd = m_states[crossing.slot].count == 0;
        }
    }
    // A dead end never counts candidates again, so its entry need not be marked.
    if (work.search.allDifferent && !m_deadEnd) SetUsed(state.list, entry, true);
}

void ExactSearch::Unplace(int s, int entry, const std::vector<int>& freePositions) {
    WordState& state = m_states[s];
    if (work.search.allDifferent && !m_deadEnd) SetUsed(state.list, entry, false);
    state.filled = false;
    UpdateKey(s);
    for (int p : freePositions) {
        const int cell = graph.CellOf(state, p);
        m_tally.Count(work.cells[cell], -1);
        work.cells[cell] = CELL_VRIJ;
    }
}

void ExactSearch::SaveState(int v) {
    const WordState& s = m_states[v];
    m_saved.push_back({v, s.letters, s.count, s.lo, s.hi, s.indexSet, s.arenaAt});
}

void ExactSearch::RestoreStates(std::size_t mark) {
    while (m_saved.size() > mark) {
        const SavedState& saved = m_saved.back();
        WordState& s = m_states[saved.slot];
        s.letters = saved.letters;
        s.count = saved.count;
        s.lo = saved.lo;
        s.hi = saved.hi;
        s.indexSet = saved.indexSet;
        s.arenaAt = saved.arenaAt;
        UpdateKey(saved.slot);
        m_saved.pop_back();
    }
}

void ExactSearch::ApplyLetter(int v, int position, unsigned char letter) {
    WordState& s = m_states[v];
    const ListIndex& index = IndexOf(s);
    const std::uint64_t* entries = index.Entries(position, letter);
    if (!entries) {
        s.count = 0;
        s.lo = s.hi = 0;
        s.indexSet = nullptr;
    } else if (s.letters == 0) {
        TakeFirstLetter(s, entries, index.EntriesRange(position, letter));
    } else {
        IntersectLetter(s, entries, index.EntriesRange(position, letter));
    }
    ++s.letters;
    UpdateKey(v);
}

void ExactSearch::TakeFirstLetter(WordState& s, const std::uint64_t* entries,
                                  const ListIndex::Range& range) {
    s.indexSet = entries;
    s.lo = range.first;
    s.hi = range.last;
    s.count = range.size;
    for (int entry : m_listUses[s.list].usedEntries)
        if ((entries[entry / 64] >> (entry % 64)) & 1) --s.count;
}

void ExactSearch::IntersectLetter(WordState& s, const std::uint64_t* entries,
                                  const ListIndex::Range& range) {
    const std::vector<std::uint64_t>& used = m_listUses[s.list].used;
    const int lo = std::max(s.lo, range.first);
    const int hi = std::min(s.hi, range.last);
    const std::size_t at = m_arena.size();
    if (hi <= lo) {
        s.count = 0;
        s.lo = s.hi = 0;
        s.indexSet = nullptr;
        return;
    }
    m_arena.resize(at + static_cast<std::size_t>(hi - lo));
    std::uint64_t* out = m_arena.data() + at;
    int count = 0;
    int first = hi;
    int last = lo;
    for (int block = lo; block < hi; ++block) {
        const std::uint64_t bits = SetBlock(s, block) & entries[block];
        out[block - lo] = bits;
        if (bits == 0) continue;
        first = std::min(first, block);
        last = block + 1;
        count += std::popcount(bits & ~used[block]);
    }
    s.count = count;
    s.indexSet = nullptr;
    if (first >= last) {
        m_arena.resize(at);
        s.lo = s.hi = 0;
        return;
    }
    // Only the blocks that hold entries are kept.
    s.arenaAt = at + static_cast<std::size_t>(first - lo);
    s.lo = first;
    s.hi = last;
    m_arena.resize(at + static_cast<std::size_t>(last - lo));
}

void ExactSearch::SetUsed(int list, int entry, bool used) {
    ListUse& use = m_listUses[list];
    const int block = entry / 64;
    const std::uint64_t bit = std::uint64_t{1} << (entry % 64);
    if (used) {
        use.used[block] |= bit;
        use.usedEntries.push_back(entry);
    } else {
        use.used[block] &= ~bit;
        use.usedEntries.pop_back();  // placements are undone in reverse order
    }
    // Only counts change here, so the set of counting slots stays as it is.
    for (int u : use.counting) {
        WordState& s = m_states[u];
        if (block < s.lo || block >= s.hi) continue;
        if (SetBlock(s, block) & bit) {
            s.count += used ? -1 : 1;
            UpdateKey(u);
        }
    }
}

void ExactSearch::UpdateKey(int slot) {
    WordState& s = m_states[slot];
    m_keys[slot] = s.filled ? PLACED_KEY : s.letters == 0 ? IndexOf(s).Count() : s.count;
    // Only an open word with letters has a count that the used flags change.
    const bool counting = !s.filled && s.letters > 0;
    if (counting == (s.countingAt >= 0)) return;
    std::vector<int>& slots = m_listUses[s.list].counting;
    if (counting) {
        s.countingAt = static_cast<int>(slots.size());
        slots.push_back(slot);
    } else {
        m_states[slots.back()].countingAt = s.countingAt;
        slots[static_cast<std::size_t>(s.countingAt)] = slots.back();
        slots.pop_back();
        s.countingAt = -1;
    }
}
