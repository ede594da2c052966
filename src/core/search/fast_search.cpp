#include "search/fast_search.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "model/clue_text.h"
#include "search/restart_sequence.h"
#include "util/latin1.h"

namespace {

// The failures a run may have per term of the restart sequence. On the open 7 x 7
// with the Dutch set, 10 and 100 or more each left some seeds without a fill for
// many seconds; 30 gave the steadiest times to a fill over the seeds.
constexpr long long FAILURES_PER_TERM = 30;
// The random part of a candidate's key, in the unit of that key (a factor of
// two in the entries left to the crossing words): enough to vary the order
// between runs and restarts among near-equal candidates, not more.
constexpr double ORDER_NOISE = 1.0;
// What ten points of a word's score weigh against one bit of room in its crossings:
// a word that scores 80 goes before one of 20 unless that one leaves the crossing
// words some 64 times more entries. Unscored lists (all 50) keep the plain order.
constexpr double SCORE_WEIGHT = 0.1;

template <typename T>
std::size_t CapacityBytes(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

}  // namespace

template <typename F>
void FastSearch::ForEachEntry(const Slot& slot, F f) const {
    const std::uint64_t* domain = m_domains.data() + slot.domainAt;
    for (int block = slot.lo; block < slot.hi; ++block)
        for (std::uint64_t bits = domain[block]; bits != 0; bits &= bits - 1)
            f(block * 64 + std::countr_zero(bits));
}

void FastSearch::SearchTree() {
    Build();
    if (m_tally.Holds() && NarrowToGrid()) RunWithRestarts();
    // Words forced in the root frame stay placed across restarts; the grid gets
    // back what it held before the search.
    Undo(TrailMark{});
    MeasureMemory();
    Release();
}

// ---- The check -------------------------------------------------------------

FillabilityReport FastSearch::CheckFillability(int focusWord, CandidateOrder order,
                                               int maxCandidates) {
    FillabilityReport report;
    if (LoadLists(false)) {
        m_checking = true;
        if (!interrupted) Build();
        if (!interrupted) NarrowTolerantly();
        if (!interrupted) {
            report.checked = true;
            ReportFindings(report);
            for (int s = 0; s < static_cast<int>(m_slots.size()); ++s)
                if (m_slots[s].word == focusWord) ListCandidates(s, order, maxCandidates, report);
        }
        m_checking = false;
        Release();
        ReleaseLists();
    }
    report.messages = Messages();
    return report;
}

// A word without entries from the start is out before anything narrows.
void FastSearch::NarrowTolerantly() {
    m_deadCells.assign(static_cast<std::size_t>(work.CellCount()), 0);
    for (int s = 0; s < static_cast<int>(m_slots.size()); ++s)
        if (m_slots[s].count == 0) NoteDeadSlot(s);
    NarrowToGrid();
}

void FastSearch::NoteDeadCell(int cell) { m_deadCells[cell] = 1; }

// No word through the cell has an entry that agrees with the others there.
bool FastSearch::NoteDeadCrossing(int cell) {
    NoteDeadCell(cell);
    for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c)
        if (!m_slots[graph.crossings[c].slot].dead) NoteDeadSlot(graph.crossings[c].slot);
    return true;
}

// Its cells no longer narrow the words that cross it.
bool FastSearch::NoteDeadSlot(int s) {
    Slot& slot = m_slots[s];
    slot.dead = true;
    for (int p = 0; p < slot.length; ++p) NoteDeadCell(CellOf(slot, p));
    return true;
}

// An answer in parts counts as its scarcest part.
void FastSearch::ReportFindings(FillabilityReport& report) const {
    report.candidates.assign(puzzle.words.size(), NOT_SEARCHED);
    report.deadCells = m_deadCells;
    for (const Slot& slot : m_slots) {
        const int count = slot.dead ? 0 : slot.count;
        if (const int answer = AnswerOf(slot.word); answer >= 0) {
            int& reported = report.candidates[answer];
            reported = reported == NOT_SEARCHED ? count : std::min(reported, count);
        }
        if (count == 0 && report.firstDeadWord.empty())
            report.firstDeadWord = FormatLabel(work.words[slot.word]);
    }
}

