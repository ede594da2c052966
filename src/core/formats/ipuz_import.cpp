#include "formats/ipuz_import.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "formats/puz_import.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/str_format.h"

namespace {

using Json = nlohmann::json;

// A 100 x 100 puzzle with long clues takes well under a megabyte.
constexpr std::size_t MAX_IPUZ_BYTES = 4 << 20;
// A crossword needs five levels (root, grid, row, cell object, style).
constexpr int MAX_NESTING = 16;
// Clue numbers beyond any grid's count; keeps the arithmetic small.
constexpr long long MAX_LABEL = 1000000;

// Destroying a JSON array or object allocates a stack as large as the container (the
// library unnests without recursion); out of memory, that would end the program inside
// a destructor. Taken apart from the leaves up, the tree is freed without allocating;
// the recursion is no deeper than MAX_NESTING.
void Dismantle(Json& value) noexcept {
    if (value.is_array()) {
        Json::array_t& items = *value.get_ptr<Json::array_t*>();
        for (; !items.empty(); items.pop_back()) Dismantle(items.back());
    } else if (value.is_object()) {
        Json::object_t& members = *value.get_ptr<Json::object_t*>();
        while (!members.empty()) {
            const auto last = std::prev(members.end());
            Dismantle(last->second);
            members.erase(last);
        }
    }
}

// A parsed document, taken apart without allocating however its reading ends.
struct ParsedJson {
    Json root;
    ParsedJson() = default;
    ParsedJson(const ParsedJson&) = delete;
    ParsedJson& operator=(const ParsedJson&) = delete;
    ~ParsedJson() { Dismantle(root); }
};

// Parses into a tree this side owns (Json::parse would free a tree cut short by a
// failed allocation itself); false for text that is no JSON.
bool ParseJson(std::string_view text, ParsedJson& parsed) {
    nlohmann::detail::json_sax_dom_parser<Json> builder(parsed.root, false);
    return Json::sax_parse(text, &builder) && !parsed.root.is_discarded();
}

ImportResult Refused(const char* reason) {
    return {false, {StrFormat("Ipuz-bestand incorrect: %s", reason)}};
}

// How deep arrays and objects nest, counted without parsing (strings skipped).
int NestingDepth(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// The first ipuz files wrapped their JSON as "ipuz(...)".
std::string_view WithoutCallbackWrapper(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    if (start == std::string_view::npos) return text;
    const std::string_view trimmed = text.substr(start, end - start + 1);
    if (trimmed.starts_with("ipuz(") && trimmed.ends_with(")"))
        return trimmed.substr(5, trimmed.size() - 6);
    return text;
}

bool IsCrossword(const Json& root) {
    const auto kind = root.find("kind");
    if (kind == root.end() || !kind->is_array()) return false;
    return std::any_of(kind->begin(), kind->end(), [](const Json& entry) {
        return entry.is_string() &&
               entry.get_ref<const std::string&>().find("ipuz.org/crossword") != std::string::npos;
    });
}

// A whole number cut to [-1, limit] (a label may also be written as text); nothing
// for any other value.
std::optional<long long> WholeNumber(const Json& value, long long limit) {
    if (value.is_number_unsigned())
        return static_cast<long long>(
            std::min<std::uint64_t>(value.get<std::uint64_t>(), static_cast<std::uint64_t>(limit)));
    if (value.is_number_integer())
        return std::clamp<long long>(value.get<std::int64_t>(), -1, limit);
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        long long number = 0;
        std::size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            number = std::min(number * 10 + (text[i] - '0'), limit);
        if (i > 0) return number;
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, long codePoint) {
    if (codePoint <= 0 || codePoint > 0x10FFFF) {
        out += '?';
    } else if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The character of a reference such as "amp" or "#233"; -1 when it is none we know.
long CharacterReference(std::string_view name) {
    static const std::pair<std::string_view, long> NAMED[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const auto& [entity, codePoint] : NAMED) {
        if (name == entity) return codePoint;
    }
    if (name.size() < 2 || name[0] != '#' || name.size() > 8) return -1;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    long value = 0;
    for (char c : name.substr(hex ? 2 : 1)) {
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0) return -1;
        value = value * (hex ? 16 : 10) + digit;
    }
    return value;
}

bool IsLineBreakTag(std::string_view tag) {
    std::string name;
    for (char c : tag.substr(tag.starts_with("/") ? 1 : 0)) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) break;
        name += static_cast<char>(Latin1ToLower(static_cast<unsigned char>(c)));
    }
    return name == "br";
}

