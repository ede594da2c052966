#include "editing/phase_switch.h"

#include <algorithm>

#include "editing/undo_history.h"
#include "model/rooster2_doc.h"

void SetPhase(Rooster2Doc& doc, Phase phase) { doc.phase = phase; }

Phase PhaseAfterSearch(Rooster2Doc& doc, Phase before, int solutionCount) {
    if (solutionCount == 0) return before;
    doc.curWord = 0;
    doc.curPos = 0;
    return Phase::Vullen;
}

void StartEditingDocument(const Rooster2Doc& doc, UndoHistories& undo) {
    undo.ResetFillUndo(doc);
    undo.ResetShapeUndo(doc);
}

bool ShapingLosesClues(const Rooster2Doc& doc) {
    return std::any_of(doc.puzzle.words.begin(), doc.puzzle.words.end(),
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

EditResult EnterShapingPhase(Rooster2Doc& doc, UndoHistories& undo) {
    if (doc.phase != Phase::Vullen) return {};
    SetPhase(doc, Phase::Vormen);
    // What the first shaping repaint would do anyway; done here so the base
    // snapshot already holds any cell the rebuild blackens.
    doc.puzzle.BuildWords();
    undo.ResetShapeUndo(doc);
    EditResult result = RepaintAll();
    result.forgetSolutions = true;
    return result;
}

EditResult EnterFillingPhase(Rooster2Doc& doc, UndoHistories& undo) {
    if (doc.phase != Phase::Vormen) return {};
    SetPhase(doc, Phase::Vullen);
    // The words follow every shaping repaint; rebuilt here so they hold the
    // shape even when no repaint came between the last change and the switch.
    doc.puzzle.BuildWords();
    doc.curWord = 0;
    doc.curPos = 0;
    undo.ResetFillUndo(doc);
    return RepaintAll();
}
