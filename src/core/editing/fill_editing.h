#pragma once
// The filling phase: choosing the current word and the cursor cell with the
// mouse and the keys, typing letters (the IJ as one cell), clearing, and the
// right-click switch between IJ and Y.
//
// Every function expects the filling phase and takes the cell the mouse is on
// (already converted from pixels) or a logical key. Typing and clearing are each
// one step of the fill history (an edit transaction of the document); moving the
// cursor only changes curWord, curPos and direction. The result asks for
// ShowWordChange(oldWord, newWord) or for single cells to be repainted.

#include <optional>
#include <string>

#include "editing/edit_result.h"

class Rooster2Doc;

// Whether curWord names a word (0 <= curWord < number of words).
bool HasCurrentWord(const Rooster2Doc& doc);

// Left button released on cell (x, y): a black or not-cell deselects the word;
// a letter cell makes its word current (at a crossing the word of direction)
// with the cursor on the cell and the direction of that word; a second click on
// the cursor cell of a crossing switches to the crossing word. A Zweeds clue cell
// makes the word its first clue points into current, the second clue's on the next
// click, so that its clue can be typed.
EditResult FillMouseUp(Rooster2Doc& doc, int x, int y);
// The cursor on letter cell (x, y) in the word through it (at a crossing the word
// of the current direction); nothing applies on another cell.
EditResult PutCursorOnCell(Rooster2Doc& doc, int x, int y);

// Right button released on (x, y): an IJ cell becomes the letter Y and a Y the
// IJ; sets ijToggled. Other cells are left alone (not applied).
EditResult ToggleIJ(Rooster2Doc& doc, int x, int y);

// A navigation or Delete key, with ctrl when Ctrl is held. Nothing applies
// without a current word.
//   Right/Down: along the word one cell (stopping at its end); across the word
//     into the crossing word at the next cell, switching direction; with Ctrl
//     the next word of direction.
//   Left/Up: the same backwards; with Ctrl the previous word of direction.
//   Home/End: first/last cell; with Ctrl the first/last word.
//   Delete: clears the current word (crossing cells of complete words stay).
EditResult FillKeyDown(Rooster2Doc& doc, EditKey key, bool ctrl);

// A typed character: letters (upper-cased, except that 'y' is the IJ cell and
// 'Y' the letter Y), digits and the space (clears the cell). It goes into the
// cursor cell and the cursor moves on; after the last cell of the word it stays,
// or with autoNextWord ("&Naar volgende woord") moves to the first cell of the
// next word of direction. Other characters do not apply.
EditResult FillChar(Rooster2Doc& doc, unsigned char ch, bool autoNextWord);

// Backspace: the cursor goes back one cell and that cell is cleared; nothing
// on the first cell of a word.
EditResult FillBackspace(Rooster2Doc& doc);

// The status text after ShowWordChange: the caption of the word, or
// "Geen woord geselecteerd".
std::string WordCaption(const Rooster2Doc& doc, int word);

// The first status pane's text for the mouse on cell (x, y) (outside the grid:
// a hint or the search results; on a letter cell in a word: its caption), or
// nothing when the text stays as it was, as always outside the filling phase.
std::optional<std::string> MouseMoveStatus(const Rooster2Doc& doc, int x, int y, int solutionCount,
                                           int bestDepth);
// The number of answers counting every part of a split answer: the "van de %d"
// of the best-result status.
int CountWordParts(const Rooster2Doc& doc);
// "Beste oplossing met %d correcte invullingen van de %d": the best partial fill
// placed bestDepth of the CountWordParts answers.
std::string BestResultStatus(const Rooster2Doc& doc, int bestDepth);
