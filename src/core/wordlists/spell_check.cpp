#include "wordlists/spell_check.h"

#include <string_view>
#include <vector>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "wordlists/candidates.h"
#include "wordlists/looked_up_stretches.h"
#include "wordlists/word_list_files.h"

namespace {

bool IsWordListed(const CRooster2Doc& doc, const WordInfo& word, const std::string& letters) {
    return ForEachLookedUpStretch(word, letters, [&](std::string_view part) {
        return ListedScore(doc, part, word.extraList).has_value();
    });
}

}  // namespace

std::optional<std::string> SpellingCheckReport(const CRooster2Doc& doc) {
    if (doc.m_wordFile.size() < MIN_SET_NAME_LENGTH) return std::nullopt;
    std::vector<int> notListed;
    std::vector<int> notFilled;
    for (int i = 0; i < static_cast<int>(doc.m_words.size()); ++i) {
        if (!doc.IsWordComplete(i))
            notFilled.push_back(i);
        else if (!IsWordListed(doc, doc.m_words[i], doc.GetWordValue(i)))
            notListed.push_back(i);
    }
    std::string report;
    if (!notListed.empty()) {
        report += "Niet in woordenlijst:\n";
        for (const int i : notListed) {
            WordInfo shown = doc.m_words[i];
            shown.value = doc.GetWordValue(i);
            report += "  " + FormatLabeledValue(shown) + "\n";
        }
        report += "\n";
    }
    if (!notFilled.empty()) {
        report += "Niet (helemaal) ingevuld:\n";
        for (const int i : notFilled) report += FormatLabel(doc.m_words[i]) + " ";
    }
    if (report.empty()) report = "Alle woorden correct";
    return report;
}

std::string FirstMissingSpellingFile(const CRooster2Doc& doc) {
    for (int i = 0; i < static_cast<int>(doc.m_words.size()); ++i) {
        const WordInfo& word = doc.m_words[i];
        std::string setName;
        if (!doc.IsWordComplete(i) || !WordListSetName(doc, word.extraList, setName)) continue;
        std::string problem;
        ForEachLookedUpStretch(word, doc.GetWordValue(i), [&](std::string_view part) {
            problem = WordListProblem(setName, static_cast<int>(part.size()));
            return problem.empty();
        });
        if (!problem.empty()) return problem;
    }
    return std::string();
}
