#include "wordlists/word_list_files.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/latin1.h"
#include "util/native_path.h"
#include "util/str_format.h"

namespace {

// Marks a character that Latin-1 does not have; never a byte of a list line that can be
// a word.
constexpr char NOT_LATIN1 = '\x1A';

}  // namespace

std::string MakeWordListFileName(const std::string& name, int length) {
    const std::string base = name.size() >= 6 ? name.substr(0, name.size() - 6) : std::string();
    return base + StrFormat("%02d.doc", std::min(length, LONGEST_OWN_FILE_LENGTH));
}

bool WordListSetName(const Puzzle& puzzle, int listNumber, std::string& name) {
    if (listNumber < 0 || listNumber > static_cast<int>(puzzle.extraFiles.size())) return false;
    name = listNumber == 0 ? puzzle.search.wordFile : puzzle.extraFiles[listNumber - 1];
    return true;
}

bool IsAcceptableWord(std::string_view line, int length, bool ijTwoLetters,
                      std::string_view excludedLetters) {
    line = TrimTrailingWhiteSpace(line);
    if (static_cast<int>(line.size()) != length) return false;
    if (!ijTwoLetters && line.find("IJ") != std::string_view::npos) return false;
    if (!excludedLetters.empty() && line.find_first_of(excludedLetters) != std::string_view::npos)
        return false;
    return true;
}

bool IsAcceptableWord(const Puzzle& puzzle, std::string_view line, int length) {
    return IsAcceptableWord(line, length, puzzle.search.ijTwoLetters,
                            puzzle.search.excludedLetters);
}

std::optional<int> ParseScore(std::string_view text) {
    text = TrimWhiteSpace(text);
    if (text.empty()) return std::nullopt;
    int score = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        score = score * 10 + (c - '0');
        if (score > HIGHEST_SCORE) return std::nullopt;
    }
    return score;
}

bool WordListFile::ReadEntry(WordListEntry& entry) {
    std::string_view line;
    if (!ReadLine(line)) return false;
    entry.canBeWord = CanBeWord(line);
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    // A list made by hand in a UTF-8 editor: its words are read as the letters they
    // spell, or not at all, never as the bytes that spell them.
    if (entry.canBeWord && LooksLikeUtf8(line)) {
        m_decoded = Utf8ToLatin1(line, NOT_LATIN1);
        line = m_decoded;
        entry.canBeWord = line.find(NOT_LATIN1) == std::string_view::npos;
    }
    entry.score = UNSCORED;
    const std::size_t separator = line.find(SCORE_SEPARATOR);
    entry.word = line.substr(0, separator);
    if (separator == std::string_view::npos || !entry.canBeWord) return true;
    if (const std::optional<int> score = ParseScore(line.substr(separator + 1)))
        entry.score = *score;
    else
        ++m_malformedScores;
    return true;
}

std::string MalformedScoreWarning(int count, const std::string& fileName) {
    return StrFormat("%d %s met een onjuiste score in %s, als 50 gerekend", count,
                     count == 1 ? "regel" : "regels", fileName.c_str());
}

std::string OpenWordListSetFile(const std::string& setName, int length, WordListFile& file) {
    if (setName.size() < MIN_SET_NAME_LENGTH)
        return StrFormat("Bestand %s ontbreekt.", setName.c_str());
    // A set is read whole: never half of a new one that was being written.
    CompleteInterruptedFileSet(MakeWordListFileName(setName, SHORTEST_OWN_FILE_LENGTH));
    const std::string fileName = MakeWordListFileName(setName, length);
    std::error_code error;
    const auto size = std::filesystem::file_size(NativePath(fileName), error);
    if (!error && size > WORD_LIST_FILE_LIMIT)
        return ReadFailureText(fileName, ReadStatus::TooLarge, WORD_LIST_FILE_LIMIT);
    if (!file.OpenFile(fileName)) return StrFormat("Bestand %s ontbreekt.", fileName.c_str());
    return std::string();
}
