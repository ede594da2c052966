#include "model/rtr_file.h"

#include <algorithm>
#include <cstring>

#include "model/rooster2_doc.h"
#include "util/byte_reader.h"
#include "util/byte_writer.h"
#include "util/file_io.h"
#include "util/str_format.h"

namespace {

constexpr std::uint32_t SIGNATURE_LENGTH = 25;
// Records after the classic fields: a u32 tag, a u32 length and that many bytes.
// Written only when they hold something, so a classic file keeps its bytes, and a
// reader that stops after the extra files opens the puzzle without them.
constexpr std::uint32_t TAG_LOCKS = 5;  // one byte per cell, 1 = locked

// Records of the form block, each: u32 tag, u32 length, the bytes.
constexpr std::uint32_t TAG_FORM = 1;    // s32 PuzzleForm
constexpr std::uint32_t TAG_BARS = 2;    // width * height bytes of BAR_ bits
constexpr std::uint32_t TAG_ARROWS = 3;  // width * height bytes: the clue cells' arrows
constexpr std::uint32_t TAG_KEY = 4;     // width * height bytes: the sleutelwoord numbers
// A form block holds a few records of at most one byte per cell each.
constexpr std::uint32_t MAX_FORM_BLOCK = 1 << 20;

// What the form block says; a classic file has none and gives the defaults.
struct FormBlock {
    PuzzleForm form = PuzzleForm::Kruiswoord;
    std::string bars;
    std::string arrows;
    std::string keyNumbers;
};

using CellLayer = std::array<std::uint8_t, MAX_CELLS>;

// The layers of one byte per cell that the block may hold, with their tags.
struct LayerRecord {
    std::uint32_t tag;
    CellLayer Puzzle::*layer;
    std::string FormBlock::*bytes;
};
constexpr LayerRecord LAYER_RECORDS[] = {
    {TAG_BARS, &Puzzle::bars, &FormBlock::bars},
    {TAG_ARROWS, &Puzzle::arrows, &FormBlock::arrows},
    {TAG_KEY, &Puzzle::keyNumbers, &FormBlock::keyNumbers},
};

bool NeedsFormBlock(const Puzzle& puzzle) {
    return puzzle.form != PuzzleForm::Kruiswoord || puzzle.KeyLength() > 0;
}

void WriteRecord(ByteWriter& out, std::uint32_t tag, const std::string& bytes) {
    out.WriteU32(tag);
    out.WriteU32(static_cast<std::uint32_t>(bytes.size()));
    out.WriteBytes(bytes);
}

std::string FormBlockBytes(const Puzzle& puzzle) {
    ByteWriter form;
    form.WriteS32(static_cast<std::int32_t>(puzzle.form));
    ByteWriter block;
    WriteRecord(block, TAG_FORM, form.TakeBytes());
    for (const LayerRecord& record : LAYER_RECORDS) {
        const std::string layer(reinterpret_cast<const char*>((puzzle.*record.layer).data()),
                                static_cast<std::size_t>(puzzle.CellCount()));
        if (layer.find_first_not_of('\0') != std::string::npos)
            WriteRecord(block, record.tag, layer);
    }
    return block.TakeBytes();
}

bool IsKnownForm(std::int32_t value) {
    return value >= static_cast<std::int32_t>(PuzzleForm::Kruiswoord) &&
           value <= static_cast<std::int32_t>(PuzzleForm::Balkjes);
}

// Unknown records are skipped, so a later release may add its own.
bool ReadFormBlock(ByteReader& in, FormBlock& block) {
    std::uint32_t length = 0;
    std::string bytes;
    if (!in.ReadU32(length) || length > MAX_FORM_BLOCK || !in.ReadBytes(length, bytes))
        return false;
    ByteReader records(bytes);
    while (!records.AtEnd()) {
        std::uint32_t tag = 0;
        std::uint32_t size = 0;
        std::string payload;
        if (!records.ReadU32(tag) || !records.ReadU32(size) || !records.ReadBytes(size, payload))
            return false;
        if (tag == TAG_FORM) {
            std::int32_t form = 0;
            if (!ByteReader(payload).ReadS32(form) || !IsKnownForm(form)) return false;
            block.form = static_cast<PuzzleForm>(form);
        }
        for (const LayerRecord& record : LAYER_RECORDS)
            if (tag == record.tag) block.*record.bytes = payload;
    }
    return true;
}

// ---------------------------------------------------------------- writing

void WriteString(ByteWriter& out, const std::string& text) {
    out.WriteU32(static_cast<std::uint32_t>(text.size()));
    if (text.empty()) return;
    out.WriteBytes(text);
    out.WriteU8(0);
}

void WriteFlag(ByteWriter& out, bool flag) { out.WriteS32(flag ? 1 : 0); }

void WriteWordRecords(ByteWriter& out, const Rooster2Doc& doc) {
    for (int i = 0; i < static_cast<int>(doc.puzzle().words.size()); ++i) {
        const std::string letters = doc.puzzle().GetWordValue(i);
        out.WriteS16(static_cast<std::int16_t>(letters.size() & 0xFFFF));
        out.WriteS16(static_cast<std::int16_t>(doc.puzzle().words[i].extraList));
        if (!letters.empty()) {
            out.WriteBytes(letters);
            out.WriteU8(0);
        }
        WriteString(out, doc.puzzle().words[i].clue);
    }
}

void WritePartRecords(ByteWriter& out, const Rooster2Doc& doc) {
    for (const WordInfo& word : doc.puzzle().words) {
        const int parts = word.partCount >= 2 ? std::min(word.partCount, MAX_PARTS) : 0;
        out.WriteS32(parts);
        for (int j = 0; j < parts; ++j) out.WriteU8(word.partLengths[j]);
    }
}

void WriteTrailingRecords(ByteWriter& out, const Rooster2Doc& doc) {
    if (!doc.puzzle().HasLocks()) return;
    const std::string locks = doc.puzzle().LocksToString();
    out.WriteU32(TAG_LOCKS);
    out.WriteU32(static_cast<std::uint32_t>(locks.size()));
    out.WriteBytes(locks);
}

// ---------------------------------------------------------------- reading

enum class Field { Present, Missing, Damaged };

// Where the editing stood when the file was saved.
struct EditingPosition {
    Phase phase;
    Direction direction;
    std::int32_t curWord;
    std::int32_t curPos;
};

class RtrReader {
public:
    RtrReader(Puzzle& puzzle, EditingPosition& position, std::string_view bytes)
        : m_puzzle(puzzle), m_position(position), m_in(bytes) {}

