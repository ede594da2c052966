#include "formats/text_export.h"

#include "model/rooster2_doc.h"

std::string ExportPlainText(const Puzzle& puzzle, bool smallLetters) {
    std::string text;
    if (!puzzle.html.title.empty()) text += puzzle.html.title + "\r\n\r\n";
    puzzle.WriteGridText(text, smallLetters);
    text += "\r\n\r\n";
    puzzle.WriteWordListText(text);
    return text;
}

bool CanExportPlainText(const Puzzle& puzzle) { return !puzzle.numbering.numberPartWords; }
