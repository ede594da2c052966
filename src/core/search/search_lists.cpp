#include "search/search_lists.h"

#include <algorithm>
#include <map>
#include <new>
#include <numeric>
#include <optional>
#include <tuple>

#include "model/clue_text.h"
#include "model/puzzle.h"
#include "model/word_scoring.h"
#include "search/search_environment.h"
#include "util/str_format.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

// (step * x) mod n == 1 for a step coprime to n.
int InverseModulo(int step, int n) {
    long long oldR = step % n;
    long long r = n;
    long long oldS = 1;
    long long s = 0;
    while (r != 0) {
        const long long q = oldR / r;
        std::tie(oldR, r) = std::make_pair(r, oldR - q * r);
        std::tie(oldS, s) = std::make_pair(s, oldS - q * s);
    }
    return static_cast<int>(((oldS % n) + n) % n);
}

// An acceptable line is a search candidate only when every one of its letters can
// stand in a cell: a space would leave the cell free in a "filled" word, and a
// control byte would turn the letter cell into a black or an outside cell.
bool IsSearchCandidate(const Puzzle& puzzle, std::string_view line, int length) {
    if (!IsAcceptableWord(puzzle, line, length)) return false;
    return std::all_of(line.begin(), line.begin() + length,
                       [](char c) { return static_cast<unsigned char>(c) > CELL_VRIJ; });
}

// The entry's score when it is a search candidate the user's scoring offers.
std::optional<int> OfferedCandidateScore(const Puzzle& puzzle, const WordScoring& scoring,
                                         const WordListEntry& entry, int length) {
    if (!entry.canBeWord || !IsSearchCandidate(puzzle, entry.word, length)) return std::nullopt;
    const int score = EffectiveScore(scoring, entry.word, entry.score);
    if (!IsOfferedScore(scoring, score)) return std::nullopt;
    return score;
}

void AddMessageOnce(std::vector<UserMessage>& messages, const std::string& text) {
    const bool known =
        std::any_of(messages.begin(), messages.end(),
                    [&](const UserMessage& message) { return message.text == text; });
    if (!known) messages.push_back({text});
}

void AppendPartWords(Puzzle& puzzle, SearchLists& lists) {
    lists.partWordCount = 0;
    const int wordCount = static_cast<int>(puzzle.words.size());
    for (int i = 0; i < wordCount; ++i) {
        const int parts = puzzle.words[i].PartCountInUse();
        if (parts == 0 || puzzle.IsWordComplete(i)) continue;
        int offset = 0;
        for (int j = 0; j < parts; ++j) {
            const int partLength = puzzle.words[i].partLengths[j];
            // A split that claims more cells than the word has stops at its end.
            if (offset + partLength > puzzle.words[i].length) break;
            if (partLength >= 2) {
                WordInfo part = puzzle.words[i];
                part.x = part.CellX(offset);
                part.y = part.CellY(offset);
                part.length = partLength;
                part.partCount = 0;
                puzzle.words.push_back(std::move(part));
                ++lists.partWordCount;
            }
            offset += partLength;
        }
    }
}

bool IsSearchedWord(const Puzzle& puzzle, int i, const GridRegion* region) {
    return puzzle.words[i].PartCountInUse() == 0 && !puzzle.IsWordComplete(i) &&
           (region == nullptr || puzzle.WordTouches(i, *region));
}

// The first word of each (length, list) pair owns the list; the others link to it.
void AssignOwners(const Puzzle& puzzle, SearchLists& lists, const GridRegion* region) {
    const int extraCount = static_cast<int>(puzzle.extraFiles.size());
    std::map<long long, int> ownerOfKey;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        const WordInfo& word = puzzle.words[i];
        SearchWord& search = lists.words[i];
        search.searchLink = SEARCH_LINK_NONE;
        if (word.extraList < 0 || word.extraList > extraCount || !IsSearchedWord(puzzle, i, region))
            continue;
        const long long key = static_cast<long long>(word.length) * 1000 + word.extraList;
        const auto [owner, isNew] = ownerOfKey.emplace(key, i);
        search.searchLink = isNew ? SEARCH_LINK_OWNER : owner->second;
    }
}

