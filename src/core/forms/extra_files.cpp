#include "forms/extra_files.h"

#include <algorithm>
#include <functional>

#include "model/rooster2_doc.h"
#include "util/str_format.h"

std::vector<ExtraFileRow> ExtraFileRows(const Rooster2Doc& doc) {
    std::vector<ExtraFileRow> rows;
    for (std::size_t i = 0; i < doc.puzzle().extraFiles.size(); ++i)
        rows.push_back({StrFormat("%d", static_cast<int>(i + 1)), doc.puzzle().extraFiles[i]});
    return rows;
}

void AddExtraFile(Rooster2Doc& doc, const std::string& path) {
    PuzzleEdit(doc, EditKind::Setting)->extraFiles.push_back(path);
}

UserMessage NoExtraFileSelectedMessage() {
    return {"Selecteer een of meer regels.\nKlik links in kolom #.", "Info"};
}

void RemoveExtraFiles(Rooster2Doc& doc, const std::vector<int>& numbers) {
    // From the highest number down, so that each removal leaves the others in place.
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::vector<std::string> files = doc.puzzle().extraFiles;
    for (int number : sorted) {
        const int index = number - 1;
        if (index >= 0 && index < static_cast<int>(files.size()))
            files.erase(files.begin() + index);
    }
    if (files.size() != doc.puzzle().extraFiles.size())
        PuzzleEdit(doc, EditKind::Setting)->extraFiles = std::move(files);
}