    RtrStatus Read();

private:
    bool ReadSignature(RtrStatus& failure);
    void ApplyFormBlock();
    bool ReadGridAndState();
    bool ReadWordRecords();
    bool ReadSearchOptions(bool& stopAfterIjFlag);
    bool ReadLaterFields();
    bool ReadPartRecords();
    bool ReadLetterValues();
    bool ReadExtraFiles();
    bool ReadTrailingRecords();

    // A fixed-size field of the part that every file holds.
    bool Required(std::int32_t& value) { return m_in.ReadS32(value); }
    // A value of an enum class: the file holds its number.
    template <typename Enum>
    bool Required(Enum& value) {
        std::int32_t number = 0;
        if (!Required(number)) return false;
        value = static_cast<Enum>(number);
        return true;
    }
    // A 4-byte field that older files may lack: missing only when no byte is left.
    Field Optional(std::int32_t& value) {
        if (m_in.AtEnd()) return Field::Missing;
        return m_in.ReadS32(value) ? Field::Present : Field::Damaged;
    }
    Field OptionalFlag(bool& flag, bool defaultValue);
    Field OptionalInt(std::int32_t& member, std::int32_t defaultValue);
    Field OptionalColour(ColourRef& member, ColourRef defaultValue);
    // A string; `accepted` tells whether its length lies in [minLength, maxLength].
    Field OptionalString(std::string& text, bool& accepted, std::uint32_t minLength,
                         std::uint32_t maxLength);
    Field StringWithDefault(std::string& member, std::uint32_t maxLength);

