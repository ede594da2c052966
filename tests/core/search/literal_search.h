#pragma once
// The fill done the plain way, node by node as the search is described:
// every node rescans the list of every open word. It is slow on purpose; the
// tests and the benchmark compare the exact method with it.

#include <string>
#include <vector>

#include "search/search_run.h"

class LiteralSearch : public SearchRun {
public:
    using SearchRun::SearchRun;

protected:
    void SearchTree() override { Search(0); }

private:
    void Search(int level);
    int CountMatches(int i, int limit) const;
    bool Fits(const std::string& letters, const char* candidate) const;
    std::string SearchLetters(int i) const;
    bool CheckMaxFrequency() const;
    bool CheckMaxDistinct() const;
};
