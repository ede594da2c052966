#include "formats/ipuz_export.h"

#include <nlohmann/json.hpp>
#include <vector>

#include "formats/html_export.h"
#include "formats/puz_export.h"
#include "model/puzzle.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/str_format.h"

namespace {

constexpr const char* BLOCK = "\"#\"";
constexpr const char* EMPTY = "0";  // the ipuz default for a cell without number or letter
constexpr const char* OMITTED = "null";

// ipuz texts may hold a little HTML, so the model's plain text is escaped; quotes are
// left to JSON, as readers that show the text raw would show "&quot;".
std::string JsonText(const std::string& latin1) {
    return nlohmann::json(Latin1ToUtf8(EscapeHtml(latin1, false))).dump();
}

// The ipuz "barred" letters of the bars on a cell's right and lower edge; each bar is
// written once, by the cell left of or above it.
std::string BarredLetters(const Puzzle& puzzle, int x, int y) {
    if (puzzle.form != PuzzleForm::Balkjes) return {};
    std::string letters;
    if (puzzle.HasBar(x, y, 1, 0)) letters += 'R';
    if (puzzle.HasBar(x, y, 0, 1)) letters += 'B';
    return letters;
}

std::string PuzzleCell(const Puzzle& puzzle, int x, int y) {
    const Cell code = puzzle.GetCell(x, y);
    if (code == CELL_NIET) return OMITTED;
    const std::string plain = IsLetterCell(code) ? std::to_string(puzzle.CellNumber(x, y)) : BLOCK;
    const std::string barred = BarredLetters(puzzle, x, y);
    if (barred.empty()) return plain;
    return "{\"cell\": " + plain + ", \"style\": {\"barred\": \"" + barred + "\"}}";
}

std::string SolutionCell(const Puzzle& puzzle, int x, int y) {
    const Cell code = puzzle.GetCell(x, y);
    if (code == CELL_NIET) return OMITTED;
    if (!IsLetterCell(code)) return BLOCK;
    if (code == CELL_VRIJ) return EMPTY;
    return JsonText(code == CELL_IJ ? std::string("IJ") : std::string(1, static_cast<char>(code)));
}

// Rows of cells, one row per line.
std::string GridRows(const Puzzle& puzzle, std::string (*cell)(const Puzzle&, int, int)) {
    std::string rows = "[\n";
    for (int y = 0; y < puzzle.height; ++y) {
        rows += "    [";
        for (int x = 0; x < puzzle.width; ++x) rows += (x > 0 ? ", " : "") + cell(puzzle, x, y);
        rows += y + 1 < puzzle.height ? "],\n" : "]\n";
    }
    return rows + "  ]";
}

std::string ClueList(const Puzzle& puzzle, bool across) {
    std::vector<std::string> clues;
    for (const WordInfo* word : WordsInAcrossLiteOrder(puzzle)) {
        if (word->IsAcross() == across)
            clues.push_back(
                StrFormat("[%d, %s]", word->number, JsonText(PublishedClue(*word)).c_str()));
    }
    std::string list = "[";
    for (std::size_t i = 0; i < clues.size(); ++i)
        list += (i > 0 ? ",\n      " : "\n      ") + clues[i];
    return list + (clues.empty() ? "]" : "\n    ]");
}

std::string Member(const char* name, const std::string& json) {
    return std::string("  \"") + name + "\": " + json;
}

}  // namespace

bool HasLetters(const Puzzle& puzzle) {
    for (int i = 0; i < puzzle.CellCount(); ++i) {
        if (puzzle.cells[i] > CELL_VRIJ) return true;
    }
    return false;
}

std::optional<UserMessage> IpuzExportRefusal(const Puzzle& puzzle) {
    if (puzzle.numbering.doorloper)
        return UserMessage{"Een doorloper past niet in een ipuz-bestand", "Jammer"};
    return std::nullopt;
}

std::string WriteIpuz(const Puzzle& puzzle) {
    std::vector<std::string> members = {
        Member("version", "\"http://ipuz.org/v2\""),
        Member("kind", "[\"http://ipuz.org/crossword#1\"]"),
        Member("origin", "\"Rooster2\""),
        Member("title", JsonText(PublishedTitle(puzzle))),
    };
    if (!puzzle.comment.empty()) members.push_back(Member("notes", JsonText(puzzle.comment)));
    members.push_back(Member("dimensions", "{\"width\": " + std::to_string(puzzle.width) +
                                               ", \"height\": " + std::to_string(puzzle.height) +
                                               "}"));
    members.push_back(Member("block", BLOCK));
    members.push_back(Member("empty", EMPTY));
    members.push_back(Member("puzzle", GridRows(puzzle, PuzzleCell)));
    if (HasLetters(puzzle)) members.push_back(Member("solution", GridRows(puzzle, SolutionCell)));
    std::string clues = "{\n    \"Across\": " + ClueList(puzzle, true);
    if (!puzzle.numbering.acrossOnly) clues += ",\n    \"Down\": " + ClueList(puzzle, false);
    members.push_back(Member("clues", clues + "\n  }"));

    std::string text = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += members[i] + (i + 1 < members.size() ? ",\n" : "\n");
    return WithCrLf(text + "}\n");
}
