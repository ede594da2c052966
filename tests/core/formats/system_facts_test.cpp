#include "formats/system_facts.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseMemInfo, TotalAvailableAndLoad) {
    const auto facts = ParseMemInfo(
        "MemTotal:       16000000 kB\nMemFree:         1000000 kB\n"
        "MemAvailable:    4000000 kB\nBuffers:          100 kB\n");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->totalBytes, 16000000ull * 1024);
    EXPECT_EQ(facts->availableBytes, 4000000ull * 1024);
    EXPECT_EQ(facts->loadPercent, 75);
}

TEST(ParseMemInfo, OlderKernelsGiveFreeMemory) {
    const auto facts = ParseMemInfo("MemTotal: 1000 kB\nMemFree: 250 kB\n");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->availableBytes, 250ull * 1024);
}

TEST(ParseMemInfo, NonsenseGivesNothing) {
    EXPECT_FALSE(ParseMemInfo(""));
    EXPECT_FALSE(ParseMemInfo("MemTotal: veel kB\nMemFree: 1 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: 0 kB\nMemFree: 0 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: 10 kB\nMemFree: 20 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: 99999999999999999999999 kB\nMemFree: 1 kB\n"));
}

TEST(ParseCpuModelName, FirstModelName) {
    EXPECT_EQ(ParseCpuModelName("processor\t: 0\nmodel name\t: Intel(R) Core(TM) i7  \n"
                                "model name\t: other\n"),
              "Intel(R) Core(TM) i7");
    EXPECT_FALSE(ParseCpuModelName("processor\t: 0\nHardware\t: BCM2835\n"));
}

TEST(ParseKernelRelease, ThreeNumbers) {
    int major = -1, minor = -1, build = -1;
    ParseKernelRelease("6.1.0-18-amd64", major, minor, build);
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    EXPECT_EQ(build, 0);
    ParseKernelRelease("5.15-rc1", major, minor, build);
    EXPECT_EQ(minor, 15);
    EXPECT_EQ(build, 0);
    ParseKernelRelease("", major, minor, build);
    EXPECT_EQ(major, 0);
}

#if defined(__linux__)
TEST(ReadSystemFacts, LinuxTellsMemoryAndVersion) {
    const SystemFacts facts = ReadSystemFacts();
    ASSERT_TRUE(facts.memory);
    EXPECT_GT(facts.memory->totalBytes, 0u);
    ASSERT_TRUE(facts.version);
    EXPECT_EQ(facts.version->platform, "Linux");
}
#endif

}  // namespace
