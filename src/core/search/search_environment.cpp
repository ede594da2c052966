#include "search/search_environment.h"

#include <chrono>
#include <ctime>

long long CSystemClock::WallSeconds() { return static_cast<long long>(std::time(nullptr)); }

long long CSystemClock::Milliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ISearchRandom& DefaultSearchRandom() {
    static CLcgRandom random;
    return random;
}

ISearchClock& DefaultSearchClock() {
    static CSystemClock clock;
    return clock;
}