// The puzzle's word a searched word stands for: itself, or for a part the word
// it was cut from (same number and direction).
int FastSearch::AnswerOf(int word) const {
    const int wordCount = static_cast<int>(puzzle.words.size());
    if (word < wordCount) return word;
    const WordInfo& part = work.words[word];
    for (int i = 0; i < wordCount; ++i)
        if (puzzle.words[i].number == part.number && puzzle.words[i].dx == part.dx) return i;
    return -1;
}

void FastSearch::ListCandidates(int s, CandidateOrder order, int maxCandidates,
                                FillabilityReport& report) {
    const Slot& slot = m_slots[s];
    if (slot.dead) return;
    ScoreLetters(s);
    const SearchGraph::List& list = graph.lists[slot.list];
    std::vector<FillabilityCandidate>& candidates = report.focusCandidates;
    ForEachEntry(slot, [&](int entry) {
        candidates.push_back(
            {std::string(list.packed + static_cast<std::size_t>(entry) * slot.length,
                         static_cast<std::size_t>(slot.length)),
             list.scores[entry], CandidateRoom(slot, entry, 0)});
    });
    const auto first = [order](const FillabilityCandidate& a, const FillabilityCandidate& b) {
        if (order == CandidateOrder::Score && a.score != b.score) return a.score > b.score;
        if (a.room != b.room) return a.room > b.room;
        if (a.score != b.score) return a.score > b.score;
        return a.word < b.word;
    };
    std::sort(candidates.begin(), candidates.end(), first);
    report.focusCount = static_cast<int>(candidates.size());
    if (report.focusCount > maxCandidates)
        candidates.resize(static_cast<std::size_t>(std::max(maxCandidates, 0)));
}

// ---- Building ----------------------------------------------------------

void FastSearch::Build() {
    m_packedBytes = lists.ListBytes();
    m_peakBytes = 0;
    m_found.clear();
    m_exhausted = false;
    m_frame = 0;
    m_frameCount = 0;
    BuildSlots();
    BuildCells();
    m_tally.Reset(work.search.maxFrequency, work.search.maxDistinct);
    for (int cell = 0; cell < work.CellCount(); ++cell) m_tally.Count(work.cells[cell], +1);
    m_cellLost.assign(m_cellLetters.size(), LetterSet());
    m_pendingCells.clear();
    m_pendingHead = 0;
    m_orderByLevel.assign(m_slots.size() + 1, {});
    MeasureMemory();
}

// Every slot starts with its whole list and the list's count per position and letter.
void FastSearch::BuildSlots() {
    m_slots.clear();
    m_domains.clear();
    m_letterCounts.clear();
    for (const SearchGraph::Slot& graphSlot : graph.slotList) {
        Slot slot;
        static_cast<SearchGraph::Slot&>(slot) = graphSlot;
        const ListIndex& index = graph.lists[slot.list].index;
        slot.domainAt = m_domains.size();
        for (int block = 0; block < index.Blocks(); ++block)
            m_domains.push_back(index.AllEntriesBlock(block));
        slot.count = index.Count();
        slot.hi = index.Blocks();
        slot.countsAt = m_letterCounts.size();
        m_letterCounts.resize(m_letterCounts.size() + static_cast<std::size_t>(index.SetCount()));
        for (int p = 0; p < slot.length; ++p) {
            for (int letter = 0; letter < 256; ++letter) {
                const int set = index.SetNumber(p, static_cast<unsigned char>(letter));
                if (set >= 0)
                    m_letterCounts[slot.countsAt + set] =
                        index.EntriesRange(p, static_cast<unsigned char>(letter)).size;
            }
        }
        m_slots.push_back(slot);
    }
}

void FastSearch::BuildCells() {
    const int cells = work.CellCount();
    m_cellLetters.assign(static_cast<std::size_t>(cells), LetterSet::All());
    m_cellSavedIn.assign(static_cast<std::size_t>(cells), 0);
    m_openCells.clear();
    for (int cell = 0; cell < cells; ++cell)
        if (graph.CrossingCount(cell) > 0 && work.cells[cell] == CELL_VRIJ)
            m_openCells.push_back(cell);
}

