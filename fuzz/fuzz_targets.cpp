#include "fuzz_targets.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "cli_main.h"
#include "formats/clue_files.h"
#include "formats/compare.h"
#include "formats/folder_clues.h"
#include "formats/html_import.h"
#include "formats/ipuz_export.h"
#include "formats/ipuz_import.h"
#include "formats/letter_values.h"
#include "formats/puz_import.h"
#include "formats/ros_import.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "search/exact_search.h"
#include "util/file_io.h"
#include "wordlists/candidates.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

void FuzzRtrReader(std::string_view input) {
    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->html.title = "open";
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    const std::string before = WriteRtr(doc);
    const RtrReadResult result = ReadRtr(doc, input);
    if (result.status == RtrStatus::Refused) {
        Require(WriteRtr(doc) == before);
        return;
    }
    // What was read must write and read back to the same bytes.
    const std::string written = WriteRtr(doc);
    Rooster2Doc again;
    Require(ReadRtr(again, written).status == RtrStatus::Loaded);
    Require(WriteRtr(again) == written);
}

namespace {

// An import either takes the file or leaves the open puzzle exactly as it was.
void FuzzImport(std::string_view input, ImportReader reader) {
    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->html.title = "open";
    PuzzleEdit(doc, EditKind::Replace)->SetCell(1, 1, CELL_ZWART);
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    const std::string before = WriteRtr(doc);
    const ImportResult result = reader(doc, input);
    if (!result.imported) {
        Require(WriteRtr(doc) == before);
        return;
    }
    Require(doc.puzzle().width >= 1 && doc.puzzle().width <= MAX_GRID_SIDE);
    Require(doc.puzzle().height >= 1 && doc.puzzle().height <= MAX_GRID_SIDE);
    Rooster2Doc again;
    Require(ReadRtr(again, WriteRtr(doc)).status == RtrStatus::Loaded);
}

}  // namespace

void FuzzPuzImport(std::string_view input) { FuzzImport(input, ImportPuz); }
void FuzzRosImport(std::string_view input) { FuzzImport(input, ImportRos); }
void FuzzHtmlImport(std::string_view input) { FuzzImport(input, ReadHtmlGrid); }

void FuzzIpuzImport(std::string_view input) {
    FuzzImport(input, ImportIpuz);
    // What was taken in writes out and reads back to the same grid.
    Rooster2Doc doc;
    if (!ImportIpuz(doc, input).imported) return;
    Rooster2Doc again;
    Require(ImportIpuz(again, WriteIpuz(doc.puzzle())).imported);
    Require(again.puzzle().GridToString() == doc.puzzle().GridToString());
}

namespace {

// A small filled puzzle with clues, the own side of the clue and comparison targets.
Rooster2Doc FuzzPuzzle() {
    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->width = 3;
    PuzzleEdit(doc, EditKind::Replace)->height = 3;
    const char rows[] = "KATA\x01 SOP";
    for (int i = 0; i < 9; ++i)
        PuzzleEdit(doc, EditKind::Replace)->cells[i] = static_cast<Cell>(rows[i]);
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    PuzzleEdit(doc, EditKind::Replace)->words[0].clue = "Huisdier";
    return doc;
}

}  // namespace

void FuzzClueText(std::string_view input) {
    Rooster2Doc doc = FuzzPuzzle();
    const std::string grid = doc.puzzle().GridToString();
    const std::size_t words = doc.puzzle().words.size();
    ClueSection section = ClueSection::Across;
    PuzzleEdit edit(doc, EditKind::Setting);
    const int changed = ReadClueFile(edit.puzzle(), section, input) +
                        ProcessClueText(edit.puzzle(), section, input);
    // Clues never touch the grid or the words' places, and each line changes at most one word.
    Require(doc.puzzle().GridToString() == grid && doc.puzzle().words.size() == words);
    Require(changed >= 0 && changed <= static_cast<int>(2 * input.size()));
    for (const WordInfo& word : doc.puzzle().words)
        Require(word.partCount >= 0 && word.partCount <= 19);
}

void FuzzPuzzleDescription(std::string_view input) {
    const std::string text = DescribePuzzle("x.rtr", input, FileDate{});
    Require(text.empty() || text.starts_with("*** x.rtr ("));
    // A shorter file describes a prefix of what the whole file describes.
    const std::string shorter = DescribePuzzle("x.rtr", input.substr(0, input.size() / 2), {});
    Require(text.compare(0, shorter.size(), shorter) == 0);
}

void FuzzCompare(std::string_view input) {
    Rooster2Doc doc = FuzzPuzzle();
    const std::string before = WriteRtr(doc);
    std::string details;
    const int code = CompareWithBytes(doc, input, details);
    Require(code == COMPARE_DONE || code == COMPARE_NOT_RTR || code == COMPARE_OTHER_SIZE ||
            code == COMPARE_OTHER_SHAPE);
    Require(WriteRtr(doc) == before);
    Require(code == COMPARE_DONE || details.empty());
}

