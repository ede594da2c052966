#include "editing/phase_switch.h"

#include <algorithm>

#include "model/rooster2_doc.h"

void SetPhase(Rooster2Doc& doc, Phase phase) { doc.phase = phase; }

Phase PhaseAfterSearch(Rooster2Doc& doc, Phase before, int solutionCount) {
    if (solutionCount == 0) return before;
    doc.curWord = 0;
    doc.curPos = 0;
    return Phase::Vullen;
}

bool ShapingLosesClues(const Rooster2Doc& doc) {
    return std::any_of(doc.puzzle().words.begin(), doc.puzzle().words.end(),
                       [](const WordInfo& word) { return !word.clue.empty(); });
}

UserMessage ClueLossQuestion() { return {"Alle omschrijvingen gaan verloren, ok", "Mag dat?"}; }

namespace {

EditResult RepaintAll() {
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    return result;
}

}  // namespace

EditResult EnterShapingPhase(Rooster2Doc& doc) {
    if (doc.phase != Phase::Vullen) return {};
    SetPhase(doc, Phase::Vormen);
    // What the first shaping repaint would do anyway; done here so the base
    // snapshot already holds any cell the rebuild blackens.
    PuzzleEdit(doc, EditKind::Restart)->BuildWords();
    EditResult result = RepaintAll();
    result.forgetSolutions = true;
    return result;
}

EditResult EnterFillingPhase(Rooster2Doc& doc) {
    if (doc.phase != Phase::Vormen) return {};
    SetPhase(doc, Phase::Vullen);
    // The words follow every shaping repaint; rebuilt here so they hold the
    // shape even when no repaint came between the last change and the switch.
    PuzzleEdit(doc, EditKind::Restart)->BuildWords();
    doc.curWord = 0;
    doc.curPos = 0;
    return RepaintAll();
}
