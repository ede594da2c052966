#include "formats/letter_values.h"

#include <cmath>
#include <limits>

#include "util/str_format.h"

namespace {

// The edit box holds at most this many characters.
constexpr std::size_t LETTER_VALUES_TEXT_MAX = 999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpaces(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    return pos;
}

// A decimal number with optional sign and fraction at pos, truncated to a whole number
// and kept within 32 bits; 0 when there is none. end is where the number stops (pos
// when there is none).
std::int32_t ReadTruncatedNumber(std::string_view text, std::size_t pos, std::size_t& end) {
    std::size_t i = pos;
    double sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
    double whole = 0;
    const std::size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i])) whole = whole * 10 + (text[i++] - '0');
    bool anyDigit = i > digitsStart;
    if (i < text.size() && text[i] == '.') {
        std::size_t fractionEnd = i + 1;
        while (fractionEnd < text.size() && IsDigit(text[fractionEnd])) ++fractionEnd;
        if (anyDigit || fractionEnd > i + 1) {
            anyDigit = true;
            i = fractionEnd;
        }
    }
    end = anyDigit ? i : pos;
    if (!anyDigit) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::fmin(std::fmax(sign * whole, lowest), highest));
}

int LetterIndex(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a';
    return -1;
}

}  // namespace

std::string FormatLetterValues(const LetterValues& values) {
    std::string text;
    for (int letter = 0; letter < 26; ++letter)
        text += StrFormat("%c = %d, ", 'A' + letter, values[letter]);
    return text;
}

void ParseLetterValues(std::string_view text, LetterValues& values) {
    text = text.substr(0, LETTER_VALUES_TEXT_MAX);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int letter = LetterIndex(text[pos]);
        if (letter < 0) {
            ++pos;  // spaces and any other character are passed over
            continue;
        }
        pos = SkipSpaces(text, pos + 1);
        if (pos < text.size() && text[pos] == '=') pos = SkipSpaces(text, pos + 1);
        std::size_t end = pos;
        values[letter] = ReadTruncatedNumber(text, pos, end);
        pos = end + 1;  // past the character after the number, usually the ","
    }
}