// The letters in the grid narrow their cells, and so the words through them.
bool FastSearch::NarrowToGrid() {
    for (int cell = 0; cell < work.CellCount(); ++cell) {
        if (graph.CrossingCount(cell) == 0) continue;
        const Cell code = work.cells[cell];
        if (code != CELL_VRIJ && !NarrowCell(cell, LetterSet::Of(MatchLetter(code)), -1))
            return false;
    }
    for (int cell = 0; cell < work.CellCount(); ++cell) {
        if (graph.CrossingCount(cell) < 2) continue;
        LetterSet letters = LetterSet::All();
        for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c)
            if (!m_slots[graph.crossings[c].slot].dead)
                letters = letters & SupportedLetters(m_slots[graph.crossings[c].slot],
                                                     graph.crossings[c].position);
        if (!NarrowCell(cell, letters, -1)) return false;
    }
    return PruneByTally() && Propagate();
}

void FastSearch::MeasureMemory() {
    std::size_t bytes = m_packedBytes + graph.Bytes() + CapacityBytes(m_slots) +
                        CapacityBytes(m_domains) + CapacityBytes(m_cellLetters) +
                        CapacityBytes(m_savedSlots) + CapacityBytes(m_savedBlocks) +
                        CapacityBytes(m_savedCells) + CapacityBytes(m_cellSavedIn);
    for (const auto& order : m_orderByLevel) bytes += CapacityBytes(order);
    m_peakBytes = std::max(m_peakBytes, bytes);
}

void FastSearch::Release() {
    m_slots = {};
    m_domains = {};
    m_savedSlots = {};
    m_savedBlocks = {};
    m_savedCells = {};
    m_orderByLevel = {};
    m_found = {};
}

// ---- The search ----------------------------------------------------------

void FastSearch::RunWithRestarts() {
    for (long long run = 0;; ++run) {
        m_failures = 0;
        m_failureLimit = FAILURES_PER_TERM * LubyTerm(run);
        m_restart = false;
        Search(0);
        if (!m_restart || interrupted || m_exhausted) return;
    }
}

void FastSearch::Search(int level) {
    PollAtCadence();
    if (interrupted) return;
    NoteLevel(level);
    const int s = ChooseSlot();
    if (s >= 0 && m_slots[s].count == 1) {
        PlaceForced(level, s);
        return;
    }
    if (const int cell = ChooseCell(); cell >= 0) {
        BranchOnCell(level, cell);
        return;
    }
    if (s < 0) {
        RecordIfNew();
        return;
    }
    BranchOnSlot(level, s);
}

// A word with one candidate left has no alternative, so its placement needs no
// frame of its own: the frame of the choice that forced it undoes it too.
void FastSearch::PlaceForced(int level, int s) {
    int entry = -1;
    ForEachEntry(m_slots[s], [&](int e) { entry = e; });
    int tried = 0;
    NotePlacement(level, m_slots[s].word, entry, tried, 1);
    if (Place(level, s, entry))
        Search(level + 1);
    else
        FailInNode();
}

void FastSearch::BranchOnSlot(int level, int s) {
    std::vector<std::pair<double, int>>& order = m_orderByLevel[level];
    OrderCandidates(s, order);
    const int best = m_slots[s].count;
    const std::uint64_t frame = m_frame;
    int tried = 0;
    for (const auto& [key, entry] : order) {
        if (!HasEntry(m_slots[s], entry)) continue;
        const TrailMark mark = Mark();
        m_frame = ++m_frameCount;
        NotePlacement(level, m_slots[s].word, entry, tried, best);
        if (Place(level, s, entry))
            Search(level + 1);
        else
            NoteFailure();
        Undo(mark);
        m_frame = frame;
        if (interrupted || m_restart) return;
        // Every fill with this candidate has been seen: the node goes on without it.
        if (!Refute(s, entry)) {
            if (m_slots[s].count > 0) FailInNode();
            return;
        }
    }
}

// The shared cell whose letter is the most certain per unit of failure weight
// of the open words through it: the smallest entropy of its letters, each
// letter weighed by the entries the crossing words keep with it. -1 when every
// shared cell is decided.
int FastSearch::ChooseCell() {
    int chosen = -1;
    double best = 0;
    int ties = 0;
    for (int cell = 0; cell < static_cast<int>(m_cellLetters.size()); ++cell) {
        if (m_cellLetters[cell].Size() <= 1) continue;
        double weight = 0;
        int open = 0;
        for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c) {
            const Slot& slot = m_slots[graph.crossings[c].slot];
            if (slot.placed >= 0) continue;
            weight += slot.weight;
            ++open;
        }
        if (open < 2) continue;
        const double key = LetterEntropy(cell) / weight;
        if (chosen < 0 || key < best) {
            chosen = cell;
            best = key;
            ties = 1;
        } else if (key == best && random->Next() % ++ties == 0) {
            chosen = cell;
        }
    }
    return chosen;
}

