// The clue cells of the Zweeds form: which word each clue's arrow points into, and
// the numbering that follows the clues; and the cells of the solution word.
#include <algorithm>
#include <set>

#include "model/puzzle.h"

namespace {

struct ArrowTarget {
    int dx = 0;  // from the clue cell to the answer's first cell
    int dy = 0;
    bool across = true;
};

ArrowTarget TargetOf(Arrow arrow) {
    switch (arrow) {
        case Arrow::Right:
            return {1, 0, true};
        case Arrow::Down:
            return {0, 1, false};
        case Arrow::RightDown:
            return {1, 0, false};
        default:
            return {0, 1, true};
    }
}

}  // namespace

Arrow Puzzle::ClueArrow(int x, int y, int slot) const {
    if (!IsClueCell(x, y) || slot < 0 || slot >= CLUES_PER_CELL) return Arrow::None;
    const int code = (arrows[y * width + x] >> (4 * slot)) & 0xF;
    return code <= static_cast<int>(Arrow::DownRight) ? static_cast<Arrow>(code) : Arrow::None;
}

void Puzzle::SetClueArrow(int x, int y, int slot, Arrow arrow) {
    if (!IsInGrid(x, y) || slot < 0 || slot >= CLUES_PER_CELL) return;
    std::uint8_t& cell = arrows[y * width + x];
    const int shift = 4 * slot;
    cell = static_cast<std::uint8_t>((cell & ~(0xF << shift)) | (static_cast<int>(arrow) << shift));
}

int Puzzle::PointedWord(int x, int y, int slot) const {
    const Arrow arrow = ClueArrow(x, y, slot);
    if (arrow == Arrow::None) return -1;
    const ArrowTarget target = TargetOf(arrow);
    const int startX = x + target.dx;
    const int startY = y + target.dy;
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        const WordInfo& word = words[i];
        if (word.x == startX && word.y == startY && word.IsAcross() == target.across) return i;
    }
    return -1;
}

bool Puzzle::IsWordPointed(int i) const {
    if (!IsValidWordIndex(i)) return false;
    const WordInfo& word = words[i];
    const Arrow straight = word.IsAcross() ? Arrow::Right : Arrow::Down;
    const Arrow bent = word.IsAcross() ? Arrow::DownRight : Arrow::RightDown;
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot) {
        if (ClueArrow(word.x - word.dx, word.y - word.dy, slot) == straight) return true;
        if (ClueArrow(word.x - word.dy, word.y - word.dx, slot) == bent) return true;
    }
    return false;
}

std::vector<int> Puzzle::UnpointedWords() const {
    std::vector<int> unpointed;
    for (int i = 0; i < static_cast<int>(words.size()); ++i)
        if (!IsWordPointed(i)) unpointed.push_back(i);
    return unpointed;
}

int Puzzle::AssignArrows() {
    int left = 0;
    for (int i : UnpointedWords()) {
        const WordInfo& word = words[i];
        // The straight arrow from the cell before the start, else the bent one from the
        // cell beside it.
        const struct {
            int x, y;
            Arrow arrow;
        } options[] = {
            {word.x - word.dx, word.y - word.dy, word.IsAcross() ? Arrow::Right : Arrow::Down},
            {word.x - word.dy, word.y - word.dx,
             word.IsAcross() ? Arrow::DownRight : Arrow::RightDown},
        };
        bool placed = false;
        for (const auto& option : options) {
            if (!IsClueCell(option.x, option.y)) continue;
            for (int slot = 0; slot < CLUES_PER_CELL && !placed; ++slot) {
                if (ClueArrow(option.x, option.y, slot) != Arrow::None) continue;
                SetClueArrow(option.x, option.y, slot, option.arrow);
                placed = true;
            }
            if (placed) break;
        }
        if (!placed) ++left;
    }
    NumberByArrows();
    return left;
}

void Puzzle::NumberByArrows() {
    cellNumbers.assign(static_cast<std::size_t>(CellCount()), 0);
    for (WordInfo& word : words) word.number = 0;
    int counter = numbering.startNumber;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int slot = 0; slot < CLUES_PER_CELL; ++slot) {
                const int word = PointedWord(x, y, slot);
                if (word >= 0 && words[word].number == 0) words[word].number = counter++;
            }
        }
    }
}

bool Puzzle::SetKeyCells(const std::vector<std::pair<int, int>>& cellsInOrder) {
    if (cellsInOrder.size() > static_cast<std::size_t>(MAX_KEY_LENGTH)) return false;
    std::set<std::pair<int, int>> seen;
    for (const auto& [x, y] : cellsInOrder)
        if (!IsInGrid(x, y) || !IsLetterCell(GetCell(x, y)) || !seen.insert({x, y}).second)
            return false;
    keyNumbers.fill(0);
    int number = 0;
    for (const auto& [x, y] : cellsInOrder)
        keyNumbers[y * width + x] = static_cast<std::uint8_t>(++number);
    return true;
}

int Puzzle::KeyLength() const {
    int length = 0;
    for (int i = 0; i < CellCount(); ++i) length = std::max<int>(length, keyNumbers[i]);
    return length;
}

std::string Puzzle::KeyWord() const {
    std::string word(static_cast<std::size_t>(KeyLength()), ' ');
    for (int i = 0; i < CellCount(); ++i)
        if (keyNumbers[i] > 0 && IsLetterCell(cells[i]))
            word[keyNumbers[i] - 1] = static_cast<char>(cells[i]);
    return word;
}
