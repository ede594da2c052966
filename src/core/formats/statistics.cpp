#include "formats/statistics.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "util/str_format.h"

namespace {

const char* const NEW_FILE_LOCATION = "bestand nog niet opgeslagen";
const char* const NO_WORD_FILE = "niet gespecificeerd";

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The value of a letter as the report counts it: the low 8 bits, signed.
int LetterValue(const Puzzle& puzzle, char letter) {
    const int index = Latin1ToUpper(static_cast<unsigned char>(letter)) - 'A';
    return static_cast<std::int8_t>(puzzle.letterValues[index] & 0xFF);
}

template <typename Combine>
double CombineLetterValues(const Puzzle& puzzle, std::string_view value, double start, bool& ok,
                           Combine combine) {
    double result = start;
    for (char c : value) {
        if (!IsAsciiLetter(c)) {
            ok = false;
            return 0;
        }
        result = combine(result, LetterValue(puzzle, c));
    }
    ok = true;
    return result;
}

void AppendLocationLines(const Rooster2Doc& doc, std::vector<std::string>& lines) {
    lines.push_back(std::string("Locatie: ") +
                    (doc.pathName.empty() ? NEW_FILE_LOCATION : doc.pathName));
    lines.push_back(std::string("Woordenlijst: ") + (doc.puzzle().search.wordFile.empty()
                                                         ? NO_WORD_FILE
                                                         : doc.puzzle().search.wordFile));
    if (doc.puzzle().extraFiles.empty()) return;
    lines.push_back("Extra woordenlijst(en):");
    for (std::size_t i = 0; i < doc.puzzle().extraFiles.size(); ++i)
        lines.push_back(
            StrFormat("%d: %s", static_cast<int>(i + 1), doc.puzzle().extraFiles[i].c_str()));
}

void AppendCellLine(const Puzzle& puzzle, std::vector<std::string>& lines) {
    int black = 0;
    int letters = 0;
    int outside = 0;
    const int total = puzzle.CellCount();
    for (int i = 0; i < total; ++i) {
        const Cell code = puzzle.cells[i];
        if (code == CELL_ZWART) ++black;
        if (code == CELL_NIET) ++outside;
        if (IsLetterCell(code)) ++letters;
    }
    lines.push_back(StrFormat("Aantal vakken zwart: %d, vrij: %d (%.1f%c), niet: %d, totaal %d",
                              black, letters, letters * 100.0 / total, '%', outside, total));
}

int CountSplitWords(const Puzzle& puzzle) {
    int split = 0;
    for (const WordInfo& word : puzzle.words)
        if (word.partCount > 1) ++split;
    return split;
}

void AppendWordCountLines(Puzzle& puzzle, std::vector<std::string>& lines) {
    int across = 0;
    int down = 0;
    int empty = 0;
    int complete = 0;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        puzzle.words[i].searchMark = 0;
        (puzzle.words[i].dy == 0 ? across : down)++;
        if (puzzle.IsWordEmpty(i))
            ++empty;
        else if (puzzle.IsWordComplete(i))
            ++complete;
    }
    const int total = across + down;
    lines.push_back(StrFormat("Aantal woorden leeg: %d, vol: %d, deels: %d", empty, complete,
                              total - empty - complete));
    if (const int split = CountSplitWords(puzzle); split > 0)
        lines.push_back(StrFormat("Aantal gedeelde woorden: %d", split));
    lines.push_back(
        StrFormat("Aantal woorden horizontaal: %d, verticaal %d, totaal %d", across, down, total));
    lines.push_back("");
}

