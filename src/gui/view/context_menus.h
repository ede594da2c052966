#pragma once
// The context menus of the grid, one per phase. They word some commands
// differently from the main menu, so they have a table of their own.

#include <vector>

#include "model/cells.h"

struct ContextMenuItem {
    int id;  // 0 marks a separator
    const char* text;
};

const std::vector<ContextMenuItem>& ContextMenuOfPhase(Phase phase);
