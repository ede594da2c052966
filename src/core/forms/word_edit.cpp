#include "forms/word_edit.h"

#include <algorithm>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/str_format.h"
#include "wordlists/word_data.h"

namespace {

const char* const OEI = "Oei";

}  // namespace

WordDataFields OpenWordData(const Rooster2Doc& doc, int i) {
    const WordInfo& word = doc.puzzle().words[i];
    WordDataFields fields;
    fields.title = WordDataTitle(word);
    fields.value = DialogValueFromCells(doc.puzzle().GetWordValue(i));
    fields.clue = FormatClueText(word);
    fields.maxCandidates = doc.puzzle().search.maxCandidates;
    fields.excludedLetters = doc.puzzle().search.excludedLetters;
    fields.listNumber = word.extraList;
    return fields;
}

std::vector<UserMessage> ApplyWordData(Rooster2Doc& doc, int i, const WordDataFields& fields) {
    std::vector<UserMessage> messages;
    WordInfo word = doc.puzzle().words[i];
    const std::string value = CellsFromDialogValue(fields.value, doc.puzzle().GetWordValue(i));
    word.value = value;
    word.clue = fields.clue;
    word.extraList = fields.listNumber;
    PartLengths parts{};
    int sum = 0;
    const int partCount = ParseClueLengths(word.clue, parts, sum);
    word.partCount = partCount;
    PuzzleEdit edit(doc);
    edit->search.maxCandidates = fields.maxCandidates;
    if (partCount >= 1 && sum != word.length)
        messages.push_back(
            {StrFormat("Berekende lengte (%d) ongelijk aan\nwoordlengte (%d)", sum, word.length),
             OEI});
    if (partCount > 0)
        std::copy_n(parts.begin(), std::min<std::size_t>(partCount, parts.size()),
                    word.partLengths.begin());
    edit->words[i] = word;
    if (!edit->SetWordValue(i, value))
        messages.push_back(
            {"Woordwaarde incorrect,\neerst woord verwijderen m.b.v. <Delete>", OEI});
    if (!edit->numbering.doorloper) edit->Renumber();
    return messages;
}
