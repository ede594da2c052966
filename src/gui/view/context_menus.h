#pragma once
// The context menus of the grid, one per phase: which commands, in which order.
// Their texts are the command catalog's other names (CommandInfo::OtherName).

#include <vector>

#include "model/cells.h"

// Command ids; 0 marks a separator.
const std::vector<int>& ContextMenuOfPhase(Phase phase);
