#include "formats/text_export.h"

#include "model/rooster2_doc.h"

std::string ExportPlainText(const CRooster2Doc& doc, bool smallLetters) {
    std::string text;
    if (!doc.puzzle.html.title.empty()) text += doc.puzzle.html.title + "\r\n\r\n";
    doc.puzzle.WriteGridText(text, smallLetters);
    text += "\r\n\r\n";
    doc.puzzle.WriteWordListText(text);
    return text;
}

bool CanExportPlainText(const CRooster2Doc& doc) { return !doc.puzzle.numbering.numberPartWords; }