void DrawOrders(const Puzzle& puzzle, SearchLists& lists, ISearchRandom& random) {
    if (!puzzle.search.randomOrder) return;
    for (int i = 0; i < static_cast<int>(lists.words.size()); ++i) {
        if (lists.words[i].searchLink == SEARCH_LINK_NONE) continue;
        const int n = lists.words[lists.Owner(i)].searchCount;
        if (n > 10)
            ShuffleStride(n, lists.words[i].searchOrder, random);
        else if (n > 0)
            ShuffleSmall(n, lists.words[i].searchOrder, random);
    }
}

}  // namespace

void SearchOrder::SetPermutation(std::vector<std::int32_t> order) {
    m_n = static_cast<int>(order.size());
    m_order = std::move(order);
    m_rank.assign(m_order.size(), 0);
    for (int k = 0; k < m_n; ++k) m_rank[m_order[k]] = k;
}

void SearchOrder::SetStride(int n, int start, int step) {
    m_n = n;
    m_start = start;
    m_step = step;
    m_inverseStep = InverseModulo(step, n);
    m_order.clear();
    m_rank.clear();
}

int SearchOrder::At(int k) const {
    if (!m_order.empty()) return m_order[k];
    return static_cast<int>((m_start + static_cast<long long>(k) * m_step) % m_n);
}

int SearchOrder::RankOf(int entry) const {
    if (!m_rank.empty()) return m_rank[entry];
    const long long offset = ((entry - m_start) % m_n + m_n) % m_n;
    return static_cast<int>(offset * m_inverseStep % m_n);
}

std::size_t SearchLists::ListBytes() const {
    std::size_t bytes = 0;
    for (const SearchWord& word : words)
        bytes += word.searchList.size() + word.searchScores.size() + word.searchUsed.size();
    return bytes;
}

int PrepareSearchLists(Puzzle& puzzle, const WordScoring& scoring, SearchLists& lists,
                       ISearchRandom& random, SearchListCache* cache, const GridRegion* region) {
    AppendPartWords(puzzle, lists);
    lists.words.assign(puzzle.words.size(), SearchWord());
    AssignOwners(puzzle, lists, region);
    int failing = 0;
    for (int i = 0; i < static_cast<int>(lists.words.size()); ++i) {
        SearchWord& search = lists.words[i];
        if (search.searchLink != SEARCH_LINK_OWNER) continue;
        const int length = puzzle.words[i].length;
        search.searchCount =
            cache != nullptr ? cache->Load(puzzle, scoring, i, length, search.searchList,
                                           search.searchScores, search.searchUsed, lists.messages)
                             : LoadWordList(puzzle, scoring, i, length, search.searchList,
                                            search.searchScores, search.searchUsed, lists.messages);
        if (search.searchCount == 0 && failing == 0) failing = i + 1;
    }
    DrawOrders(puzzle, lists, random);
    return failing;
}