double FastSearch::LetterEntropy(int cell) const {
    double total = 0;
    double weighted = 0;
    m_cellLetters[cell].ForEach([&](unsigned char letter) {
        const double entries = LetterWeight(cell, letter);
        total += entries;
        if (entries > 0) weighted += entries * std::log2(entries);
    });
    return std::log2(total) - weighted / total;
}

// The product over the open words through the cell of their entries with the
// letter there: how much a letter leaves open.
double FastSearch::LetterWeight(int cell, unsigned char letter) const {
    double entries = 1;
    for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c) {
        const SearchGraph::Crossing crossing = graph.crossings[c];
        const Slot& slot = m_slots[crossing.slot];
        if (slot.placed < 0) entries *= CountWith(slot, crossing.position, letter);
    }
    return entries;
}

void FastSearch::BranchOnCell(int level, int cell) {
    // The letters that leave the crossing words the most entries first.
    std::vector<std::pair<double, int>> order;
    m_cellLetters[cell].ForEach([&](unsigned char letter) {
        order.emplace_back(std::log2(LetterWeight(cell, letter)) + Noise(), letter);
    });
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    const std::uint64_t frame = m_frame;
    for (const auto& [key, letter] : order) {
        const auto chosen = static_cast<unsigned char>(letter);
        if (!m_cellLetters[cell].Has(chosen)) continue;
        const TrailMark mark = Mark();
        m_frame = ++m_frameCount;
        if (NarrowCell(cell, LetterSet::Of(chosen), -1) && Propagate())
            Search(level);
        else
            NoteFailure();
        Undo(mark);
        m_frame = frame;
        if (interrupted || m_restart) return;
        const LetterSet rest = m_cellLetters[cell].Without(LetterSet::Of(chosen));
        if (rest.Empty()) return;
        if (!NarrowCell(cell, rest, -1) || !Propagate()) {
            FailInNode();
            return;
        }
    }
}

int FastSearch::ChooseSlot() {
    int chosen = -1;
    double best = 0;
    int ties = 0;
    for (int s = 0; s < static_cast<int>(m_slots.size()); ++s) {
        const Slot& slot = m_slots[s];
        if (slot.placed >= 0) continue;
        if (slot.count == 1) return s;
        const double key = slot.count / slot.weight;
        if (chosen < 0 || key < best) {
            chosen = s;
            best = key;
            ties = 1;
        } else if (key == best && random->Next() % ++ties == 0) {
            chosen = s;
        }
    }
    return chosen;
}

void FastSearch::OrderCandidates(int s, std::vector<std::pair<double, int>>& order) {
    const Slot& slot = m_slots[s];
    ScoreLetters(s);
    order.clear();
    ForEachEntry(slot, [&](int entry) { order.emplace_back(CandidateKey(slot, entry), entry); });
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
}

void FastSearch::ScoreLetters(int s) {
    const Slot& slot = m_slots[s];
    // Per position and letter: how many entries the crossing words keep with
    // that letter there (log2, so that the sum over positions weighs a product).
    m_letterScores.assign(static_cast<std::size_t>(slot.length) * 256, 0.0);
    for (int p = 0; p < slot.length; ++p) {
        const int cell = CellOf(slot, p);
        const LetterSet& letters = m_cellLetters[cell];
        if (letters.Size() <= 1) continue;
        for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c) {
            const SearchGraph::Crossing crossing = graph.crossings[c];
            const Slot& crossed = m_slots[crossing.slot];
            if (crossing.slot == s || crossed.placed >= 0 || crossed.dead) continue;
            letters.ForEach([&](unsigned char letter) {
                m_letterScores[static_cast<std::size_t>(p) * 256 + letter] +=
                    std::log2(1.0 + CountWith(crossed, crossing.position, letter));
            });
        }
    }
}

// The one place that decides which candidate goes first: the higher key. A
// candidate that leaves its crossing words more entries keeps the grid open, and
// a better-scored word is the one a constructor would rather see.
double FastSearch::CandidateKey(const Slot& slot, int entry) {
    return CandidateRoom(slot, entry, SCORE_WEIGHT * graph.lists[slot.list].scores[entry]) +
           Noise();
}

