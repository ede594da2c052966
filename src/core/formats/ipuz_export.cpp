#include "formats/ipuz_export.h"

#include <nlohmann/json.hpp>
#include <vector>

#include "formats/html_export.h"
#include "formats/puz_export.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/line_ends.h"

namespace {

constexpr const char* BLOCK = "\"#\"";
constexpr const char* EMPTY = "0";  // the ipuz default for a cell without number or letter
constexpr const char* OMITTED = "null";

// ipuz texts may hold a little HTML, so the model's plain text is escaped; quotes are
// left to JSON, as readers that show the text raw would show "&quot;".
std::string JsonText(const std::string& latin1) {
    return nlohmann::json(Latin1ToUtf8(EscapeHtml(latin1, false))).dump();
}

std::string PuzzleCell(const CRooster2Doc& doc, int x, int y) {
    const Cell code = doc.GetCell(x, y);
    if (code == CELL_NIET) return OMITTED;
    if (!IsLetterCell(code)) return BLOCK;
    return std::to_string(doc.CellNumber(x, y));
}

std::string SolutionCell(const CRooster2Doc& doc, int x, int y) {
    const Cell code = doc.GetCell(x, y);
    if (code == CELL_NIET) return OMITTED;
    if (!IsLetterCell(code)) return BLOCK;
    if (code == CELL_VRIJ) return EMPTY;
    return JsonText(code == CELL_IJ ? std::string("IJ") : std::string(1, static_cast<char>(code)));
}

// Rows of cells, one row per line.
std::string GridRows(const CRooster2Doc& doc, std::string (*cell)(const CRooster2Doc&, int, int)) {
    std::string rows = "[\n";
    for (int y = 0; y < doc.m_height; ++y) {
        rows += "    [";
        for (int x = 0; x < doc.m_width; ++x) rows += (x > 0 ? ", " : "") + cell(doc, x, y);
        rows += y + 1 < doc.m_height ? "],\n" : "]\n";
    }
    return rows + "  ]";
}

std::string ClueList(const CRooster2Doc& doc, bool across) {
    std::vector<std::string> clues;
    for (const WordInfo* word : WordsInAcrossLiteOrder(doc)) {
        if (word->IsAcross() == across)
            clues.push_back("[" + std::to_string(word->number) + ", " +
                            JsonText(PublishedClue(*word)) + "]");
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

bool HasLetters(const CRooster2Doc& doc) {
    for (int i = 0; i < doc.CellCount(); ++i) {
        if (doc.m_cells[i] > CELL_VRIJ) return true;
    }
    return false;
}

std::optional<UserMessage> IpuzExportRefusal(const CRooster2Doc& doc) {
    if (doc.m_doorloper)
        return UserMessage{"Een doorloper past niet in een ipuz-bestand", "Jammer"};
    return std::nullopt;
}

std::string WriteIpuz(const CRooster2Doc& doc) {
    std::vector<std::string> members = {
        Member("version", "\"http://ipuz.org/v2\""),
        Member("kind", "[\"http://ipuz.org/crossword#1\"]"),
        Member("origin", "\"Rooster2\""),
        Member("title", JsonText(PublishedTitle(doc))),
    };
    if (!doc.m_comment.empty()) members.push_back(Member("notes", JsonText(doc.m_comment)));
    members.push_back(Member("dimensions", "{\"width\": " + std::to_string(doc.m_width) +
                                               ", \"height\": " + std::to_string(doc.m_height) +
                                               "}"));
    members.push_back(Member("block", BLOCK));
    members.push_back(Member("empty", EMPTY));
    members.push_back(Member("puzzle", GridRows(doc, PuzzleCell)));
    if (HasLetters(doc)) members.push_back(Member("solution", GridRows(doc, SolutionCell)));
    std::string clues = "{\n    \"Across\": " + ClueList(doc, true);
    if (!doc.m_acrossOnly) clues += ",\n    \"Down\": " + ClueList(doc, false);
    members.push_back(Member("clues", clues + "\n  }"));

    std::string text = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += members[i] + (i + 1 < members.size() ? ",\n" : "\n");
    return WithCrLf(text + "}\n");
}