// ipuz texts may hold a little HTML: tags go (a line break becomes lineBreak), the
// character references become the characters. UTF-8 in, UTF-8 out.
std::string PlainText(std::string_view html, const char* lineBreak) {
    // A reference is short; looking further for its ';' would make long texts slow.
    constexpr std::size_t LONGEST_REFERENCE = 10;
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t close = html.find('>', i);
            // Without a '>' no later '<' opens a tag either.
            if (close == std::string_view::npos) return text.append(html.substr(i));
            if (IsLineBreakTag(html.substr(i + 1, close - i - 1))) text += lineBreak;
            i = close + 1;
            continue;
        }
        const std::size_t close = c == '&' ? html.substr(i, LONGEST_REFERENCE).find(';') : 0;
        if (c == '&' && close != std::string_view::npos) {
            const long codePoint = CharacterReference(html.substr(i + 1, close - 1));
            if (codePoint >= 0) {
                AppendUtf8(text, codePoint);
                i += close + 1;
                continue;
            }
        }
        text += c;
        ++i;
    }
    return text;
}

// A text member in the model's code page; false when it is there but no text.
bool ReadText(const Json& root, const char* name, const char* lineBreak, std::string& text) {
    const auto member = root.find(name);
    if (member == root.end() || member->is_null()) return true;
    if (!member->is_string()) return false;
    text = Utf8ToLatin1Readable(PlainText(member->get_ref<const std::string&>(), lineBreak));
    return true;
}

struct CellValues {
    Json block = "#";
    Json empty = 0;

    bool IsBlock(const Json& value) const {
        return value == block || (value.is_string() && value.get_ref<const std::string&>() == "#");
    }
};

struct ShapeCell {
    Cell code = CELL_VRIJ;
    long long label = 0;  // the clue number shown in the cell, 0 for none
};

// The sides of a cell that the ipuz style "barred" names.
struct BarredSides {
    bool top = false;
    bool right = false;
    bool bottom = false;
    bool left = false;
};

// The bars of a cell's style: given in the cell, or by the name of one of the file's
// "styles". Anything else is no bar.
BarredSides ReadBarredSides(const Json& cell, const Json& root) {
    BarredSides sides;
    if (!cell.is_object()) return sides;
    const auto style = cell.find("style");
    if (style == cell.end()) return sides;
    const Json* spec = &*style;
    if (style->is_string()) {
        const auto styles = root.find("styles");
        if (styles == root.end() || !styles->is_object()) return sides;
        const auto named = styles->find(style->get_ref<const std::string&>());
        if (named == styles->end()) return sides;
        spec = &*named;
    }
    if (!spec->is_object()) return sides;
    const auto barred = spec->find("barred");
    if (barred == spec->end() || !barred->is_string()) return sides;
    const std::string letters = Latin1ToUpper(barred->get_ref<const std::string&>());
    sides.top = letters.find('T') != std::string::npos;
    sides.right = letters.find('R') != std::string::npos;
    sides.bottom = letters.find('B') != std::string::npos;
    sides.left = letters.find('L') != std::string::npos;
    return sides;
}

