#include "wordlists/candidates.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "wordlists/word_list_files.h"

namespace {

// Whether the first `length` characters of the line fit the pattern (`unknown` is any
// letter there) and the line ends right after them.
bool FitsPattern(std::string_view line, std::string_view pattern, std::size_t length,
                 char unknown) {
    std::size_t i = 0;
    while (i < line.size() && line[i] != '\n' && i < length && i < pattern.size()) {
        if (pattern[i] != unknown && pattern[i] != line[i]) return false;
        ++i;
    }
    return i == length && (i == line.size() || line[i] == '\n');
}

// Whether the line holds every character of `letters`, each occurrence used once.
bool ContainsLetters(std::string_view line, std::string_view letters) {
    char buffer[WORD_LIST_LINE_MAX];
    const std::string_view::size_type size = line.copy(buffer, sizeof buffer);
    for (const char letter : letters) {
        char* const end = buffer + size;
        char* found = std::find(buffer, end, letter);
        if (found == end) return false;
        *found = '\1';
    }
    return true;
}

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    return line;
}

// Counts an accepted line and lists it; true when the maximum is reached.
bool TakeLine(std::string_view word, std::vector<std::string>* list, int maxCount, int& count) {
    if (list != nullptr) list->emplace_back(word);
    ++count;
    return maxCount > 0 && count >= maxCount;
}

}  // namespace

int FindCandidates(const Puzzle& puzzle, std::string_view pattern,
                   std::vector<std::string>* list, int maxCount, int listNumber) {
    std::string setName;
    if (!WordListSetName(puzzle, listNumber, setName)) return -1;
    const int length = static_cast<int>(pattern.size());
    const std::string wanted = Latin1ToUpper(pattern);
    CWordListFile file;
    if (!OpenWordListSetFile(setName, length, file).empty()) return -1;
    int count = 0;
    std::string_view line;
    while (file.ReadLine(line)) {
        if (!file.CanBeWord(line) || !FitsPattern(line, wanted, wanted.size(), ' ')) continue;
        const std::string_view word = WithoutLineEnd(line);
        if (IsAcceptableWord(puzzle, word, length) && TakeLine(word, list, maxCount, count)) break;
    }
    return count;
}

int FindAnagrams(const Puzzle& puzzle, std::string_view letters,
                 std::vector<std::string>* list, int maxCount, int length,
                 std::string_view pattern, const std::string& fileSetName) {
    CWordListFile file;
    if (length < 0 || !OpenWordListSetFile(fileSetName, length, file).empty()) return -1;
    const std::string wantedLetters = Latin1ToUpper(letters);
    const std::string wantedPattern = Latin1ToUpper(pattern);
    int count = 0;
    std::string_view line;
    while (file.ReadLine(line)) {
        if (!file.CanBeWord(line) || !ContainsLetters(line, wantedLetters) ||
            !FitsPattern(line, wantedPattern, static_cast<std::size_t>(length), '.'))
            continue;
        const std::string_view word = WithoutLineEnd(line);
        if (IsAcceptableWord(puzzle, word, length) && TakeLine(word, list, maxCount, count)) break;
    }
    return count;
}

std::string WordListProblem(const std::string& setName, int length) {
    CWordListFile file;
    return OpenWordListSetFile(setName, length, file);
}