    Puzzle& m_puzzle;
    EditingPosition& m_position;
    ByteReader m_in;
    FormBlock m_form;
};

bool RtrReader::ReadSignature(RtrStatus& failure) {
    std::uint32_t length = 0;
    if (!m_in.ReadU32(length)) {
        failure = RtrStatus::Refused;
        return false;
    }
    if (length != SIGNATURE_LENGTH) {
        failure = RtrStatus::NotRtr;
        return false;
    }
    const std::size_t available = std::min<std::size_t>(m_in.Remaining(), SIGNATURE_LENGTH);
    std::string signature;
    m_in.ReadBytes(available, signature);
    const bool formed = std::memcmp(signature.data(), RTR_FORM_SIGNATURE, available) == 0;
    if (!formed && std::memcmp(signature.data(), RTR_SIGNATURE, available) != 0) {
        failure = RtrStatus::NotRtr;
        return false;
    }
    if (available < SIGNATURE_LENGTH || (formed && !ReadFormBlock(m_in, m_form))) {
        failure = RtrStatus::Refused;
        return false;
    }
    return true;
}

// Before the words are built: they follow the form and the bars.
void RtrReader::ApplyFormBlock() {
    Puzzle& puzzle = m_puzzle;
    puzzle.form = m_form.form;
    for (const LayerRecord& record : LAYER_RECORDS) {
        CellLayer& layer = puzzle.*record.layer;
        const std::string& bytes = m_form.*record.bytes;
        layer.fill(0);
        if (bytes.size() == static_cast<std::size_t>(puzzle.CellCount()))
            std::memcpy(layer.data(), bytes.data(), bytes.size());
    }
}

bool RtrReader::ReadGridAndState() {
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!Required(width) || !Required(height)) return false;
    if (width < 1 || width > MAX_GRID_SIDE || height < 1 || height > MAX_GRID_SIDE) return false;
    std::string cells;
    if (!m_in.ReadBytes(static_cast<std::size_t>(width * height), cells)) return false;
    m_puzzle.width = width;
    m_puzzle.height = height;
    std::memcpy(m_puzzle.cells.data(), cells.data(), cells.size());
    m_puzzle.locks.fill(false);

    std::int32_t colors[4] = {};
    std::int32_t flags = 0;
    if (!Required(m_puzzle.appearance.margin) || !Required(m_puzzle.appearance.cellSize))
        return false;
    for (std::int32_t& color : colors)
        if (!Required(color)) return false;
    if (!Required(m_puzzle.symmetry) || !Required(m_position.phase) ||
        !Required(m_position.direction) || !Required(m_position.curWord) || !Required(flags))
        return false;
    m_puzzle.appearance.colours.zwart = static_cast<ColourRef>(colors[0]);
    m_puzzle.appearance.colours.woord = static_cast<ColourRef>(colors[1]);
    m_puzzle.appearance.colours.niet = static_cast<ColourRef>(colors[2]);
    m_puzzle.appearance.colours.vrij = static_cast<ColourRef>(colors[3]);
    m_puzzle.appearance.showNumbers = (flags & 1) != 0;
    m_puzzle.numbering.doorloper = (flags & 2) != 0;
    m_puzzle.numbering.acrossOnly = (flags & 4) != 0;

    // Values that only a damaged or foreign file holds would leave the window in a
    // state it cannot leave (a search phase without a search) or draw absurd sizes.
    if (m_position.phase != Phase::Vormen && m_position.phase != Phase::Vullen)
        m_position.phase = Phase::Vormen;
    m_puzzle.appearance.cellSize = std::clamp(m_puzzle.appearance.cellSize, 5, 200);
    m_puzzle.appearance.margin = std::clamp(m_puzzle.appearance.margin, 0, 500);
    ApplyFormBlock();
    m_puzzle.BuildWords();
    if (m_position.curWord < -1 || m_position.curWord >= static_cast<int>(m_puzzle.words.size()))
        m_position.curWord = -1;
    return true;
}

