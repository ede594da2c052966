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

// ---------------------------------------------------------------- writing

void WriteString(ByteWriter& out, const std::string& text) {
    out.WriteU32(static_cast<std::uint32_t>(text.size()));
    if (text.empty()) return;
    out.WriteBytes(text);
    out.WriteU8(0);
}

void WriteFlag(ByteWriter& out, bool flag) { out.WriteS32(flag ? 1 : 0); }

void WriteWordRecords(ByteWriter& out, const CRooster2Doc& doc) {
    for (int i = 0; i < static_cast<int>(doc.m_words.size()); ++i) {
        const std::string letters = doc.GetWordValue(i);
        out.WriteS16(static_cast<std::int16_t>(letters.size() & 0xFFFF));
        out.WriteS16(static_cast<std::int16_t>(doc.m_words[i].extraList));
        if (!letters.empty()) {
            out.WriteBytes(letters);
            out.WriteU8(0);
        }
        WriteString(out, doc.m_words[i].clue);
    }
}

void WritePartRecords(ByteWriter& out, const CRooster2Doc& doc) {
    for (const WordInfo& word : doc.m_words) {
        const int parts = word.partCount >= 2 ? std::min(word.partCount, MAX_PARTS) : 0;
        out.WriteS32(parts);
        for (int j = 0; j < parts; ++j) out.WriteU8(word.partLengths[j]);
    }
}

// ---------------------------------------------------------------- reading

enum class Field { Present, Missing, Damaged };

class RtrReader {
public:
    RtrReader(CRooster2Doc& doc, std::string_view bytes) : m_doc(doc), m_in(bytes) {}

    RtrStatus Read();

private:
    bool ReadSignature(RtrStatus& failure);
    bool ReadGridAndState();
    bool ReadWordRecords();
    bool ReadSearchOptions(bool& stopAfterIjFlag);
    bool ReadLaterFields();
    bool ReadPartRecords();
    bool ReadLetterValues();
    bool ReadExtraFiles();

    // A fixed-size field of the part that every file holds.
    bool Required(std::int32_t& value) { return m_in.ReadS32(value); }
    // A 4-byte field that older files may lack: missing only when no byte is left.
    Field Optional(std::int32_t& value) {
        if (m_in.AtEnd()) return Field::Missing;
        return m_in.ReadS32(value) ? Field::Present : Field::Damaged;
    }
    Field OptionalFlag(bool& flag, bool defaultValue);
    Field OptionalInt(std::int32_t& member, std::int32_t defaultValue);
    Field OptionalColor(ColorRef& member, ColorRef defaultValue);
    // A string; `accepted` tells whether its length lies in [minLength, maxLength].
    Field OptionalString(std::string& text, bool& accepted, std::uint32_t minLength,
                         std::uint32_t maxLength);
    Field StringWithDefault(std::string& member, std::uint32_t maxLength);

    CRooster2Doc& m_doc;
    ByteReader m_in;
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
    if (std::memcmp(signature.data(), RTR_SIGNATURE, available) != 0) {
        failure = RtrStatus::NotRtr;
        return false;
    }
    if (available < SIGNATURE_LENGTH) {
        failure = RtrStatus::Refused;
        return false;
    }
    return true;
}

bool RtrReader::ReadGridAndState() {
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!Required(width) || !Required(height)) return false;
    if (width < 1 || width > MAX_GRID_SIDE || height < 1 || height > MAX_GRID_SIDE) return false;
    std::string cells;
    if (!m_in.ReadBytes(static_cast<std::size_t>(width * height), cells)) return false;
    m_doc.m_width = width;
    m_doc.m_height = height;
    std::memcpy(m_doc.m_cells.data(), cells.data(), cells.size());

    std::int32_t colors[4] = {};
    std::int32_t flags = 0;
    if (!Required(m_doc.m_margin) || !Required(m_doc.m_cellSize)) return false;
    for (std::int32_t& color : colors)
        if (!Required(color)) return false;
    if (!Required(m_doc.m_symmetry) || !Required(m_doc.m_phase) || !Required(m_doc.m_direction) ||
        !Required(m_doc.m_curWord) || !Required(flags))
        return false;
    m_doc.m_colorZwart = static_cast<ColorRef>(colors[0]);
    m_doc.m_colorWoord = static_cast<ColorRef>(colors[1]);
    m_doc.m_colorNiet = static_cast<ColorRef>(colors[2]);
    m_doc.m_colorVrij = static_cast<ColorRef>(colors[3]);
    m_doc.m_showNumbers = (flags & 1) != 0;
    m_doc.m_doorloper = (flags & 2) != 0;
    m_doc.m_acrossOnly = (flags & 4) != 0;

    // Values that only a damaged or foreign file holds would leave the window in a
    // state it cannot leave (a search phase without a search) or draw absurd sizes.
    if (m_doc.m_phase != PHASE_VORMEN && m_doc.m_phase != PHASE_VULLEN)
        m_doc.m_phase = PHASE_VORMEN;
    m_doc.m_cellSize = std::clamp(m_doc.m_cellSize, 5, 200);
    m_doc.m_margin = std::clamp(m_doc.m_margin, 0, 500);
    m_doc.BuildWords();
    if (m_doc.m_curWord < -1 || m_doc.m_curWord >= static_cast<int>(m_doc.m_words.size()))
        m_doc.m_curWord = -1;
    return true;
}

