#include "search/search_environment.h"

#include <chrono>
#include <ctime>

long long SystemClock::WallSeconds() { return static_cast<long long>(std::time(nullptr)); }

long long SystemClock::Milliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ISearchRandom& DefaultSearchRandom() {
    static LcgRandom random;
    return random;
}

ISearchClock& DefaultSearchClock() {
    static SystemClock clock;
    return clock;
}
