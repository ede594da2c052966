#include "formats/letter_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

LetterValues Defaults() {
    LetterValues values{};
    for (int i = 0; i < 26; ++i) values[i] = i + 1;
    return values;
}

TEST(ParseLetterValues, SignsMissingNumbersAndHugeNumbers) {
    LetterValues values = Defaults();
    ParseLetterValues("a=-3.7, b=, c=+4, d=.5, e=99999999999999999999, f=-99999999999999", values);
    EXPECT_EQ(values[0], -3);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 4);
    EXPECT_EQ(values[3], 0);
    EXPECT_EQ(values[4], INT_MAX);
    EXPECT_EQ(values[5], INT_MIN);
}

TEST(ParseLetterValues, OnlyTheFirst999CharactersCount) {
    LetterValues values = Defaults();
    ParseLetterValues(std::string(996, ' ') + "a=8" + "b=9", values);
    EXPECT_EQ(values[0], 8);
    EXPECT_EQ(values[1], 2);
    ParseLetterValues(std::string(5000, '9'), values);
    EXPECT_EQ(values[0], 8);
}

TEST(ParseLetterValues, AnyTextGivesValuesThatReadBack) {
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        std::string text(static_cast<std::size_t>(random() % 1200), '\0');
        for (char& c : text) c = "aZ=.,-+ 09x\xE9"[random() % 13];
        LetterValues values = Defaults();
        ParseLetterValues(text, values);
        LetterValues readBack = Defaults();
        ParseLetterValues(FormatLetterValues(values), readBack);
        EXPECT_EQ(readBack, values);
    }
}

}  // namespace
