#pragma once
// Switching between the shaping and the filling phase.
//
// The phase lives in the document's phase; the desktop reads it from there
// (so the application's copy can never disagree with the document).

#include "editing/edit_result.h"
#include "model/user_message.h"

class Rooster2Doc;

void SetPhase(Rooster2Doc& doc, Phase phase);

// The phase a search returns to: filling with the cursor on the first word
// when it found solutions, else the phase it started from.
Phase PhaseAfterSearch(Rooster2Doc& doc, Phase before, int solutionCount);

// "&1. Vormen rooster" runs only from the filling phase. Shaping rebuilds the
// words and so discards every clue: when ShapingLosesClues, ask
// ClueLossQuestion (OK / Cancel, question icon) first and stop on Cancel.
// The caller also closes the clue text window and the clue list.
bool ShapingLosesClues(const Rooster2Doc& doc);
UserMessage ClueLossQuestion();
// Enters shaping: phase 1, words rebuilt, shape history reset; the solutions
// are dropped (forgetSolutions) and the whole view repaints.
EditResult EnterShapingPhase(Rooster2Doc& doc);

// "&2. Vullen rooster" runs only from the shaping phase: phase 2, the first
// word current with the cursor on its first cell, fill history reset, repaint.
EditResult EnterFillingPhase(Rooster2Doc& doc);
