#include "wordlists/word_list_files.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "util/str_format.h"

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
    return IsAcceptableWord(line, length, puzzle.search.ijTwoLetters, puzzle.search.excludedLetters);
}

std::string OpenWordListSetFile(const std::string& setName, int length, CWordListFile& file) {
    if (setName.size() < MIN_SET_NAME_LENGTH)
        return StrFormat("Bestand %s ontbreekt.", setName.c_str());
    const std::string fileName = MakeWordListFileName(setName, length);
    if (!file.OpenFile(fileName)) return StrFormat("Bestand %s ontbreekt.", fileName.c_str());
    return std::string();
}
