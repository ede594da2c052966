#include "wordlists/word_list_convert.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "util/file_io.h"
#include "util/latin1.h"
#include "util/str_format.h"
#include "util/text_lines.h"
#include "wordlists/dictionary_scores.h"
#include "wordlists/word_list_files.h"

namespace {

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
    "A", "A", "A", "A", "A", "A", "AE", "C",     "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "SS",
    "A", "A", "A", "A", "A", "A", "AE", "C",     "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  nullptr, "O", "U", "U", "U", "U", "Y", "TH", "Y",
};

const char* const ASCII_CAPITALS[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                        "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                        "S", "T", "U", "V", "W", "X", "Y", "Z"};

// Windows' extra characters in 0x80..0x9F that can stand in a word.
FoldedChar FoldWindowsExtra(unsigned char c) {
    switch (c) {
        case 0x91:
        case 0x92:
            return {Fold::Skip, ""};  // curly apostrophes
        case 0x8A:
        case 0x9A:
            return {Fold::Letters, "S"};
        case 0x8C:
        case 0x9C:
            return {Fold::Letters, "OE"};
        case 0x8E:
        case 0x9E:
            return {Fold::Letters, "Z"};
        case 0x9F:
            return {Fold::Letters, "Y"};
        default:
            return {};
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

constexpr int NO_SCORE = -1;

// A word of the set being built: where its letters are, and its score.
struct BuiltEntry {
    std::size_t offset = 0;  // into the file's letters
    std::uint8_t length = 0;
    std::int8_t score = NO_SCORE;
};

// The words of each list file in dictionary order, their letters one after the other.
struct BuiltSet {
    std::array<std::string, 20> letters;
    std::array<std::vector<BuiltEntry>, 20> entries;

    std::string_view Word(int file, const BuiltEntry& entry) const {
        return std::string_view(letters[file]).substr(entry.offset, entry.length);
    }
};

// The words of the set, found again by their letters: an open-addressing table sized
// once for the number of lines, so that no word costs an allocation.
class WordSet {
public:
    WordSet(const BuiltSet& set, std::size_t maxWords) : m_set(set) {
        std::size_t capacity = 16;
        while (capacity < 2 * maxWords) capacity *= 2;
        m_slots.resize(capacity);
    }

    // The entry the word has in its file. When it has none and newIndex is given, the
    // word is remembered as that entry (which the caller then adds).
    std::optional<std::size_t> Find(std::string_view word, int file,
                                    std::optional<std::size_t> newIndex = std::nullopt) {
        const std::uint64_t hash = HashBytes(word);
        for (std::size_t i = hash & (m_slots.size() - 1);; i = (i + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[i];
            if (slot.length == 0) {
                if (newIndex)
                    slot = {hash, static_cast<std::uint32_t>(*newIndex),
                            static_cast<std::uint8_t>(file),
                            static_cast<std::uint8_t>(word.size())};
                return std::nullopt;
            }
            if (slot.hash == hash && slot.file == file && slot.length == word.size() &&
                m_set.Word(file, m_set.entries[file][slot.index]) == word)
                return slot.index;
        }
    }

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t index = 0;
        std::uint8_t file = 0;
        std::uint8_t length = 0;  // 0 = empty slot
    };
    const BuiltSet& m_set;
    std::vector<Slot> m_slots;
};

// One non-empty line of a dictionary-like text and what its word folds to.
struct FoldedLine {
    std::string_view line;     // Latin-1, white space around it removed
    std::string_view written;  // the word as written: the line up to the first word end
    WordResult result = WordResult::DropWord;
    std::string_view letters;  // the capitals, when kept
};

// Decodes the text (UTF-8 when the whole text is valid UTF-8, else Latin-1 as Windows
// writes it) and calls visit(FoldedLine) for each non-empty line; a line's word ends
// before the first of `wordEnds` (what follows is no part of it: flags, a score).
template <typename Visit>
void ForEachFoldedLine(std::string_view text, bool ijToY, std::string_view wordEnds, Visit visit) {
    text = WithoutByteOrderMark(text);
    const bool utf8 = LooksLikeUtf8(text);
    // A character outside Latin-1 becomes a control character, which drops its word.
    const std::string decoded = utf8 ? Utf8ToLatin1(text, '\x1A') : std::string();
    std::string_view latin1 = utf8 ? std::string_view(decoded) : text;
    char word[LONGEST_WORD];
    while (!latin1.empty()) {
        const std::size_t end = std::min(latin1.find('\n'), latin1.size());
        FoldedLine folded;
        folded.line = TrimWhiteSpace(latin1.substr(0, end));
        latin1.remove_prefix(std::min(end + 1, latin1.size()));
        if (folded.line.empty()) continue;
        folded.written = TrimWhiteSpace(folded.line.substr(
            0, std::min(folded.line.find_first_of(wordEnds), folded.line.size())));
        int length = 0;
        folded.result = FoldWord(folded.written, !utf8, ijToY, word, length);
        folded.letters = std::string_view(word, static_cast<std::size_t>(length));
        visit(folded);
    }
}

bool IsUsableWord(const FoldedLine& folded) {
    return folded.result == WordResult::Kept && folded.letters.size() >= SHORTEST_OWN_FILE_LENGTH;
}

// Whether the Hunspell entry ("stem/FLAGS", two letters a flag) carries the flag.
bool HasHunspellFlag(std::string_view line, std::string_view flag) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) return false;
    const std::string_view flags =
        line.substr(slash + 1, line.find_first_of(" \t", slash) - slash - 1);
    for (std::size_t k = 0; k + 1 < flags.size(); k += 2) {
        if (flags.substr(k, 2) == flag) return true;
    }
    return false;
}

// What the Hunspell dictionary says of the words: an entry flagged as forbidden (Fw)
// is no stem; one flagged as a letter word (Cl) is an abbreviation ("apk", "Cao"),
// unless written in capitals: "BA" says nothing of "ba".
struct SpellingDictionary {
    std::unordered_set<std::string> stems;
    std::unordered_set<std::string> letterWords;
};

SpellingDictionary ReadSpellingDictionary(std::string_view dicText, bool ijToY) {
    SpellingDictionary dictionary;
    ForEachFoldedLine(dicText, ijToY, "/\t", [&](const FoldedLine& folded) {
        if (!IsUsableWord(folded) || HasHunspellFlag(folded.line, "Fw")) return;
        dictionary.stems.emplace(folded.letters);
        if (HasHunspellFlag(folded.line, "Cl") && SpellingOf(folded.written) != Spelling::Capitals)
            dictionary.letterWords.emplace(folded.letters);
    });
    return dictionary;
}

// "5.72" -> 572: a Zipf value with up to two decimals, in hundredths.
std::optional<int> ParseZipf(std::string_view text) {
    int hundredths = 0;
    int decimals = -1;  // none yet, nor a point
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 2 && hundredths < 1000) {
            hundredths = hundredths * 10 + (c - '0');
            if (decimals >= 0) ++decimals;
        } else {
            return std::nullopt;
        }
    }
    if (text.empty() || text == ".") return std::nullopt;
    for (; decimals < 2; ++decimals) hundredths *= 10;
    return hundredths;
}

