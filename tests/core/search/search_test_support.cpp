#include "search_test_support.h"

#include "test_support.h"
#include "util/str_format.h"

std::string WriteWordList(const std::string& folder, const std::string& base, int length,
                          const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string name = folder + "/" + base + StrFormat("%02d.doc", length);
    WriteFileOrFail(name, text);
    return name;
}

void RecordInto(SearchRun& run, SearchRecord& record, long long placementBudget) {
    run.callbacks.trace = [&run, &record, placementBudget](int level, int word, int entry) {
        record.placements.emplace_back(level, word, entry);
        if (placementBudget > 0 &&
            static_cast<long long>(record.placements.size()) >= placementBudget)
            run.Interrupt();
    };
    run.callbacks.status = [&record](int pane, const std::string& text) {
        record.statuses.emplace_back(pane, text);
    };
    run.callbacks.poll = [&record](const Puzzle&) { ++record.polls; };
    run.callbacks.redraw = [&record](const Puzzle&) { ++record.redraws; };
    run.callbacks.beep = [&record](SearchBeep beep) { record.beeps.push_back(beep); };
}
