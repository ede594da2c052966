// The grid and its word lists as plain text (the text export, "info", the
// solutions file). Lines end in CR LF.
#include "model/clue_text.h"
#include "model/puzzle.h"
#include "util/latin1.h"

void Puzzle::WriteGridText(std::string& out, bool lowercase) const {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char code = GetCell(x, y) == CELL_IJ ? 0xFF : GetCell(x, y);
            if (lowercase) code = Latin1ToLower(code);
            if (code < 0x20) {
                out += "  ";
            } else {
                out += static_cast<char>(code);
                out += ' ';
            }
        }
        out += "\r\n";
    }
}

void Puzzle::WriteWordListText(std::string& out) const {
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1 && numbering.acrossOnly) break;
        out += pass == 0 ? "Horizontaal\r\n\r\n" : "\r\nVerticaal\r\n\r\n";
        for (int i = 0; i < static_cast<int>(words.size()); ++i) {
            WordInfo word = words[i];
            GetWordValue(i, word.value);
            if (word.value.empty() || word.dy != pass) continue;
            out += Latin1ToLower("  " + FormatNumberedValue(word));
            out += "\r\n";
        }
    }
}