// The frequency of each word of the list, the highest of its spellings; lines
// without a valid number are left out.
std::unordered_map<std::string, int> ReadFrequencies(std::string_view text, bool ijToY) {
    std::unordered_map<std::string, int> zipfs;
    ForEachFoldedLine(text, ijToY, " \t", [&](const FoldedLine& folded) {
        const std::optional<int> zipf =
            ParseZipf(TrimWhiteSpace(folded.line.substr(folded.written.size())));
        if (!zipf || !IsUsableWord(folded)) return;
        int& known = zipfs[std::string(folded.letters)];
        known = std::max(known, *zipf);
    });
    return zipfs;
}

std::unordered_set<std::string> ReadWords(std::string_view text, bool ijToY) {
    std::unordered_set<std::string> words;
    ForEachFoldedLine(text, ijToY, "", [&](const FoldedLine& folded) {
        if (IsUsableWord(folded)) words.emplace(folded.letters);
    });
    return words;
}

// Everything the default rule knows besides the word itself.
struct ScoringSources {
    SpellingDictionary spelling;
    std::unordered_map<std::string, int> zipfs;
    std::unordered_set<std::string> offensive;
    // Words that the dictionary writes in small letters and that are well known:
    // the parts a compound is recognised by.
    std::unordered_set<std::string> wellKnown;

    int ZipfOf(const std::string& letters) const {
        const auto found = zipfs.find(letters);
        return found == zipfs.end() ? 0 : found->second;
    }
};

