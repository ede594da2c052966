#pragma once
// What the search tests share: a clock that ticks on demand, word list sets
// written into a temporary folder, and a recorder for everything a search
// reports through its callbacks.

#include <string>
#include <tuple>
#include <vector>

#include "search/search_run.h"

// Every WallSeconds call returns the current value and then adds `step`.
class FakeClock : public ISearchClock {
public:
    explicit FakeClock(long long step = 0, long long start = 1000) : seconds(start), step(step) {}
    long long WallSeconds() override {
        const long long now = seconds;
        seconds += step;
        return now;
    }
    long long Milliseconds() override { return millis; }

    long long seconds;
    long long step;
    long long millis = 0;
};

// Writes base + "%02d.doc" with one line per word (CR LF) and returns the set name.
std::string WriteWordList(const std::string& folder, const std::string& base, int length,
                          const std::vector<std::string>& lines);

struct SearchRecord {
    std::vector<std::tuple<int, int, int>> placements;  // level, word, entry
    std::vector<std::pair<int, std::string>> statuses;
    int polls = 0;
    int redraws = 0;
    std::vector<SearchBeep> beeps;
};

// Wires every callback of the run into the record; stops the run after
// `placementBudget` placements when it is positive.
void RecordInto(SearchRun& run, SearchRecord& record, long long placementBudget = 0);
