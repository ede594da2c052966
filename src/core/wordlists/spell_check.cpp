#include "wordlists/spell_check.h"

#include <string_view>
#include <vector>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "model/word_scoring.h"
#include "wordlists/candidates.h"
#include "wordlists/looked_up_stretches.h"
#include "wordlists/word_list_files.h"

namespace {

bool IsWordListed(const Puzzle& puzzle, const WordInfo& word, const std::string& letters) {
    return ForEachLookedUpStretch(word, letters, [&](std::string_view part) {
        // Listed is listed, whatever the word scores.
        return ListedScore(puzzle, WordScoring{}, part, word.extraList).has_value();
    });
}

}  // namespace

std::optional<std::string> SpellingCheckReport(const Puzzle& puzzle) {
    if (puzzle.search.wordFile.size() < MIN_SET_NAME_LENGTH) return std::nullopt;
    std::vector<int> notListed;
    std::vector<int> notFilled;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        if (!puzzle.IsWordComplete(i))
            notFilled.push_back(i);
        else if (!IsWordListed(puzzle, puzzle.words[i], puzzle.GetWordValue(i)))
            notListed.push_back(i);
    }
    std::string report;
    if (!notListed.empty()) {
        report += "Niet in woordenlijst:\n";
        for (const int i : notListed) {
            WordInfo shown = puzzle.words[i];
            shown.value = puzzle.GetWordValue(i);
            report += "  " + FormatLabeledValue(shown) + "\n";
        }
        report += "\n";
    }
    if (!notFilled.empty()) {
        report += "Niet (helemaal) ingevuld:\n";
        for (const int i : notFilled) report += FormatLabel(puzzle.words[i]) + " ";
    }
    if (report.empty()) report = "Alle woorden correct";
    return report;
}

std::string FirstMissingSpellingFile(const Puzzle& puzzle) {
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        const WordInfo& word = puzzle.words[i];
        std::string setName;
        if (!puzzle.IsWordComplete(i) || !WordListSetName(puzzle, word.extraList, setName))
            continue;
        std::string problem;
        ForEachLookedUpStretch(word, puzzle.GetWordValue(i), [&](std::string_view part) {
            problem = WordListProblem(setName, static_cast<int>(part.size()));
            return problem.empty();
        });
        if (!problem.empty()) return problem;
    }
    return std::string();
}
