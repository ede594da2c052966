#include "literal_search.h"

#include <array>
#include <climits>

#include "model/rooster2_doc.h"
#include "util/latin1.h"

void CLiteralSearch::Search(int level) {
    PollAtCadence();
    if (m_doc.puzzle.search.maxFrequency > 0 && !CheckMaxFrequency()) return;
    if (m_doc.puzzle.search.maxDistinct > 0 && !CheckMaxDistinct()) return;
    if (m_interrupted) return;
    NoteLevel(level);

    // No limit until a word is counted: a list of any size can be chosen, and only
    // the absence of a searchable word makes a solution.
    int best = INT_MAX;
    int chosen = -1;
    for (int i = 0; i < static_cast<int>(m_doc.puzzle.words.size()); ++i) {
        const SearchWord& search = m_lists.m_words[i];
        if (search.searchFilled || search.searchLink == SEARCH_LINK_NONE) continue;
        const int count = CountMatches(i, best);
        if (chosen == -1 || count < best) {
            best = count;
            chosen = i;
            if (best == 0) break;
        }
    }
    if (chosen == -1) {
        RecordSolution();
        return;
    }
    if (best == 0) return;

    const WordInfo& word = m_doc.puzzle.words[chosen];
    SearchWord& search = m_lists.m_words[chosen];
    SearchWord& owner = m_lists.m_words[m_lists.Owner(chosen)];
    const std::string letters = SearchLetters(chosen);
    std::vector<int> freeOffsets;
    for (int k = 0; k < word.length; ++k)
        if (letters[k] == ' ') freeOffsets.push_back(k);

    int tried = 0;
    for (int k = 0; k < owner.searchCount && !m_interrupted; ++k) {
        const int index = m_doc.puzzle.search.randomOrder ? search.searchOrder.At(k) : k;
        if (m_doc.puzzle.search.allDifferent && owner.searchUsed[index] == 1) continue;
        const char* candidate = owner.searchList.data() + static_cast<std::size_t>(index) * word.length;
        if (!Fits(letters, candidate)) continue;
        for (int offset : freeOffsets)
            m_doc.puzzle.SetCell(word.CellX(offset), word.CellY(offset), static_cast<Cell>(candidate[offset]));
        search.searchFilled = true;
        if (m_doc.puzzle.search.allDifferent) owner.searchUsed[index] = 1;
        NotePlacement(level, chosen, index, tried, best);
        Search(level + 1);
        if (m_doc.puzzle.search.allDifferent) owner.searchUsed[index] = 0;
        search.searchFilled = false;
        for (int offset : freeOffsets) m_doc.puzzle.SetCell(word.CellX(offset), word.CellY(offset), CELL_VRIJ);
    }
}

int CLiteralSearch::CountMatches(int i, int limit) const {
    const SearchWord& owner = m_lists.m_words[m_lists.Owner(i)];
    if (m_doc.puzzle.IsWordEmpty(i)) return owner.searchCount;
    const std::string letters = SearchLetters(i);
    const int length = m_doc.puzzle.words[i].length;
    int count = 0;
    for (int k = 0; k < owner.searchCount; ++k) {
        if (m_doc.puzzle.search.allDifferent && owner.searchUsed[k] == 1) continue;
        if (!Fits(letters, owner.searchList.data() + static_cast<std::size_t>(k) * length)) continue;
        if (++count > limit) break;
    }
    return count;
}

bool CLiteralSearch::Fits(const std::string& letters, const char* candidate) const {
    for (std::size_t k = 0; k < letters.size(); ++k)
        if (letters[k] != ' ' && letters[k] != candidate[k]) return false;
    return true;
}

std::string CLiteralSearch::SearchLetters(int i) const {
    std::string letters = m_doc.puzzle.GetWordValue(i);
    for (char& c : letters)
        if (c == static_cast<char>(CELL_IJ)) c = 'Y';
    return letters;
}

bool CLiteralSearch::CheckMaxFrequency() const {
    std::array<int, 256> counts{};
    for (int cell = 0; cell < m_doc.puzzle.CellCount(); ++cell) {
        if (m_doc.puzzle.cells[cell] <= CELL_VRIJ) continue;
        if (++counts[Latin1ToUpper(m_doc.puzzle.cells[cell])] > m_doc.puzzle.search.maxFrequency) return false;
    }
    return true;
}

bool CLiteralSearch::CheckMaxDistinct() const {
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (int cell = 0; cell < m_doc.puzzle.CellCount(); ++cell) {
        if (m_doc.puzzle.cells[cell] <= CELL_VRIJ) continue;
        bool& s = seen[Latin1ToUpper(m_doc.puzzle.cells[cell])];
        if (!s) ++distinct;
        s = true;
    }
    return distinct <= m_doc.puzzle.search.maxDistinct;
}