// Every length counts, also that of a word across a whole 100-wide grid.
void AppendLengthLines(const Puzzle& puzzle, std::vector<std::string>& lines) {
    std::map<int, int> counts;
    long long wordLengthSum = 0;
    for (const WordInfo& word : puzzle.words) {
        wordLengthSum += word.length;
        const int parts = word.PartCountInUse();
        if (parts == 0) ++counts[word.length];
        for (int j = 0; j < parts; ++j) ++counts[word.partLengths[j]];
    }
    long long lengthSum = 0;
    long long counted = 0;
    for (const auto& [length, count] : counts) {
        lines.push_back(
            StrFormat(count == 1 ? "Lengte %d: %d woord" : "Lengte %d: %d woorden", length, count));
        lengthSum += static_cast<long long>(length) * count;
        counted += count;
    }
    // A grid without words has no average length.
    if (counted > 0)
        lines.push_back(StrFormat("Gemiddelde lengte: %.1f letters",
                                  static_cast<double>(lengthSum) / static_cast<double>(counted)));
    if (CountSplitWords(puzzle) > 0)
        lines.push_back(StrFormat(
            "Gemiddelde lengte (afgezien van deelwoorden): %.1f letters",
            static_cast<double>(wordLengthSum) / static_cast<double>(puzzle.words.size())));
    lines.push_back("");
}

bool AllWordsEmpty(const Puzzle& puzzle) {
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
        if (!puzzle.IsWordEmpty(i)) return false;
    return true;
}

void AppendRepeatedFillingLines(Puzzle& puzzle, std::vector<std::string>& lines) {
    const int count = static_cast<int>(puzzle.words.size());
    std::vector<std::string> letters(count);
    std::vector<bool> complete(count);
    for (int i = 0; i < count; ++i) {
        letters[i] = puzzle.GetWordValue(i);
        complete[i] = puzzle.IsWordComplete(i);
    }
    bool anyGroup = false;
    for (int i = 0; i < count; ++i) {
        if (!complete[i] || puzzle.words[i].searchMark != 0) continue;
        std::vector<int> group{i};
        for (int j = i + 1; j < count; ++j)
            if (complete[j] && letters[j] == letters[i]) group.push_back(j);
        if (group.size() < 2) continue;
        std::string line = StrFormat("Gelijke invullingen (%s):", letters[i].c_str());
        for (int k : group) {
            line += ' ' + FormatLabel(puzzle.words[k]);
            puzzle.words[k].searchMark = 1;
        }
        lines.push_back(line);
        anyGroup = true;
    }
    if (!anyGroup)
        lines.push_back(AllWordsEmpty(puzzle) ? "Alle woorden leeg" : "Alle woorden verschillend");
    lines.push_back("");
}

void AppendCharacterLines(const Puzzle& puzzle, std::vector<std::string>& lines) {
    int counts[256] = {};
    for (int i = 0; i < puzzle.CellCount(); ++i)
        if (puzzle.cells[i] > CELL_VRIJ) ++counts[puzzle.cells[i]];
    for (int code = 0; code < 256; ++code) {
        if (counts[code] == 0) continue;
        if (code == CELL_IJ)
            lines.push_back(StrFormat("Teken IJ: %d", counts[code]));
        else
            lines.push_back(StrFormat("Teken %c: %d", code, counts[code]));
    }
}

std::string WordListLine(Puzzle& puzzle, int i, const StatisticsOptions& options) {
    WordInfo& word = puzzle.words[i];
    word.value = puzzle.GetWordValue(i);
    std::string line = Latin1ToLower("  " + FormatNumberedValue(word));
    if (options.withLengths && !options.withClues)
        line += StrFormat(" (%s)", FormatLengthPattern(word).c_str());
    if (options.withClues) line += StrFormat(" [%s]", FormatClueText(word).c_str());
    bool ok = false;
    if (options.withProduct) {
        const double product = WordValueProduct(puzzle, word.value, ok);
        if (ok) line += StrFormat("; %.0f", product);
    }
    if (options.withSum) {
        const double sum = WordLetterSum(puzzle, word.value, ok);
        if (ok) line += StrFormat("; %.0f", sum);
    }
    return line;
}