std::optional<ShapeCell> ReadPlainPuzzleCell(const Json& cell, const CellValues& values) {
    if (cell.is_null()) return ShapeCell{CELL_NIET, 0};
    if (values.IsBlock(cell)) return ShapeCell{CELL_ZWART, 0};
    if (cell == values.empty || cell.is_number_float()) return ShapeCell{};
    if (cell.is_number() || cell.is_string())
        return ShapeCell{CELL_VRIJ, WholeNumber(cell, MAX_LABEL).value_or(0)};
    return std::nullopt;
}

// A cell of "puzzle": a plain value, or an object whose "cell" holds it (its style
// is read apart, for the bars).
std::optional<ShapeCell> ReadPuzzleCell(const Json& cell, const CellValues& values) {
    if (!cell.is_object()) return ReadPlainPuzzleCell(cell, values);
    const auto plain = cell.find("cell");
    if (plain == cell.end()) return ShapeCell{};
    if (plain->is_object()) return std::nullopt;
    return ReadPlainPuzzleCell(*plain, values);
}

bool IsRowOfWidth(const Json& row, int width) {
    return row.is_array() && row.size() == static_cast<std::size_t>(width);
}

bool IsGridOf(const Json& grid, int width, int height) {
    return grid.is_array() && grid.size() == static_cast<std::size_t>(height) &&
           std::all_of(grid.begin(), grid.end(),
                       [width](const Json& row) { return IsRowOfWidth(row, width); });
}

// The answer in a cell of "solution"; nothing for a cell without one, false for a
// value no cell can have.
bool ReadAnswer(const Json& cell, const CellValues& values, std::optional<std::string>& answer) {
    const Json* value = &cell;
    if (cell.is_object()) {
        const auto inner = cell.find("value");
        if (inner == cell.end()) return true;
        value = &*inner;
    }
    if (value->is_string() && !values.IsBlock(*value))
        answer = value->get_ref<const std::string&>();
    return value->is_string() || value->is_number() || value->is_null();
}

class IpuzReader {
public:
    IpuzReader(const Json& root, Puzzle& read) : m_root(root), m_read(read) {}

    std::optional<ImportResult> ReadGrid() {
        const auto dimensions = m_root.find("dimensions");
        if (dimensions == m_root.end() || !dimensions->is_object())
            return Refused("de afmetingen ontbreken");
        const auto width = dimensions->find("width");
        const auto height = dimensions->find("height");
        // A missing or unreadable side counts as 0, which is refused below.
        const long long w =
            width == dimensions->end() ? 0 : WholeNumber(*width, MAX_GRID_SIDE + 1).value_or(0);
        const long long h =
            height == dimensions->end() ? 0 : WholeNumber(*height, MAX_GRID_SIDE + 1).value_or(0);
        if (w < 1 || h < 1 || width->is_string() || height->is_string())
            return Refused("de afmetingen zijn geen gehele getallen");
        if (w > MAX_GRID_SIDE || h > MAX_GRID_SIDE)
            return Refused("het rooster is groter dan 100 x 100");
        m_read.width = static_cast<int>(w);
        m_read.height = static_cast<int>(h);
        ReadCellValues();
        if (!ReadShape())
            return Refused("het rooster (puzzle) is onleesbaar of past niet bij de afmetingen");
        if (!ReadSolution())
            return Refused("de oplossing (solution) is onleesbaar of past niet bij de afmetingen");
        m_read.BuildWords();
        return std::nullopt;
    }

    std::optional<ImportResult> ReadTexts() {
        std::string author;
        std::string copyright;
        if (!ReadText(m_root, "title", " ", m_read.html.title) ||
            !ReadText(m_root, "author", " ", author) ||
            !ReadText(m_root, "copyright", " ", copyright) ||
            !ReadText(m_root, "notes", "\r\n", m_read.comment))
            return Refused("een titel of notitie is geen tekst");
        for (const std::string* extra : {&author, &copyright}) {
            if (!extra->empty())
                m_read.html.title += (m_read.html.title.empty() ? "" : " ") + *extra;
        }
        m_read.comment = WithCrLf(m_read.comment);
        if (!ReadClues()) return Refused("de omschrijvingen (clues) hebben een verkeerde vorm");
        return std::nullopt;
    }

