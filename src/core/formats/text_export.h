#pragma once
// "&Tekst...": the title, the grid drawn as letters and the word lists.

#include <string>

class Puzzle;
class Puzzle;

// The whole file, CR LF line ends. smallLetters is the view's "Toon in kleine letters".
std::string ExportPlainText(const Puzzle& puzzle, bool smallLetters);
// The export is offered only while parts are not numbered separately.
bool CanExportPlainText(const Puzzle& puzzle);
