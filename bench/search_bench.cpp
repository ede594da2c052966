// search_bench: the fill engine and the plain method side by side on 15 x 15
// grids with a full Dutch word list. Both run over the same number of
// placements; the program checks that they placed the same words in the same
// order and prints the speed of each, their ratio and the memory of the lists.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "bench_grids.h"
#include "literal_search.h"
#include "model/rooster2_doc.h"
#include "search/exact_search.h"
#include "wordlists/word_list_convert.h"

namespace {

using Clock = std::chrono::steady_clock;
using Placement = std::tuple<int, int, int>;

// The grids of the comparison, from the benchmarks' common table.
const std::vector<const char*> GRIDS = {"am40", "am38", "nl15"};

struct Measured {
    std::vector<Placement> placements;
    double searchSeconds = 0;  // from the first placement to the last
    double totalSeconds = 0;   // the whole command, loading included
    std::size_t packedBytes = 0;
    std::size_t peakBytes = 0;
};

void SetBenchGrid(Rooster2Doc& doc, const BenchGrid& grid) {
    PuzzleEdit edit(doc, EditKind::Replace);
    Puzzle& puzzle = edit.puzzle();
    puzzle.width = static_cast<int>(grid.rows[0].size());
    puzzle.height = static_cast<int>(grid.rows.size());
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            puzzle.SetCell(x, y, grid.rows[y][x] == '#' ? CELL_ZWART : CELL_VRIJ);
    puzzle.BuildWords();
}

template <typename Search>
Measured Measure(const Rooster2Doc& original, long long budget, bool keepPlacements) {
    Rooster2Doc doc = original;
    Search search(doc.puzzle(), WordScoring());
    search.seed = 12345;
    Measured measured;
    long long count = 0;
    Clock::time_point first;
    Clock::time_point last;
    // The clock is read at the first and the last placement only, so that timing
    // costs nothing per node.
    search.callbacks.trace = [&](int level, int word, int entry) {
        if (count++ == 0) first = Clock::now();
        if (keepPlacements) measured.placements.emplace_back(level, word, entry);
        if (count >= budget) {
            last = Clock::now();
            search.Interrupt();
        }
    };
    const Clock::time_point start = Clock::now();
    if (!search.Run()) {
        for (const UserMessage& message : search.Messages())
            std::fprintf(stderr, "%s\n", message.text.c_str());
        std::exit(1);
    }
    const Clock::time_point end = Clock::now();
    if (count < budget) last = end;  // the search ended before the budget
    measured.totalSeconds = std::chrono::duration<double>(end - start).count();
    measured.searchSeconds = std::chrono::duration<double>(last - first).count();
    if constexpr (std::is_same_v<Search, ExactSearch>) {
        measured.packedBytes = search.PackedListBytes();
        measured.peakBytes = search.PeakMemoryBytes();
    }
    if (!keepPlacements) measured.placements.resize(static_cast<std::size_t>(count));
    return measured;
}

// The best of a few runs: other work on the machine only ever slows a run down.
template <typename Search>
Measured Fastest(const Rooster2Doc& doc, long long budget, bool keepPlacements) {
    Measured best = Measure<Search>(doc, budget, keepPlacements);
    for (int run = 1; run < 3; ++run) {
        Measured next = Measure<Search>(doc, budget, keepPlacements);
        if (next.searchSeconds < best.searchSeconds) best = std::move(next);
    }
    return best;
}

double Rate(const Measured& m) {
    return m.searchSeconds > 0 ? static_cast<double>(m.placements.size() - 1) / m.searchSeconds : 0;
}

bool BenchOneGrid(const BenchGrid& grid, const std::string& words, long long budget,
                  long long longBudget, bool randomOrder) {
    Rooster2Doc doc;
    SetBenchGrid(doc, grid);
    PuzzleEdit(doc, EditKind::Replace)->search.wordFile = words;
    PuzzleEdit(doc, EditKind::Replace)->search.randomOrder = randomOrder;
    PuzzleEdit(doc, EditKind::Replace)->search.maxSolutions = 0;
    std::map<int, int> lengths;
    for (const WordInfo& word : doc.puzzle().words) ++lengths[word.length];
    int blacks = 0;
    for (int cell = 0; cell < doc.puzzle().CellCount(); ++cell)
        blacks += doc.puzzle().cells[cell] == CELL_ZWART;
    std::printf("\n== %s: %d zwarte vakjes, %zu woorden (lengte:aantal", grid.name, blacks,
                doc.puzzle().words.size());
    for (const auto& [length, count] : lengths) std::printf(" %d:%d", length, count);
    std::printf(")\n");

    const Measured plain = Fastest<LiteralSearch>(doc, budget, true);
    const Measured fast = Fastest<ExactSearch>(doc, budget, true);
    const Measured sustained = Fastest<ExactSearch>(doc, longBudget, false);
    const bool same = plain.placements == fast.placements;
    std::printf("plaatsingen          %zu (beide)\n", plain.placements.size());
    std::printf("zelfde volgorde      %s\n", same ? "ja" : "NEE");
    std::printf("letterlijk           %12.0f plaatsingen/s  (laden+zoeken %.2f s)\n", Rate(plain),
                plain.totalSeconds);
    std::printf("engine               %12.0f plaatsingen/s  (laden+zoeken %.2f s)\n", Rate(fast),
                fast.totalSeconds);
    std::printf("engine, %lld         %12.0f plaatsingen/s\n", longBudget, Rate(sustained));
    std::printf("verhouding           %12.1f x  (engine %lld plaatsingen: %.1f x)\n",
                Rate(fast) / Rate(plain), longBudget, Rate(sustained) / Rate(plain));
    std::printf("lijsten gepakt       %12zu bytes\n", fast.packedBytes);
    std::printf("piek lijsten+index   %12zu bytes  (%.2f x)\n", fast.peakBytes,
                static_cast<double>(fast.peakBytes) / static_cast<double>(fast.packedBytes));
    return same;
}

// The given set, else the default set the build makes next to the benchmark,
// else one made here from the dictionary.
std::string FindOrMakeWords(const std::string& given, const std::string& dictionary,
                            const std::string& folder) {
    if (!given.empty()) return given;
    const std::filesystem::path built =
        std::filesystem::path(folder).parent_path().parent_path() / "wordlists" / "nl02.doc";
    if (std::filesystem::exists(built)) return built.string();
    const std::string made = folder + "/nl02.doc";
    if (std::filesystem::exists(made)) return made;
    std::printf("woordenlijst maken uit %s in %s\n", dictionary.c_str(), folder.c_str());
    std::filesystem::create_directories(folder);
    WordListConversion conversion;
    UserMessage message;
    if (!WriteWordListSet(dictionary, folder + "/nl", true, conversion, message)) {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        return std::string();
    }
    return made;
}

}  // namespace

