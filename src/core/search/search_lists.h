#pragma once
// The candidate lists of one search: one packed list per (length, word list)
// pair, loaded before the search and released after it, and the search's
// working data per word. The part words of multi-word answers are appended to
// the words of the puzzle the search fills, for the time of one search.

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/user_message.h"

class Puzzle;
struct GridRegion;
struct WordScoring;
class ISearchRandom;

// searchLink values besides the index of the owning word.
constexpr std::int32_t SEARCH_LINK_OWNER = -1;
constexpr std::int32_t SEARCH_LINK_NONE = -2;  // the word is not searched

// The order in which a word tries its list's entries: an explicit permutation
// for small lists, else an arithmetic walk (start + k * step) mod n, kept as its
// two numbers so that a long list costs no memory per entry and per word.
class SearchOrder {
public:
    void SetPermutation(std::vector<std::int32_t> order);
    void SetStride(int n, int start, int step);
    int Size() const { return m_n; }
    // The entry tried k-th.
    int At(int k) const;
    // The inverse: at which k the entry is tried.
    int RankOf(int entry) const;

private:
    int m_n = 0;
    int m_start = 0;
    int m_step = 1;
    int m_inverseStep = 1;
    std::vector<std::int32_t> m_order;  // explicit permutation, when set
    std::vector<std::int32_t> m_rank;
};

// One word's working data; the word is the document's word of the same index.
struct SearchWord {
    std::int32_t searchLink = SEARCH_LINK_NONE;
    std::int32_t searchCount = 0;            // owner only: entries in searchList
    std::vector<char> searchList;            // owner only: searchCount entries of length bytes
    std::vector<std::uint8_t> searchScores;  // owner only: each entry's score, 0..100
    std::vector<std::uint8_t> searchUsed;    // owner only, with all-different: 1 = placed now
    bool searchFilled = false;               // placed on the current search path
    SearchOrder searchOrder;                 // with random order only
};

class SearchLists {
public:
    // Parallel to the document's words while a search runs.
    std::vector<SearchWord> words;
    // Part words appended to the document's words, removed again by the release.
    int partWordCount = 0;
    // What the loading had to tell the user, in order.
    std::vector<UserMessage> messages;

    // The word whose list word i uses (i itself for an owner).
    int Owner(int i) const { return words[i].searchLink >= 0 ? words[i].searchLink : i; }
    // Bytes of all packed lists, their scores and their used flags.
    std::size_t ListBytes() const;
};

// Lists kept from one load to the next, for a caller that checks a changing grid
// again and again: a list is read from its file once per set, length and
// scoring. Not for use by two threads at once.
class SearchListCache {
public:
    // When set, loading stops between lists: what is left loads as empty.
    void SetCancelFlag(const std::atomic<bool>* cancel) { m_cancel = cancel; }
    // LoadWordList, from the cache when the same list was loaded before.
    int Load(const Puzzle& puzzle, const WordScoring& scoring, int wordIndex, int length,
             std::vector<char>& list, std::vector<std::uint8_t>& scores,
             std::vector<std::uint8_t>& used, std::vector<UserMessage>& messages);

private:
    struct Loaded {
        std::string conditions;  // what else the entries depend on
        std::vector<char> list;
        std::vector<std::uint8_t> scores;
        std::vector<UserMessage> messages;
    };
    std::map<std::pair<std::string, int>, Loaded> m_loaded;  // by set name and length
    const std::atomic<bool>* m_cancel = nullptr;
};

// Appends the part words, assigns list owners and links, loads each owner's list
// (through cache when given) and, with random order, draws each word's trying
// order. A word without a cell in `region` (when given) is not searched. Returns 0
// when every searched word has candidates, else 1 + the index of the first word without.
int PrepareSearchLists(Puzzle& puzzle, const WordScoring& scoring, SearchLists& lists,
                       ISearchRandom& random, SearchListCache* cache = nullptr,
                       const GridRegion* region = nullptr);

// Loads the list for word wordIndex and length: the number of entries (0 after a
// message in messages, or when no line fits). Only entries the user's scoring
// offers are loaded; scores gets the score of each. used gets one flag per entry
// when the document's all-different option is on. A file with malformed scores
// adds its warning to messages, once.
int LoadWordList(const Puzzle& puzzle, const WordScoring& scoring, int wordIndex, int length,
                 std::vector<char>& list, std::vector<std::uint8_t>& scores,
                 std::vector<std::uint8_t>& used, std::vector<UserMessage>& messages);

// Frees every list and order and removes the part words again.
void ReleaseSearchLists(Puzzle& puzzle, SearchLists& lists);

// The trying orders: a random permutation drawn entry by entry (small lists),
// or a random start and a step coprime to n.
void ShuffleSmall(int n, SearchOrder& order, ISearchRandom& random);
void ShuffleStride(int n, SearchOrder& order, ISearchRandom& random);
