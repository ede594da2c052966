#include "literal_search.h"

#include <array>
#include <climits>

#include "model/rooster2_doc.h"
#include "util/latin1.h"

void LiteralSearch::Search(int level) {
    PollAtCadence();
    if (work.search.maxFrequency > 0 && !CheckMaxFrequency()) return;
    if (work.search.maxDistinct > 0 && !CheckMaxDistinct()) return;
    if (interrupted) return;
    NoteLevel(level);

    // No limit until a word is counted: a list of any size can be chosen, and only
    // the absence of a searchable word makes a solution.
    int best = INT_MAX;
    int chosen = -1;
    for (int i = 0; i < static_cast<int>(work.words.size()); ++i) {
        const SearchWord& search = lists.words[i];
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

    const WordInfo& word = work.words[chosen];
    SearchWord& search = lists.words[chosen];
    SearchWord& owner = lists.words[lists.Owner(chosen)];
    const std::string letters = SearchLetters(chosen);
    std::vector<int> freeOffsets;
    for (int k = 0; k < word.length; ++k)
        if (letters[k] == ' ') freeOffsets.push_back(k);

    int tried = 0;
    for (int k = 0; k < owner.searchCount && !interrupted; ++k) {
        const int index = work.search.randomOrder ? search.searchOrder.At(k) : k;
        if (work.search.allDifferent && owner.searchUsed[index] == 1) continue;
        const char* candidate =
            owner.searchList.data() + static_cast<std::size_t>(index) * word.length;
        if (!Fits(letters, candidate)) continue;
        for (int offset : freeOffsets)
            work.SetCell(word.CellX(offset), word.CellY(offset),
                         static_cast<Cell>(candidate[offset]));
        search.searchFilled = true;
        if (work.search.allDifferent) owner.searchUsed[index] = 1;
        NotePlacement(level, chosen, index, tried, best);
        Search(level + 1);
        if (work.search.allDifferent) owner.searchUsed[index] = 0;
        search.searchFilled = false;
        for (int offset : freeOffsets)
            work.SetCell(word.CellX(offset), word.CellY(offset), CELL_VRIJ);
    }
}

int LiteralSearch::CountMatches(int i, int limit) const {
    const SearchWord& owner = lists.words[lists.Owner(i)];
    if (work.IsWordEmpty(i)) return owner.searchCount;
    const std::string letters = SearchLetters(i);
    const int length = work.words[i].length;
    int count = 0;
    for (int k = 0; k < owner.searchCount; ++k) {
        if (work.search.allDifferent && owner.searchUsed[k] == 1) continue;
        if (!Fits(letters, owner.searchList.data() + static_cast<std::size_t>(k) * length))
            continue;
        if (++count > limit) break;
    }
    return count;
}

bool LiteralSearch::Fits(const std::string& letters, const char* candidate) const {
    for (std::size_t k = 0; k < letters.size(); ++k)
        if (letters[k] != ' ' && letters[k] != candidate[k]) return false;
    return true;
}

std::string LiteralSearch::SearchLetters(int i) const {
    std::string letters = work.GetWordValue(i);
    for (char& c : letters)
        if (c == static_cast<char>(CELL_IJ)) c = 'Y';
    return letters;
}

bool LiteralSearch::CheckMaxFrequency() const {
    std::array<int, 256> counts{};
    for (int cell = 0; cell < work.CellCount(); ++cell) {
        if (work.cells[cell] <= CELL_VRIJ) continue;
        if (++counts[Latin1ToUpper(work.cells[cell])] > work.search.maxFrequency) return false;
    }
    return true;
}

bool LiteralSearch::CheckMaxDistinct() const {
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (int cell = 0; cell < work.CellCount(); ++cell) {
        if (work.cells[cell] <= CELL_VRIJ) continue;
        bool& s = seen[Latin1ToUpper(work.cells[cell])];
        if (!s) ++distinct;
        s = true;
    }
    return distinct <= work.search.maxDistinct;
}
