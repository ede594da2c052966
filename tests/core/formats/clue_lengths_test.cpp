#include <gtest/gtest.h>

#include "formats/clue_lengths.h"
#include "model/cells.h"

namespace {

struct Parsed {
    int count = 0;
    std::string text;
    int sum = 0;
    PartLengths parts{};
};

Parsed Parse(const std::string& clue) {
    Parsed parsed;
    parsed.text = clue;
    parsed.count = ParseClueLengths(parsed.text, parsed.parts, parsed.sum);
    return parsed;
}

TEST(ParseClueLengths, OneLengthIsRemovedAsOnePart) {
    const Parsed parsed = Parse("Hoofdstad (5)  ");
    EXPECT_EQ(parsed.count, 1);
    EXPECT_EQ(parsed.text, "Hoofdstad");
    EXPECT_EQ(parsed.sum, 5);
    EXPECT_EQ(parsed.parts[0], 5);
}

TEST(ParseClueLengths, EverySeparatorSplitsParts) {
    const Parsed parsed = Parse("Stad (3+4, 2/1.10)");
    ASSERT_EQ(parsed.count, 5);
    EXPECT_EQ(parsed.sum, 20);
    EXPECT_EQ(parsed.parts[0], 3);
    EXPECT_EQ(parsed.parts[4], 10);
    EXPECT_EQ(parsed.text, "Stad");
}

TEST(ParseClueLengths, InvalidAnnotationsLeaveTheTextTrimmed) {
    for (const std::string clue : {"Stad (3-4) ", "Stad (abc)", "Stad ()", "Stad (3++4)",
                                   "Stad )3(", "Stad", "Stad (+3)"}) {
        const Parsed parsed = Parse(clue);
        EXPECT_EQ(parsed.count, 0) << clue;
        EXPECT_EQ(parsed.sum, 0) << clue;
        EXPECT_EQ(parsed.text, clue.substr(0, clue.find_last_not_of(' ') + 1)) << clue;
    }
}

TEST(ParseClueLengths, MorePartsThanAWordHoldsAreRefused) {
    std::string nineteen = "x (1";
    for (int i = 1; i < 19; ++i) nineteen += "+1";
    EXPECT_EQ(Parse(nineteen + ")").count, 19);
    EXPECT_EQ(Parse(nineteen + "+1)").count, 0);
}

TEST(ParseClueLengths, HugeNumbersFitNoWordWithoutOverflow) {
    const Parsed parsed = Parse("x (99999999999999999999999+99999999999999999999)");
    EXPECT_EQ(parsed.count, 2);
    EXPECT_GT(parsed.sum, MAX_GRID_SIDE);
    EXPECT_EQ(Parse("x (100)").sum, 100);
}

}  // namespace
