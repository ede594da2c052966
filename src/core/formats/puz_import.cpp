#include "formats/puz_import.h"

#include <algorithm>

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
constexpr std::size_t GRIDS_FROM_MAGIC = 0x34 - 2;
constexpr std::size_t VERSION_LENGTH = 4;

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
    if (!in.Seek(magic + VERSION_FROM_MAGIC) || !in.ReadBytes(VERSION_LENGTH, version) ||
        !in.Seek(magic + SIZE_FROM_MAGIC) || !in.ReadU8(width) || !in.ReadU8(height))
        return false;
    if (width == 0 || width > MAX_GRID_SIDE || height == 0 || height > MAX_GRID_SIDE) return false;
    const std::size_t cells = static_cast<std::size_t>(width) * height;
    if (!in.Seek(magic + GRIDS_FROM_MAGIC) || !in.Skip(2 * cells)) return false;
    header.width = width;
    header.height = height;
    header.playerGrid = magic + GRIDS_FROM_MAGIC + cells;
    header.texts = magic + GRIDS_FROM_MAGIC + 2 * cells;
    header.utf8 = HoldsUtf8Text(version);
    return true;
}

void ReadShape(Rooster2Doc& doc, std::string_view bytes, const PuzHeader& header) {
    doc.puzzle.width = header.width;
    doc.puzzle.height = header.height;
    for (int y = 0; y < header.height; ++y) {
        for (int x = 0; x < header.width; ++x) {
            const char cell =
                bytes[header.playerGrid + static_cast<std::size_t>(y * header.width + x)];
            doc.puzzle.SetCell(x, y, cell == '.' ? CELL_ZWART : CELL_VRIJ);
        }
    }
    doc.puzzle.BuildWords();
}

// Reads the clues into the words in order; returns the string that ended the
// list (empty, or the first one beyond the last word) and lists doubtful words.
std::string ReadClues(Rooster2Doc& doc, PuzStrings& strings, std::string& doubtful) {
    for (WordInfo& word : doc.puzzle.words) {
        std::string clue = strings.Next();
        if (clue.empty()) return clue;
        if (!StoreImportedClue(word, std::move(clue))) doubtful += FormatLabel(word) + " ";
    }
    return strings.Next();
}

// The notes: the string that ended the clues (an empty one adds nothing) and every
// further one up to an empty string.
void ReadNotes(Rooster2Doc& doc, PuzStrings& strings, const std::string& endOfClues) {
    doc.puzzle.comment.clear();
    if (!endOfClues.empty()) doc.puzzle.comment += endOfClues + " ";
    for (std::string note = strings.Next(); !note.empty(); note = strings.Next())
        doc.puzzle.comment += note + " ";
}

}  // namespace

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
    Rooster2Doc read = doc;
    read.OnNewDocument();
    ReadShape(read, bytes, header);
    PuzStrings strings(bytes, header.texts, header.utf8);
    read.puzzle.html.title.clear();
    for (int i = 0; i < 3; ++i) read.puzzle.html.title += strings.Next() + " ";
    std::string doubtful;
    ReadNotes(read, strings, ReadClues(read, strings, doubtful));
    doc = std::move(read);
    FinishGridImport(doc);
    return {true, {DoubtfulCluesRemark(doubtful)}};
}

ImportResult ImportPuzFile(Rooster2Doc& doc, const std::string& path) {
    return ImportFromFile(doc, path, ImportPuz);
}
