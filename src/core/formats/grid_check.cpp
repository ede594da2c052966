#include "formats/grid_check.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "model/clue_text.h"
#include "model/puzzle.h"
#include "util/str_format.h"
#include "wordlists/candidates.h"
#include "wordlists/looked_up_stretches.h"
#include "wordlists/spell_check.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

// Four letters before two entries count as alike; fewer match by chance.
constexpr std::size_t MIN_ALIKE_LETTERS = 4;
// The longest ending that two forms of one stem may differ in.
constexpr std::size_t MAX_STEM_ENDING = 3;

std::string DecimalComma(double value) {
    std::string text = StrFormat("%.1f", value);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

GridFinding CellFinding(const Puzzle& puzzle, int x, int y, const std::string& what) {
    const std::string label = FormatCellLabel(puzzle, x, y);
    const std::string where =
        label.empty() ? CellPosition(x, y) : label + " (" + CellPosition(x, y) + ")";
    return {"Vak " + where + ": " + what, x, y};
}

GridFinding WordFinding(const WordInfo& word, const std::string& text) {
    return {text, word.x, word.y};
}

// A word as the reports show it: label and letters, IJ written out.
std::string Shown(const Puzzle& puzzle, int i) {
    WordInfo shown = puzzle.words[i];
    shown.value = puzzle.GetWordValue(i);
    return FormatLabeledValue(shown);
}

void AddFigures(const Puzzle& puzzle, std::vector<GridFinding>& findings) {
    int letters = 0;
    for (const WordInfo& word : puzzle.words) letters += word.length;
    int black = 0;
    int inShape = 0;
    for (int i = 0; i < puzzle.CellCount(); ++i) {
        if (puzzle.cells[i] == CELL_NIET) continue;
        ++inShape;
        if (puzzle.cells[i] == CELL_ZWART) ++black;
    }
    const int count = static_cast<int>(puzzle.words.size());
    findings.push_back({StrFormat("Woorden: %d, gemiddelde lengte %s, zwarte vakken %s%%", count,
                                  DecimalComma(count ? double(letters) / count : 0).c_str(),
                                  DecimalComma(inShape ? 100.0 * black / inShape : 0).c_str())});
}

// The letter cells that lie in `wordsThrough` words, each as a finding under a count line.
void AddCellsInWords(const Puzzle& puzzle, int wordsThrough, const char* countText,
                     const char* what, std::vector<GridFinding>& findings) {
    std::vector<GridFinding> cells;
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            if (!IsLetterCell(puzzle.GetCell(x, y))) continue;
            int count = 0;
            int across = -1;
            int down = -1;
            puzzle.FindWordsAt(x, y, count, across, down);
            if (count == wordsThrough) cells.push_back(CellFinding(puzzle, x, y, what));
        }
    }
    if (cells.empty()) return;
    findings.push_back({StrFormat("%s: %d", countText, static_cast<int>(cells.size()))});
    findings.insert(findings.end(), cells.begin(), cells.end());
}

// Regions of letter cells, side by side, that the first region does not reach.
void AddLooseRegions(const Puzzle& puzzle, std::vector<GridFinding>& findings) {
    std::vector<int> region(static_cast<std::size_t>(puzzle.CellCount()), -1);
    int regions = 0;
    std::vector<int> stack;
    for (int start = 0; start < puzzle.CellCount(); ++start) {
        if (!IsLetterCell(puzzle.cells[start]) || region[start] >= 0) continue;
        int size = 0;
        region[start] = regions;
        stack.assign(1, start);
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++size;
            const int x = at % puzzle.width;
            const int y = at / puzzle.width;
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& step : steps) {
                const int nx = x + step[0];
                const int ny = y + step[1];
                if (!puzzle.IsInGrid(nx, ny)) continue;
                const int next = ny * puzzle.width + nx;
                if (!IsLetterCell(puzzle.cells[next]) || region[next] >= 0) continue;
                region[next] = regions;
                stack.push_back(next);
            }
        }
        if (regions > 0) {
            const int x = start % puzzle.width;
            const int y = start / puzzle.width;
            findings.push_back({StrFormat("Los gebied van %d %s vanaf %s", size,
                                          size == 1 ? "vak" : "vakken", CellPosition(x, y).c_str()),
                                x, y});
        }
        ++regions;
    }
}

