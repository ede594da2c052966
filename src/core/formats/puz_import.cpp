#include "formats/puz_import.h"

#include <algorithm>
#include <map>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/byte_reader.h"
#include "util/latin1.h"
#include "util/text_lines.h"

namespace {

// The magic sits at offset 2 of a clean file; every other offset is taken
// relative to it so that files with bytes before the header still read.
constexpr std::string_view PUZ_MAGIC{"ACROSS&DOWN\0", 12};
constexpr std::size_t VERSION_FROM_MAGIC = 0x18 - 2;
constexpr std::size_t SIZE_FROM_MAGIC = 0x2C - 2;
constexpr std::size_t CLUE_COUNT_FROM_MAGIC = 0x2E - 2;
constexpr std::size_t SOLUTION_STATE_FROM_MAGIC = 0x32 - 2;
constexpr std::size_t GRIDS_FROM_MAGIC = 0x34 - 2;
constexpr std::size_t VERSION_LENGTH = 4;
// The solution state: anything else is scrambled (4) or absent (2).
constexpr std::uint16_t SOLUTION_PLAIN = 0;

// Binary sections that follow the notes in newer files: 4-byte name, 16-bit
// length, 16-bit checksum, data. Their bytes are no text.
constexpr std::string_view SECTION_NAMES[] = {"GEXT", "GRBS", "RTBL", "LTIM", "RUSR"};
constexpr std::size_t SECTION_HEADER_LENGTH = 8;

const char* const PUZ_INCORRECT = "Puz-bestand incorrect";

// The strings after the grids: zero-terminated, ending where the binary
// sections begin.
class PuzStrings {
public:
    PuzStrings(std::string_view bytes, std::size_t start, bool utf8)
        : m_bytes(bytes), m_in(bytes), m_utf8(utf8) {
        m_in.Seek(start);
    }

    // The next string in the model's code page; empty at the end of the texts.
    std::string Next() {
        std::string text;
        if (AtSection() || ReadZeroTerminatedString(m_in, text) == 0) return std::string();
        return m_utf8 ? Utf8ToLatin1(text, '?') : text;
    }

    // After the last string: the binary sections by name, each one's data.
    std::map<std::string, std::string_view> Sections() {
        std::map<std::string, std::string_view> sections;
        while (AtSection()) {
            std::string name;
            std::uint16_t length = 0;
            m_in.ReadBytes(4, name);
            m_in.ReadU16(length);
            const std::size_t data = m_in.Position() + 2;
            if (!m_in.Skip(2 + std::size_t{length} + 1)) break;
            sections.emplace(name, m_bytes.substr(data, length));
        }
        return sections;
    }

private:
    bool AtSection() const {
        if (m_in.Remaining() < SECTION_HEADER_LENGTH) return false;
        const std::string_view next = m_bytes.substr(m_in.Position(), 4);
        return std::find(std::begin(SECTION_NAMES), std::end(SECTION_NAMES), next) !=
               std::end(SECTION_NAMES);
    }

