#include "formats/folder_clues.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "formats/folder_entries.h"
#include "model/rooster2_doc.h"
#include "util/byte_reader.h"
#include "util/file_io.h"
#include "util/line_ends.h"
#include "util/native_path.h"
#include "util/str_format.h"

namespace {

// Margin, cell size, four colours, symmetry, phase, direction and current word lie
// between the cells and the numbering flags.
constexpr std::size_t SKIPPED_FIELDS_BYTES = 10 * 4;

// Text the way "%s" prints it: up to the first zero byte.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

bool ReadSignature(ByteReader& in) {
    std::uint32_t length = 0;
    std::string signature;
    return in.ReadU32(length) && length == std::strlen(RTR_SIGNATURE) &&
           in.ReadBytes(length, signature) && signature == RTR_SIGNATURE;
}

// The text of a record field that holds `length` bytes followed by a zero byte.
bool ReadTerminatedText(ByteReader& in, std::uint32_t length, std::string& text) {
    text.clear();
    if (length == 0) return true;
    if (length >= in.Remaining()) return false;
    in.ReadBytes(length, text);
    return in.Skip(1);
}

// "letters = clue" for one word record; false when the record is incomplete.
bool DescribeWordRecord(ByteReader& in, std::string& out) {
    std::int16_t letterLength = 0;
    std::int16_t extraList = 0;
    std::string letters;
    std::uint32_t clueLength = 0;
    std::string clue;
    if (!in.ReadS16(letterLength) || !in.ReadS16(extraList)) return false;
    if (letterLength > 0 &&
        !ReadTerminatedText(in, static_cast<std::uint32_t>(letterLength), letters))
        return false;
    if (!in.ReadU32(clueLength) || !ReadTerminatedText(in, clueLength, clue)) return false;
    out += UpToZero(letters);
    out += " = ";
    out += WithCrLf(UpToZero(clue));
    out += "\r\n";
    return true;
}

// Names like "a.rtr" are passed over: a puzzle file's name has at least two characters.
bool IsPuzzleFileName(const std::string& name) {
    return name.size() > 5 && HasPuzzleExtension(name);
}

}  // namespace

std::string FormatFileDate(const FileDate& date) {
    return StrFormat("%2d-%2d-%4d %2d:%02d", date.day, date.month, date.year, date.hour,
                     date.minute);
}

bool ReadFileDate(const std::string& path, FileDate& date) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(NativePath(path), error);
    if (error) return false;
    const auto systemTime = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(written));
    const std::time_t seconds = std::chrono::system_clock::to_time_t(systemTime);
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) return false;
    date = {local->tm_mday, local->tm_mon + 1, local->tm_year + 1900, local->tm_hour,
            local->tm_min};
    return true;
}

int CountWordRecords(const Cell* cells, int width, int height, bool doorloper, bool acrossOnly) {
    Puzzle scratch;
    scratch.width = width;
    scratch.height = height;
    std::copy_n(cells, width * height, scratch.cells.begin());
    scratch.numbering.doorloper = doorloper;
    scratch.numbering.acrossOnly = acrossOnly;
    scratch.BuildWords();
    return static_cast<int>(scratch.words.size());
}

std::string DescribePuzzle(const std::string& path, std::string_view bytes, const FileDate& date) {
    ByteReader in(bytes);
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string cells;
    std::int32_t flags = 0;
    if (!ReadSignature(in) || !in.ReadS32(width) || !in.ReadS32(height)) return {};
    if (width < 1 || width > MAX_GRID_SIDE || height < 1 || height > MAX_GRID_SIDE) return {};
    if (!in.ReadBytes(static_cast<std::size_t>(width * height), cells) ||
        !in.Skip(SKIPPED_FIELDS_BYTES) || !in.ReadS32(flags))
        return {};
    const bool doorloper = (flags & 2) != 0;
    const bool acrossOnly = (flags & 4) != 0;
    std::string out = StrFormat("*** %s (%d x %d, %s, %s) ***\r\n", path.c_str(), width, height,
                                doorloper ? "drl" : "krw", FormatFileDate(date).c_str());
    const int records = CountWordRecords(reinterpret_cast<const Cell*>(cells.data()), width, height,
                                         doorloper, acrossOnly);
    for (int i = 0; i < records; ++i) {
        if (!DescribeWordRecord(in, out)) break;
    }
    return out;
}

void DescribePuzzleFile(const std::string& path, std::string& out) {
    std::string bytes;
    if (ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes) != ReadStatus::Read) return;
    FileDate date;
    ReadFileDate(path, date);
    out += DescribePuzzle(path, bytes, date);
}

void ListFolder(const std::string& folder, std::string& out) {
    out += StrFormat("*** Inhoud map: %s ***\r\n\r\n", folder.c_str());
    const std::vector<FolderEntry> entries = ReadFolderEntries(folder);
    int count = 0;
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder || !IsPuzzleFileName(entry.name)) continue;
        DescribePuzzleFile(JoinPath(folder, entry.name), out);
        ++count;
    }
    out += StrFormat("*** Aantal bestanden map: %s: %d ***\r\n\r\n", folder.c_str(), count);
    // A linked folder may lead back up the tree; following it would never end.
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder && !entry.isLink && !entry.name.starts_with('.'))
            ListFolder(JoinPath(folder, entry.name), out);
    }
}
