#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_targets.h"
#include "test_support.h"

TEST(FuzzRegressionTest, EveryStoredInputRunsCleanThroughItsTarget) {
    std::size_t count = 0;
    const FuzzTarget* targets = FuzzTargets(count);
    int inputs = 0;
    for (std::size_t t = 0; t < count; ++t) {
        const std::filesystem::path folder =
            std::filesystem::path(ROOSTER2_FUZZ_REGRESSIONS) / targets[t].name;
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            SCOPED_TRACE(entry.path().string());
            targets[t].run(ReadFileOrEmpty(entry.path().string()));
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}
