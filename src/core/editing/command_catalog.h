#pragma once
// Every command of the desktop program with what it is apart from the window
// system: its Dutch texts, the phases in which it is offered, what else it needs,
// and whether and when its menu item carries a check mark. The desktop adds the
// menu place, keys, icon and handler (gui/app/command_table.cpp) and evaluates
// the states before a menu opens and after every change of state.

#include <optional>
#include <vector>

#include "model/puzzle.h"

class Rooster2Doc;

// What the window and the search know beyond the document.
struct CommandFacts {
    int solutionCount = 0;           // solutions of the last search
    int bestDepth = 0;               // words of the best partial fill, 0 for none
    bool scrollBars = false;         // "&Met schuifbalken"
    bool clueDialogOpen = false;     // the clue text window is open
    bool clueListOpen = false;       // the clue list window is open
    bool autoNextWord = false;       // "&Naar volgende woord"
    bool toolBar = false;            // "&Werkbalk" shown
    bool statusBar = false;          // "&Statusbalk" shown
    bool greyBlocks = false;         // "Zwarte vakken &grijs afdrukken"
    bool heatMap = false;            // "&Vulbaarheid tonen"
    bool candidatesShown = false;    // the "&Kandidaten" pane
    bool installedWordFile = false;  // a set is installed for puzzles that name none

    // The rectangle selected while filling.
    std::optional<GridRegion> selection;
};

// The phases a command is offered in, one bit per Phase.
constexpr unsigned IN_SHAPING = 1u << 0;
constexpr unsigned IN_FILLING = 1u << 1;
constexpr unsigned IN_SHOWING = 1u << 2;
constexpr unsigned IN_SEARCHING = 1u << 3;
constexpr unsigned WHILE_EDITING = IN_SHAPING | IN_FILLING;
// Opening, resizing or clearing the puzzle under a running search would pull the
// cells and words out from under it (the menus work between its steps).
constexpr unsigned UNLESS_SEARCHING = ~IN_SEARCHING;
constexpr unsigned IN_ANY_PHASE = ~0u;

// What a command needs besides its phase; every need named must hold.
enum CommandNeed : unsigned {
    NEED_PLAIN_NUMBERING = 1u << 0,  // clues numbered per word, not per part word
    NEED_SOLUTIONS = 1u << 1,        // the last search found solutions
    NEED_BEST_RESULT = 1u << 2,      // the last search left a best partial fill
    NEED_WORD_FILE = 1u << 3,        // a word file named, or the installed set found
    NEED_SCROLL_BARS = 1u << 4,
    NEED_CLUE_TEXT_CLOSED = 1u << 5,
    NEED_CLUE_LIST_CLOSED = 1u << 6,
    NEED_CURRENT_WORD = 1u << 7,
    NEED_DOWN_WORDS = 1u << 8,  // the puzzle is not "across only"
    NEED_UNDO_STEP = 1u << 9,   // in the current phase's history
    NEED_REDO_STEP = 1u << 10,
    NEED_SQUARE_GRID = 1u << 11,
    NEED_SEARCH_STARTABLE = 1u << 12,  // CanStartSearch
    NEED_FILL_IMPROVABLE = 1u << 13,   // CanImproveFill
    NEED_SELECTION = 1u << 14,         // a rectangle selected
    NEED_LOCK_TARGET = 1u << 15,       // LockTargets finds cells
    // A Kruiswoord grid without sleutelwoord: moving its cells would leave the bars,
    // clue arrows and sleutelwoord numbers of the other forms behind.
    NEED_PLAIN_GRID = 1u << 16,
    NEED_ZWEEDS_FORM = 1u << 17,
    NEED_BALKJES_FORM = 1u << 18,
};

struct CommandInputs {
    const Rooster2Doc& doc;
    const CommandFacts& facts;
};

struct CommandInfo {
    int id;
    const char* text;          // menu text (ISO-8859-1)
    const char* prompt = "";   // status-bar prompt
    const char* toolTip = "";  // "" for the menu text without its '&'
    // Its name in the grid's context menu and in a second menu; nullptr for text.
    const char* otherText = nullptr;
    unsigned phases = IN_ANY_PHASE;
    unsigned needs = 0;  // CommandNeed bits
    // Whether its check mark is on; nullptr for a command without one.
    bool (*checked)(const CommandInputs&) = nullptr;

    // The name in the context menu and in a second menu.
    const char* OtherName() const { return otherText != nullptr ? otherText : text; }
};

// Every command, in main-menu order.
const std::vector<CommandInfo>& CommandCatalog();
// The catalog's entry of id (the recent files share ID_FILE_MRU_FIRST's), or nullptr.
const CommandInfo* FindCommand(int id);

struct CommandState {
    bool enabled = true;
    std::optional<bool> checked;  // set for commands with a check mark
};

// The state of command id now; nothing for an id outside the catalog. A command
// still needs a handler in the window to be enabled.
std::optional<CommandState> GetCommandState(int id, const Rooster2Doc& doc,
                                            const CommandFacts& facts);
