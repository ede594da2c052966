#include "formats/clue_files.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/native_path.h"
#include "util/str_format.h"
#include "util/text_lines.h"

namespace {

// fgets with a 1000-byte buffer: at most 999 characters per line.
constexpr std::size_t CLUE_LINE_MAX = 999;

const char* const RESULT_CAPTION = "Resultaat";

// ---------------------------------------------------------------- writing

// One direction's heading and numbered clues; notes whether a word uses an extra list.
void AppendCluePass(const Puzzle& puzzle, int dx, const char* heading, std::string& out,
                    bool& usesExtraList) {
    out += heading;
    out += "\r\n\r\n";
    for (const WordInfo& word : puzzle.words) {
        if (word.dx != dx) continue;
        out += FormatNumberedClue(word);
        out += "\r\n";
        if (word.extraList > 0) usesExtraList = true;
    }
    out += "\r\n";
}

// A clue list as the printable export writes it: its own CRs dropped, every line
// ended in CR LF.
std::string PrintableClueList(const Puzzle& puzzle, int dx) {
    std::string list = puzzle.FormatClueList(dx);
    std::erase(list, '\r');
    return WithCrLf(list);
}

// ---------------------------------------------------------------- reading

bool StartsWithNoCase(std::string_view line, std::string_view upperPrefix) {
    return line.size() >= upperPrefix.size() &&
           Latin1ToUpper(line.substr(0, upperPrefix.size())) == upperPrefix;
}

// A heading line switches the section and is done.
bool SwitchSection(std::string_view line, ClueSection& section) {
    if (StartsWithNoCase(line, "HORIZONTAAL"))
        section = ClueSection::Across;
    else if (StartsWithNoCase(line, "VERTICAAL"))
        section = ClueSection::Down;
    else if (StartsWithNoCase(line, "ZOEKWOORD"))
        section = ClueSection::WordFile;
    else
        return false;
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number from pos on as atoi reads it: white space, a sign, decimal digits,
// held at INT_MAX so that no number overflows. pos ends after the digits; false (and
// value 0) when there are none.
bool ReadLeadingNumber(std::string_view text, std::size_t& pos, int& value) {
    while (pos < text.size() && IsWhiteSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t digitsStart = pos;
    long long magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        magnitude = std::min<long long>(magnitude * 10 + (text[pos] - '0'), INT_MAX);
        ++pos;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return pos > digitsStart;
}

// "12. text": the number is read as a decimal number whose full stop belongs to it, so
// the line must go on with "." and a space. False for any other line; else number (which
// may be below 1) and where the clue text starts.
bool ReadClueNumber(std::string_view line, int& number, std::size_t& textStart) {
    std::size_t pos = 0;
    if (!ReadLeadingNumber(line, pos, number) || pos + 1 >= line.size() || line[pos] != '.' ||
        line[pos + 1] != ' ')
        return false;
    textStart = pos + 2;
    return true;
}

// The extra word list after "*": looked for after the first ")", or anywhere when the
// line has none. 0 when there is none.
int ReadExtraListMarker(std::string_view line) {
    const std::size_t close = line.find(')');
    const std::size_t star = line.find('*', close == std::string_view::npos ? 0 : close);
    if (star == std::string_view::npos) return 0;
    std::size_t pos = star + 1;
    int value = 0;
    ReadLeadingNumber(line, pos, value);
    return value;
}

WordInfo* FindClueWord(Puzzle& puzzle, int number, int dy, int parts, int partSum) {
    for (WordInfo& word : puzzle.words) {
        if (word.number == number && word.dy == dy && (parts == 0 || word.length == partSum))
            return &word;
    }
    return nullptr;
}

// A clue as it follows its label: the text, its split and its extra word list.
struct ClueEntry {
    std::string text;
    PartLengths parts{};
    int partCount = 0;
    int partSum = 0;
    int extraList = 0;
};

ClueEntry ReadClueEntry(std::string_view afterLabel) {
    ClueEntry entry{std::string(afterLabel)};
    entry.partCount = ParseClueLengths(entry.text, entry.parts, entry.partSum);
    entry.extraList = ReadExtraListMarker(afterLabel);
    return entry;
}

int StoreClueEntry(WordInfo& word, ClueEntry entry) {
    bool changed = word.clue != entry.text;
    word.clue = std::move(entry.text);
    word.partCount = entry.partCount;
    if (entry.extraList > 0 && entry.extraList != word.extraList) {
        word.extraList = entry.extraList;
        changed = true;
    }
    std::copy_n(entry.parts.begin(), entry.partCount, word.partLengths.begin());
    return changed ? 1 : 0;
}

int ApplyClueLine(Puzzle& puzzle, int dy, std::string_view line) {
    int number = 0;
    std::size_t textStart = 0;
    if (!ReadClueNumber(line, number, textStart) || number < 1) return 0;
    ClueEntry entry = ReadClueEntry(line.substr(textStart));
    WordInfo* word = FindClueWord(puzzle, number, dy, entry.partCount, entry.partSum);
    if (word == nullptr) return 0;
    return StoreClueEntry(*word, std::move(entry));
}

bool SkipNoCase(std::string_view line, std::size_t& pos, std::string_view upperText) {
    if (!StartsWithNoCase(line.substr(pos), upperText)) return false;
    pos += upperText.size();
    return true;
}

// The arrow named at pos and followed by a colon, as FormatClueCellClue writes it.
Arrow ReadArrowName(std::string_view line, std::size_t& pos) {
    for (int code = static_cast<int>(Arrow::Right); code <= static_cast<int>(Arrow::DownRight);
         ++code) {
        const Arrow arrow = static_cast<Arrow>(code);
        if (SkipNoCase(line, pos, Latin1ToUpper(std::string(ArrowName(arrow)) + ":"))) return arrow;
    }
    return Arrow::None;
}

// "K3 R1 rechts: " in any case: the word that clue of the clue cell in column 3, row 1
// points into and where the clue starts; -1 when the line names no such clue.
int ReadClueCellLabel(const Puzzle& puzzle, std::string_view line, std::size_t& textStart) {
    std::size_t pos = 0;
    int column = 0;
    int row = 0;
    if (!SkipNoCase(line, pos, "K") || !ReadLeadingNumber(line, pos, column) ||
        !SkipNoCase(line, pos, " R") || !ReadLeadingNumber(line, pos, row) ||
        !SkipNoCase(line, pos, " "))
        return -1;
    const Arrow arrow = ReadArrowName(line, pos);
    if (arrow == Arrow::None) return -1;
    textStart = pos < line.size() && line[pos] == ' ' ? pos + 1 : pos;
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot)
        if (puzzle.ClueArrow(column - 1, row - 1, slot) == arrow)
            return puzzle.PointedWord(column - 1, row - 1, slot);
    return -1;
}

bool CanOpenForReading(const std::string& name) {
    std::error_code error;
    if (name.empty() || std::filesystem::is_directory(NativePath(name), error)) return false;
    std::ifstream in(NativePath(name), std::ios::binary);
    return in.is_open();
}

// "0. name" names the word file, "1. name" and on the extra search files; a name that
// cannot be opened is passed over.
void TakeWordListLine(Puzzle& puzzle, ClueSection& section, std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return;
    const std::string name(line.substr(space + 1));
    if (!CanOpenForReading(name)) return;
    if (section == ClueSection::WordFile) {
        puzzle.extraFiles.clear();
        puzzle.search.wordFile = name;
        section = ClueSection::ExtraFiles;
    } else {
        puzzle.extraFiles.push_back(name);
    }
}

// Clue files written by editors on other systems come as UTF-8, perhaps with a mark.
std::string ClueFileTextToLatin1(std::string_view bytes) {
    bytes = WithoutByteOrderMark(bytes);
    return LooksLikeUtf8(bytes) ? Utf8ToLatin1(bytes) : std::string(bytes);
}

}  // namespace

std::string WriteClueFile(const Puzzle& puzzle) {
    std::string out;
    bool usesExtraList = false;
    if (puzzle.form == PuzzleForm::Zweeds) {
        out = ClueCellLines(puzzle) + "\r\n";
        usesExtraList = std::any_of(puzzle.words.begin(), puzzle.words.end(),
                                    [](const WordInfo& word) { return word.extraList > 0; });
    } else {
        AppendCluePass(puzzle, 1, "Horizontaal", out, usesExtraList);
        if (!puzzle.numbering.acrossOnly)
            AppendCluePass(puzzle, 0, "Verticaal", out, usesExtraList);
    }
    if (usesExtraList) out += FormatWordListSection(puzzle);
    return out;
}

std::string ClueCellLines(const Puzzle& puzzle) {
    std::string text;
    for (const ClueCellClue& clue : CluesByClueCell(puzzle))
        text += FormatClueCellClue(puzzle, clue) + "\r\n";
    return text;
}

std::string FormatWordListSection(const Puzzle& puzzle) {
    std::string section = "Zoekwoordenlijsten:\r\n";
    section += StrFormat("%d. %s\r\n", 0, puzzle.search.wordFile.c_str());
    for (std::size_t i = 0; i < puzzle.extraFiles.size(); ++i)
        section += StrFormat("%d. %s\r\n", static_cast<int>(i + 1), puzzle.extraFiles[i].c_str());
    return section;
}

bool CanWriteClueFile(const Puzzle& puzzle) { return !puzzle.numbering.numberPartWords; }

std::string ExportClues(const Puzzle& puzzle) {
    std::string out;
    if (!puzzle.html.title.empty()) out += WithCrLf(puzzle.html.title) + "\r\n\r\n";
    if (puzzle.form == PuzzleForm::Zweeds) return out + ClueCellLines(puzzle);
    out += "Horizontaal\r\n\r\n" + PrintableClueList(puzzle, 1);
    if (!puzzle.numbering.acrossOnly) out += "\r\nVerticaal\r\n\r\n" + PrintableClueList(puzzle, 0);
    return out;
}

bool CanExportClues(const Puzzle& puzzle) { return !puzzle.numbering.numberPartWords; }

namespace {

// Splits read with the clues move the numbers of numbered part words.
int RenumberAfterReading(Puzzle& puzzle, int changed) {
    if (!puzzle.numbering.doorloper) puzzle.Renumber();
    return changed;
}

}  // namespace

int ProcessClueLine(Puzzle& puzzle, ClueSection& section, std::string_view line) {
    line = TrimTrailingWhiteSpace(line);
    if (SwitchSection(line, section)) return 0;
    // A clue named by its clue cell is found in whichever section it stands.
    if (puzzle.form == PuzzleForm::Zweeds) {
        std::size_t textStart = 0;
        if (const int word = ReadClueCellLabel(puzzle, line, textStart); word >= 0)
            return SetClueText(puzzle.words[word], line.substr(textStart));
    }
    switch (section) {
        case ClueSection::Across:
            return ApplyClueLine(puzzle, 0, line);
        case ClueSection::Down:
            return ApplyClueLine(puzzle, 1, line);
        case ClueSection::WordFile:
        case ClueSection::ExtraFiles:
            TakeWordListLine(puzzle, section, line);
            return 0;
    }
    return 0;
}

int SetClueText(WordInfo& word, std::string_view text) {
    ClueEntry entry = ReadClueEntry(text);
    if (entry.partCount > 0 && entry.partSum != word.length) return 0;
    return StoreClueEntry(word, std::move(entry));
}

int ProcessClueText(Puzzle& puzzle, ClueSection& section, std::string_view text) {
    int changed = 0;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\r' && text[pos] != '\n') continue;
        changed += ProcessClueLine(puzzle, section, text.substr(start, pos - start));
        if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
    return RenumberAfterReading(puzzle, changed);
}

int ReadClueFile(Puzzle& puzzle, ClueSection& section, std::string_view fileText) {
    int changed = 0;
    for (const std::string& line : SplitTextModePieces(fileText, CLUE_LINE_MAX))
        changed += ProcessClueLine(puzzle, section, line);
    return RenumberAfterReading(puzzle, changed);
}

ReadStatus ReadClueFileAt(Puzzle& puzzle, ClueSection& section, const std::string& path,
                          int& count) {
    std::string bytes;
    const ReadStatus read = ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes);
    if (read == ReadStatus::Read)
        count = ReadClueFile(puzzle, section, ClueFileTextToLatin1(bytes));
    return read;
}

int PasteClues(Puzzle& puzzle, ClueSection& section, std::string_view clipboardText) {
    std::string text(clipboardText);
    text += "\r\n";
    return ProcessClueText(puzzle, section, text);
}

UserMessage AddedCluesMessage(int count) {
    return {StrFormat("Aantal toegevoegde omschrijvingen: %d", count), RESULT_CAPTION};
}

UserMessage PastedCluesMessage(int count) {
    if (count == 0) return {"Niets toegevoegd", RESULT_CAPTION};
    return AddedCluesMessage(count);
}

UserMessage NoClipboardTextMessage() { return {"Geen tekst op klembord", RESULT_CAPTION}; }