    UserMessage Remark() const {
        std::string remark = DoubtfulCluesRemark(m_doubtful);
        if (m_simplified > 0) {
            if (!remark.empty()) remark += "\n";
            remark += StrFormat(
                "%d vakje(s) vereenvoudigd: van een antwoord van meer letters is "
                "alleen de eerste overgenomen",
                m_simplified);
        }
        return {remark};
    }

private:
    void ReadCellValues() {
        const auto block = m_root.find("block");
        if (block != m_root.end() && !block->is_null()) m_values.block = *block;
        const auto empty = m_root.find("empty");
        if (empty != m_root.end() && !empty->is_null()) m_values.empty = *empty;
    }

    bool ReadShape() {
        const auto puzzle = m_root.find("puzzle");
        if (puzzle == m_root.end() || !IsGridOf(*puzzle, m_read.width, m_read.height)) return false;
        for (int y = 0; y < m_read.height; ++y) {
            for (int x = 0; x < m_read.width; ++x) {
                const std::optional<ShapeCell> cell = ReadPuzzleCell((*puzzle)[y][x], m_values);
                if (!cell) return false;
                m_read.SetCell(x, y, cell->code);
                if (cell->label > 0) m_labelCells.emplace(cell->label, y * m_read.width + x);
                SetBars(x, y, ReadBarredSides((*puzzle)[y][x], m_root));
            }
        }
        return true;
    }

    // An edge may be barred from either cell; bars on the border lead nowhere and
    // are dropped. One bar makes the puzzle a Balkjes puzzle.
    void SetBars(int x, int y, const BarredSides& sides) {
        Puzzle& puzzle = m_read;
        if (sides.top) puzzle.SetBar(x, y - 1, 0, 1, true);
        if (sides.left) puzzle.SetBar(x - 1, y, 1, 0, true);
        if (sides.right) puzzle.SetBar(x, y, 1, 0, true);
        if (sides.bottom) puzzle.SetBar(x, y, 0, 1, true);
        if (puzzle.HasAnyBar()) puzzle.form = PuzzleForm::Balkjes;
    }

    bool ReadSolution() {
        const auto solution = m_root.find("solution");
        if (solution == m_root.end() || solution->is_null()) return true;
        if (!IsGridOf(*solution, m_read.width, m_read.height)) return false;
        for (int y = 0; y < m_read.height; ++y) {
            for (int x = 0; x < m_read.width; ++x) {
                std::optional<std::string> answer;
                if (!ReadAnswer((*solution)[y][x], m_values, answer)) return false;
                if (!answer || m_read.GetCell(x, y) != CELL_VRIJ) continue;
                bool simplified = false;
                m_read.SetCell(x, y, AnswerCell(Utf8ToLatin1Readable(*answer), simplified));
                if (simplified) ++m_simplified;
            }
        }
        return true;
    }

    bool ReadClues() {
        const auto clues = m_root.find("clues");
        if (clues == m_root.end() || clues->is_null()) return true;
        if (!clues->is_object()) return false;
        IndexWords();
        for (const auto& [direction, list] : clues->items()) {
            const std::string name = Latin1ToLower(direction.substr(0, direction.find(':')));
            if (name != "across" && name != "down") continue;
            if (!list.is_array()) return false;
            for (const Json& clue : list) ReadClue(clue, name == "across");
        }
        return true;
    }

    // The words by start cell and by number, for each direction.
    void IndexWords() {
        for (std::size_t i = 0; i < m_read.words.size(); ++i) {
            const WordInfo& word = m_read.words[i];
            m_wordAtCell.emplace(std::make_pair(word.y * m_read.width + word.x, word.IsAcross()),
                                 i);
            m_wordOfNumber.emplace(
                std::make_pair(static_cast<long long>(word.number), word.IsAcross()), i);
        }
    }

