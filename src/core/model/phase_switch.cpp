#include "model/phase_switch.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "model/undo_history.h"

void SetPhase(CRooster2Doc& doc, int phase) { doc.phase = phase; }

void StartEditingDocument(const CRooster2Doc& doc, CUndoHistories& undo) {
    undo.ResetFillUndo(doc);
    undo.ResetShapeUndo(doc);
}

bool ShapingLosesClues(const CRooster2Doc& doc) {
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

EditResult EnterShapingPhase(CRooster2Doc& doc, CUndoHistories& undo) {
    if (doc.phase != PHASE_VULLEN) return {};
    SetPhase(doc, PHASE_VORMEN);
    // What the first shaping repaint would do anyway; done here so the base
    // snapshot already holds any cell the rebuild blackens.
    doc.puzzle.BuildWords();
    undo.ResetShapeUndo(doc);
    EditResult result = RepaintAll();
    result.forgetSolutions = true;
    return result;
}

EditResult EnterFillingPhase(CRooster2Doc& doc, CUndoHistories& undo) {
    if (doc.phase != PHASE_VORMEN) return {};
    SetPhase(doc, PHASE_VULLEN);
    // The words follow every shaping repaint; rebuilt here so they hold the
    // shape even when no repaint came between the last change and the switch.
    doc.puzzle.BuildWords();
    doc.curWord = 0;
    doc.curPos = 0;
    undo.ResetFillUndo(doc);
    return RepaintAll();
}
