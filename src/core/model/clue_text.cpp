#include "model/clue_text.h"

#include <algorithm>

#include "model/puzzle.h"
#include "util/str_format.h"
#include "util/text_lines.h"

namespace {

// A part that long fits no word; keeping numbers below it keeps the arithmetic safe.
constexpr int PART_LENGTH_CAP = 9999;

bool IsPartSeparator(char c) { return c == '+' || c == ',' || c == '/' || c == '.'; }

// The part lengths between the parentheses; false when the list is not valid.
bool ParseLengthList(std::string_view list, PartLengths& parts, int& count, int& sum) {
    count = 0;
    sum = 0;
    int current = 0;
    auto endPart = [&]() {
        if (count == MAX_PARTS) return false;
        parts[count++] = static_cast<std::uint8_t>(std::min(current, 255));
        sum += current;
        current = 0;
        return true;
    };
    for (char c : list) {
        if (c == ' ') continue;
        if (c >= '0' && c <= '9') {
            current = std::min(current * 10 + (c - '0'), PART_LENGTH_CAP);
        } else if (IsPartSeparator(c)) {
            if (current == 0 || !endPart()) return false;
        } else {
            return false;
        }
    }
    return current == 0 || endPart();
}

int PartsListed(const WordInfo& word) {
    return std::clamp(word.partCount, 0, static_cast<int>(word.partLengths.size()));
}

}  // namespace

std::string FormatLengthPattern(const WordInfo& word) {
    const int parts = PartsListed(word);
    if (parts == 0) return std::to_string(word.length);
    std::string pattern;
    for (int j = 0; j < parts; ++j) {
        if (j > 0) pattern += '+';
        pattern += std::to_string(word.partLengths[j]);
    }
    return pattern;
}

std::string FormatClueText(const WordInfo& word) {
    const std::string pattern = FormatLengthPattern(word);
    if (word.extraList != 0)
        return StrFormat("%s (%s) *%d", word.clue.c_str(), pattern.c_str(), word.extraList);
    return StrFormat("%s (%s)", word.clue.c_str(), pattern.c_str());
}

std::string FormatNumberedClue(const WordInfo& word) {
    return StrFormat("%d. %s", word.number, FormatClueText(word).c_str());
}

std::string FormatLabel(const WordInfo& word) {
    return StrFormat("%c%d", word.dx == 1 ? 'H' : 'V', word.number);
}

std::string FormatCellLabel(const Puzzle& puzzle, int x, int y) {
    int count = 0;
    int across = -1;
    int down = -1;
    puzzle.FindWordsAt(x, y, count, across, down);
    std::string label;
    if (across >= 0) label = FormatLabel(puzzle.words[across]);
    if (down >= 0) {
        if (!label.empty()) label += '/';
        label += FormatLabel(puzzle.words[down]);
    }
    return label;
}

std::string GetClueCaption(const WordInfo& word) {
    return StrFormat("%s. %s", FormatLabel(word).c_str(), FormatClueText(word).c_str());
}

std::string FormatDisplayValue(const WordInfo& word) {
    std::string shown;
    std::size_t nextBreak = std::string::npos;
    int part = 0;
    if (word.partCount > 1) nextBreak = word.partLengths[0];
    for (std::size_t i = 0; i < word.value.size(); ++i) {
        if (i == nextBreak && i > 0) {
            shown += '-';
            ++part;
            nextBreak = part + 1 < PartsListed(word) ? nextBreak + word.partLengths[part]
                                                     : std::string::npos;
        }
        if (word.value[i] == 'y')
            shown += "IJ";
        else
            shown += word.value[i];
    }
    return shown;
}

std::string FormatNumberedValue(const WordInfo& word) {
    return StrFormat("%2d. %s", word.number, FormatDisplayValue(word).c_str());
}

std::string FormatLabeledValue(const WordInfo& word) {
    return StrFormat("%s %s", FormatLabel(word).c_str(), FormatDisplayValue(word).c_str());
}

std::string Puzzle::FormatClueList(int dir) const {
    std::string list;
    for (const WordInfo& word : words) {
        if (word.dx != dir) continue;
        list += FormatNumberedClue(word);
        list += "\r\n";
    }
    return list;
}

const char* ArrowName(Arrow arrow) {
    switch (arrow) {
        case Arrow::Right:
            return "rechts";
        case Arrow::Down:
            return "omlaag";
        case Arrow::RightDown:
            return "rechts, dan omlaag";
        case Arrow::DownRight:
            return "omlaag, dan rechts";
        default:
            return "geen";
    }
}

std::vector<ClueCellClue> CluesByClueCell(const Puzzle& puzzle) {
    std::vector<ClueCellClue> clues;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            for (int slot = 0; slot < CLUES_PER_CELL; ++slot)
                if (const int word = puzzle.PointedWord(x, y, slot); word >= 0)
                    clues.push_back({x, y, slot, word});
    return clues;
}

std::string FormatClueCellClue(const Puzzle& puzzle, const ClueCellClue& clue) {
    return StrFormat("K%d R%d %s: %s", clue.x + 1, clue.y + 1,
                     ArrowName(puzzle.ClueArrow(clue.x, clue.y, clue.slot)),
                     FormatClueText(puzzle.words[clue.word]).c_str());
}

int ParseClueLengths(std::string& text, PartLengths& parts, int& sum) {
    TrimTrailingWhiteSpace(text);
    sum = 0;
    const std::size_t open = text.find('(');
    if (open == std::string::npos) return 0;
    const std::size_t close = text.find(')');
    if (close == std::string::npos || close < open) return 0;
    PartLengths found{};
    int count = 0;
    int foundSum = 0;
    if (!ParseLengthList(std::string_view(text).substr(open + 1, close - open - 1), found, count,
                         foundSum) ||
        count == 0)
        return 0;
    text.erase(open);
    TrimTrailingWhiteSpace(text);
    parts = found;
    sum = foundSum;
    return count;
}
