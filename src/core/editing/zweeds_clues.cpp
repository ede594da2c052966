#include "editing/zweeds_clues.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

constexpr int NO_CELL = -1;

// Words and clue cells as a graph: each word has at most two candidate clue cells
// (index into `cells`), each clue cell gives at most CLUES_PER_CELL clues.
struct Sharing {
    std::vector<std::pair<int, int>> cells;  // clue cells, x and y
    std::vector<std::array<int, 2>> candidates;
    std::vector<std::array<Arrow, 2>> arrows;
    std::vector<int> owner;      // the chosen candidate's cell per word, NO_CELL before
    std::vector<int> load;       // clues per clue cell
    std::vector<int> parent;     // search tree over the cells
    std::vector<int> movedWord;  // the word that moves into a cell along the tree

    void Move(int word, int cell) {
        if (owner[word] != NO_CELL) --load[owner[word]];
        owner[word] = cell;
        ++load[cell];
    }
    // Moves each word along the tree from `cell` back to the search's start.
    void ShiftAlong(int cell) {
        for (int at = cell; at != NO_CELL;) {
            const int word = movedWord[at];
            const int from = owner[word];
            Move(word, at);
            at = parent[at] == NO_CELL ? NO_CELL : from;
        }
    }
    // Gives the unplaced word a cell, moving placed words to their other candidate to
    // make room; false when every cell it could reach is full.
    bool Place(int word);
    // Gives the idle cell a clue, taking words from cells that can spare one.
    bool Feed(int cell);
};

bool Sharing::Place(int word) {
    std::fill(parent.begin(), parent.end(), NO_CELL);
    std::vector<int> queue;
    std::vector<bool> seen(cells.size(), false);
    for (int cell : candidates[word]) {
        if (cell == NO_CELL || seen[cell]) continue;
        seen[cell] = true;
        movedWord[cell] = word;
        queue.push_back(cell);
    }
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int cell = queue[next];
        if (load[cell] < CLUES_PER_CELL) {
            ShiftAlong(cell);
            return true;
        }
        for (int other = 0; other < static_cast<int>(owner.size()); ++other) {
            if (owner[other] != cell) continue;
            for (int to : candidates[other]) {
                if (to == NO_CELL || seen[to]) continue;
                seen[to] = true;
                parent[to] = cell;
                movedWord[to] = other;
                queue.push_back(to);
            }
        }
    }
    return false;
}

bool Sharing::Feed(int idle) {
    std::fill(parent.begin(), parent.end(), NO_CELL);
    std::vector<int> queue{idle};
    std::vector<bool> seen(cells.size(), false);
    seen[idle] = true;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int cell = queue[next];
        for (int word = 0; word < static_cast<int>(owner.size()); ++word) {
            const int from = owner[word];
            if (seen[from] || std::find(candidates[word].begin(), candidates[word].end(), cell) ==
                                  candidates[word].end())
                continue;
            seen[from] = true;
            parent[from] = cell;
            movedWord[from] = word;
            if (load[from] == CLUES_PER_CELL) {
                // Each cell on the way takes the word of the next and hands on its own.
                for (int at = from; at != idle; at = parent[at]) Move(movedWord[at], parent[at]);
                return true;
            }
            queue.push_back(from);
        }
    }
    return false;
}

// The clue cell before the word's start (a straight arrow) and the one beside it (bent).
std::array<std::pair<int, int>, 2> CandidateCells(const WordStart& word) {
    if (word.across) return {{{word.x - 1, word.y}, {word.x, word.y - 1}}};
    return {{{word.x, word.y - 1}, {word.x - 1, word.y}}};
}

std::array<Arrow, 2> CandidateArrows(const WordStart& word) {
    if (word.across) return {Arrow::Right, Arrow::DownRight};
    return {Arrow::Down, Arrow::RightDown};
}

int SlotRank(Arrow arrow) {
    switch (arrow) {
        case Arrow::Right:
            return 0;
        case Arrow::RightDown:
            return 1;
        case Arrow::DownRight:
            return 2;
        default:
            return 3;
    }
}

}  // namespace

std::vector<WordStart> ZweedsCells::Words() const {
    std::vector<WordStart> words;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!IsOpen(x, y)) continue;
            if (!IsOpen(x - 1, y) && IsOpen(x + 1, y)) words.push_back({x, y, true});
            if (!IsOpen(x, y - 1) && IsOpen(x, y + 1)) words.push_back({x, y, false});
        }
    }
    return words;
}

std::optional<std::vector<ClueOfWord>> ShareClues(const ZweedsCells& layout) {
    Sharing sharing;
    std::map<std::pair<int, int>, int> index;
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            if (layout.IsClue(x, y)) {
                index[{x, y}] = static_cast<int>(sharing.cells.size());
                sharing.cells.push_back({x, y});
            }
    const std::vector<WordStart> words = layout.Words();
    for (const WordStart& word : words) {
        std::array<int, 2> candidates{NO_CELL, NO_CELL};
        const auto cells = CandidateCells(word);
        for (int i = 0; i < 2; ++i)
            if (layout.IsClue(cells[i].first, cells[i].second)) candidates[i] = index[cells[i]];
        sharing.candidates.push_back(candidates);
        sharing.arrows.push_back(CandidateArrows(word));
    }
    sharing.owner.assign(words.size(), NO_CELL);
    sharing.load.assign(sharing.cells.size(), 0);
    sharing.parent.assign(sharing.cells.size(), NO_CELL);
    sharing.movedWord.assign(sharing.cells.size(), NO_CELL);
    for (int word = 0; word < static_cast<int>(words.size()); ++word)
        if (!sharing.Place(word)) return std::nullopt;
    for (int cell = 0; cell < static_cast<int>(sharing.cells.size()); ++cell) {
        const bool corner = sharing.cells[cell] == std::pair{0, 0};
        if (sharing.load[cell] == 0 && !sharing.Feed(cell) && !corner) return std::nullopt;
    }
    std::vector<ClueOfWord> clues;
    for (int word = 0; word < static_cast<int>(words.size()); ++word) {
        const int cell = sharing.owner[word];
        const int which = sharing.candidates[word][0] == cell ? 0 : 1;
        clues.push_back(
            {sharing.cells[cell].first, sharing.cells[cell].second, sharing.arrows[word][which]});
    }
    return clues;
}

void SetClueArrows(Puzzle& puzzle, const std::vector<ClueOfWord>& clues) {
    std::vector<ClueOfWord> ordered = clues;
    std::stable_sort(ordered.begin(), ordered.end(), [](const ClueOfWord& a, const ClueOfWord& b) {
        return SlotRank(a.arrow) < SlotRank(b.arrow);
    });
    for (const ClueOfWord& clue : ordered) {
        const int slot = puzzle.ClueArrow(clue.x, clue.y, 0) == Arrow::None ? 0 : 1;
        puzzle.SetClueArrow(clue.x, clue.y, slot, clue.arrow);
    }
}