int main(int argc, char** argv) {
    std::string words;
    std::string dictionary = "/usr/share/dict/nederlands";
    long long budget = 2000;
    long long longBudget = 2000000;
    bool randomOrder = false;
    int onlyGrid = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--words" && hasValue)
            words = argv[++i];
        else if (arg == "--dict" && hasValue)
            dictionary = argv[++i];
        else if (arg == "--nodes" && hasValue)
            budget = std::atoll(argv[++i]);
        else if (arg == "--engine-nodes" && hasValue)
            longBudget = std::atoll(argv[++i]);
        else if (arg == "--random")
            randomOrder = true;
        else if (arg == "--grid" && hasValue)
            onlyGrid = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr,
                         "gebruik: search_bench [--words SET] [--dict WOORDENBOEK] [--nodes N] "
                         "[--engine-nodes N] [--random] [--grid 0|1|2]\n");
            return 2;
        }
    }
    const std::filesystem::path folder =
        std::filesystem::path(argv[0]).parent_path() / "bench-words";
    words = FindOrMakeWords(words, dictionary, folder.string());
    if (words.empty()) {
        std::fprintf(stderr, "Bestand %s ontbreekt.\n", dictionary.c_str());
        return 1;
    }
    std::printf("woordenlijst %s, %lld plaatsingen per vergelijking%s\n", words.c_str(), budget,
                randomOrder ? ", willekeurige volgorde" : "");
    bool allSame = true;
    for (int g = 0; g < static_cast<int>(GRIDS.size()); ++g) {
        if (onlyGrid >= 0 && g != onlyGrid) continue;
        const BenchGrid& grid = *FindBenchGrid(GRIDS[g]);
        allSame = BenchOneGrid(grid, words, budget, longBudget, randomOrder) && allSame;
    }
    return allSame ? 0 : 1;
}
