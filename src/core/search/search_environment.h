#pragma once
// What the search takes from the runtime: random numbers for the trying order
// and the clock for the progress cadence and the result text. Both are
// interfaces so that tests and benchmarks run deterministically.

#include <cstdint>

// The contract of the C runtime's rand(): values 0..SEARCH_RAND_MAX after a seed.
constexpr int SEARCH_RAND_MAX = 0x7FFF;

class ISearchRandom {
public:
    virtual ~ISearchRandom() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual int Next() = 0;  // 0..SEARCH_RAND_MAX
};

// The linear congruential generator of the Windows runtime's rand(), so that a
// seed gives the same trying order on every platform.
class LcgRandom : public ISearchRandom {
public:
    explicit LcgRandom(std::uint32_t seed = 1) : m_state(seed) {}
    void Seed(std::uint32_t seed) override { m_state = seed; }
    int Next() override {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & SEARCH_RAND_MAX);
    }

private:
    std::uint32_t m_state;
};

class ISearchClock {
public:
    virtual ~ISearchClock() = default;
    // Wall-clock time in whole seconds.
    virtual long long WallSeconds() = 0;
    // A millisecond counter for the elapsed time of the result text.
    virtual long long Milliseconds() = 0;
};

// The real clocks.
class SystemClock : public ISearchClock {
public:
    long long WallSeconds() override;
    long long Milliseconds() override;
};

// The process-wide defaults used when a search is given none.
ISearchRandom& DefaultSearchRandom();
ISearchClock& DefaultSearchClock();
