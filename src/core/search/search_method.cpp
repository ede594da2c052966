#include "search/search_method.h"

#include "model/profile.h"
#include "search/exact_search.h"
#include "search/fast_search.h"

const char* SearchMethodName(SearchMethod method) {
    return method == SearchMethod::Fast ? "fast" : "exact";
}

std::optional<SearchMethod> ParseSearchMethod(std::string_view name) {
    if (name == "exact") return SearchMethod::Exact;
    if (name == "fast") return SearchMethod::Fast;
    return std::nullopt;
}

const char* SearchMethodLabel(SearchMethod method) {
    return method == SearchMethod::Fast ? "Snel" : "Exact";
}

namespace {

const char* const PROFILE_SECTION_SEARCH = "Zoeken";
const char* const PROFILE_ENTRY_METHOD = "Zoekmethode";

}  // namespace

SearchMethod ReadSearchMethod(const IProfile* profile) {
    if (profile == nullptr) return SearchMethod::Exact;
    // A profile without a choice gets the method that finds good fills soonest.
    const int stored = profile->GetProfileInt(PROFILE_SECTION_SEARCH, PROFILE_ENTRY_METHOD,
                                              static_cast<int>(SearchMethod::Fast));
    return stored == static_cast<int>(SearchMethod::Fast) ? SearchMethod::Fast
                                                          : SearchMethod::Exact;
}

void StoreSearchMethod(IProfile* profile, SearchMethod method) {
    if (profile != nullptr)
        profile->WriteProfileInt(PROFILE_SECTION_SEARCH, PROFILE_ENTRY_METHOD,
                                 static_cast<int>(method));
}

std::unique_ptr<SearchRun> MakeSearchRun(SearchMethod method, const Puzzle& puzzle,
                                         const WordScoring& scoring,
                                         std::atomic<bool>& interruptFlag) {
    if (method == SearchMethod::Fast)
        return std::make_unique<FastSearch>(puzzle, scoring, interruptFlag);
    return std::make_unique<ExactSearch>(puzzle, scoring, interruptFlag);
}
