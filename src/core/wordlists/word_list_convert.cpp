#include "wordlists/word_list_convert.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "util/file_io.h"
#include "util/latin1.h"
#include "util/str_format.h"
#include "util/text_lines.h"
#include "wordlists/word_list_files.h"

namespace {

constexpr int SHORTEST_WORD = 2;
// The largest dictionaries in use hold a few million words in some tens of megabytes.
constexpr std::size_t DICTIONARY_FILE_LIMIT = std::size_t{256} << 20;
// A list line holds the word and its newline in the 99 bytes that are read at once.
constexpr int LONGEST_WORD = static_cast<int>(WORD_LIST_LINE_MAX) - 1;

// What one character of the dictionary becomes.
enum class Fold { Letters, Skip, DropWord };

struct FoldedChar {
    Fold kind = Fold::DropWord;
    const char* letters = "";
};

// The capitals for the Latin-1 letters 0xC0..0xFF; null for the signs × and ÷.
const char* const LATIN1_LETTER_FOLDS[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "SS",
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "Y",
};

const char* const ASCII_CAPITALS[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                        "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                        "S", "T", "U", "V", "W", "X", "Y", "Z"};

// Windows' extra characters in 0x80..0x9F that can stand in a word.
FoldedChar FoldWindowsExtra(unsigned char c) {
    switch (c) {
        case 0x91: case 0x92: return {Fold::Skip, ""};   // curly apostrophes
        case 0x8A: case 0x9A: return {Fold::Letters, "S"};
        case 0x8C: case 0x9C: return {Fold::Letters, "OE"};
        case 0x8E: case 0x9E: return {Fold::Letters, "Z"};
        case 0x9F: return {Fold::Letters, "Y"};
        default: return {};
    }
}

FoldedChar FoldChar(unsigned char c, bool windowsExtras) {
    if (c >= 'A' && c <= 'Z') return {Fold::Letters, ASCII_CAPITALS[c - 'A']};
    if (c >= 'a' && c <= 'z') return {Fold::Letters, ASCII_CAPITALS[c - 'a']};
    if (c == '-' || c == '\'') return {Fold::Skip, ""};
    if (c >= 0xC0) {
        const char* letters = LATIN1_LETTER_FOLDS[c - 0xC0];
        return letters ? FoldedChar{Fold::Letters, letters} : FoldedChar{};
    }
    if (c >= 0x80 && c <= 0x9F && windowsExtras) return FoldWindowsExtra(c);
    return {};
}

enum class WordResult { Kept, DropWord, TooLong };

// Folds one dictionary line into `word`, the capitals it stands for.
WordResult FoldWord(std::string_view line, bool windowsExtras, bool ijToY, char* word,
                    int& length) {
    length = 0;
    bool letterJustBefore = false;  // a hyphen between I and J keeps them two letters
    for (const char ch : line) {
        const FoldedChar folded = FoldChar(static_cast<unsigned char>(ch), windowsExtras);
        if (folded.kind == Fold::DropWord) return WordResult::DropWord;
        if (folded.kind == Fold::Skip) {
            letterJustBefore = false;
            continue;
        }
        for (const char* p = folded.letters; *p != '\0'; ++p) {
            if (ijToY && *p == 'J' && letterJustBefore && word[length - 1] == 'I') {
                word[length - 1] = 'Y';
                continue;
            }
            if (length == LONGEST_WORD) return WordResult::TooLong;
            word[length++] = *p;
            letterJustBefore = true;
        }
    }
    return WordResult::Kept;
}

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// The words already written, found again by their bytes in the files: an open-addressing
// table sized once for the number of lines, so that no word costs an allocation.
class CWordSet {
public:
    CWordSet(const std::array<std::string, 20>& files, std::size_t maxWords) : m_files(files) {
        std::size_t capacity = 16;
        while (capacity < 2 * maxWords) capacity *= 2;
        m_slots.resize(capacity);
    }

    // True when the word was not there yet; it is then remembered at `offset` of its file.
    bool Insert(std::string_view word, int file, std::size_t offset) {
        const std::uint64_t hash = HashBytes(word);
        for (std::size_t i = hash & (m_slots.size() - 1);; i = (i + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[i];
            if (slot.length == 0) {
                slot = {hash, offset, static_cast<std::uint8_t>(file),
                        static_cast<std::uint8_t>(word.size())};
                return true;
            }
            if (slot.hash == hash && slot.file == file && slot.length == word.size() &&
                std::string_view(m_files[file]).substr(slot.offset, slot.length) == word)
                return false;
        }
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::size_t offset = 0;
        std::uint8_t file = 0;
        std::uint8_t length = 0;  // 0 = empty slot
    };
    const std::array<std::string, 20>& m_files;
    std::vector<Slot> m_slots;
};

std::string MemberName(const std::string& base, int length) {
    return MakeWordListFileName(base + "02.doc", length);
}

}  // namespace

WordListConversion ConvertDictionaryText(std::string_view text, bool ijToY) {
    text = WithoutByteOrderMark(text);
    const bool utf8 = LooksLikeUtf8(text);
    // A character outside Latin-1 becomes a control character, which drops its word.
    const std::string decoded = utf8 ? Utf8ToLatin1(text, '\x1A') : std::string();
    std::string_view latin1 = utf8 ? std::string_view(decoded) : text;
    WordListConversion result;
    const auto lines = static_cast<std::size_t>(std::count(latin1.begin(), latin1.end(), '\n'));
    CWordSet seen(result.files, lines + 1);
    char word[LONGEST_WORD];
    while (!latin1.empty()) {
        const std::size_t end = std::min(latin1.find('\n'), latin1.size());
        const std::string_view line = TrimWhiteSpace(latin1.substr(0, end));
        latin1.remove_prefix(std::min(end + 1, latin1.size()));
        if (line.empty()) continue;
        int length = 0;
        const WordResult folded = FoldWord(line, !utf8, ijToY, word, length);
        if (folded == WordResult::DropWord) {
            ++result.dropped;
        } else if (folded == WordResult::TooLong) {
            ++result.tooLong;
        } else if (length < SHORTEST_WORD) {
            ++result.tooShort;
        } else {
            const int file = std::min(length, LONGEST_OWN_FILE_LENGTH);
            const std::string_view bytes(word, static_cast<std::size_t>(length));
            if (!seen.Insert(bytes, file, result.files[file].size())) {
                ++result.duplicates;
                continue;
            }
            result.files[file].append(bytes).append("\r\n");
            ++result.wordsKept;
        }
    }
    return result;
}

bool WriteWordListSet(const std::string& dictionaryPath, const std::string& base, bool ijToY,
                      WordListConversion& conversion, UserMessage& message) {
    if (MemberName(base, SHORTEST_WORD).size() < MIN_SET_NAME_LENGTH) {
        message = {StrFormat("Naam voor de woordenlijsten te kort: %s", base.c_str())};
        return false;
    }
    std::string text;
    if (const ReadStatus read = ReadFileUpTo(dictionaryPath, DICTIONARY_FILE_LIMIT, text);
        read != ReadStatus::Read) {
        message = {read == ReadStatus::TooLarge
                       ? ReadFailureText(dictionaryPath, read, DICTIONARY_FILE_LIMIT)
                       : StrFormat("Bestand %s ontbreekt.", dictionaryPath.c_str())};
        return false;
    }
    conversion = ConvertDictionaryText(text, ijToY);
    if (conversion.wordsKept == 0) {
        message = {StrFormat("Geen bruikbare woorden in %s", dictionaryPath.c_str())};
        return false;
    }
    // All or nothing: a set of half old, half new lists would give wrong searches.
    FileSetWriter writer;
    for (int length = SHORTEST_WORD; length <= LONGEST_OWN_FILE_LENGTH; ++length) {
        const std::string fileName = MemberName(base, length);
        if (const WriteResult written = writer.Add(fileName, conversion.files[length]); !written) {
            message = {WriteFailureText(fileName, written.status)};
            return false;
        }
    }
    if (!writer.Commit()) {
        message = {StrFormat("Kan %s t/m %s niet schrijven",
                             MemberName(base, SHORTEST_WORD).c_str(),
                             MemberName(base, LONGEST_OWN_FILE_LENGTH).c_str())};
        return false;
    }
    return true;
}

std::string ConversionSummary(const WordListConversion& conversion, const std::string& base) {
    return StrFormat("%d woorden in %s t/m %s (%d dubbel, %d overgeslagen, %d te kort, %d te lang)",
                     conversion.wordsKept, MemberName(base, SHORTEST_WORD).c_str(),
                     MemberName(base, LONGEST_OWN_FILE_LENGTH).c_str(), conversion.duplicates,
                     conversion.dropped, conversion.tooShort, conversion.tooLong);
}
