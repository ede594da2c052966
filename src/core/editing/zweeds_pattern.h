#pragma once
// Where "Maak Zweeds raster" puts its clue cells: words of 2 to 9 letters, most of 3 to 7,
// every open cell in a word and every clue cell with one or two clues, as in a magazine.

#include <optional>
#include <vector>

#include "editing/zweeds_clues.h"

// The border as magazines print it: clue cells in every other cell of the top row and
// the left column, each pointing into the column or row behind it and, bent, into the
// letter cell beside it. The corner is a clue cell with nothing to point into.
bool IsBorderClue(int x, int y);

// Decides the cells of the layout that are not `fixed` (row-major, like its cells):
// clue cell or open. Border cells left to it keep their pattern unless a rule needs
// otherwise. The search is seeded, so the same layout always comes out the same.
// Returns the clue of every word, or none when the best layout found still breaks a
// rule (then the layout holds that best one).
std::optional<std::vector<ClueOfWord>> PlaceClueCells(ZweedsCells& layout,
                                                      const std::vector<bool>& fixed);
