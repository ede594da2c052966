// Subcommands of the automatic search: fill.
#include "search_commands.h"

#include <iostream>

#include "cli_args.h"
#include "cli_common.h"
#include "interrupt_signal.h"
#include "model/rooster2_doc.h"
#include "editing/solution_browser.h"
#include "editing/undo_history.h"
#include "formats/solutions_file.h"
#include "search/search_method.h"
#include "search/search_options.h"
#include "search/solution_frequencies.h"
#include "util/file_io.h"
#include "util/str_format.h"

namespace {

constexpr long long TIME_LIMIT_MAX = 1000000;

int RunFill(const std::vector<std::string>& args);

std::vector<CliHelpItem> FillHelp() {
    return {
        {"", "Een optie die ontbreekt, neemt de zoekoptie van de puzzel zelf. De voortgang "
             "komt ongeveer elke twee seconden op standaardfout. Ctrl+C stopt het zoeken en "
             "houdt wat gevonden is."},
        {"--words SET", "zoekt in deze set in plaats van het woordenbestand van de puzzel"},
        {"--max N", "hoogstens N oplossingen (0 = alle, tot 1000000)"},
        {"--all-different 0|1", "1: woorden met gelijke lengte alle verschillend"},
        {"--ij-two-letters 0|1", "1: de IJ mag ook als twee letters worden gebruikt"},
        {"--exclude LETTERS", "letters die niet mogen voorkomen"},
        {"--max-frequency N", "hoogstens N keer dezelfde letter (0 tot en met 9, 0 = geen grens)"},
        {"--max-distinct N", "hoogstens N verschillende letters (0 tot en met 100, 0 = geen grens)"},
        {"--random 0|1", "1: woorden vullen in willekeurige volgorde"},
        {"--seed N", "begin van de willekeurige volgorde (0 tot en met 4294967295), zodat een "
                     "zoektocht te herhalen is"},
        {"--method exact|fast", "exact (standaard): de klassieke volgorde, steeds het woord met "
                                "de minste passende kandidaten; fast: zoekt snel een vulling door "
                                "per vakje de nog mogelijke letters bij te houden en opnieuw te "
                                "beginnen na een groeiend aantal mislukkingen"},
        MinScoreHelp(),
        NoOverridesHelp(),
        {"--solutions OUT.txt", "schrijft de gevonden oplossingen naar OUT.txt"},
        {"--time-limit S", "stopt het zoeken na ongeveer S seconden (0 = geen grens, tot "
                           "1000000), zoals Ctrl+C, en houdt wat gevonden is"},
        {"--frequencies", "schrijft per open vakje het aantal verschillende letters in de "
                          "gevonden oplossingen (drie kolommen per vakje, # zwart, . niet open) "
                          "en het vakje dat het minst verschilt"},
        {"--take K OUT.rtr", "neemt oplossing K over zoals \"Klaar\" doet en slaat de puzzel op "
                             "als OUT.rtr"},
    };
}

const CliCommand FILL_COMMAND = {
    "fill",
    "FILE.rtr [--words SET] [--max N] [--all-different 0|1] [--ij-two-letters 0|1] "
    "[--exclude LETTERS] [--max-frequency N] [--max-distinct N] [--random 0|1] [--seed N] "
    "[--method exact|fast] [--min-score N] [--no-overrides] [--time-limit S] "
    "[--solutions OUT.txt] [--frequencies] [--take K OUT.rtr]",
    RunFill,
    "Vult alle open woorden van de puzzel uit de woordenlijsten en schrijft de uitkomst naar "
    "standaarduitvoer.",
    FillHelp};

// The puzzle's own options with the command line's changes; false on a bad value.
bool ReadFillOptions(CliArgs& parsed, const Rooster2Doc& doc, SearchOptions& options) {
    options = doc.puzzle.search;
    if (const auto words = parsed.Value("--words")) options.wordFile = *words;
    if (const auto exclude = parsed.Value("--exclude")) options.excludedLetters = *exclude;
    long long maxSolutions = options.maxSolutions;
    long long maxFrequency = options.maxFrequency;
    long long maxDistinct = options.maxDistinct;
    const bool ok = parsed.IntValue("--max", 0, MAX_SOLUTIONS_LIMIT, maxSolutions) &&
                    parsed.IntValue("--max-frequency", 0, MAX_FREQUENCY_LIMIT, maxFrequency) &&
                    parsed.IntValue("--max-distinct", 0, MAX_DISTINCT_LIMIT, maxDistinct) &&
                    parsed.BoolValue("--all-different", options.allDifferent) &&
                    parsed.BoolValue("--ij-two-letters", options.ijTwoLetters) &&
                    parsed.BoolValue("--random", options.randomOrder);
    options.maxSolutions = static_cast<std::int32_t>(maxSolutions);
    options.maxFrequency = static_cast<std::int32_t>(maxFrequency);
    options.maxDistinct = static_cast<std::int32_t>(maxDistinct);
    return ok;
}

// Per open cell the number of distinct letters over the solutions, and the
// cell that varies least; nothing without solutions.
void WriteFrequencies(const Puzzle& puzzle, const SearchResults& results) {
    const auto least = FindLeastVariedCell(puzzle, results.solutions);
    if (!least) return;
    WriteStdout(FormatLettersPerCell(puzzle, LettersPerOpenCell(puzzle, results.solutions)) +
                least->statusText + "\n");
}

// "&Klaar" on solution `number` (1-based) with the grid kept; the puzzle's own
// choice of that option is what the saved file keeps.
bool TakeSolution(Rooster2Doc& doc, SearchResults& results, int number, const std::string& path) {
    if (number < 1 || number > results.solutionCount) {
        Fail(StrFormat("Oplossing %d bestaat niet (%d oplossingen).", number, results.solutionCount));
        return false;
    }
    SolutionBrowser browser(doc, results);
    UndoHistories undo;
    browser.OnShowSolutions();
    for (int k = 1; k < number; ++k) browser.Next();
    const bool ownChoice = doc.puzzle.search.fillWithLastShown;
    doc.puzzle.search.fillWithLastShown = true;
    browser.OnSolutionsDone(undo);
    doc.puzzle.search.fillWithLastShown = ownChoice;
    return SavePuzzle(doc, path);
}

int RunFill(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--words", 1}, {"--max", 1}, {"--all-different", 1},
                          {"--ij-two-letters", 1}, {"--exclude", 1}, {"--max-frequency", 1},
                          {"--max-distinct", 1}, {"--random", 1}, {"--seed", 1},
                          {"--method", 1}, {"--min-score", 1}, {"--no-overrides", 0},
                          {"--time-limit", 1}, {"--solutions", 1}, {"--frequencies", 0},
                          {"--take", 2}});
    if (!parsed.Ok()) return UsageError(FILL_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(FILL_COMMAND);
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    SearchOptions options;
    long long seed = 0;
    long long take = 0;
    long long timeLimit = 0;
    if (!ReadScoringOptions(parsed, doc.scoring) || !ReadFillOptions(parsed, doc, options) ||
        !parsed.IntValue("--seed", 0, 0xFFFFFFFFLL, seed) ||
        !parsed.IntValue("--time-limit", 0, TIME_LIMIT_MAX, timeLimit))
        return UsageError(FILL_COMMAND, parsed.Error());
    const std::vector<std::string>& takeValues = parsed.Values("--take");
    if (!takeValues.empty() && !ParseInteger(takeValues[0], 1, MAX_SOLUTIONS_LIMIT, take))
        return UsageError(FILL_COMMAND, "--take verwacht een oplossingsnummer en een bestand");
    const auto method = ParseSearchMethod(parsed.Value("--method").value_or("exact"));
    if (!method) return UsageError(FILL_COMMAND, "--method verwacht exact of fast");
    ApplySearchOptions(doc, options);
    if (doc.puzzle.search.wordFile.empty()) return Fail("Geen woordenbestand opgegeven (--words SET).");

    const std::unique_ptr<SearchRun> search = MakeSearchRun(*method, doc);
    if (parsed.Has("--seed")) search->seed = static_cast<std::uint32_t>(seed);
    bool timeLimitPassed = false;
    WireToTerminal(*search, timeLimit, timeLimitPassed);
    InstallInterruptSignal();
    if (!search->Run()) {
        for (const UserMessage& message : search->Messages()) Fail(message);
        return EXIT_FAILED;
    }
    for (const UserMessage& message : search->Messages()) std::cerr << message.text << '\n';
    if (timeLimitPassed)
        std::cerr << StrFormat("Tijdslimiet van %lld seconden bereikt.", timeLimit) << '\n';
    WriteStdout(search->ResultText() + "\n");
    if (!search->ScoreText().empty()) WriteStdout(search->ScoreText() + "\n");
    if (parsed.Has("--frequencies")) WriteFrequencies(doc.puzzle, search->results);
    if (const auto path = parsed.Value("--solutions")) {
        if (const WriteResult written = WriteSolutionsFile(doc, search->results, *path, false);
            !written)
            return Fail(WriteFailureText(*path, written.status));
    }
    if (!takeValues.empty() && !TakeSolution(doc, search->results, static_cast<int>(take), takeValues[1]))
        return EXIT_FAILED;
    return EXIT_OK;
}

}  // namespace

void WireToTerminal(SearchRun& search, long long timeLimitSeconds, bool& timeLimitPassed) {
    search.callbacks.status = [](int, const std::string& text) {
        if (!text.empty()) std::cerr << text << '\n';
    };
    const long long start = search.clock->Milliseconds();
    timeLimitPassed = false;
    search.callbacks.poll = [&search, &timeLimitPassed, start, timeLimitSeconds] {
        if (InterruptRequested()) search.Interrupt();
        const long long elapsed = search.clock->Milliseconds() - start;
        if (timeLimitSeconds > 0 && elapsed >= timeLimitSeconds * 1000) {
            timeLimitPassed = true;
            search.Interrupt();
        }
    };
}

std::vector<CliCommand> SearchCommands() { return {FILL_COMMAND}; }
