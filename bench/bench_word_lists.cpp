#include "bench_word_lists.h"

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "util/file_io.h"
#include "util/latin1.h"
#include "util/str_format.h"

namespace {

// The plain capital of a Latin-1 letter, 0 for anything that is no letter.
char PlainCapital(unsigned char c) {
    static const char* const accented =  // 0xC0 .. 0xFF
        "AAAAAAACEEEEIIII" "DNOOOOO\0OUUUUYTS" "AAAAAAACEEEEIIII" "DNOOOOO\0OUUUUYTY";
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
    if (c >= 0xC0) return accented[c - 0xC0];
    return 0;
}

// The list form of a dictionary word, empty when it is not one word of letters.
std::string ListForm(const std::string& line) {
    const std::string latin1 = LooksLikeUtf8(line) ? Utf8ToLatin1(line) : line;
    std::string word;
    for (unsigned char c : latin1) {
        if (c == '\r' || c == '\n') continue;
        const char capital = PlainCapital(c);
        if (capital == 0) return {};
        word += capital;
    }
    std::string digraphs;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == 'I' && i + 1 < word.size() && word[i + 1] == 'J') {
            digraphs += 'Y';
            ++i;
        } else {
            digraphs += word[i];
        }
    }
    return digraphs;
}

}  // namespace

std::string MakeBenchWordLists(const std::string& dictionary, const std::string& folder) {
    std::string text;
    if (!ReadWholeFile(dictionary, text)) return {};
    std::filesystem::create_directories(folder);
    std::map<int, std::string> files;
    std::set<std::string> seen;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string word = ListForm(line);
        if (word.size() < 2 || !seen.insert(word).second) continue;
        files[std::min(static_cast<int>(word.size()), 19)] += word + "\r\n";
    }
    for (int length = 2; length <= 19; ++length) {
        if (!WriteFileAtomically(folder + StrFormat("/nl%02d.doc", length), files[length])) return {};
    }
    return folder + "/nl02.doc";
}
