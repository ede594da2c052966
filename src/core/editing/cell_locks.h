#pragma once
// "Vastzetten": locking the letters every fill and improvement keeps. It works on
// the letters of the selected rectangle, else on every cell of the current word
// (an empty one keeps the letter a fill gives it). When all of those cells are
// locked it unlocks them instead. One undo step, like typing.

#include <optional>
#include <vector>

#include "editing/edit_result.h"
#include "model/puzzle.h"

class Rooster2Doc;

// The cells "Vastzetten" works on, as y * width + x: in the selection the cells that
// hold a letter or are locked, else the current word's cells; none without either.
std::vector<int> LockTargets(const Rooster2Doc& doc, const std::optional<GridRegion>& selection);
// Whether there is something to lock and all of it is locked (the check mark).
bool AreTargetsLocked(const Rooster2Doc& doc, const std::optional<GridRegion>& selection);
// Locks every cell of word i (the command line's --lock).
void LockWord(Puzzle& puzzle, int word);
// Locks the targets, or unlocks them when all are locked; not applied without targets.
EditResult ToggleLocks(Rooster2Doc& doc, const std::optional<GridRegion>& selection);
