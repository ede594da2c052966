#include "formats/web_export.h"

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <string_view>

#include "formats/html_export.h"
#include "formats/puz_export.h"
#include "model/clue_text.h"
#include "model/part_boundaries.h"
#include "model/puzzle.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/str_format.h"
#include "web_resources.h"

namespace {

using Json = nlohmann::json;

std::uint32_t Fnv1a(std::string_view bytes, std::uint32_t hash = 2166136261u) {
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 16777619u;
    return hash;
}

// The page runs the same generator (puzzle.js, keyStream): both sides must agree bit for bit.
class KeyStream {
public:
    explicit KeyStream(std::uint32_t key) : m_state(key | 1u) {}
    std::uint8_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<std::uint8_t>(m_state & 0xFF);
    }

private:
    std::uint32_t m_state;
};

std::string Base64(std::string_view bytes) {
    static constexpr char DIGITS[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        for (std::size_t digit = 0; digit < 4; ++digit) {
            text += i + digit <= bytes.size() ? DIGITS[(group >> (18 - 6 * digit)) & 63] : '=';
        }
    }
    return text;
}

std::uint32_t AnswerKey(const Puzzle& puzzle) {
    return Fnv1a(PublishedTitle(puzzle), Fnv1a(puzzle.GridToString()));
}

std::string EncodedAnswers(const Puzzle& puzzle, std::uint32_t key) {
    KeyStream stream(key);
    std::string encoded;
    for (int i = 0; i < puzzle.CellCount(); ++i) {
        if (IsLetterCell(puzzle.cells[i]))
            encoded += static_cast<char>(puzzle.cells[i] ^ stream.Next());
    }
    return encoded;
}

// '#' a black cell, '-' a cell outside the shape, '.' a letter cell; row by row.
std::string Shape(const Puzzle& puzzle) {
    std::string shape;
    for (int i = 0; i < puzzle.CellCount(); ++i) {
        const Cell code = puzzle.cells[i];
        shape += code == CELL_NIET ? '-' : IsLetterCell(code) ? '.' : '#';
    }
    return shape;
}

Json CellNumbers(const Puzzle& puzzle) {
    Json numbers = Json::array();
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) numbers.push_back(puzzle.CellNumber(x, y));
    }
    return numbers;
}

// Per cell the part ends of its words (bit 1 across, bit 2 down), where the puzzle draws them.
Json PartEnds(const Puzzle& puzzle) {
    Json ends = Json::array();
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x)
            ends.push_back(puzzle.appearance.partDashes ? GetPartBoundaryFlags(puzzle, x, y) : 0);
    }
    return ends;
}

Json Words(const Puzzle& puzzle) {
    Json words = Json::array();
    for (const WordInfo& word : puzzle.words) {
        words.push_back({{"across", word.IsAcross()},
                         {"number", word.number},
                         {"x", word.x},
                         {"y", word.y},
                         {"length", word.length},
                         {"clue", Latin1ToUtf8(FormatClueText(word))},
                         {"caption", Latin1ToUtf8(GetClueCaption(word))}});
    }
    return words;
}

std::string PuzzleData(const Puzzle& puzzle) {
    const std::uint32_t key = AnswerKey(puzzle);
    const std::string answers = EncodedAnswers(puzzle, key);
    const Json data = {
        {"width", puzzle.width},
        {"height", puzzle.height},
        {"shape", Shape(puzzle)},
        {"numbers", CellNumbers(puzzle)},
        {"partEnds", PartEnds(puzzle)},
        {"words", Words(puzzle)},
        {"doorloper", puzzle.numbering.doorloper},
        {"acrossOnly", puzzle.numbering.acrossOnly},
        {"key", key},
        {"answers", Base64(answers)},
        {"id", StrFormat("%08x", Fnv1a(answers, key))},
    };
    // Inside a script element "</script" would end it: no '<' may stay literal.
    std::string json = data.dump();
    std::string safe;
    for (char c : json) safe += c == '<' ? std::string("\\u003c") : std::string(1, c);
    return safe;
}

std::string HtmlText(const std::string& latin1) { return Latin1ToUtf8(EscapeHtml(latin1)); }

std::string CommentParagraph(const Puzzle& puzzle) {
    if (puzzle.comment.empty()) return "";
    std::string text = HtmlText(puzzle.comment);
    std::string withBreaks;
    for (char c : text) {
        if (c == '\r') continue;
        withBreaks += c == '\n' ? std::string("<br>\n") : std::string(1, c);
    }
    return "<p class=\"opmerking\">" + withBreaks + "</p>";
}

// Fills every {{name}} of the template in one pass, so that no text put in is read again.
std::string FillTemplate(std::string_view page,
                         const std::map<std::string_view, std::string>& values) {
    std::string filled;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = page.find("{{", at);
        const std::size_t close = open == std::string_view::npos ? open : page.find("}}", open);
        if (close == std::string_view::npos) break;
        filled += page.substr(at, open - at);
        const auto value = values.find(page.substr(open + 2, close - open - 2));
        filled += value != values.end() ? value->second
                                        : std::string(page.substr(open, close + 2 - open));
        at = close + 2;
    }
    return filled + std::string(page.substr(at));
}

}  // namespace

std::optional<UserMessage> WebExportRefusal(const Puzzle& puzzle) {
    if (std::optional<UserMessage> refusal = HtmlExportRefusal(puzzle)) return refusal;
    if (IsFullyFilled(puzzle)) return std::nullopt;
    return UserMessage{
        "Het rooster is niet helemaal gevuld: een webpuzzel heeft de hele oplossing nodig",
        "Jammer"};
}

std::string WriteWebPage(const Puzzle& puzzle) {
    return WithCrLf(FillTemplate(WEB_PAGE_HTML, {{"titel", HtmlText(PublishedTitle(puzzle))},
                                                 {"opmerking", CommentParagraph(puzzle)},
                                                 {"stijl", std::string(WEB_PUZZLE_CSS)},
                                                 {"gegevens", PuzzleData(puzzle)},
                                                 {"script", std::string(WEB_PUZZLE_JS)}}));
}
