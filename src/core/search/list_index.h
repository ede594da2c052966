#pragma once
// A bit index over one packed candidate list: for every position and every
// byte that occurs there, the set of entries holding that byte, as a bitset
// of one bit per entry. Intersecting these sets gives the entries that fit
// a partly filled word without reading the list itself.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/cells.h"

// The byte a cell matches in a list: the IJ cell stands for 'Y'.
inline unsigned char MatchLetter(Cell code) { return code == CELL_IJ ? 'Y' : code; }

class ListIndex {
public:
    // packed: count entries of length bytes each, one after the other.
    void Build(const char* packed, int count, int length);

    int Count() const { return m_count; }
    int Length() const { return m_length; }
    // 64-bit blocks per bitset.
    int Blocks() const { return m_blocks; }
    // Block `block` of the set of all entries.
    std::uint64_t AllEntriesBlock(int block) const {
        const int rest = m_count - block * 64;
        return rest >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << rest) - 1;
    }
    // The entries with this byte at this position; null when there are none.
    const std::uint64_t* Entries(int position, unsigned char letter) const {
        const std::int32_t slot = m_slots[static_cast<std::size_t>(position) * 256 + letter];
        return slot < 0 ? nullptr : m_bits.data() + static_cast<std::size_t>(slot) * m_blocks;
    }
    // The blocks [first, last) outside which that set is empty, and its size.
    struct Range {
        std::int32_t first = 0;
        std::int32_t last = 0;
        std::int32_t size = 0;
    };
    const Range& EntriesRange(int position, unsigned char letter) const {
        return m_ranges[m_slots[static_cast<std::size_t>(position) * 256 + letter]];
    }
    // The number of the set of entries with this byte at this position (0 ..
    // SetCount() - 1), or -1 when no entry has it there.
    int SetNumber(int position, unsigned char letter) const {
        return m_slots[static_cast<std::size_t>(position) * 256 + letter];
    }
    int SetCount() const { return static_cast<int>(m_ranges.size()); }
    std::size_t Bytes() const;

private:
    int m_count = 0;
    int m_length = 0;
    int m_blocks = 0;
    std::vector<std::int32_t> m_slots;  // position * 256 + byte -> bitset number, -1 none
    std::vector<std::uint64_t> m_bits;
    std::vector<Range> m_ranges;  // per bitset
};