bool RtrReader::ReadWordRecords() {
    for (WordInfo& word : m_doc.m_words) {
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

Field RtrReader::OptionalColor(ColorRef& member, ColorRef defaultValue) {
    std::int32_t value = 0;
    const Field field = Optional(value);
    if (field != Field::Damaged)
        member = field == Field::Present ? static_cast<ColorRef>(value) : defaultValue;
    return field;
}

bool RtrReader::ReadSearchOptions(bool& stopAfterIjFlag) {
    if (StringWithDefault(m_doc.m_wordFile, 0xFFFFFFFFu) == Field::Damaged) return false;
    std::int32_t ijFlag = 0;
    const Field ij = Optional(ijFlag);
    if (ij == Field::Damaged) return false;
    if (ij == Field::Present && ijFlag != 0 && ijFlag != 1) {
        stopAfterIjFlag = true;
        return true;
    }
    m_doc.m_ijTwoLetters = ijFlag == 1;
    std::int32_t values[4] = {m_doc.m_maxSolutions, m_doc.m_allDifferent,
                              m_doc.m_fillWithLastShown, m_doc.m_showWhileSearching};
    for (std::int32_t& value : values)
        if (Optional(value) == Field::Damaged) return false;
    m_doc.m_maxSolutions = values[0];
    m_doc.m_allDifferent = values[1] != 0;
    m_doc.m_fillWithLastShown = values[2] != 0;
    m_doc.m_showWhileSearching = values[3] != 0;
    return true;
}

bool RtrReader::ReadPartRecords() {
    for (WordInfo& word : m_doc.m_words) {
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
    for (int letter = 0; letter < 26; ++letter) m_doc.m_letterValues[letter] = letter + 1;
    for (int letter = 0; letter < 26; ++letter) {
        const Field field = Optional(m_doc.m_letterValues[letter]);
        if (field == Field::Damaged) return false;
        if (field == Field::Missing) break;
    }
    return true;
}

bool RtrReader::ReadExtraFiles() {
    m_doc.m_extraFiles.clear();
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
        if (accepted) m_doc.m_extraFiles.push_back(name);
    }
    return true;
}

bool RtrReader::ReadLaterFields() {
    bool fontAccepted = false;
    std::string fontName;
    std::int32_t lineWidth = 0;
    std::int32_t clueTextSize = 0;
    std::int32_t startNumber = 1;
    const bool ok =
        StringWithDefault(m_doc.m_htmlTitle, 999) != Field::Damaged &&
        OptionalInt(lineWidth, 0) != Field::Damaged &&
        OptionalFlag(m_doc.m_htmlCluesSideBySide, false) != Field::Damaged &&
        ReadPartRecords() && OptionalFlag(m_doc.m_partDashes, true) != Field::Damaged &&
        OptionalInt(m_doc.m_maxCandidates, 1000) != Field::Damaged &&
        StringWithDefault(m_doc.m_excludedLetters, 99) != Field::Damaged &&
        OptionalFlag(m_doc.m_showLength, false) != Field::Damaged;
    if (!ok) return false;
    const Field font = OptionalString(fontName, fontAccepted, 1, 999);
    if (font == Field::Damaged) return false;
    if (font == Field::Missing)
        m_doc.m_letterFontName = "Arial";
    else if (fontAccepted)
        m_doc.m_letterFontName = fontName;
    const bool rest =
        StringWithDefault(m_doc.m_comment, 9999) != Field::Damaged &&
        OptionalInt(clueTextSize, 0) != Field::Damaged &&
        OptionalFlag(m_doc.m_largerNumbers, false) != Field::Damaged &&
        OptionalColor(m_doc.m_letterColor, 0) != Field::Damaged &&
        OptionalColor(m_doc.m_colorWoordPos, FILE_DEFAULT_COLOR_WOORDPOS) != Field::Damaged &&
        OptionalColor(m_doc.m_colorAchtergrond, FILE_DEFAULT_COLOR_ACHTERGROND) !=
            Field::Damaged &&
        OptionalFlag(m_doc.m_numberPartWords, false) != Field::Damaged &&
        OptionalInt(startNumber, 1) != Field::Damaged && ReadLetterValues();
    if (!rest) return false;
    // Kept within what the properties dialog allows: the numbering counts up from the
    // start number and the drawing scales with the other two.
    m_doc.m_lineWidth = std::clamp(lineWidth, 0, 1);
    m_doc.m_clueTextSize = std::clamp(clueTextSize, 0, 50);
    m_doc.m_startNumber = std::clamp(startNumber, 1, 999);
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
    if (!m_doc.m_doorloper) m_doc.Renumber();
    if (!ReadExtraFiles()) return RtrStatus::Refused;
    m_doc.m_htmlBlackGrey = true;
    m_doc.m_curPos = 0;
    m_doc.m_maxFrequency = 0;
    m_doc.m_maxDistinct = 0;
    return RtrStatus::Loaded;
}

UserMessage DamagedFileMessage(const std::string& path) {
    const std::string name = path.empty() ? std::string() : " " + path;
    return {StrFormat("Het bestand%s is beschadigd of onvolledig en is niet geopend.",
                      name.c_str()),
            "Jammer"};
}

}  // namespace

std::string WriteRtr(const CRooster2Doc& doc) {
    ByteWriter out;
    out.WriteU32(SIGNATURE_LENGTH);
    out.WriteBytes(std::string_view(RTR_SIGNATURE, SIGNATURE_LENGTH));
    out.WriteS32(doc.m_width);
    out.WriteS32(doc.m_height);
    out.WriteBytes(doc.GridToString());
    out.WriteS32(doc.m_margin);
    out.WriteS32(doc.m_cellSize);
    out.WriteU32(doc.m_colorZwart);
    out.WriteU32(doc.m_colorWoord);
    out.WriteU32(doc.m_colorNiet);
    out.WriteU32(doc.m_colorVrij);
    out.WriteS32(doc.m_symmetry);
    out.WriteS32(doc.m_phase);
    out.WriteS32(doc.m_direction);
    out.WriteS32(doc.m_curWord);
    out.WriteS32(4 * doc.m_acrossOnly + 2 * doc.m_doorloper + doc.m_showNumbers);
    WriteWordRecords(out, doc);
    WriteString(out, doc.m_wordFile);
    WriteFlag(out, doc.m_ijTwoLetters);
    out.WriteS32(doc.m_maxSolutions);
    WriteFlag(out, doc.m_allDifferent);
    WriteFlag(out, doc.m_fillWithLastShown);
    WriteFlag(out, doc.m_showWhileSearching);
    WriteString(out, doc.m_htmlTitle);
    out.WriteS32(doc.m_lineWidth);
    WriteFlag(out, doc.m_htmlCluesSideBySide);
    WritePartRecords(out, doc);
    WriteFlag(out, doc.m_partDashes);
    out.WriteS32(doc.m_maxCandidates);
    WriteString(out, doc.m_excludedLetters);
    WriteFlag(out, doc.m_showLength);
    WriteString(out, doc.m_letterFontName);
    WriteString(out, doc.m_comment);
    out.WriteS32(doc.m_clueTextSize);
    WriteFlag(out, doc.m_largerNumbers);
    out.WriteU32(doc.m_letterColor);
    out.WriteU32(doc.m_colorWoordPos);
    out.WriteU32(doc.m_colorAchtergrond);
    WriteFlag(out, doc.m_numberPartWords);
    out.WriteS32(doc.m_startNumber);
    for (std::int32_t value : doc.m_letterValues) out.WriteS32(value);
    out.WriteU32(static_cast<std::uint32_t>(doc.m_extraFiles.size()));
    for (const std::string& name : doc.m_extraFiles) WriteString(out, name);
    return out.TakeBytes();
}

RtrReadResult ReadRtr(CRooster2Doc& doc, std::string_view bytes) {
    // Read into a copy so that a refused file leaves the open puzzle untouched;
    // members the file does not hold keep the values they had.
    CRooster2Doc candidate = doc;
    const RtrStatus status = RtrReader(candidate, bytes).Read();
    RtrReadResult result;
    result.status = status;
    switch (status) {
        case RtrStatus::Loaded:
            doc = std::move(candidate);
            break;
        case RtrStatus::NotRtr:
            doc.OnNewDocument();
            result.message = {"Geen valide rtr-bestand", APP_TITLE};
            break;
        case RtrStatus::Refused:
            result.message = DamagedFileMessage("");
            break;
    }
    return result;
}

RtrReadResult OpenRtrFile(CRooster2Doc& doc, const std::string& path) {
    std::string bytes;
    if (const ReadStatus read = ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes);
        read != ReadStatus::Read)
        return {RtrStatus::Refused, {ReadFailureText(path, read, DOCUMENT_FILE_LIMIT), "Jammer"}};
    RtrReadResult result = ReadRtr(doc, bytes);
    if (result.status == RtrStatus::Refused) {
        result.message = DamagedFileMessage(path);
        return result;
    }
    doc.m_pathName = path;
    doc.MarkModified(false);
    return result;
}

bool SaveRtrFile(CRooster2Doc& doc, const std::string& path, UserMessage& message) {
    if (doc.m_phase != PHASE_VORMEN && doc.m_phase != PHASE_VULLEN) {
        message = {StrFormat("Opslaan %s\nalleen mogelijk in fase vorm of vul", path.c_str()),
                   APP_TITLE};
        return false;
    }
    if (const WriteResult written = WriteFileAtomically(path, WriteRtr(doc)); !written) {
        message = {WriteFailureText(path, written.status), APP_TITLE};
        return false;
    }
    doc.m_pathName = path;
    doc.MarkModified(false);
    return true;
}
