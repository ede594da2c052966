#pragma once
// "&PDF...": the puzzle as an A4 sheet to print or hand to a paper: the title, the
// empty numbered grid, the clue lists "Horizontaal" and "Verticaal" in columns below
// it, and on request a second page with the solution. Text stays text (selectable,
// its fonts embedded).

#include <QByteArray>
#include <string>

class Puzzle;

struct PdfSheetOptions {
    bool solution = false;      // a second page with the filled grid
    bool smallLetters = false;  // the view's "Toon in kleine letters", for that page
};

// The whole PDF file. Needs a running QGuiApplication (for the fonts).
QByteArray WritePdfSheet(const Puzzle& puzzle, const PdfSheetOptions& options);

// Writes the sheet through the safe file writer; false when it could not be written.
bool ExportPdfSheet(const Puzzle& puzzle, const std::string& path,
                    const PdfSheetOptions& options);
