#include "formats/text_export.h"

#include "model/rooster2_doc.h"

std::string ExportPlainText(const CRooster2Doc& doc, bool smallLetters) {
    std::string text;
    if (!doc.m_htmlTitle.empty()) text += doc.m_htmlTitle + "\r\n\r\n";
    doc.WriteGridText(text, smallLetters);
    text += "\r\n\r\n";
    doc.WriteWordListText(text);
    return text;
}

bool CanExportPlainText(const CRooster2Doc& doc) { return !doc.m_numberPartWords; }