bool RtrReader::ReadWordRecords() {
    for (WordInfo& word : m_puzzle.words) {
        std::int16_t letters = 0;
        std::int16_t extraList = 0;
        if (!m_in.ReadS16(letters) || !m_in.ReadS16(extraList)) return false;
        word.extraList = extraList;
        if (letters > 0) {
            if (!m_in.ReadBytes(static_cast<std::size_t>(letters), word.value) || !m_in.Skip(1))
                return false;
        }
        std::uint32_t clueLength = 0;
        if (!m_in.ReadU32(clueLength)) return false;
        if (clueLength > 0) {
            if (clueLength >= m_in.Remaining()) return false;
            m_in.ReadBytes(clueLength, word.clue);
            m_in.Skip(1);
        }
    }
    return true;
}

Field RtrReader::OptionalString(std::string& text, bool& accepted, std::uint32_t minLength,
                                std::uint32_t maxLength) {
    std::int32_t rawLength = 0;
    const Field field = Optional(rawLength);
    if (field != Field::Present) return field;
    const auto length = static_cast<std::uint32_t>(rawLength);
    accepted = length >= minLength && length <= maxLength;
    if (length == 0) {
        text.clear();
        return Field::Present;
    }
    if (length >= m_in.Remaining()) return Field::Damaged;
    std::string bytes;
    m_in.ReadBytes(length, bytes);
    m_in.Skip(1);
    text = accepted ? bytes : std::string();
    return Field::Present;
}

Field RtrReader::StringWithDefault(std::string& member, std::uint32_t maxLength) {
    bool accepted = false;
    std::string text;
    const Field field = OptionalString(text, accepted, 1, maxLength);
    if (field == Field::Damaged) return field;
    member = field == Field::Present ? text : std::string();
    return field;
}

Field RtrReader::OptionalFlag(bool& flag, bool defaultValue) {
    std::int32_t value = 0;
    const Field field = Optional(value);
    if (field != Field::Damaged) flag = field == Field::Present ? value != 0 : defaultValue;
    return field;
}

Field RtrReader::OptionalInt(std::int32_t& member, std::int32_t defaultValue) {
    std::int32_t value = 0;
    const Field field = Optional(value);
    if (field != Field::Damaged) member = field == Field::Present ? value : defaultValue;
    return field;
}

Field RtrReader::OptionalColour(ColourRef& member, ColourRef defaultValue) {
    std::int32_t value = 0;
    const Field field = Optional(value);
    if (field != Field::Damaged)
        member = field == Field::Present ? static_cast<ColourRef>(value) : defaultValue;
    return field;
}

bool RtrReader::ReadSearchOptions(bool& stopAfterIjFlag) {
    if (StringWithDefault(m_puzzle.search.wordFile, 0xFFFFFFFFu) == Field::Damaged) return false;
    std::int32_t ijFlag = 0;
    const Field ij = Optional(ijFlag);
    if (ij == Field::Damaged) return false;
    if (ij == Field::Present && ijFlag != 0 && ijFlag != 1) {
        stopAfterIjFlag = true;
        return true;
    }
    m_puzzle.search.ijTwoLetters = ijFlag == 1;
    std::int32_t values[4] = {m_puzzle.search.maxSolutions, m_puzzle.search.allDifferent,
                              m_puzzle.search.fillWithLastShown,
                              m_puzzle.search.showWhileSearching};
    for (std::int32_t& value : values)
        if (Optional(value) == Field::Damaged) return false;
    m_puzzle.search.maxSolutions = values[0];
    m_puzzle.search.allDifferent = values[1] != 0;
    m_puzzle.search.fillWithLastShown = values[2] != 0;
    m_puzzle.search.showWhileSearching = values[3] != 0;
    return true;
}

