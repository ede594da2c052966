#include "formats/solutions_file.h"

#include "model/puzzle.h"
#include "util/file_io.h"
#include "util/str_format.h"

std::string FormatSolutionsText(const Puzzle& puzzle, const SearchResults& results,
                                bool lowercase) {
    Puzzle shown = puzzle;
    std::string text;
    if (!shown.html.title.empty()) text += shown.html.title + "\r\n\r\n";
    for (int i = 0; i < results.solutionCount && i < static_cast<int>(results.solutions.size());
         ++i) {
        shown.StringToGrid(results.solutions[i]);
        text += StrFormat("Oplossing %d\r\n\r\n", i + 1);
        shown.WriteGridText(text, lowercase);
        text += "\r\n";
    }
    return text;
}

WriteResult WriteSolutionsFile(const Puzzle& puzzle, const SearchResults& results,
                               const std::string& path, bool lowercase) {
    return WriteFileAtomically(path, FormatSolutionsText(puzzle, results, lowercase));
}
