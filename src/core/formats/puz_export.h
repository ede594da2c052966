#pragma once
// "Across &Lite (.puz)...": the puzzle as an Across Lite file in the version 1.3
// layout, text in ISO-8859-1: the solution from the letters, an empty player grid,
// the title, the clues in Across Lite order, the comment as notes, and every
// checksum of the format. An IJ cell is a rebus square whose answer is "IJ".

#include <optional>
#include <string>
#include <vector>

#include "model/user_message.h"

class Puzzle;
struct WordInfo;

// Why the puzzle cannot be an Across Lite file (a Doorloper, across-only numbering,
// a cell without a letter); nothing when it can.
std::optional<UserMessage> PuzExportRefusal(const Puzzle& puzzle);

// True when every letter cell holds its letter: the whole solution is there.
bool IsFullyFilled(const Puzzle& puzzle);

// The whole file, for a puzzle without refusal.
std::string WritePuz(const Puzzle& puzzle);

// The clue as published: the clue text on one line and, for a word of more than one
// part, its length annotation as the clue file writes it ("Hofstad (3+4)").
std::string PublishedClue(const WordInfo& word);

// The words in Across Lite order: by start cell row by row, across before down.
std::vector<const WordInfo*> WordsInAcrossLiteOrder(const Puzzle& puzzle);