    std::string_view m_bytes;
    ByteReader m_in;
    bool m_utf8;
};

// Version "2.0" and later store UTF-8 text; older files are Latin-1.
bool HoldsUtf8Text(std::string_view version) {
    int major = 0;
    for (char c : version) {
        if (c < '0' || c > '9') break;
        major = major * 10 + (c - '0');
    }
    return major >= 2;
}

struct PuzHeader {
    int width = 0;
    int height = 0;
    int clueCount = 0;
    bool plainSolution = false;  // the solution grid holds the answers
    std::size_t solutionGrid = 0;
    std::size_t playerGrid = 0;  // offset of the player grid
    std::size_t texts = 0;       // offset of the first string
    bool utf8 = false;
};

bool ReadHeader(std::string_view bytes, PuzHeader& header) {
    const std::size_t magic = bytes.find(PUZ_MAGIC);
    if (magic == std::string_view::npos) return false;
    ByteReader in(bytes);
    std::string version;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint16_t clueCount = 0;
    std::uint16_t solutionState = 0;
    if (!in.Seek(magic + VERSION_FROM_MAGIC) || !in.ReadBytes(VERSION_LENGTH, version) ||
        !in.Seek(magic + SIZE_FROM_MAGIC) || !in.ReadU8(width) || !in.ReadU8(height) ||
        !in.Seek(magic + CLUE_COUNT_FROM_MAGIC) || !in.ReadU16(clueCount) ||
        !in.Seek(magic + SOLUTION_STATE_FROM_MAGIC) || !in.ReadU16(solutionState))
        return false;
    if (width == 0 || width > MAX_GRID_SIDE || height == 0 || height > MAX_GRID_SIDE) return false;
    const std::size_t cells = static_cast<std::size_t>(width) * height;
    if (!in.Seek(magic + GRIDS_FROM_MAGIC) || !in.Skip(2 * cells)) return false;
    header.width = width;
    header.height = height;
    header.clueCount = clueCount;
    header.plainSolution = solutionState == SOLUTION_PLAIN;
    header.solutionGrid = magic + GRIDS_FROM_MAGIC;
    header.playerGrid = magic + GRIDS_FROM_MAGIC + cells;
    header.texts = magic + GRIDS_FROM_MAGIC + 2 * cells;
    header.utf8 = HoldsUtf8Text(version);
    return true;
}

void ReadShape(Puzzle& puzzle, std::string_view bytes, const PuzHeader& header) {
    puzzle.width = header.width;
    puzzle.height = header.height;
    for (int y = 0; y < header.height; ++y) {
        for (int x = 0; x < header.width; ++x) {
            const char cell =
                bytes[header.playerGrid + static_cast<std::size_t>(y * header.width + x)];
            puzzle.SetCell(x, y, cell == '.' ? CELL_ZWART : CELL_VRIJ);
        }
    }
    puzzle.BuildWords();
}

// The rebus answers by the key the GRBS section stores (one more than the table's
// number): "RTBL" holds entries " 0:IJ;".
std::map<int, std::string> RebusTable(std::string_view table) {
    std::map<int, std::string> answers;
    for (std::size_t start = 0; start < table.size();) {
        std::size_t end = table.find(';', start);
        if (end == std::string_view::npos) end = table.size();
        const std::string_view entry = table.substr(start, end - start);
        const std::size_t colon = entry.find(':');
        int number = 0;
        bool valid = colon != std::string_view::npos && colon > 0 && colon <= 3;
        for (std::size_t i = 0; valid && i < colon; ++i) {
            if (entry[i] >= '0' && entry[i] <= '9')
                number = number * 10 + (entry[i] - '0');
            else
                valid = entry[i] == ' ';
        }
        if (valid) answers[number + 1] = std::string(entry.substr(colon + 1));
        start = end + 1;
    }
    return answers;
}

// The letters of the solution into the free cells; a rebus square takes its answer.
void ReadLetters(Puzzle& puzzle, std::string_view bytes, const PuzHeader& header,
                 const std::map<std::string, std::string_view>& sections) {
    const auto squares = sections.find("GRBS");
    const auto table = sections.find("RTBL");
    const std::size_t cells = static_cast<std::size_t>(header.width) * header.height;
    const bool rebus =
        squares != sections.end() && table != sections.end() && squares->second.size() == cells;
    const std::map<int, std::string> answers =
        rebus ? RebusTable(table->second) : std::map<int, std::string>();
    for (std::size_t i = 0; i < cells; ++i) {
        const int x = static_cast<int>(i % header.width);
        const int y = static_cast<int>(i / header.width);
        if (puzzle.GetCell(x, y) != CELL_VRIJ) continue;
        std::string answer(1, bytes[header.solutionGrid + i]);
        if (rebus) {
            const auto found = answers.find(static_cast<unsigned char>(squares->second[i]));
            if (found != answers.end()) answer = found->second;
        }
        bool simplified = false;
        puzzle.SetCell(x, y, AnswerCell(answer, simplified));
    }
}

// Reads the file's count of clues into the words in order (an empty clue stays empty);
// returns the clues beyond the last word, and lists doubtful words.
std::string ReadClues(Puzzle& puzzle, PuzStrings& strings, int count, std::string& doubtful) {
    std::string surplus;
    for (int i = 0; i < count; ++i) {
        std::string clue = strings.Next();
        if (i >= static_cast<int>(puzzle.words.size())) {
            if (!clue.empty()) surplus += clue + " ";
            continue;
        }
        WordInfo& word = puzzle.words[static_cast<std::size_t>(i)];
        if (!StoreImportedClue(word, std::move(clue))) doubtful += FormatLabel(word) + " ";
    }
    return surplus;
}

// The notes: the clues beyond the last word and every further string up to an empty one.
void ReadNotes(Puzzle& puzzle, PuzStrings& strings, const std::string& surplusClues) {
    puzzle.comment = surplusClues;
    for (std::string note = strings.Next(); !note.empty(); note = strings.Next())
        puzzle.comment += note + " ";
}

bool IsHeldLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

}  // namespace

Cell AnswerCell(const std::string& answer, bool& simplified) {
    const std::string letters = Latin1ToUpper(answer);
    if (letters.empty()) return CELL_VRIJ;
    if (letters == "IJ") return CELL_IJ;
    const auto first = static_cast<unsigned char>(letters[0]);
    simplified = letters.size() > 1 || !IsHeldLetter(first);
    return IsHeldLetter(first) ? first : CELL_VRIJ;
}

bool StoreImportedClue(WordInfo& word, std::string clue) {
    PartLengths parts{};
    int sum = 0;
    word.partCount = ParseClueLengths(clue, parts, sum);
    word.clue = std::move(clue);
    if (word.partCount == 0) return true;
    if (sum != word.length) {
        word.partCount = 0;
        return false;
    }
    word.partLengths = parts;
    return true;
}

std::string DoubtfulCluesRemark(const std::string& labels) {
    return labels.empty() ? std::string() : "Omschrijving(en) mogelijk incorrect\n\r" + labels;
}

int ReadZeroTerminatedString(ByteReader& in, std::string& text) {
    text.clear();
    std::uint8_t byte = 0;
    while (in.ReadU8(byte) && byte != 0) text += static_cast<char>(byte);
    return static_cast<int>(text.size());
}

ImportResult ImportPuz(Rooster2Doc& doc, std::string_view bytes) {
    PuzHeader header;
    if (!ReadHeader(bytes, header)) return {false, {PUZ_INCORRECT}};
    Puzzle read = doc.FreshPuzzle();
    ReadShape(read, bytes, header);
    PuzStrings strings(bytes, header.texts, header.utf8);
    read.html.title.clear();
    for (int i = 0; i < 3; ++i) read.html.title += strings.Next() + " ";
    std::string doubtful;
    ReadNotes(read, strings, ReadClues(read, strings, header.clueCount, doubtful));
    if (header.plainSolution) ReadLetters(read, bytes, header, strings.Sections());
    FinishGridImport(doc, std::move(read));
    return {true, {DoubtfulCluesRemark(doubtful)}};
}

ImportResult ImportPuzFile(Rooster2Doc& doc, const std::string& path) {
    return ImportFromFile(doc, path, ImportPuz);
}