bool RtrReader::ReadPartRecords() {
    for (WordInfo& word : m_puzzle.words) {
        word.partCount = 0;
        std::int32_t parts = 0;
        const Field field = Optional(parts);
        if (field == Field::Damaged) return false;
        if (field == Field::Missing || parts < 2 || parts > MAX_PARTS) continue;
        std::string lengths;
        if (!m_in.ReadBytes(static_cast<std::size_t>(parts), lengths)) return false;
        word.partCount = parts;
        std::copy(lengths.begin(), lengths.end(), word.partLengths.begin());
    }
    return true;
}

bool RtrReader::ReadLetterValues() {
    for (int letter = 0; letter < 26; ++letter) m_puzzle.letterValues[letter] = letter + 1;
    for (int letter = 0; letter < 26; ++letter) {
        const Field field = Optional(m_puzzle.letterValues[letter]);
        if (field == Field::Damaged) return false;
        if (field == Field::Missing) break;
    }
    return true;
}

bool RtrReader::ReadExtraFiles() {
    m_puzzle.extraFiles.clear();
    std::int32_t count = 0;
    const Field field = Optional(count);
    if (field == Field::Damaged) return false;
    if (field == Field::Missing) return true;
    for (std::uint32_t k = 0; k < static_cast<std::uint32_t>(count); ++k) {
        std::string name;
        bool accepted = false;
        const Field nameField = OptionalString(name, accepted, 1, 999);
        if (nameField == Field::Damaged) return false;
        if (nameField == Field::Missing) break;
        if (accepted) m_puzzle.extraFiles.push_back(name);
    }
    return true;
}

// Records of tags this reader does not know are passed over.
bool RtrReader::ReadTrailingRecords() {
    while (!m_in.AtEnd()) {
        std::uint32_t tag = 0;
        std::uint32_t length = 0;
        std::string bytes;
        if (!m_in.ReadU32(tag) || !m_in.ReadU32(length) || length > m_in.Remaining() ||
            !m_in.ReadBytes(length, bytes))
            return false;
        if (tag == TAG_LOCKS && bytes.size() == static_cast<std::size_t>(m_puzzle.CellCount()))
            m_puzzle.StringToLocks(bytes);
    }
    return true;
}

bool RtrReader::ReadLaterFields() {
    bool fontAccepted = false;
    std::string fontName;
    std::int32_t lineWidth = 0;
    std::int32_t clueTextSize = 0;
    std::int32_t startNumber = 1;
    const bool ok = StringWithDefault(m_puzzle.html.title, 999) != Field::Damaged &&
                    OptionalInt(lineWidth, 0) != Field::Damaged &&
                    OptionalFlag(m_puzzle.html.cluesSideBySide, false) != Field::Damaged &&
                    ReadPartRecords() &&
                    OptionalFlag(m_puzzle.appearance.partDashes, true) != Field::Damaged &&
                    OptionalInt(m_puzzle.search.maxCandidates, 1000) != Field::Damaged &&
                    StringWithDefault(m_puzzle.search.excludedLetters, 99) != Field::Damaged &&
                    OptionalFlag(m_puzzle.appearance.showLength, false) != Field::Damaged;
    if (!ok) return false;
    const Field font = OptionalString(fontName, fontAccepted, 1, 999);
    if (font == Field::Damaged) return false;
    if (font == Field::Missing)
        m_puzzle.appearance.letterFontName = "Arial";
    else if (fontAccepted)
        m_puzzle.appearance.letterFontName = fontName;
    const bool rest = StringWithDefault(m_puzzle.comment, 9999) != Field::Damaged &&
                      OptionalInt(clueTextSize, 0) != Field::Damaged &&
                      OptionalFlag(m_puzzle.appearance.largerNumbers, false) != Field::Damaged &&
                      OptionalColour(m_puzzle.appearance.colours.letter, 0) != Field::Damaged &&
                      OptionalColour(m_puzzle.appearance.colours.woordPos,
                                     FILE_DEFAULT_COLOUR_WOORDPOS) != Field::Damaged &&
                      OptionalColour(m_puzzle.appearance.colours.achtergrond,
                                     FILE_DEFAULT_COLOUR_ACHTERGROND) != Field::Damaged &&
                      OptionalFlag(m_puzzle.numbering.numberPartWords, false) != Field::Damaged &&
                      OptionalInt(startNumber, 1) != Field::Damaged && ReadLetterValues();
    if (!rest) return false;
    // Kept within what the properties dialog allows: the numbering counts up from the
    // start number and the drawing scales with the other two.
    m_puzzle.appearance.lineWidth = std::clamp(lineWidth, 0, 1);
    m_puzzle.appearance.clueTextSize = std::clamp(clueTextSize, 0, 50);
    m_puzzle.numbering.startNumber = std::clamp(startNumber, 1, 999);
    return true;
}

