#include "search/search_method.h"

#include "search/fast_search.h"
#include "search/search_engine.h"

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

std::unique_ptr<CSearchRun> MakeSearchRun(SearchMethod method, CRooster2Doc& doc) {
    if (method == SearchMethod::Fast) return std::make_unique<CFastSearch>(doc);
    return std::make_unique<CSearchEngine>(doc);
}