    // The word a clue number names: the one starting in the cell that shows the number,
    // else the one this program numbers so.
    WordInfo* WordFor(long long number, bool across) {
        const auto cell = m_labelCells.find(number);
        if (cell != m_labelCells.end()) {
            const auto word = m_wordAtCell.find({cell->second, across});
            if (word != m_wordAtCell.end()) return &m_read.words[word->second];
        }
        const auto word = m_wordOfNumber.find({number, across});
        return word != m_wordOfNumber.end() ? &m_read.words[word->second] : nullptr;
    }

    // [number, text] or {"number": ..., "clue": ..., "enumeration": ...}; anything else,
    // or a clue no word has, is passed over.
    void ReadClue(const Json& clue, bool across) {
        const Json* number = nullptr;
        const Json* text = nullptr;
        std::string enumeration;
        if (clue.is_array() && clue.size() >= 2) {
            number = &clue[0];
            text = &clue[1];
        } else if (clue.is_object()) {
            const auto n = clue.find("number");
            const auto t = clue.find("clue");
            if (n != clue.end()) number = &*n;
            if (t != clue.end()) text = &*t;
            const auto e = clue.find("enumeration");
            if (e != clue.end() && e->is_string()) enumeration = e->get_ref<const std::string&>();
            if (e != clue.end() && e->is_number_unsigned())
                enumeration = std::to_string(e->get<std::uint64_t>());
        }
        if (number == nullptr || text == nullptr || !text->is_string()) return;
        const std::optional<long long> n = WholeNumber(*number, MAX_LABEL);
        WordInfo* word = n ? WordFor(*n, across) : nullptr;
        if (word == nullptr) return;
        std::string plain =
            Utf8ToLatin1Readable(PlainText(text->get_ref<const std::string&>(), " "));
        if (!enumeration.empty() && plain.find('(') == std::string::npos)
            plain += " (" + Utf8ToLatin1Readable(enumeration) + ")";
        if (!StoreImportedClue(*word, std::move(plain))) m_doubtful += FormatLabel(*word) + " ";
    }

    const Json& m_root;
    Puzzle& m_read;
    CellValues m_values;
    std::map<long long, int> m_labelCells;  // the first cell showing each number
    std::map<std::pair<int, bool>, std::size_t> m_wordAtCell;
    std::map<std::pair<long long, bool>, std::size_t> m_wordOfNumber;
    std::string m_doubtful;
    int m_simplified = 0;
};

ImportResult ReadIpuz(Rooster2Doc& doc, const Json& root) {
    if (!root.is_object()) return Refused("geen ipuz-object");
    if (!IsCrossword(root)) return Refused("geen kruiswoordpuzzel");
    Puzzle read = doc.FreshPuzzle();
    IpuzReader reader(root, read);
    if (std::optional<ImportResult> refused = reader.ReadGrid()) return *refused;
    if (std::optional<ImportResult> refused = reader.ReadTexts()) return *refused;
    const UserMessage remark = reader.Remark();
    FinishGridImport(doc, std::move(read));
    return {true, remark};
}

}  // namespace

ImportResult ImportIpuz(Rooster2Doc& doc, std::string_view bytes) {
    if (bytes.size() > MAX_IPUZ_BYTES) return Refused("het bestand is te groot");
    const std::string_view text = WithoutCallbackWrapper(WithoutByteOrderMark(bytes));
    if (NestingDepth(text) > MAX_NESTING) return Refused("te diep geneste gegevens");
    ParsedJson parsed;
    if (!ParseJson(text, parsed)) return Refused("geen geldige JSON");
    try {
        return ReadIpuz(doc, parsed.root);
    } catch (const Json::exception&) {
        return Refused("onverwachte gegevens");
    }
}

ImportResult ImportIpuzFile(Rooster2Doc& doc, const std::string& path) {
    return ImportFromFile(doc, path, ImportIpuz);
}
