#pragma once
// "Open *.pu&z...": an Across Lite puzzle file. The black cells of the player grid
// become the grid and an unscrambled solution its letters (a rebus square "IJ" an IJ
// cell); title, author and copyright become the title text, the clues the clue texts
// in numbering order, the notes the comment; length annotations at the end of clues
// become word parts.

#include <string>
#include <string_view>

#include "formats/import_result.h"
#include "model/cells.h"

class ByteReader;
class Rooster2Doc;
struct WordInfo;

// Stores an imported clue in the word, its length annotation as the word's parts; false
// (and no parts) when the annotation does not add up to the word's length.
bool StoreImportedClue(WordInfo& word, std::string clue);

// The code of a cell whose answer is `answer` (ISO-8859-1): "IJ" is the IJ cell, another
// answer its first letter; simplified is set when the answer holds more than a cell can.
Cell AnswerCell(const std::string& answer, bool& simplified);

// "Omschrijving(en) mogelijk incorrect" with the labels ("H1 V3 ") of the words whose
// annotation did not fit; empty when there are none.
std::string DoubtfulCluesRemark(const std::string& labels);

// Reads bytes up to a zero byte (consumed) or the end; returns the number read.
int ReadZeroTerminatedString(ByteReader& in, std::string& text);

// Replaces the document by the file's puzzle; see ImportResult. A file that is no
// Across Lite puzzle, or is damaged before its texts, is refused with
// "Puz-bestand incorrect". The remark after importing lists doubtful clues.
ImportResult ImportPuz(Rooster2Doc& doc, std::string_view bytes);

ImportResult ImportPuzFile(Rooster2Doc& doc, const std::string& path);
