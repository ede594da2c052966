#include "formats/puz_export.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "formats/html_export.h"
#include "model/clue_text.h"
#include "model/puzzle.h"
#include "util/byte_writer.h"
#include "util/str_format.h"

namespace {

constexpr std::string_view PUZ_MAGIC{"ACROSS&DOWN\0", 12};
constexpr std::string_view PUZ_VERSION{"1.3\0", 4};
constexpr std::uint16_t PUZZLE_TYPE_NORMAL = 0x0001;
constexpr char BLOCK = '.';
constexpr char EMPTY_SQUARE = '-';
// The one rebus of a Dutch puzzle: key 0 (stored as 1 in the grid of rebus squares).
constexpr std::string_view IJ_REBUS_TABLE = " 0:IJ;";
constexpr char IJ_REBUS_KEY = 1;

const char* const REFUSED_CAPTION = "Jammer";

// The format's running 16-bit checksum: rotate right by one, add the byte.
std::uint16_t Checksum(std::string_view bytes, std::uint16_t sum) {
    for (char c : bytes) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(c));
    }
    return sum;
}

// A text as one Across Lite string: one line, no zero byte that would end it early.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\0') continue;
        const bool lineBreak = c == '\r' || c == '\n';
        if (lineBreak && (line.empty() || line.back() == ' ')) continue;
        line += lineBreak ? ' ' : c;
    }
    return line;
}

std::string WithoutZeroBytes(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

struct PuzTexts {
    std::string title;
    std::string author;
    std::string copyright;
    std::vector<std::string> clues;
    std::string notes;
};

PuzTexts TextsOf(const Puzzle& puzzle) {
    PuzTexts texts;
    texts.title = OneLine(PublishedTitle(puzzle));
    for (const WordInfo* word : WordsInAcrossLiteOrder(puzzle))
        texts.clues.push_back(PublishedClue(*word));
    texts.notes = WithoutZeroBytes(puzzle.comment);
    return texts;
}

// What the checksums over the strings cover: title, author, copyright and notes with
// their zero byte when they are not empty, every clue without it.
std::uint16_t TextChecksum(const PuzTexts& texts, std::uint16_t sum) {
    for (const std::string* text : {&texts.title, &texts.author, &texts.copyright}) {
        if (!text->empty()) sum = Checksum(std::string_view(text->c_str(), text->size() + 1), sum);
    }
    for (const std::string& clue : texts.clues) sum = Checksum(clue, sum);
    if (!texts.notes.empty())
        sum = Checksum(std::string_view(texts.notes.c_str(), texts.notes.size() + 1), sum);
    return sum;
}

char SolutionSquare(Cell code) {
    if (!IsLetterCell(code)) return BLOCK;
    return code == CELL_IJ ? 'I' : static_cast<char>(code);
}

struct PuzGrids {
    std::string solution;
    std::string player;
    std::string rebusSquares;  // empty when the puzzle has no IJ cell
};

PuzGrids GridsOf(const Puzzle& puzzle) {
    PuzGrids grids;
    bool anyRebus = false;
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const Cell code = puzzle.GetCell(x, y);
            grids.solution += SolutionSquare(code);
            grids.player += IsLetterCell(code) ? EMPTY_SQUARE : BLOCK;
            grids.rebusSquares += code == CELL_IJ ? IJ_REBUS_KEY : '\0';
            anyRebus = anyRebus || code == CELL_IJ;
        }
    }
    if (!anyRebus) grids.rebusSquares.clear();
    return grids;
}

// Width, height, clue count, puzzle type and scrambled state: the bytes the CIB
// checksum covers.
std::string PuzzleInfoBlock(const Puzzle& puzzle, std::size_t clueCount) {
    ByteWriter info;
    info.WriteU8(static_cast<std::uint8_t>(puzzle.width));
    info.WriteU8(static_cast<std::uint8_t>(puzzle.height));
    info.WriteU16(static_cast<std::uint16_t>(clueCount));
    info.WriteU16(PUZZLE_TYPE_NORMAL);
    info.WriteU16(0);
    return info.TakeBytes();
}

