#include "formats/clue_lengths.h"

#include <algorithm>
#include <string_view>

#include "formats/text_lines.h"
#include "model/cells.h"

namespace {

// Digits beyond this add nothing: no word is that long, and the sum cannot overflow.
constexpr int PART_LENGTH_CAP = 9999;

bool IsPartSeparator(char c) { return c == '+' || c == ',' || c == '/' || c == '.'; }

// The parts between the parentheses; 0 when the list is not a valid annotation.
int ParseLengthList(std::string_view list, PartLengths& parts, int& sum) {
    int count = 0;
    int current = 0;
    sum = 0;
    auto appendCurrent = [&]() {
        if (count >= MAX_PARTS) return false;
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
            if (current == 0 || !appendCurrent()) return 0;
        } else {
            return 0;
        }
    }
    if (current > 0 && !appendCurrent()) return 0;
    return count;
}

}  // namespace

int ParseClueLengths(std::string& text, PartLengths& parts, int& sum) {
    sum = 0;
    TrimTrailingWhiteSpace(text);
    const std::size_t open = text.find('(');
    const std::size_t close = text.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return 0;
    int listSum = 0;
    const int count =
        ParseLengthList(std::string_view(text).substr(open + 1, close - open - 1), parts, listSum);
    if (count == 0) return 0;
    sum = listSum;
    text.resize(open);
    TrimTrailingWhiteSpace(text);
    return count;
}