// What the entry leaves the crossing words, after ScoreLetters, added to start.
double FastSearch::CandidateRoom(const Slot& slot, int entry, double start) const {
    double room = start;
    for (int p = 0; p < slot.length; ++p)
        room += m_letterScores[static_cast<std::size_t>(p) * 256 + LetterOf(slot, entry, p)];
    return room;
}

double FastSearch::Noise() { return ORDER_NOISE * random->Next() / SEARCH_RAND_MAX; }

bool FastSearch::Place(int level, int s, int entry) {
    Slot& slot = m_slots[s];
    SaveSlot(s, slot.count > 1);
    std::uint64_t* domain = Domain(slot);
    const std::uint64_t bit = std::uint64_t{1} << (entry % 64);
    for (int block = slot.lo; block < slot.hi; ++block) {
        std::uint64_t others = block == entry / 64 ? domain[block] & ~bit : domain[block];
        for (; others != 0; others &= others - 1)
            RemoveCounts(slot, block * 64 + std::countr_zero(others));
        domain[block] = 0;
    }
    domain[entry / 64] = bit;
    slot.lo = entry / 64;
    slot.hi = slot.lo + 1;
    slot.count = 1;
    slot.placed = entry;
    for (int p = 0; p < slot.length; ++p) {
        const int cell = CellOf(slot, p);
        if (work.cells[cell] != CELL_VRIJ) continue;
        const auto code = static_cast<Cell>(LetterOf(slot, entry, p));
        work.cells[cell] = code;
        m_tally.Count(code, +1);
        m_written.push_back(cell);
    }
    if (!m_tally.Holds()) return false;
    // The placed words agree with each other, whatever propagation finds next:
    // a partial fill as deep as the placements go.
    NoteLevel(level + 1);
    for (int p = 0; p < slot.length; ++p)
        if (!NarrowCell(CellOf(slot, p), LetterSet::Of(LetterOf(slot, entry, p)), s)) return false;
    if (work.search.allDifferent) {
        for (int t : graph.lists[slot.list].takers) {
            if (t == s || m_slots[t].placed >= 0 || !HasEntry(m_slots[t], entry)) continue;
            if (!RemoveEntry(t, entry)) {
                m_slots[t].weight += 1;
                return false;
            }
        }
    }
    return PruneByTally() && Propagate();
}

bool FastSearch::Refute(int s, int entry) { return RemoveEntry(s, entry) && Propagate(); }

void FastSearch::RecordIfNew() {
    if (m_found.insert(work.GridToString()).second) RecordSolution();
}

void FastSearch::NoteFailure() {
    if (++m_failures >= m_failureLimit) m_restart = true;
}

// A failure in the node's own frame; in the root frame, which no restart undoes,
// it proves that no further fill exists.
void FastSearch::FailInNode() {
    NoteFailure();
    if (m_frame == 0) m_exhausted = true;
}

// ---- Propagation -------------------------------------------------------
// Every open word keeps, per position and letter, how many of its entries have
// that letter there. A count that drops to 0 takes the letter out of a shared
// cell, which removes the entries with that letter from the other words
// through the cell, and so on until nothing changes.

bool FastSearch::Propagate() {
    while (m_pendingHead < m_pendingCells.size()) {
        const int cell = m_pendingCells[m_pendingHead++];
        const LetterSet lost = m_cellLost[cell];
        m_cellLost[cell] = LetterSet();
        if (!NarrowCell(cell, m_cellLetters[cell].Without(lost), -1)) return false;
    }
    m_pendingCells.clear();
    m_pendingHead = 0;
    return true;
}

void FastSearch::NoteLostLetter(const Slot& slot, int position, unsigned char letter) {
    const int cell = CellOf(slot, position);
    if (graph.CrossingCount(cell) < 2 || !m_cellLetters[cell].Has(letter)) return;
    if (m_cellLost[cell].Empty()) m_pendingCells.push_back(cell);
    m_cellLost[cell].Add(letter);
}

void FastSearch::RemoveCounts(const Slot& slot, int entry) {
    const ListIndex& index = graph.lists[slot.list].index;
    std::int32_t* counts = m_letterCounts.data() + slot.countsAt;
    for (int p = 0; p < slot.length; ++p) {
        const unsigned char letter = LetterOf(slot, entry, p);
        if (--counts[index.SetNumber(p, letter)] == 0) NoteLostLetter(slot, p, letter);
    }
}

