#include "formats/puz_text_export.h"

#include "util/line_ends.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/str_format.h"

namespace {

char GridCharacter(Cell code, bool lowercase) {
    if (code == CELL_ZWART || code == CELL_NIET) return '.';
    if (code == CELL_VRIJ) return 'x';
    return static_cast<char>(lowercase ? Latin1ToLower(code) : code);
}

std::string GridLines(const CRooster2Doc& doc, bool lowercase) {
    std::string lines;
    for (int y = 0; y < doc.puzzle.height; ++y) {
        lines += "  ";
        for (int x = 0; x < doc.puzzle.width; ++x) lines += GridCharacter(doc.puzzle.GetCell(x, y), lowercase);
        lines += "\r\n";
    }
    return lines;
}

std::string ClueLines(const CRooster2Doc& doc, int dy) {
    std::string lines;
    for (const WordInfo& word : doc.puzzle.words) {
        if (word.dy != dy) continue;
        lines += word.clue.empty() ? std::string("  ??") : "  " + WithCrLf(FormatClueText(word));
        lines += "\r\n";
    }
    return lines;
}

}  // namespace

std::string WriteAcrossLiteText(const CRooster2Doc& doc, bool lowercase) {
    std::string text = "<ACROSS PUZZLE>\r\n<TITLE>\r\n";
    text += doc.puzzle.html.title.empty() ? std::string("Onbekend\r\n")
                                    : "  " + WithCrLf(doc.puzzle.html.title) + "\r\n";
    text += "<AUTHOR>\r\n\t Gemaakt door Rooster2\r\n";
    text += "<COPYRIGHT>\r\n  ???\r\n";
    text += "<SIZE>\r\n" + StrFormat("  %dx%d\r\n", doc.puzzle.width, doc.puzzle.height);
    text += "<GRID>\r\n" + GridLines(doc, lowercase);
    text += "<ACROSS>\r\n" + ClueLines(doc, 0);
    text += "<DOWN>\r\n" + ClueLines(doc, 1);
    if (!doc.puzzle.comment.empty()) text += "<NOTEPAD>\r\n" + WithCrLf(doc.puzzle.comment) + "\r\n";
    return text;
}
