#pragma once
// Where "Maak Zweeds raster" puts its clue cells: words of 2 to 9 letters, most of 3 to 7,
// every open cell in a word and every clue cell with one or two clues, as in a magazine.

#include <optional>
#include <vector>

#include "editing/zweeds_clues.h"

// Decides the cells of the layout that are not `fixed` (row-major, like its cells):
// clue cell or open. The search is seeded, so the same layout always comes out the
// same. Returns the clue of every word, or none when the best layout found still
// breaks a rule (then the layout holds that best one).
std::optional<std::vector<ClueOfWord>> PlaceClueCells(ZweedsCells& layout,
                                                      const std::vector<bool>& fixed);
