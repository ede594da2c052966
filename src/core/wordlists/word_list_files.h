#pragma once
// Word list file sets: one plain-text file per word length, named from any one
// member of the set; which lines count as words; and reading the lines the way
// every consumer (search, candidate lookup, spelling check) sees them.

#include <optional>
#include <string>
#include <string_view>

#include "util/text_lines.h"

class Puzzle;

// Lines are read with a 100-byte buffer: at most this many bytes, newline included.
constexpr std::size_t WORD_LIST_LINE_MAX = 99;
// A set name must be at least this long ("x02.doc").
constexpr std::size_t MIN_SET_NAME_LENGTH = 7;
// The largest member of a set a reader takes: many times the biggest real list, small
// enough that a search or spelling check through it stays quick.
constexpr std::size_t WORD_LIST_FILE_LIMIT = std::size_t{64} << 20;
// The length of a set's first file: the shortest word a list holds.
constexpr int SHORTEST_OWN_FILE_LENGTH = 2;
// Lengths from this on share one file.
constexpr int LONGEST_OWN_FILE_LENGTH = 19;

// The set's file for a length: name without its last 6 characters + "%02d.doc",
// the length capped at 19.
std::string MakeWordListFileName(const std::string& name, int length);

// The set a list number selects: 0 the word file of the search options, n entry n-1 of
// the extra files. False when n is larger than the number of extra files (or negative).
bool WordListSetName(const Puzzle& puzzle, int listNumber, std::string& name);

// Whether a line counts as a word of the given length: trailing white space removed,
// exactly `length` characters, no "IJ" unless allowed, none of the excluded characters.
bool IsAcceptableWord(std::string_view line, int length, bool ijTwoLetters,
                      std::string_view excludedLetters);
// The same with the document's search options.
bool IsAcceptableWord(const Puzzle& puzzle, std::string_view line, int length);

// Scores: a line may end in ";SCORE", a whole number from 0 to 100. A line
// without one, or with one that is not such a number, scores 50.
constexpr int LOWEST_SCORE = 0;
constexpr int HIGHEST_SCORE = 100;
constexpr int UNSCORED = 50;
constexpr char SCORE_SEPARATOR = ';';

// The score a text (white space around it allowed) stands for; nothing when it is
// not digits only or more than 100.
std::optional<int> ParseScore(std::string_view text);

// One line of a list as every consumer sees it.
struct WordListEntry {
    // The line without its line end and without the ';' and what follows it: an
    // entry with a ';' in it was never a word a puzzle could use.
    std::string_view word;
    int score = UNSCORED;
    // False for a piece of an over-long line and for binary junk.
    bool canBeWord = false;
};

// A word list file read line by line as a 100-byte fgets in text mode would: CR LF becomes LF, a
// line of more than 99 bytes (newline included) comes in several pieces, and no piece of such a
// line is a word of the list (LastLineIsWhole). The limit holds for the line as read, score
// included: a score does not make a line longer than that usable.
class WordListFile : public TextModeReader {
public:
    WordListFile() : TextModeReader(WORD_LIST_LINE_MAX) {}
    // Whether the piece just read can be a word at all: no piece of an over-long line
    // and no binary junk with a NUL byte is.
    bool CanBeWord(std::string_view line) const {
        return LastLineIsWhole() && line.find('\0') == std::string_view::npos;
    }
    // Reads the next line as an entry; false at the end. A line in UTF-8 is read as
    // Latin-1, and cannot be a word when it has a character Latin-1 lacks.
    bool ReadEntry(WordListEntry& entry);
    // Lines that can be words, read so far (a second pass counts them again),
    // whose score was not a number from 0 to 100.
    int MalformedScores() const { return m_malformedScores; }

private:
    int m_malformedScores = 0;
    std::string m_decoded;
};

// "%d regels met een onjuiste score in %s, als 50 gerekend": the warning for a
// list with malformed scores.
std::string MalformedScoreWarning(int count, const std::string& fileName);

// Opens the set's file for a length. Returns why that failed ("Bestand %s ontbreekt."
// naming the set when its name is too short to name one, else the file; a file over
// WORD_LIST_FILE_LIMIT is refused as too large), or an empty text when the file is open.
std::string OpenWordListSetFile(const std::string& setName, int length, WordListFile& file);
