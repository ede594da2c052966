#include "search/search_graph.h"

#include "model/puzzle.h"
#include "search/search_lists.h"

namespace {

template <typename T>
std::size_t CapacityBytes(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

}  // namespace

void SearchGraph::Build(const Puzzle& puzzle, const SearchLists& searchLists) {
    BuildSlots(puzzle, searchLists, BuildLists(puzzle, searchLists));
    BuildCrossings(puzzle.CellCount());
}

std::vector<int> SearchGraph::BuildLists(const Puzzle& puzzle, const SearchLists& searchLists) {
    lists.clear();
    std::vector<int> listOfOwner(puzzle.words.size(), -1);
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        const SearchWord& search = searchLists.words[i];
        if (search.searchLink != SEARCH_LINK_OWNER) continue;
        List list;
        list.packed = search.searchList.data();
        list.scores = search.searchScores.data();
        list.index.Build(list.packed, search.searchCount, puzzle.words[i].length);
        listOfOwner[i] = static_cast<int>(lists.size());
        lists.push_back(std::move(list));
    }
    return listOfOwner;
}

void SearchGraph::BuildSlots(const Puzzle& puzzle, const SearchLists& searchLists,
                             const std::vector<int>& listOfOwner) {
    slotList.clear();
    slotCells.clear();
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        if (searchLists.words[i].searchLink == SEARCH_LINK_NONE) continue;
        const WordInfo& word = puzzle.words[i];
        Slot slot;
        slot.word = i;
        slot.list = listOfOwner[searchLists.Owner(i)];
        slot.length = word.length;
        slot.firstCell = static_cast<int>(slotCells.size());
        for (int k = 0; k < word.length; ++k)
            slotCells.push_back(word.CellY(k) * puzzle.width + word.CellX(k));
        lists[slot.list].takers.push_back(static_cast<int>(slotList.size()));
        slotList.push_back(slot);
    }
}

void SearchGraph::BuildCrossings(int cellCount) {
    crossingStart.assign(static_cast<std::size_t>(cellCount) + 1, 0);
    for (const Slot& slot : slotList)
        for (int p = 0; p < slot.length; ++p) ++crossingStart[CellOf(slot, p) + 1];
    for (int cell = 0; cell < cellCount; ++cell) crossingStart[cell + 1] += crossingStart[cell];
    crossings.assign(static_cast<std::size_t>(crossingStart.back()), Crossing());
    std::vector<int> next(crossingStart.begin(), crossingStart.end() - 1);
    for (int s = 0; s < static_cast<int>(slotList.size()); ++s)
        for (int p = 0; p < slotList[s].length; ++p)
            crossings[next[CellOf(slotList[s], p)]++] = {s, p};
}

void SearchGraph::Release() {
    lists = {};
    slotList = {};
    slotCells = {};
    crossingStart = {};
    crossings = {};
}

std::size_t SearchGraph::Bytes() const {
    std::size_t bytes = CapacityBytes(slotList) + CapacityBytes(slotCells) +
                        CapacityBytes(crossingStart) + CapacityBytes(crossings);
    for (const List& list : lists) bytes += list.index.Bytes() + CapacityBytes(list.takers);
    return bytes;
}