ScoringSources ReadScoringSources(std::string_view dictionaryText, bool ijToY,
                                  const ConversionScoring& scoring) {
    ScoringSources sources;
    if (!scoring.defaultRule) return sources;
    sources.spelling = ReadSpellingDictionary(scoring.stemsText, ijToY);
    sources.zipfs = ReadFrequencies(scoring.frequenciesText, ijToY);
    sources.offensive = ReadWords(scoring.offensiveText, ijToY);
    if (sources.zipfs.empty()) return sources;
    ForEachFoldedLine(dictionaryText, ijToY, "", [&](const FoldedLine& folded) {
        if (!IsUsableWord(folded) || SpellingOf(folded.written) != Spelling::Common) return;
        std::string letters(folded.letters);
        if (sources.ZipfOf(letters) >= WELL_KNOWN_ZIPF && !sources.offensive.count(letters) &&
            !sources.spelling.letterWords.count(letters))
            sources.wellKnown.insert(std::move(letters));
    });
    return sources;
}

int ScoreByDefaultRule(const ScoringSources& sources, bool frequenciesKnown,
                       const FoldedLine& folded) {
    const std::string letters(folded.letters);
    WordEvidence word;
    word.spelling = SpellingOf(folded.written);
    word.isStem = sources.spelling.stems.count(letters) > 0;
    word.isLetterWord = sources.spelling.letterWords.count(letters) > 0;
    word.isOffensive = sources.offensive.count(letters) > 0;
    word.frequenciesKnown = frequenciesKnown;
    word.zipf = sources.ZipfOf(letters);
    word.isCompound = frequenciesKnown && word.spelling == Spelling::Common &&
                      IsCompoundOfKnownWords(folded.letters, [&](std::string_view part) {
                          return sources.wellKnown.count(std::string(part)) > 0;
                      });
    return DefaultScore(word, folded.letters);
}

// The "word;score" lines win over what the words had.
void ApplyOwnScores(std::string_view scoresText, bool ijToY, BuiltSet& set, WordSet& words,
                    WordListConversion& result) {
    ForEachFoldedLine(scoresText, ijToY, ";", [&](const FoldedLine& folded) {
        const std::size_t separator = folded.line.find(SCORE_SEPARATOR);
        const std::optional<int> score = separator == std::string_view::npos
                                             ? std::nullopt
                                             : ParseScore(folded.line.substr(separator + 1));
        if (!score || !IsUsableWord(folded)) {
            ++result.ownScoresMalformed;
            return;
        }
        const int file = std::min(static_cast<int>(folded.letters.size()), LONGEST_OWN_FILE_LENGTH);
        if (const auto entry = words.Find(folded.letters, file)) {
            set.entries[file][*entry].score = static_cast<std::int8_t>(*score);
            ++result.ownScoresUsed;
        } else {
            ++result.ownScoresUnused;
        }
    });
}

// The list lines: CR LF after each word, and ";SCORE" before it for a scored word
// whose line stays within what the reader takes as one line (a longer word is
// written without its score and so counts as unscored).
void ComposeFiles(const BuiltSet& set, std::array<std::string, 20>& files) {
    for (int file = 0; file < static_cast<int>(files.size()); ++file) {
        for (const BuiltEntry& entry : set.entries[file]) {
            files[file].append(set.Word(file, entry));
            const std::string score = entry.score == NO_SCORE
                                          ? std::string()
                                          : SCORE_SEPARATOR + std::to_string(entry.score);
            if (entry.length + score.size() + 1 <= WORD_LIST_LINE_MAX) files[file].append(score);
            files[file].append("\r\n");
        }
    }
}

std::string MemberName(const std::string& base, int length) {
    return MakeWordListFileName(base + "02.doc", length);
}

// The dictionary or a scoring file; false with the message when it cannot be read.
bool ReadSourceFile(const std::string& path, std::string& text, UserMessage& message) {
    const ReadStatus read = ReadFileUpTo(path, DICTIONARY_FILE_LIMIT, text);
    if (read == ReadStatus::Read) return true;
    message = {read == ReadStatus::TooLarge ? ReadFailureText(path, read, DICTIONARY_FILE_LIMIT)
                                            : StrFormat("Bestand %s ontbreekt.", path.c_str())};
    return false;
}

// A scoring file that is not named is not read.
bool ReadScoringFile(const std::string& path, std::string& text, UserMessage& message) {
    return path.empty() || ReadSourceFile(path, text, message);
}

}  // namespace

