#include "formats/puz_text_export.h"

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/str_format.h"

namespace {

char GridCharacter(Cell code, bool lowercase) {
    if (code == CELL_ZWART || code == CELL_NIET) return '.';
    if (code == CELL_VRIJ) return 'x';
    return static_cast<char>(lowercase ? Latin1ToLower(code) : code);
}

std::string GridLines(const Puzzle& puzzle, bool lowercase) {
    std::string lines;
    for (int y = 0; y < puzzle.height; ++y) {
        lines += "  ";
        for (int x = 0; x < puzzle.width; ++x)
            lines += GridCharacter(puzzle.GetCell(x, y), lowercase);
        lines += "\r\n";
    }
    return lines;
}

std::string ClueLines(const Puzzle& puzzle, int dy) {
    std::string lines;
    for (const WordInfo& word : puzzle.words) {
        if (word.dy != dy) continue;
        lines += word.clue.empty() ? std::string("  ??") : "  " + WithCrLf(FormatClueText(word));
        lines += "\r\n";
    }
    return lines;
}

}  // namespace

std::string WriteAcrossLiteText(const Puzzle& puzzle, bool lowercase) {
    std::string text = "<ACROSS PUZZLE>\r\n<TITLE>\r\n";
    text += puzzle.html.title.empty() ? std::string("Onbekend\r\n")
                                      : "  " + WithCrLf(puzzle.html.title) + "\r\n";
    text += "<AUTHOR>\r\n\t Gemaakt door Rooster2\r\n";
    text += "<COPYRIGHT>\r\n  ???\r\n";
    text += "<SIZE>\r\n" + StrFormat("  %dx%d\r\n", puzzle.width, puzzle.height);
    text += "<GRID>\r\n" + GridLines(puzzle, lowercase);
    text += "<ACROSS>\r\n" + ClueLines(puzzle, 0);
    text += "<DOWN>\r\n" + ClueLines(puzzle, 1);
    if (!puzzle.comment.empty()) text += "<NOTEPAD>\r\n" + WithCrLf(puzzle.comment) + "\r\n";
    return text;
}