RtrStatus RtrReader::Read() {
    RtrStatus failure = RtrStatus::Refused;
    if (!ReadSignature(failure)) return failure;
    if (!ReadGridAndState() || !ReadWordRecords()) return RtrStatus::Refused;
    bool stopAfterIjFlag = false;
    if (!ReadSearchOptions(stopAfterIjFlag)) return RtrStatus::Refused;
    if (stopAfterIjFlag) return RtrStatus::Loaded;
    if (!ReadLaterFields()) return RtrStatus::Refused;
    if (!m_puzzle.numbering.doorloper) m_puzzle.Renumber();
    if (!ReadExtraFiles() || !ReadTrailingRecords()) return RtrStatus::Refused;
    m_puzzle.html.blackGrey = true;
    m_position.curPos = 0;
    m_puzzle.search.maxFrequency = 0;
    m_puzzle.search.maxDistinct = 0;
    return RtrStatus::Loaded;
}

UserMessage DamagedFileMessage(const std::string& path) {
    const std::string name = path.empty() ? std::string() : " " + path;
    return {
        StrFormat("Het bestand%s is beschadigd of onvolledig en is niet geopend.", name.c_str()),
        "Jammer"};
}

}  // namespace

std::string WriteRtr(const Rooster2Doc& doc) {
    ByteWriter out;
    out.WriteU32(SIGNATURE_LENGTH);
    if (NeedsFormBlock(doc.puzzle())) {
        // Another signature, so that readers that know only the classic layout refuse the
        // file instead of reading words that their rebuild does not find.
        out.WriteBytes(std::string_view(RTR_FORM_SIGNATURE, SIGNATURE_LENGTH));
        const std::string block = FormBlockBytes(doc.puzzle());
        out.WriteU32(static_cast<std::uint32_t>(block.size()));
        out.WriteBytes(block);
    } else {
        out.WriteBytes(std::string_view(RTR_SIGNATURE, SIGNATURE_LENGTH));
    }
    out.WriteS32(doc.puzzle().width);
    out.WriteS32(doc.puzzle().height);
    out.WriteBytes(doc.puzzle().GridToString());
    out.WriteS32(doc.puzzle().appearance.margin);
    out.WriteS32(doc.puzzle().appearance.cellSize);
    out.WriteU32(doc.puzzle().appearance.colours.zwart);
    out.WriteU32(doc.puzzle().appearance.colours.woord);
    out.WriteU32(doc.puzzle().appearance.colours.niet);
    out.WriteU32(doc.puzzle().appearance.colours.vrij);
    out.WriteS32(static_cast<std::int32_t>(doc.puzzle().symmetry));
    out.WriteS32(static_cast<std::int32_t>(doc.phase));
    out.WriteS32(static_cast<std::int32_t>(doc.direction));
    out.WriteS32(doc.curWord);
    out.WriteS32(4 * doc.puzzle().numbering.acrossOnly + 2 * doc.puzzle().numbering.doorloper +
                 doc.puzzle().appearance.showNumbers);
    WriteWordRecords(out, doc);
    WriteString(out, doc.puzzle().search.wordFile);
    WriteFlag(out, doc.puzzle().search.ijTwoLetters);
    out.WriteS32(doc.puzzle().search.maxSolutions);
    WriteFlag(out, doc.puzzle().search.allDifferent);
    WriteFlag(out, doc.puzzle().search.fillWithLastShown);
    WriteFlag(out, doc.puzzle().search.showWhileSearching);
    WriteString(out, doc.puzzle().html.title);
    out.WriteS32(doc.puzzle().appearance.lineWidth);
    WriteFlag(out, doc.puzzle().html.cluesSideBySide);
    WritePartRecords(out, doc);
    WriteFlag(out, doc.puzzle().appearance.partDashes);
    out.WriteS32(doc.puzzle().search.maxCandidates);
    WriteString(out, doc.puzzle().search.excludedLetters);
    WriteFlag(out, doc.puzzle().appearance.showLength);
    WriteString(out, doc.puzzle().appearance.letterFontName);
    WriteString(out, doc.puzzle().comment);
    out.WriteS32(doc.puzzle().appearance.clueTextSize);
    WriteFlag(out, doc.puzzle().appearance.largerNumbers);
    out.WriteU32(doc.puzzle().appearance.colours.letter);
    out.WriteU32(doc.puzzle().appearance.colours.woordPos);
    out.WriteU32(doc.puzzle().appearance.colours.achtergrond);
    WriteFlag(out, doc.puzzle().numbering.numberPartWords);
    out.WriteS32(doc.puzzle().numbering.startNumber);
    for (std::int32_t value : doc.puzzle().letterValues) out.WriteS32(value);
    out.WriteU32(static_cast<std::uint32_t>(doc.puzzle().extraFiles.size()));
    for (const std::string& name : doc.puzzle().extraFiles) WriteString(out, name);
    WriteTrailingRecords(out, doc);
    return out.TakeBytes();
}