void AddRepeatedEntries(const Puzzle& puzzle, std::vector<GridFinding>& findings) {
    std::vector<int> complete;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i)
        if (puzzle.IsWordComplete(i)) complete.push_back(i);
    for (std::size_t a = 0; a < complete.size(); ++a) {
        const std::string first = puzzle.GetWordValue(complete[a]);
        for (std::size_t b = a + 1; b < complete.size(); ++b) {
            const std::string second = puzzle.GetWordValue(complete[b]);
            const char* kind = first == second                    ? "Dubbel"
                               : AreNearDuplicates(first, second) ? "Lijken op elkaar"
                                                                  : nullptr;
            if (kind == nullptr) continue;
            findings.push_back(
                WordFinding(puzzle.words[complete[b]],
                            StrFormat("%s: %s en %s", kind, Shown(puzzle, complete[a]).c_str(),
                                      Shown(puzzle, complete[b]).c_str())));
        }
    }
}

// Complete entries that their list lacks, and entries scoring under the minimum.
void AddListFindings(const Puzzle& puzzle, const WordScoring& scoring,
                     std::vector<GridFinding>& findings) {
    if (puzzle.search.wordFile.size() < MIN_SET_NAME_LENGTH) {
        findings.push_back({"Geen woordenlijst: de woorden zijn niet opgezocht"});
        return;
    }
    const std::string missing = FirstMissingSpellingFile(puzzle);
    if (!missing.empty()) {
        findings.push_back({missing});
        return;
    }
    std::vector<GridFinding> notListed;
    std::vector<GridFinding> lowScored;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        if (!puzzle.IsWordComplete(i)) continue;
        const WordInfo& word = puzzle.words[i];
        bool listed = true;
        std::optional<int> lowest;
        ForEachLookedUpStretch(word, puzzle.GetWordValue(i), [&](std::string_view stretch) {
            const std::optional<int> score = ListedScore(puzzle, scoring, stretch, word.extraList);
            if (!score)
                listed = false;
            else if (!lowest || *score < *lowest)
                lowest = score;
            return true;
        });
        if (!listed)
            notListed.push_back(WordFinding(word, "Niet in woordenlijst: " + Shown(puzzle, i)));
        else if (lowest && !IsOfferedScore(scoring, *lowest))
            lowScored.push_back(
                WordFinding(word, StrFormat("Onder de minimale score (%d): %s (%d)",
                                            scoring.minScore, Shown(puzzle, i).c_str(), *lowest)));
    }
    findings.insert(findings.end(), notListed.begin(), notListed.end());
    findings.insert(findings.end(), lowScored.begin(), lowScored.end());
}

}  // namespace

std::string CellPosition(int x, int y) { return StrFormat("rij %d, kolom %d", y + 1, x + 1); }

bool AreNearDuplicates(const std::string& a, const std::string& b) {
    if (a == b) return false;
    const std::string& shorter = a.size() <= b.size() ? a : b;
    const std::string& longer = a.size() <= b.size() ? b : a;
    if (shorter.size() >= MIN_ALIKE_LETTERS && longer.find(shorter) != std::string::npos)
        return true;
    const std::size_t stem = static_cast<std::size_t>(
        std::mismatch(shorter.begin(), shorter.end(), longer.begin()).first - shorter.begin());
    return stem >= MIN_ALIKE_LETTERS && shorter.size() - stem <= MAX_STEM_ENDING &&
           longer.size() - stem <= MAX_STEM_ENDING;
}

std::vector<GridFinding> CheckGrid(const Puzzle& puzzle, const WordScoring& scoring) {
    std::vector<GridFinding> findings;
    AddFigures(puzzle, findings);
    AddCellsInWords(puzzle, 0, "Vakken zonder woord", "in geen woord", findings);
    AddCellsInWords(puzzle, 1, "Ongekruiste vakken", "ongekruist", findings);
    AddLooseRegions(puzzle, findings);
    AddRepeatedEntries(puzzle, findings);
    AddListFindings(puzzle, scoring, findings);
    return findings;
}