WordListConversion ConvertDictionaryText(std::string_view text, bool ijToY,
                                         const ConversionScoring& scoring) {
    WordListConversion result;
    result.scored = scoring.defaultRule || !scoring.scoresText.empty();
    const ScoringSources sources = ReadScoringSources(text, ijToY, scoring);
    const bool frequenciesKnown = !sources.zipfs.empty();
    result.stems = static_cast<int>(sources.spelling.stems.size());
    result.frequencies = static_cast<int>(sources.zipfs.size());
    result.offensive = static_cast<int>(sources.offensive.size());
    BuiltSet set;
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    WordSet words(set, lines + 1);
    ForEachFoldedLine(text, ijToY, "", [&](const FoldedLine& folded) {
        if (folded.result == WordResult::DropWord) {
            ++result.dropped;
            return;
        }
        if (folded.result == WordResult::TooLong) {
            ++result.tooLong;
            return;
        }
        if (folded.letters.size() < SHORTEST_OWN_FILE_LENGTH) {
            ++result.tooShort;
            return;
        }
        const int file = std::min(static_cast<int>(folded.letters.size()), LONGEST_OWN_FILE_LENGTH);
        const int score =
            scoring.defaultRule ? ScoreByDefaultRule(sources, frequenciesKnown, folded) : NO_SCORE;
        std::vector<BuiltEntry>& entries = set.entries[file];
        if (const auto known = words.Find(folded.letters, file, entries.size())) {
            ++result.duplicates;
            entries[*known].score =
                std::max<std::int8_t>(entries[*known].score, static_cast<std::int8_t>(score));
            return;
        }
        entries.push_back({set.letters[file].size(),
                           static_cast<std::uint8_t>(folded.letters.size()),
                           static_cast<std::int8_t>(score)});
        set.letters[file].append(folded.letters);
        ++result.wordsKept;
    });
    ApplyOwnScores(scoring.scoresText, ijToY, set, words, result);
    ComposeFiles(set, result.files);
    return result;
}

bool WriteWordListSet(const std::string& dictionaryPath, const std::string& base, bool ijToY,
                      WordListConversion& conversion, UserMessage& message,
                      const ScoringFiles& scoring) {
    if (MemberName(base, SHORTEST_OWN_FILE_LENGTH).size() < MIN_SET_NAME_LENGTH) {
        message = {StrFormat("Naam voor de woordenlijsten te kort: %s", base.c_str())};
        return false;
    }
    std::string text;
    if (!ReadSourceFile(dictionaryPath, text, message)) return false;
    ConversionScoring sources;
    sources.defaultRule = scoring.defaultRule;
    if (!ReadScoringFile(scoring.stemsPath, sources.stemsText, message) ||
        !ReadScoringFile(scoring.scoresPath, sources.scoresText, message) ||
        !ReadScoringFile(scoring.frequenciesPath, sources.frequenciesText, message) ||
        !ReadScoringFile(scoring.offensivePath, sources.offensiveText, message))
        return false;
    conversion = ConvertDictionaryText(text, ijToY, sources);
    if (conversion.wordsKept == 0) {
        message = {StrFormat("Geen bruikbare woorden in %s", dictionaryPath.c_str())};
        return false;
    }
    // All or nothing: a set of half old, half new lists would give wrong searches.
    FileSetWriter writer;
    for (int length = SHORTEST_OWN_FILE_LENGTH; length <= LONGEST_OWN_FILE_LENGTH; ++length) {
        const std::string fileName = MemberName(base, length);
        if (const WriteResult written = writer.Add(fileName, conversion.files[length]); !written) {
            message = {WriteFailureText(fileName, written.status)};
            return false;
        }
    }
    if (!writer.Commit()) {
        message = {StrFormat("Kan %s t/m %s niet schrijven",
                             MemberName(base, SHORTEST_OWN_FILE_LENGTH).c_str(),
                             MemberName(base, LONGEST_OWN_FILE_LENGTH).c_str())};
        return false;
    }
    return true;
}

std::string ConversionSummary(const WordListConversion& conversion, const std::string& base) {
    std::string summary =
        StrFormat("%d woorden in %s t/m %s (%d dubbel, %d overgeslagen, %d te kort, %d te lang)",
                  conversion.wordsKept, MemberName(base, SHORTEST_OWN_FILE_LENGTH).c_str(),
                  MemberName(base, LONGEST_OWN_FILE_LENGTH).c_str(), conversion.duplicates,
                  conversion.dropped, conversion.tooShort, conversion.tooLong);
    if (conversion.scored)
        summary += StrFormat(
            "\nScores: %d stammen, %d eigen scores gebruikt, %d niet in de lijsten, "
            "%d onjuist",
            conversion.stems, conversion.ownScoresUsed, conversion.ownScoresUnused,
            conversion.ownScoresMalformed);
    if (conversion.frequencies > 0 || conversion.offensive > 0)
        summary += StrFormat("\nFrequenties van %d woorden, %d aanstootgevende woorden",
                             conversion.frequencies, conversion.offensive);
    return summary;
}
