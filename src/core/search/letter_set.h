#pragma once
// A set of cell bytes (0..255): the letters a cell may still take.

#include <array>
#include <bit>
#include <cstdint>

class LetterSet {
public:
    static LetterSet All() {
        LetterSet set;
        set.m_bits.fill(~std::uint64_t{0});
        return set;
    }
    static LetterSet Of(unsigned char letter) {
        LetterSet set;
        set.Add(letter);
        return set;
    }

    bool Has(unsigned char letter) const { return (m_bits[letter >> 6] >> (letter & 63)) & 1; }
    void Add(unsigned char letter) { m_bits[letter >> 6] |= std::uint64_t{1} << (letter & 63); }
    bool Empty() const { return (m_bits[0] | m_bits[1] | m_bits[2] | m_bits[3]) == 0; }
    int Size() const {
        return std::popcount(m_bits[0]) + std::popcount(m_bits[1]) + std::popcount(m_bits[2]) +
               std::popcount(m_bits[3]);
    }
    LetterSet operator&(const LetterSet& other) const {
        LetterSet set;
        for (int i = 0; i < 4; ++i) set.m_bits[i] = m_bits[i] & other.m_bits[i];
        return set;
    }
    LetterSet operator|(const LetterSet& other) const {
        LetterSet set;
        for (int i = 0; i < 4; ++i) set.m_bits[i] = m_bits[i] | other.m_bits[i];
        return set;
    }
    LetterSet Without(const LetterSet& other) const {
        LetterSet set;
        for (int i = 0; i < 4; ++i) set.m_bits[i] = m_bits[i] & ~other.m_bits[i];
        return set;
    }
    bool operator==(const LetterSet& other) const = default;

    // Calls f(letter) for every letter in the set, in byte order.
    template <typename F>
    void ForEach(F f) const {
        for (int i = 0; i < 4; ++i)
            for (std::uint64_t bits = m_bits[i]; bits != 0; bits &= bits - 1)
                f(static_cast<unsigned char>(i * 64 + std::countr_zero(bits)));
    }

private:
    std::array<std::uint64_t, 4> m_bits{};
};
