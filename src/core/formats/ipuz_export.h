#pragma once
// "&ipuz...": the puzzle as an ipuz file (version 2, kind crossword, UTF-8 JSON):
// the grid with its clue numbers, "#" for black cells and null for cells outside the
// shape, the letters as the solution when there are any ("IJ" for the IJ cell), the
// clue lists "Across" and "Down" as [number, text], the title and the comment as notes.
// The bars of a Balkjes puzzle are the cells' "barred" style.

#include <optional>
#include <string>

#include "model/user_message.h"

class Puzzle;

// Why the puzzle cannot be an ipuz file (a Doorloper: its numbers belong to rows
// and columns, not to cells); nothing when it can.
std::optional<UserMessage> IpuzExportRefusal(const Puzzle& puzzle);

// True when a cell holds a letter: the puzzle has (part of) a solution to publish.
bool HasLetters(const Puzzle& puzzle);

// The whole file, CR LF line ends, for a puzzle without refusal.
std::string WriteIpuz(const Puzzle& puzzle);