void AppendWordListLines(Puzzle& puzzle, std::vector<std::string>& lines,
                         const StatisticsOptions& options) {
    if (AllWordsEmpty(puzzle)) return;
    for (int dy = 0; dy <= 1; ++dy) {
        lines.push_back("");
        lines.push_back(dy == 0 ? "Horizontaal" : "Verticaal");
        for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
            if (puzzle.words[i].dy == dy) lines.push_back(WordListLine(puzzle, i, options));
    }
}

void AppendNumberedLetterLines(const Puzzle& puzzle, std::vector<std::string>& lines) {
    const std::string letters = LettersOnNumberedCells(puzzle);
    if (letters.empty()) return;
    lines.push_back("");
    lines.push_back("Letters op nummerplaatsen:");
    lines.push_back(letters);
}

int Megabytes(unsigned long long bytes) {
    return static_cast<int>(static_cast<double>(bytes) / 1048576 + 0.5);
}

void AppendSystemInfoLines(const SystemFacts& facts, std::vector<std::string>& lines) {
    lines.push_back("");
    lines.push_back("Syteem informatie:");
    if (facts.memory) {
        lines.push_back(StrFormat("  Geheugengebruik: %d%c", facts.memory->loadPercent, '%'));
        lines.push_back(
            StrFormat("  Totaal fysiek geheugen: %dM", Megabytes(facts.memory->totalBytes)));
        lines.push_back(StrFormat("  Beschikbaar fysiek geheugen: %dM",
                                  Megabytes(facts.memory->availableBytes)));
    }
    if (facts.version) {
        const OsVersionFacts& version = *facts.version;
        lines.push_back(StrFormat("  OSVersion: %d.%d, Build: %d", version.major, version.minor,
                                  version.build));
        lines.push_back(
            StrFormat("  PlatformID: %s, Last Service Pack: %s", version.platform.c_str(),
                      version.servicePack.empty() ? "Geen" : version.servicePack.c_str()));
    }
    if (facts.processorName) {
        const std::size_t start = facts.processorName->find_first_not_of(" \t");
        if (start != std::string::npos) lines.push_back("  " + facts.processorName->substr(start));
    }
}

}  // namespace

double WordValueProduct(const Puzzle& puzzle, std::string_view value, bool& ok) {
    return CombineLetterValues(puzzle, value, 1.0, ok,
                               [](double product, int letter) { return product * letter; });
}

double WordLetterSum(const Puzzle& puzzle, std::string_view value, bool& ok) {
    return CombineLetterValues(puzzle, value, 0.0, ok,
                               [](double sum, int letter) { return sum + letter; });
}

std::string LettersOnNumberedCells(const Puzzle& puzzle) {
    std::string letters;
    const std::size_t cells =
        std::min(puzzle.cellNumbers.size(), static_cast<std::size_t>(puzzle.CellCount()));
    for (std::size_t i = 0; i < cells; ++i)
        if (puzzle.cellNumbers[i] > 0) letters += static_cast<char>(puzzle.cells[i]);
    return letters;
}

void ComputeStatistics(const Rooster2Doc& doc, std::vector<std::string>& lines,
                       const StatisticsOptions& options, const SystemFacts& facts) {
    AppendLocationLines(doc, lines);
    // A copy: the report marks the words it has listed.
    Puzzle puzzle = doc.puzzle();
    AppendCellLine(puzzle, lines);
    AppendWordCountLines(puzzle, lines);
    AppendLengthLines(puzzle, lines);
    AppendRepeatedFillingLines(puzzle, lines);
    AppendCharacterLines(puzzle, lines);
    AppendWordListLines(puzzle, lines, options);
    AppendNumberedLetterLines(puzzle, lines);
    if (options.withSystemInfo) AppendSystemInfoLines(facts, lines);
}

void ComputeStatistics(const Rooster2Doc& doc, std::vector<std::string>& lines,
                       const StatisticsOptions& options) {
    ComputeStatistics(doc, lines, options,
                      options.withSystemInfo ? ReadSystemFacts() : SystemFacts{});
}

std::string JoinReportLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
