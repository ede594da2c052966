#pragma once
// When each command is enabled and when its menu item carries a check mark, by
// phase and state. The desktop evaluates this before a menu opens and after
// every change of state, so that the tool-bar buttons are right too.

#include <optional>

class Rooster2Doc;
class UndoHistories;

// What the view and the search know beyond the document.
struct CommandFacts {
    int solutionCount = 0;        // solutions of the last search
    int bestDepth = 0;            // words of the best partial fill, 0 for none
    bool scrollBars = false;      // "&Met schuifbalken"
    bool clueDialogOpen = false;  // the clue text window is open
    bool clueListOpen = false;    // the clue list window is open
    bool autoNextWord = false;    // "&Naar volgende woord"
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// The state of command id (ID_... of model/command_ids.h) for the document's
// phase. Nothing is returned for commands without a rule of their own (the
// framework's "&Nieuw", "Op&slaan", "&Werkbalk", ...): those are enabled when
// the program has a handler for them. A command with a rule here still needs a
// handler to be enabled.
std::optional<CommandState> GetCommandState(int id, const Rooster2Doc& doc,
                                            const UndoHistories& undo, const CommandFacts& facts);
