#include "search/restart_sequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(RestartSequence, IsTheLubySequenceAndGrowsWithoutBound) {
    const std::vector<long long> start = {1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, 1, 1, 2};
    for (std::size_t i = 0; i < start.size(); ++i)
        EXPECT_EQ(LubyTerm(static_cast<long long>(i)), start[i]) << i;
    // The block of 2^k - 1 terms ends with 2^(k-1), however far out.
    EXPECT_EQ(LubyTerm((1LL << 40) - 2), 1LL << 39);
    EXPECT_EQ(LubyTerm((1LL << 40) - 1), 1);
}

}  // namespace
