#include "forms/extra_files.h"

#include <algorithm>
#include <functional>

#include "model/rooster2_doc.h"
#include "util/str_format.h"

std::vector<ExtraFileRow> ExtraFileRows(const Rooster2Doc& doc) {
    std::vector<ExtraFileRow> rows;
    for (std::size_t i = 0; i < doc.puzzle.extraFiles.size(); ++i)
        rows.push_back({StrFormat("%d", static_cast<int>(i + 1)), doc.puzzle.extraFiles[i]});
    return rows;
}

void AddExtraFile(Rooster2Doc& doc, const std::string& path) {
    doc.puzzle.extraFiles.push_back(path);
    doc.MarkModified(true);
}

UserMessage NoExtraFileSelectedMessage() {
    return {"Selecteer een of meer regels.\nKlik links in kolom #.", "Info"};
}

void RemoveExtraFiles(Rooster2Doc& doc, const std::vector<int>& numbers) {
    // From the highest number down, so that each removal leaves the others in place.
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    bool removed = false;
    for (int number : sorted) {
        const int index = number - 1;
        if (index < 0 || index >= static_cast<int>(doc.puzzle.extraFiles.size())) continue;
        doc.puzzle.extraFiles.erase(doc.puzzle.extraFiles.begin() + index);
        removed = true;
    }
    if (removed) doc.MarkModified(true);
}
