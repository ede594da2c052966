#pragma once
// "&PDF..." and "Afdru&kken...": the puzzle as a sheet to print or hand to a paper: the title, the
// empty numbered grid, the clue lists "Horizontaal" and "Verticaal" in columns below
// it, and on request a second page with the solution. Text stays text (selectable,
// its fonts embedded).

#include <QByteArray>
#include <string>

class Puzzle;
class QPagedPaintDevice;

struct PdfSheetOptions {
    bool solution = false;      // a second page with the filled grid
    bool smallLetters = false;  // the view's "Toon in kleine letters", for that page
    std::string title;          // above the grid; none when empty
    bool greyBlocks = false;    // black cells in grey, which spares ink
};

// The title of a sheet: the puzzle's own title, else the name of its file without
// folder and extension, else none.
std::string SheetTitle(const Puzzle& puzzle, const std::string& puzzlePath);

// Paints the sheet on a paged device (the PDF writer, a printer, the print preview)
// within its page margins. Black cells are black (or grey, on request) and the paper
// white whatever the screen colours. False when the device cannot be painted on. Needs a running
// QGuiApplication (for the fonts).
bool PaintSheet(QPagedPaintDevice& device, const Puzzle& puzzle, const PdfSheetOptions& options);

// The whole PDF file.
QByteArray WritePdfSheet(const Puzzle& puzzle, const PdfSheetOptions& options);

// Writes the sheet through the safe file writer; false when it could not be written.
bool ExportPdfSheet(const Puzzle& puzzle, const std::string& path, const PdfSheetOptions& options);
