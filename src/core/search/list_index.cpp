#include "search/list_index.h"

#include <algorithm>
#include <bit>

void ListIndex::Build(const char* packed, int count, int length) {
    m_count = count;
    m_length = length;
    m_blocks = (count + 63) / 64;
    m_slots.assign(static_cast<std::size_t>(length) * 256, -1);
    std::int32_t slots = 0;
    for (int e = 0; e < count; ++e) {
        for (int p = 0; p < length; ++p) {
            const auto letter =
                static_cast<unsigned char>(packed[static_cast<std::size_t>(e) * length + p]);
            std::int32_t& slot = m_slots[static_cast<std::size_t>(p) * 256 + letter];
            if (slot < 0) slot = slots++;
        }
    }
    m_bits.assign(static_cast<std::size_t>(slots) * m_blocks, 0);
    for (int e = 0; e < count; ++e) {
        for (int p = 0; p < length; ++p) {
            const auto letter =
                static_cast<unsigned char>(packed[static_cast<std::size_t>(e) * length + p]);
            const std::int32_t slot = m_slots[static_cast<std::size_t>(p) * 256 + letter];
            m_bits[static_cast<std::size_t>(slot) * m_blocks + e / 64] |= std::uint64_t{1}
                                                                          << (e % 64);
        }
    }
    m_ranges.assign(static_cast<std::size_t>(slots), Range());
    for (std::int32_t slot = 0; slot < slots; ++slot) {
        const std::uint64_t* bits = m_bits.data() + static_cast<std::size_t>(slot) * m_blocks;
        Range& range = m_ranges[slot];
        range.first = m_blocks;
        for (int block = 0; block < m_blocks; ++block) {
            if (bits[block] == 0) continue;
            range.first = std::min(range.first, block);
            range.last = block + 1;
            range.size += std::popcount(bits[block]);
        }
        if (range.first > range.last) range.first = range.last;
    }
}

std::size_t ListIndex::Bytes() const {
    return m_slots.size() * sizeof(std::int32_t) + m_bits.size() * sizeof(std::uint64_t) +
           m_ranges.size() * sizeof(Range);
}
