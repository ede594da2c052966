#include "search/fillability.h"

#include "search/fast_search.h"
#include "util/str_format.h"

FillabilityReport CheckFillability(const FillabilityRequest& request, std::atomic<bool>& cancel,
                                   SearchListCache* cache) {
    FastSearch check(request.puzzle, request.scoring, cancel);
    check.listCache = cache;
    return check.CheckFillability(request.focusWord, request.order, request.maxCandidates);
}

std::string FillabilityStatusText(const FillabilityReport& report) {
    if (!report.checked) return report.messages.empty() ? std::string() : report.messages[0].text;
    if (report.firstDeadWord.empty()) return "Vulbaar";
    std::string text = report.firstDeadWord + ": " + CandidateCountText(0);
    // A list that could not be read is why, not a grid that cannot be filled.
    if (!report.messages.empty()) text += "; " + report.messages[0].text;
    return text;
}

std::string CandidateCountText(int count) {
    if (count == NOT_SEARCHED) return "ingevuld";
    if (count == 0) return "geen woorden";
    return StrFormat("%d %s", count, count == 1 ? "woord" : "woorden");
}
