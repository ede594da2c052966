#pragma once
// The two clue windows of the filling phase without the windows: the text the
// clue text window shows and how its edited text is read back, the items of
// the clue list window and which word an item stands for, and the sizes and
// places both windows take.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/clue_files.h"
#include "model/clue_text.h"

class Rooster2Doc;

// ---- Clue text window -------------------------------------------------------------

// "Horizontaal" and its clues, then (unless only across is numbered) "Verticaal"
// and its clues; a Zweeds puzzle instead lists one line per clue in reading order of
// its clue cells, as FormatClueCellClue writes it. With withWordLists and a word file
// also "Zoekwoordenlijsten:" with the word file as number 0 and the extra files from 1.
std::string BuildClueWindowText(const Rooster2Doc& doc, bool withWordLists);

// Reads an edited text back into the words, line by line through the clue-line
// reader (the section carries over from earlier reads); a last line without a
// line end is still being typed and is left out. The document is modified.
void ReadBackClueText(Rooster2Doc& doc, ClueSection& section, std::string_view text);

// ---- Typing a clue into a Zweeds clue cell ----------------------------------------------

// The clue of clue cell (x, y) that points into the current word, as a click on the
// cell chose it; nothing when none does.
std::optional<ClueCellClue> CurrentClueOfClueCell(const Rooster2Doc& doc, int x, int y);
// Stores text typed for that clue as the clue windows read a clue line ("Vogel (2+3)",
// through SetClueText); the document is modified. False when nothing changed, also
// when the clue no longer points into a word.
bool StoreClueCellClue(Rooster2Doc& doc, const ClueCellClue& clue, std::string_view text);

// ---- Font heights of both windows ----------------------------------------------------

// Font heights are negative pixel heights, as the windows create their fonts.
constexpr int CLUE_TEXT_FONT_HEIGHT = -11;
constexpr int CLUE_LIST_FONT_HEIGHT = -12;
// "Groter" (larger) and "Kleiner": one pixel at a time within 9 to 20 pixels.
int StepClueFontHeight(int height, bool larger);

// ---- Placement ------------------------------------------------------------------------

// The left edge of a clue window: 10 pixels right of the grid drawn in the view
// whose screen rectangle starts at viewLeft, moved left as far as its right edge
// would pass parentRight.
int ClueWindowLeft(const Rooster2Doc& doc, int viewLeft, int cellPixels, int windowWidth,
                   int parentRight);

// ---- Clue list window -------------------------------------------------------------------

struct ClueListItems {
    std::vector<std::string> across;  // upper list
    std::vector<std::string> down;    // lower list
};
// Whether the window shows the upper list only: when only across is numbered, and
// for a Zweeds puzzle, whose clues are listed by clue cell.
bool HasSingleClueList(const Rooster2Doc& doc);
// One item per word: its numbered clue followed by a space. A Zweeds puzzle has one
// item per clue in the upper list, as the clue text window shows it, and a space.
ClueListItems BuildClueListItems(const Rooster2Doc& doc);

// The word the k-th (0-based) item of the upper (across) or lower (down) list
// stands for; -1 when there is no such word.
int WordOfClueListItem(const Rooster2Doc& doc, bool downList, int item);

// The items to select for the current word: the across and the down word
// through its cursor cell, -1 for none. In a Zweeds puzzle the first clue that
// points into the current word.
struct ClueListSelection {
    int across = -1;
    int down = -1;
};
ClueListSelection SelectedClueListItems(const Rooster2Doc& doc);

struct WindowSize {
    int width = 0;
    int height = 0;
};
// The window's size for the widest item and the summed item heights of the lists.
WindowSize ClueListWindowSize(int widestItem, int upperHeight, int lowerHeight);

struct ClueListHeights {
    int upper = 0;
    int lower = 0;  // unused when only across is numbered
};
// How high the two lists are in a client area of the given height: each gets
// the summed height of its items and half of the room left over beside the
// buttons; a lone across list takes all but the buttons' room.
ClueListHeights ShareClueListHeight(int clientHeight, int upperHeight, int lowerHeight,
                                    bool acrossOnly);