void FastSearch::AddCounts(const Slot& slot, int entry) {
    const ListIndex& index = graph.lists[slot.list].index;
    std::int32_t* counts = m_letterCounts.data() + slot.countsAt;
    for (int p = 0; p < slot.length; ++p) ++counts[index.SetNumber(p, LetterOf(slot, entry, p))];
}

int FastSearch::CountWith(const Slot& slot, int position, unsigned char letter) const {
    const int set = graph.lists[slot.list].index.SetNumber(position, letter);
    return set < 0 ? 0 : m_letterCounts[slot.countsAt + set];
}

// The cell may only take `letters` from now on; every open word through it
// except skipSlot loses its entries with another letter there.
bool FastSearch::NarrowCell(int cell, const LetterSet& letters, int skipSlot) {
    if (m_checking && m_deadCells[cell]) return true;
    const LetterSet narrowed = m_cellLetters[cell] & letters;
    if (narrowed == m_cellLetters[cell]) return true;
    if (narrowed.Empty()) {
        if (m_checking) return NoteDeadCrossing(cell);
        for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c)
            m_slots[graph.crossings[c].slot].weight += 1;
        return false;
    }
    const LetterSet removed = m_cellLetters[cell].Without(narrowed);
    SaveCell(cell);
    m_cellLetters[cell] = narrowed;
    for (int c = graph.crossingStart[cell]; c < graph.crossingStart[cell + 1]; ++c) {
        const SearchGraph::Crossing crossing = graph.crossings[c];
        const Slot& crossed = m_slots[crossing.slot];
        if (crossing.slot == skipSlot || crossed.placed >= 0 || crossed.dead) continue;
        if (!FilterSlot(crossing.slot, crossing.position, narrowed, removed)) {
            m_slots[crossing.slot].weight += 1;
            return false;
        }
    }
    return true;
}

// Keeps the entries with a letter of `keep` at position: clears the sets of the
// removed letters, or everything outside the kept ones when those are fewer.
bool FastSearch::FilterSlot(int s, int position, const LetterSet& keep, const LetterSet& removed) {
    Slot& slot = m_slots[s];
    const ListIndex& index = graph.lists[slot.list].index;
    int removing = 0;
    removed.ForEach([&](unsigned char letter) { removing += CountWith(slot, position, letter); });
    if (removing == 0) return true;
    if (m_checking && removing == slot.count) return NoteDeadSlot(s);
    SaveSlot(s);
    std::uint64_t* domain = Domain(slot);
    const auto clear = [&](int block, std::uint64_t gone) {
        domain[block] &= ~gone;
        for (; gone != 0; gone &= gone - 1) RemoveCounts(slot, block * 64 + std::countr_zero(gone));
    };
    if (removed.Size() <= keep.Size()) {
        removed.ForEach([&](unsigned char letter) {
            if (CountWith(slot, position, letter) == 0) return;
            const std::uint64_t* bits = index.Entries(position, letter);
            const ListIndex::Range& range = index.EntriesRange(position, letter);
            const int hi = std::min(slot.hi, static_cast<int>(range.last));
            for (int block = std::max(slot.lo, static_cast<int>(range.first)); block < hi; ++block)
                if (domain[block] & bits[block]) clear(block, domain[block] & bits[block]);
        });
    } else {
        m_keptBits.clear();
        keep.ForEach([&](unsigned char letter) {
            if (const std::uint64_t* bits = index.Entries(position, letter))
                m_keptBits.push_back(bits);
        });
        for (int block = slot.lo; block < slot.hi; ++block) {
            if (domain[block] == 0) continue;
            std::uint64_t allowed = 0;
            for (const std::uint64_t* bits : m_keptBits) allowed |= bits[block];
            if (domain[block] & ~allowed) clear(block, domain[block] & ~allowed);
        }
    }
    slot.count -= removing;
    TrimRange(slot);
    return slot.count > 0;
}

bool FastSearch::RemoveEntry(int s, int entry) {
    Slot& slot = m_slots[s];
    SaveSlot(s);
    Domain(slot)[entry / 64] &= ~(std::uint64_t{1} << (entry % 64));
    RemoveCounts(slot, entry);
    --slot.count;
    return slot.count > 0;
}

