#pragma once
// The characters of the grid as the frequency and variety limits see them:
// per upper-cased character how many counted cells hold it, how many
// different ones there are, and how many are above the frequency limit.
// Kept up to date cell by cell, so that a check costs nothing per node.

#include <array>

#include "model/cells.h"

class LetterTally {
public:
    // Forgets every count; a limit of 0 means no limit.
    void Reset(int maxFrequency, int maxDistinct);
    // A cell with this code was written (+1) or cleared (-1). Free, black and
    // outside cells do not count.
    void Count(Cell code, int delta);
    // Both limits hold for the cells counted now.
    bool Holds() const;

    // Cells holding this character or its lower-case form.
    int CountOf(unsigned char upper) const { return m_count[upper]; }
    int Distinct() const { return m_distinct; }
    int MaxFrequency() const { return m_maxFrequency; }
    int MaxDistinct() const { return m_maxDistinct; }

private:
    std::array<int, 256> m_count{};
    int m_distinct = 0;
    int m_overFrequency = 0;  // characters above the frequency limit
    int m_maxFrequency = 0;
    int m_maxDistinct = 0;
};
