// fill_bench: the grids of the fill comparison (bench/run_fill_bench), the
// search of one method on one of them with a time limit, and the check of a
// fill from any filler against the word lists.
//
//   fill_bench list                         the grid names, one per line
//   fill_bench write NAME OUT.rtr OUT.qxd   the puzzle, and its words as a Qxw deck
//                                           (no deck for a grid with letters in it)
//   fill_bench run exact|fast NAME SET SECONDS [SEED [MIN-SCORE]]
//                                           seconds to the first fill, checked
//   fill_bench check-qxw NAME SET QXW-OUTPUT
//                                           checks the fill Qxw printed
//
// "run" and "check-qxw" print one line: the seconds (or "-" when there is no
// fill), what the check found and, for "run", the peak bytes of the lists with
// their indexes and working sets per byte of the packed lists. Exit code 1 when
// a fill breaks a rule.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench_grids.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "search/exact_search.h"
#include "search/fast_search.h"
#include "search/search_method.h"
#include "search/search_run.h"
#include "wordlists/candidates.h"

namespace {

// The words of the grid in the document's order, as Qxw numbers them (W0, W1, ...):
// one deck line per word, a cell named by its row and column.
std::string QxwDeck(const Rooster2Doc& doc) {
    std::string deck;
    for (const WordInfo& word : doc.puzzle().words) {
        for (int k = 0; k < word.length; ++k) {
            char cell[16];
            std::snprintf(cell, sizeof cell, "%s%02d%02d", k ? " " : "", word.CellY(k),
                          word.CellX(k));
            deck += cell;
        }
        deck += "\n";
    }
    return deck;
}

// Checks the words of a fill: each a word its list offers with the puzzle's
// options and scoring (an IJ cell standing for Y, no word below the minimum score)
// and, as the search options ask by default, no word twice. Returns an empty text
// when the fill is good, else what is wrong.
std::string CheckWords(const Rooster2Doc& doc, const std::vector<std::string>& words) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (static_cast<int>(word.size()) != doc.puzzle().words[i].length)
            return "woord " + word + " heeft de verkeerde lengte";
        if (FindCandidates(doc.puzzle(), WordScoring(), word, nullptr, 1, 0) != 1)
            return "woord " + word + " staat niet in de lijst";
        if (!seen.insert(word).second) return "woord " + word + " komt twee keer voor";
    }
    return "";
}

std::vector<std::string> WordsOfGrid(Rooster2Doc& doc, const std::string& grid) {
    PuzzleEdit(doc, EditKind::Replace)->StringToGrid(grid);
    std::vector<std::string> words;
    for (int i = 0; i < static_cast<int>(doc.puzzle().words.size()); ++i)
        words.push_back(doc.puzzle().GetWordValue(i));
    return words;
}

int Report(double seconds, bool found, const std::string& problem, double memory = 0) {
    if (!found) {
        std::printf("-\tgeen vulling\t%.1f\n", memory);
        return 0;
    }
    std::printf("%.2f\t%s\t%.1f\n", seconds, problem.empty() ? "goed" : problem.c_str(), memory);
    return problem.empty() ? 0 : 1;
}

// Peak bytes of the lists, indexes and working sets per byte of the packed lists.
double MemoryRatio(const SearchRun& search) {
    if (const auto* fast = dynamic_cast<const FastSearch*>(&search))
        return static_cast<double>(fast->PeakMemoryBytes()) /
               static_cast<double>(fast->PackedListBytes());
    if (const auto* exact = dynamic_cast<const ExactSearch*>(&search))
        return static_cast<double>(exact->PeakMemoryBytes()) /
               static_cast<double>(exact->PackedListBytes());
    return 0;
}

int Run(const std::vector<std::string>& args) {
    const auto method = ParseSearchMethod(args[0]);
    const BenchGrid* grid = FindBenchGrid(args[1]);
    if (!method || !grid) return 2;
    Rooster2Doc doc;
    MakeBenchPuzzle(*grid, args[2], doc);
    const double limit = std::atof(args[3].c_str());
    std::atomic<bool> interrupt{false};
    WordScoring scoring;
    if (args.size() > 5) scoring.minScore = std::atoi(args[5].c_str());
    const auto search = MakeSearchRun(*method, doc.puzzle(), scoring, interrupt);
    search->seed = args.size() > 4 ? static_cast<std::uint32_t>(std::atol(args[4].c_str())) : 1;
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    search->callbacks.poll = [&](const Puzzle&) {
        if (elapsed() > limit) search->Interrupt();
    };
    if (!search->Run()) {
        for (const UserMessage& message : search->Messages())
            std::fprintf(stderr, "%s\n", message.text.c_str());
        return 1;
    }
    const double seconds = elapsed();
    const SearchResults& results = search->results;
    if (results.solutionCount == 0) {
        // A search that ended within the limit has proved that there is no fill.
        std::printf("%s\t%s\t%.1f\n", seconds <= limit ? "geen" : "-", search->ResultText().c_str(),
                    MemoryRatio(*search));
        return 0;
    }
    return Report(seconds, true, CheckWords(doc, WordsOfGrid(doc, results.solutions[0])),
                  MemoryRatio(*search));
}

int CheckQxw(const std::vector<std::string>& args) {
    const BenchGrid* grid = FindBenchGrid(args[0]);
    if (!grid) return 2;
    Rooster2Doc doc;
    MakeBenchPuzzle(*grid, args[1], doc);
    std::ifstream in(args[2]);
    std::vector<std::string> words(doc.puzzle().words.size());
    std::string line;
    std::size_t found = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string tag;
        std::string word;
        if (!(fields >> tag >> word) || tag.size() < 2 || tag[0] != 'W') continue;
        const std::size_t i = std::strtoul(tag.c_str() + 1, nullptr, 10);
        if (i < words.size() && words[i].empty()) {
            words[i] = word;
            ++found;
        }
    }
    const double seconds = args.size() > 3 ? std::atof(args[3].c_str()) : 0;
    return Report(seconds, found == words.size() && found > 0, CheckWords(doc, words));
}

int Usage() {
    std::fprintf(stderr,
                 "fill_bench list | write NAME OUT.rtr OUT.qxd | run exact|fast NAME SET SECONDS "
                 "[SEED [MIN-SCORE]] | check-qxw NAME SET QXW-OUTPUT [SECONDS]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "list") {
        for (const BenchGrid& grid : BenchGrids()) std::printf("%s\n", grid.name);
        return 0;
    }
    if (args[0] == "write" && rest.size() == 3) {
        const BenchGrid* grid = FindBenchGrid(rest[0]);
        if (!grid) return Usage();
        Rooster2Doc doc;
        MakeBenchPuzzle(*grid, "", doc);
        UserMessage message;
        if (!SaveRtrFile(doc, rest[1], message)) {
            std::fprintf(stderr, "%s\n", message.text.c_str());
            return 1;
        }
        // A Qxw deck names cells but cannot fix their letters.
        const bool hasLetters =
            std::any_of(grid->rows.begin(), grid->rows.end(), [](const std::string& row) {
                return row.find_first_not_of(".#") != std::string::npos;
            });
        if (!hasLetters) std::ofstream(rest[2]) << QxwDeck(doc);
        return 0;
    }
    if (args[0] == "run" && rest.size() >= 4 && rest.size() <= 6) return Run(rest);
    if (args[0] == "check-qxw" && (rest.size() == 3 || rest.size() == 4)) return CheckQxw(rest);
    return Usage();
}