// With a frequency limit, a character that reached it is taken out of every
// free cell; with a limit on distinct characters that is reached, every new one.
bool FastSearch::PruneByTally() {
    const int maxFrequency = m_tally.MaxFrequency();
    const bool distinctFull =
        m_tally.MaxDistinct() > 0 && m_tally.Distinct() >= m_tally.MaxDistinct();
    if (maxFrequency == 0 && !distinctFull) return true;
    LetterSet allowed;
    for (int code = CELL_VRIJ + 1; code < 256; ++code) {
        const int count = m_tally.CountOf(Latin1ToUpper(static_cast<unsigned char>(code)));
        if (maxFrequency > 0 && count >= maxFrequency) continue;
        if (distinctFull && count == 0) continue;
        allowed.Add(static_cast<unsigned char>(code));
    }
    for (int cell : m_openCells)
        if (work.cells[cell] == CELL_VRIJ && !NarrowCell(cell, allowed, -1)) return false;
    return true;
}

// The letters some entry of the word still has at the position.
LetterSet FastSearch::SupportedLetters(const Slot& slot, int position) const {
    LetterSet letters;
    for (int letter = 0; letter < 256; ++letter)
        if (CountWith(slot, position, static_cast<unsigned char>(letter)) > 0)
            letters.Add(static_cast<unsigned char>(letter));
    return letters;
}

void FastSearch::TrimRange(Slot& slot) const {
    const std::uint64_t* domain = m_domains.data() + slot.domainAt;
    while (slot.lo < slot.hi && domain[slot.lo] == 0) ++slot.lo;
    while (slot.hi > slot.lo && domain[slot.hi - 1] == 0) --slot.hi;
}

// ---- The trail -----------------------------------------------------------
// What a frame (one placement and what follows from it) changes is saved the
// first time it changes, and put back when the frame is left.

// withBlocks false: only the numbers, for a placement that leaves the set as it is
// (no later change in the frame touches a placed word's set).
void FastSearch::SaveSlot(int s, bool withBlocks) {
    Slot& slot = m_slots[s];
    if (slot.savedIn == m_frame) return;
    const int hi = withBlocks ? slot.hi : slot.lo;
    m_savedSlots.push_back(
        {s, slot.count, slot.lo, slot.hi, hi, slot.placed, slot.savedIn, m_savedBlocks.size()});
    const std::uint64_t* domain = Domain(slot);
    m_savedBlocks.insert(m_savedBlocks.end(), domain + slot.lo, domain + hi);
    slot.savedIn = m_frame;
}

void FastSearch::SaveCell(int cell) {
    if (m_cellSavedIn[cell] == m_frame) return;
    m_savedCells.push_back({cell, m_cellLetters[cell], m_cellSavedIn[cell]});
    m_cellSavedIn[cell] = m_frame;
}

FastSearch::TrailMark FastSearch::Mark() const {
    return {m_savedSlots.size(), m_savedBlocks.size(), m_savedCells.size(), m_written.size()};
}

void FastSearch::Undo(const TrailMark& mark) {
    while (m_written.size() > mark.written) {
        const int cell = m_written.back();
        m_tally.Count(work.cells[cell], -1);
        work.cells[cell] = CELL_VRIJ;
        m_written.pop_back();
    }
    while (m_savedCells.size() > mark.cells) {
        const SavedCell& saved = m_savedCells.back();
        m_cellLetters[saved.cell] = saved.letters;
        m_cellSavedIn[saved.cell] = saved.savedIn;
        m_savedCells.pop_back();
    }
    while (m_savedSlots.size() > mark.savedSlots) {
        const SavedSlot& saved = m_savedSlots.back();
        Slot& slot = m_slots[saved.slot];
        std::uint64_t* domain = Domain(slot);
        const std::uint64_t* before = m_savedBlocks.data() + saved.blocksAt;
        for (int block = saved.lo; block < saved.blocksHi; ++block) {
            const std::uint64_t was = before[block - saved.lo];
            for (std::uint64_t back = was & ~domain[block]; back != 0; back &= back - 1)
                AddCounts(slot, block * 64 + std::countr_zero(back));
            domain[block] = was;
        }
        slot.count = saved.count;
        slot.lo = saved.lo;
        slot.hi = saved.hi;
        slot.placed = saved.placed;
        slot.savedIn = saved.savedIn;
        m_savedSlots.pop_back();
    }
    m_savedBlocks.resize(mark.blocks);
    for (std::size_t i = m_pendingHead; i < m_pendingCells.size(); ++i)
        m_cellLost[m_pendingCells[i]] = LetterSet();
    m_pendingCells.clear();
    m_pendingHead = 0;
}