RtrReadResult ReadRtr(Rooster2Doc& doc, std::string_view bytes) {
    // Read into copies so that a refused file leaves the open puzzle untouched;
    // members the file does not hold keep the values they had.
    Puzzle puzzle = doc.puzzle();
    EditingPosition position{doc.phase, doc.direction, doc.curWord, doc.curPos};
    const RtrStatus status = RtrReader(puzzle, position, bytes).Read();
    RtrReadResult result;
    result.status = status;
    switch (status) {
        case RtrStatus::Loaded:
            doc.phase = position.phase;
            doc.direction = position.direction;
            doc.curWord = position.curWord;
            doc.curPos = position.curPos;
            PuzzleEdit(doc, EditKind::Replace).puzzle() = std::move(puzzle);
            break;
        case RtrStatus::NotRtr:
            // Resetting here would bind the window to a file it cannot save back into.
            result.message = {"Geen valide rtr-bestand", APP_TITLE};
            break;
        case RtrStatus::Refused:
            result.message = DamagedFileMessage("");
            break;
    }
    return result;
}

RtrReadResult OpenRtrFile(Rooster2Doc& doc, const std::string& path) {
    std::string bytes;
    if (const ReadStatus read = ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes);
        read != ReadStatus::Read)
        return {RtrStatus::Refused, {ReadFailureText(path, read, DOCUMENT_FILE_LIMIT), "Jammer"}};
    RtrReadResult result = ReadRtr(doc, bytes);
    if (result.status == RtrStatus::Refused) result.message = DamagedFileMessage(path);
    if (result.status != RtrStatus::Loaded) return result;
    doc.pathName = path;
    doc.MarkSaved();
    return result;
}

bool SaveRtrFile(Rooster2Doc& doc, const std::string& path, UserMessage& message) {
    if (doc.phase != Phase::Vormen && doc.phase != Phase::Vullen) {
        message = {StrFormat("Opslaan %s\nalleen mogelijk in fase vorm of vul", path.c_str()),
                   APP_TITLE};
        return false;
    }
    if (const WriteResult written = WriteFileAtomically(path, WriteRtr(doc)); !written) {
        message = {WriteFailureText(path, written.status), APP_TITLE};
        return false;
    }
    doc.pathName = path;
    doc.MarkSaved();
    return true;
}