int LoadWordList(const Puzzle& puzzle, const WordScoring& scoring, int wordIndex, int length,
                 std::vector<char>& list, std::vector<std::uint8_t>& scores,
                 std::vector<std::uint8_t>& used, std::vector<UserMessage>& messages) {
    list.clear();
    scores.clear();
    used.clear();
    const WordInfo& word = puzzle.words[wordIndex];
    std::string setName;
    if (!WordListSetName(puzzle, word.extraList, setName)) {
        messages.push_back({StrFormat("Nummer woordenlijst (%d bij %s) incorrect", word.extraList,
                                      FormatLabel(word).c_str())});
        return 0;
    }
    WordListFile file;
    if (const std::string problem = OpenWordListSetFile(setName, length, file); !problem.empty()) {
        messages.push_back({problem});
        return 0;
    }
    std::size_t count = 0;
    WordListEntry entry;
    while (file.ReadEntry(entry)) {
        if (OfferedCandidateScore(puzzle, scoring, entry, length)) ++count;
    }
    if (file.MalformedScores() > 0)
        AddMessageOnce(messages, MalformedScoreWarning(file.MalformedScores(),
                                                       MakeWordListFileName(setName, length)));
    if (count == 0) return 0;
    try {
        list.resize(count * static_cast<std::size_t>(length));
        scores.resize(count);
        if (puzzle.search.allDifferent) used.assign(count, 0);
    } catch (const std::bad_alloc&) {
        list = std::vector<char>();
        scores = std::vector<std::uint8_t>();
        used = std::vector<std::uint8_t>();
        messages.push_back(OutOfMemoryMessage());
        return 0;
    }
    // The copy stops at the counted number of slots, whatever the second pass reads.
    file.Rewind();
    std::size_t copied = 0;
    while (copied < count && file.ReadEntry(entry)) {
        const std::optional<int> score = OfferedCandidateScore(puzzle, scoring, entry, length);
        if (!score) continue;
        std::copy_n(entry.word.begin(), length, list.begin() + copied * length);
        scores[copied] = static_cast<std::uint8_t>(*score);
        ++copied;
    }
    list.resize(copied * length);
    scores.resize(copied);
    if (!used.empty()) used.resize(copied);
    return static_cast<int>(copied);
}

int SearchListCache::Load(const Puzzle& puzzle, const WordScoring& scoring, int wordIndex,
                          int length, std::vector<char>& list, std::vector<std::uint8_t>& scores,
                          std::vector<std::uint8_t>& used, std::vector<UserMessage>& messages) {
    if (m_cancel != nullptr && *m_cancel) return 0;
    std::string setName;
    if (!WordListSetName(puzzle, puzzle.words[wordIndex].extraList, setName))
        return LoadWordList(puzzle, scoring, wordIndex, length, list, scores, used, messages);
    // The overrides are shared and never changed in place: another map is another pointer.
    const std::string conditions =
        StrFormat("%d %p %d ", scoring.minScore, static_cast<const void*>(scoring.overrides.get()),
                  puzzle.search.ijTwoLetters ? 1 : 0) +
        puzzle.search.excludedLetters;
    Loaded& loaded = m_loaded[{setName, length}];
    if (loaded.conditions != conditions) {
        loaded.messages.clear();
        LoadWordList(puzzle, scoring, wordIndex, length, loaded.list, loaded.scores, used,
                     loaded.messages);
        loaded.conditions = conditions;
    }
    for (const UserMessage& message : loaded.messages) AddMessageOnce(messages, message.text);
    list = loaded.list;
    scores = loaded.scores;
    const int count = static_cast<int>(scores.size());
    if (puzzle.search.allDifferent) used.assign(static_cast<std::size_t>(count), 0);
    return count;
}

void ReleaseSearchLists(Puzzle& puzzle, SearchLists& lists) {
    lists.words = std::vector<SearchWord>();
    const std::size_t parts =
        std::min(static_cast<std::size_t>(lists.partWordCount), puzzle.words.size());
    puzzle.words.resize(puzzle.words.size() - parts);
    lists.partWordCount = 0;
}

void ShuffleSmall(int n, SearchOrder& order, ISearchRandom& random) {
    std::vector<std::int32_t> entries(n, -1);
    for (int v = 0; v < n; ++v) {
        int r = random.Next() % n;
        while (entries[r] != -1) r = random.Next() % n;
        entries[r] = v;
    }
    order.SetPermutation(std::move(entries));
}

void ShuffleStride(int n, SearchOrder& order, ISearchRandom& random) {
    const int start = random.Next() % n;
    int step = std::max(n / 3, 1);
    while (std::gcd(n, step) != 1) ++step;
    order.SetStride(n, start, step);
}