void FuzzLetterValues(std::string_view input) {
    LetterValues values{};
    ParseLetterValues(input, values);
    LetterValues again{};
    ParseLetterValues(FormatLetterValues(values), again);
    Require(again == values);
}

namespace {

// A set in its own temporary folder, removed when the process ends.
class FuzzWordListFolder {
public:
    FuzzWordListFolder()
        : folder(std::filesystem::temp_directory_path() /
                 ("rooster2-fuzz-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(folder);
    }
    ~FuzzWordListFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string Base() const { return (folder / "lijst").string(); }
    const std::filesystem::path& Path() const { return folder; }

private:
    std::filesystem::path folder;
};

std::string FuzzWordListBase() {
    static const FuzzWordListFolder folder;
    return folder.Base();
}

}  // namespace

// The input is a word list file for words of 2 to 9 letters (its first byte picks the
// length and whether a minimum score holds): the lookups and the search read it, and
// every word they give fits. It is read as an own scores file too.
void FuzzWordList(std::string_view input) {
    if (input.empty()) return;
    const int length = 2 + static_cast<unsigned char>(input[0]) % 8;
    const std::string set = FuzzWordListBase() + "02.doc";
    Require(
        static_cast<bool>(WriteFileAtomically(MakeWordListFileName(set, length), input.substr(1))));

    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->Resize(length, 2);
    for (int x = 0; x < length; ++x) PuzzleEdit(doc, EditKind::Replace)->SetCell(x, 1, CELL_ZWART);
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    PuzzleEdit(doc, EditKind::Replace)->search.wordFile = set;
    PuzzleEdit(doc, EditKind::Replace)->search.maxSolutions = 3;
    PuzzleEdit(doc, EditKind::Replace)->search.ijTwoLetters = (input[0] & 0x40) != 0;
    WordScoring scoring;
    scoring.minScore = (input[0] & 0x80) != 0 ? UNSCORED : 0;

    int malformed = 0;
    for (const auto& [word, score] : ParseScoreOverrides(input, malformed))
        Require(!word.empty() && score >= LOWEST_SCORE && score <= HIGHEST_SCORE);

    std::vector<std::string> found;
    LookupDetails details;
    const int candidates =
        FindCandidates(doc.puzzle(), scoring, std::string(length, ' '), &found, 50, 0, &details);
    Require(candidates == static_cast<int>(found.size()) && details.scores.size() == found.size());
    for (const std::string& word : found) Require(IsAcceptableWord(doc.puzzle(), word, length));
    for (const int score : details.scores) Require(IsOfferedScore(scoring, score));

    found.clear();
    const std::string letters(input.substr(1, std::min<std::size_t>(input.size() - 1, 2)));
    const int anagrams = FindAnagrams(doc.puzzle(), scoring, letters, &found, 50, length,
                                      std::string(length, '.'), set);
    Require(anagrams == static_cast<int>(found.size()));
    for (const std::string& word : found) Require(IsAcceptableWord(doc.puzzle(), word, length));

    ExactSearch search(doc.puzzle(), scoring);
    const std::string grid = doc.puzzle().GridToString();
    if (!search.Run()) return;
    Require(doc.puzzle().GridToString() == grid);
    for (const std::string& solution : search.results.solutions) {
        const std::string word = solution.substr(0, static_cast<std::size_t>(length));
        Require(word.find(' ') == std::string::npos);
    }
}

// The input is a command line, arguments separated by zero bytes. It runs in a
// folder of its own; lines that name a path elsewhere are skipped so that the
// fuzzer never writes outside that folder.
void FuzzCommandLine(std::string_view input) {
    static const FuzzWordListFolder folder;
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= input.size() && args.size() < 16) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        args.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& arg : args) {
        if (arg.find_first_of("/\\:") != std::string::npos || arg.find("..") != std::string::npos)
            return;
    }
    const std::filesystem::path caller = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const int code = RunCommandLine(args);
    std::filesystem::current_path(caller);
    Require(code == 0 || code == 1 || code == 2);
}

const FuzzTarget* FuzzTargets(std::size_t& count) {
    static const FuzzTarget targets[] = {
        {"rtr", FuzzRtrReader},
        {"wordlist", FuzzWordList},
        {"cli", FuzzCommandLine},
        {"puz", FuzzPuzImport},
        {"ipuz", FuzzIpuzImport},
        {"ros", FuzzRosImport},
        {"html", FuzzHtmlImport},
        {"cluetext", FuzzClueText},
        {"description", FuzzPuzzleDescription},
        {"compare", FuzzCompare},
        {"lettervalues", FuzzLetterValues},
    };
    count = sizeof targets / sizeof targets[0];
    return targets;
}
