#pragma once
// Clues written outside the program come in and go out as plain text: the clue
// file (readable again, with the word lists used), the same text pasted from the
// clipboard, and the printable clue lists with the title.

#include <string>
#include <string_view>

#include "model/user_message.h"
#include "util/file_io.h"

class Puzzle;
struct WordInfo;

// Which part of a clue text the reading is in, as set by the last heading. It carries
// over from one read to the next, so a text without a heading goes on where the last
// read ended; a new program run starts across.
enum class ClueSection { Across = 0, Down = 1, WordFile = 2, ExtraFiles = 3 };

// The clue file: "Horizontaal", the numbered across clues, "Verticaal" (unless across
// only), the down clues and, when a word uses an extra word list, the word lists. A
// Zweeds puzzle, which has no numbers, lists its clues by clue cell instead.
std::string WriteClueFile(const Puzzle& puzzle);
// A Zweeds puzzle's clues, one line each as FormatClueCellClue writes it, in reading
// order of their clue cells (a cell's first clue before its second).
std::string ClueCellLines(const Puzzle& puzzle);
// "Zoekwoordenlijsten:" with the word file as number 0 and the extra files from 1; the
// clue file and the clue text window both end with it, and reading takes it back.
std::string FormatWordListSection(const Puzzle& puzzle);
// Writing the clue file is offered only while parts are not numbered separately.
bool CanWriteClueFile(const Puzzle& puzzle);

// The printable clue lists: the title (when there is one) and the numbered clues, or for
// a Zweeds puzzle its clues by clue cell.
std::string ExportClues(const Puzzle& puzzle);
// The printable export is offered only while parts are not numbered separately.
bool CanExportClues(const Puzzle& puzzle);

// One line of a clue text: a heading switches the section; a clue line ("12. text (3+4)")
// gives the word with that number in the section its clue, split and extra word list;
// a word-list line names the word file or an extra search file. In a Zweeds puzzle a
// line as FormatClueCellClue writes it ("K3 R1 rechts: text (4)") gives the word that
// clue points into its clue, in any section. Returns 1 when a word changed, else 0.
int ProcessClueLine(Puzzle& puzzle, ClueSection& section, std::string_view line);

// A clue as typed after its label: the text, then perhaps a split "(3+4)" and an extra
// word list "*2". Not applied when the split does not add up to the word's length.
// Returns 1 when the word changed, else 0.
int SetClueText(WordInfo& word, std::string_view text);

// Every line of a text in memory, lines ended by CR LF, CR or LF; text after the last
// line end is not a line. Returns the number of changed words.
int ProcessClueText(Puzzle& puzzle, ClueSection& section, std::string_view text);

// Every line of a clue file's bytes; a line of more than 999 characters is taken in
// pieces of 999. Returns the number of changed words.
int ReadClueFile(Puzzle& puzzle, ClueSection& section, std::string_view fileText);

// Reads the clue file at path (Latin-1, or UTF-8 as other editors write it). When it
// was read, count holds the number of changed words.
ReadStatus ReadClueFileAt(Puzzle& puzzle, ClueSection& section, const std::string& path,
                          int& count);

// Clipboard text: a line break is added so that the last line counts too.
int PasteClues(Puzzle& puzzle, ClueSection& section, std::string_view clipboardText);

// "Aantal toegevoegde omschrijvingen: %d" (caption "Resultaat").
UserMessage AddedCluesMessage(int count);
// After a paste: the count, or "Niets toegevoegd" when no word changed.
UserMessage PastedCluesMessage(int count);
// "Geen tekst op klembord": the clipboard holds no text.
UserMessage NoClipboardTextMessage();
