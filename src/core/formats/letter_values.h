#pragma once
// The "Letterwaarden" text of the properties dialog: every letter with its value,
// shown as "A = 1, B = 2, ..." and read back from whatever the user typed.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using LetterValues = std::array<std::int32_t, 26>;

// "%c = %d, " for each letter A to Z, all on one line.
std::string FormatLetterValues(const LetterValues& values);

// Reads "a=5 b 7,c = 2.9" style text into values (at most its first 999 characters):
// a letter in either case, then optionally "=" or a space, then a decimal number (sign
// and fraction allowed, truncated; none gives 0). Letters that do not occur keep their
// values.
void ParseLetterValues(std::string_view text, LetterValues& values);
