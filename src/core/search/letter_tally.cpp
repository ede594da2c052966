#include "search/letter_tally.h"

#include "util/latin1.h"

void LetterTally::Reset(int maxFrequency, int maxDistinct) {
    m_count.fill(0);
    m_distinct = 0;
    m_overFrequency = 0;
    m_maxFrequency = maxFrequency;
    m_maxDistinct = maxDistinct;
}

void LetterTally::Count(Cell code, int delta) {
    if (code <= CELL_VRIJ) return;
    int& count = m_count[Latin1ToUpper(code)];
    const int before = count;
    count += delta;
    if (before == 0 || count == 0) m_distinct += delta;
    if (before <= m_maxFrequency && count > m_maxFrequency) ++m_overFrequency;
    if (before > m_maxFrequency && count <= m_maxFrequency) --m_overFrequency;
}

bool LetterTally::Holds() const {
    if (m_maxFrequency > 0 && m_overFrequency > 0) return false;
    if (m_maxDistinct > 0 && m_distinct > m_maxDistinct) return false;
    return true;
}
