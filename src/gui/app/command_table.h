#pragma once
// Where every command sits in the window: its menu items, keys, tool-bar button
// and picture. Its texts, phases, enabling and check mark are the core's
// (editing/command_catalog.h); its handler is registered by the part of the
// program that carries it out. Texts are ISO-8859-1, like the model's.

#include <QKeySequence>
#include <vector>

#include "editing/command_catalog.h"
#include "editing/command_ids.h"
#include "support/toolbar_icons.h"

struct CommandSpec {
    int id;
    const char* menuPath;  // pop-up titles joined by '|', e.g. "&Rooster|&Schuif"
    bool separatorBefore = false;
    // A second item of the command, in another menu, under the catalog's other
    // name; the keys and the button stay with the first, its shortcut text is shown.
    bool otherName = false;
    const char* shortcutText = "";  // shown after a tab in the menu item
    std::vector<QKeySequence> keys = {};
    // Place on the tool bar: group * 10 + place in the group; 0 for no button.
    int toolBarSlot = 0;
    IconPainter icon = nullptr;
};

// Every menu item in menu order; a command's first row is its own.
const std::vector<CommandSpec>& CommandTable();

// The tool-bar buttons left to right; 0 marks a separator between groups.
std::vector<int> ToolBarLayout();

// The pop-up titles of the main menu, left to right.
const std::vector<const char*>& MainMenuTitles();

// The first table row with this id, or nullptr.
const CommandSpec* FindCommandSpec(int id);

// The text of a menu item: the catalog's text, or its other name on a second item.
const char* MenuText(const CommandSpec& spec);

// The command whose shortcut is this key combination, or 0.
int CommandForKey(QKeyCombination key);

// How many recently used files the "&Bestand" menu lists.
constexpr int RECENT_FILE_COUNT = 10;
