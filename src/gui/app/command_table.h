#pragma once
// The one table of every command: it builds the menus, the tool bar, the
// shortcuts and the status-bar prompts. Texts are ISO-8859-1, like the model's.

#include <QKeySequence>
#include <vector>

#include "editing/command_ids.h"

struct CommandSpec {
    int id;
    const char* menuPath;      // pop-up titles joined by '|', e.g. "&Rooster|&Schuif"
    const char* text;          // menu text
    const char* shortcutText;  // shown after a tab in the menu item; "" for none
    std::vector<QKeySequence> keys;
    const char* prompt;   // status-bar prompt; "" for none
    const char* toolTip;  // "" for none
    bool separatorBefore;
};

// Every menu item in menu order. An id may occur twice (same command in two menus).
const std::vector<CommandSpec>& CommandTable();

// The tool-bar buttons left to right; 0 marks a separator.
const std::vector<int>& ToolBarLayout();

// The pop-up titles of the main menu, left to right.
const std::vector<const char*>& MainMenuTitles();

// The first table row with this id, or nullptr.
const CommandSpec* FindCommandSpec(int id);

// The command whose shortcut is this key combination, or 0.
int CommandForKey(QKeyCombination key);

// How many recently used files the "&Bestand" menu lists.
constexpr int RECENT_FILE_COUNT = 10;
