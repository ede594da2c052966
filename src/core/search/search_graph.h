#pragma once
// What both fill methods search, built once per run from the prepared lists:
// the lists with their indexes, the searched words ("slots") with their cells,
// and per cell the slots through it with their position there. The methods keep
// their own working state beside it and never change it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/list_index.h"

class Puzzle;
class SearchLists;

class SearchGraph {
public:
    struct List {
        ListIndex index;
        const char* packed = nullptr;          // entry k at k * length
        const std::uint8_t* scores = nullptr;  // one per entry, 0..100
        std::vector<int> takers;               // the slots that take from it
    };
    struct Slot {
        int word = -1;  // its index in the puzzle being filled
        int list = -1;
        int length = 0;
        int firstCell = 0;  // into slotCells
    };
    struct Crossing {
        int slot;
        int position;
    };

    // From the puzzle being filled and its prepared lists, which must outlive the graph.
    void Build(const Puzzle& puzzle, const SearchLists& searchLists);
    void Release();

    int CellOf(const Slot& slot, int position) const {
        return slotCells[slot.firstCell + position];
    }
    int CrossingCount(int cell) const { return crossingStart[cell + 1] - crossingStart[cell]; }
    // Bytes of the indexes and the structure; the packed lists are the lists' own.
    std::size_t Bytes() const;

    std::vector<List> lists;
    std::vector<Slot> slotList;  // the searched words, in the puzzle's word order
    std::vector<int> slotCells;
    std::vector<int> crossingStart;   // per cell, into crossings; one more at the end
    std::vector<Crossing> crossings;  // per cell in slot order

private:
    std::vector<int> BuildLists(const Puzzle& puzzle, const SearchLists& searchLists);
    void BuildSlots(const Puzzle& puzzle, const SearchLists& searchLists,
                    const std::vector<int>& listOfOwner);
    void BuildCrossings(int cellCount);
};
