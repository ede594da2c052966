#include "search/search_options.h"

#include "model/rooster2_doc.h"
#include "util/latin1.h"

void ApplySearchOptions(Rooster2Doc& doc, const SearchOptions& options) {
    PuzzleEdit edit(doc, EditKind::Setting);
    Puzzle& puzzle = edit.puzzle();
    puzzle.search = options;
    puzzle.search.excludedLetters = Latin1ToUpper(options.excludedLetters);
    if (puzzle.search.wordFile.empty()) {
        puzzle.extraFiles.clear();
        for (WordInfo& word : puzzle.words) word.extraList = 0;
    }
}

bool CanStartSearch(const Rooster2Doc& doc, bool hasWordFile) {
    return (doc.phase == Phase::Vormen || doc.phase == Phase::Vullen) && hasWordFile;
}