// The four part checksums, each split over "ICHEATED": low bytes masked with "ICHE",
// high bytes with "ATED".
std::string MaskedChecksums(std::uint16_t info, std::uint16_t solution, std::uint16_t player,
                            std::uint16_t texts) {
    const std::uint16_t parts[] = {info, solution, player, texts};
    constexpr std::string_view MASK = "ICHEATED";
    std::string masked(8, '\0');
    for (int i = 0; i < 4; ++i) {
        masked[i] = static_cast<char>(MASK[i] ^ (parts[i] & 0xFF));
        masked[i + 4] = static_cast<char>(MASK[i + 4] ^ (parts[i] >> 8));
    }
    return masked;
}

void WriteSection(ByteWriter& out, std::string_view name, std::string_view data) {
    out.WriteBytes(name);
    out.WriteU16(static_cast<std::uint16_t>(data.size()));
    out.WriteU16(Checksum(data, 0));
    out.WriteBytes(data);
    out.WriteU8(0);
}

void WriteString(ByteWriter& out, const std::string& text) {
    out.WriteBytes(text);
    out.WriteU8(0);
}

bool StartsBefore(const WordInfo* a, const WordInfo* b) {
    if (a->y != b->y) return a->y < b->y;
    if (a->x != b->x) return a->x < b->x;
    return a->IsAcross() && !b->IsAcross();
}

}  // namespace

std::optional<UserMessage> PuzExportRefusal(const Puzzle& puzzle) {
    if (puzzle.form != PuzzleForm::Kruiswoord)
        return UserMessage{StrFormat("Een puzzel van de vorm %s past niet in een Across "
                                     "Lite-bestand",
                                     PuzzleFormName(puzzle.form)),
                           REFUSED_CAPTION};
    if (puzzle.numbering.doorloper)
        return UserMessage{"Een doorloper past niet in een Across Lite-bestand", REFUSED_CAPTION};
    if (puzzle.numbering.acrossOnly)
        return UserMessage{
            "Een rooster met alleen horizontale woorden past niet in een Across "
            "Lite-bestand",
            REFUSED_CAPTION};
    if (!IsFullyFilled(puzzle))
        return UserMessage{
            "Het rooster is niet helemaal gevuld: een Across Lite-bestand heeft "
            "de hele oplossing nodig",
            REFUSED_CAPTION};
    return std::nullopt;
}

bool IsFullyFilled(const Puzzle& puzzle) {
    for (int i = 0; i < puzzle.CellCount(); ++i) {
        if (puzzle.cells[i] == CELL_VRIJ) return false;
    }
    return true;
}

std::string PublishedClue(const WordInfo& word) {
    std::string clue = OneLine(word.clue);
    if (word.PartCountInUse() == 0) return clue;
    return clue + (clue.empty() ? "(" : " (") + FormatLengthPattern(word) + ")";
}

std::vector<const WordInfo*> WordsInAcrossLiteOrder(const Puzzle& puzzle) {
    std::vector<const WordInfo*> words;
    for (const WordInfo& word : puzzle.words) words.push_back(&word);
    std::stable_sort(words.begin(), words.end(), StartsBefore);
    return words;
}

std::string WritePuz(const Puzzle& puzzle) {
    const PuzTexts texts = TextsOf(puzzle);
    const PuzGrids grids = GridsOf(puzzle);
    const std::string info = PuzzleInfoBlock(puzzle, texts.clues.size());
    const std::uint16_t infoSum = Checksum(info, 0);
    std::uint16_t overall = Checksum(grids.solution, infoSum);
    overall = Checksum(grids.player, overall);
    overall = TextChecksum(texts, overall);

    ByteWriter out;
    out.WriteU16(overall);
    out.WriteBytes(PUZ_MAGIC);
    out.WriteU16(infoSum);
    out.WriteBytes(MaskedChecksums(infoSum, Checksum(grids.solution, 0), Checksum(grids.player, 0),
                                   TextChecksum(texts, 0)));
    out.WriteBytes(PUZ_VERSION);
    out.WriteU16(0);  // reserved
    out.WriteU16(0);  // checksum of a scrambled solution: not scrambled
    out.WriteBytes(std::string(12, '\0'));
    out.WriteBytes(info);
    out.WriteBytes(grids.solution);
    out.WriteBytes(grids.player);
    for (const std::string* text : {&texts.title, &texts.author, &texts.copyright})
        WriteString(out, *text);
    for (const std::string& clue : texts.clues) WriteString(out, clue);
    WriteString(out, texts.notes);
    if (!grids.rebusSquares.empty()) {
        WriteSection(out, "GRBS", grids.rebusSquares);
        WriteSection(out, "RTBL", IJ_REBUS_TABLE);
    }
    return out.TakeBytes();
}
