// Subcommands of the automatic search: fill.

#include <algorithm>
#include <iostream>
#include <optional>

#include "cli_args.h"
#include "cli_common.h"
#include "editing/cell_locks.h"
#include "editing/phase_switch.h"
#include "editing/solution_browser.h"
#include "formats/solutions_file.h"
#include "interrupt_signal.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "program_folder.h"
#include "search/fill_improver.h"
#include "search/search_method.h"
#include "search/search_options.h"
#include "search/search_service.h"
#include "search/solution_frequencies.h"
#include "util/file_io.h"
#include "util/program_data.h"
#include "util/str_format.h"
#include "util/worker_thread.h"

namespace {

// A day: longer than anyone waits at a terminal, short enough for any clock.
constexpr long long MAX_IMPROVE_SECONDS = 86400;
constexpr long long TIME_LIMIT_MAX = 1000000;

int RunFill(const std::vector<std::string>& args);

std::vector<CliHelpItem> FillHelp() {
    return {
        {"",
         "Een optie die ontbreekt, neemt de zoekoptie van de puzzel zelf. De voortgang "
         "komt ongeveer elke twee seconden op standaardfout. Ctrl+C stopt het zoeken en "
         "houdt wat gevonden is. Na de uitkomst volgen de score van de eerste oplossing en "
         "haar vijf laagst scorende woorden (\"Laagste woorden: H3 KST (10), ...\")."},
        {"--words SET",
         "zoekt in deze set in plaats van het woordenbestand van de puzzel; "
         "noemt de puzzel er geen, dan in de Nederlandse set van het programma"},
        {"--max N", "hoogstens N oplossingen (0 = alle, tot 1000000)"},
        {"--all-different 0|1", "1: woorden met gelijke lengte alle verschillend"},
        {"--ij-two-letters 0|1", "1: de IJ mag ook als twee letters worden gebruikt"},
        {"--exclude LETTERS", "letters die niet mogen voorkomen"},
        {"--max-frequency N", "hoogstens N keer dezelfde letter (0 tot en met 9, 0 = geen grens)"},
        {"--max-distinct N",
         "hoogstens N verschillende letters (0 tot en met 100, 0 = geen grens)"},
        {"--random 0|1", "1: woorden vullen in willekeurige volgorde"},
        {"--seed N",
         "begin van de willekeurige volgorde (0 tot en met 4294967295), zodat een "
         "zoektocht te herhalen is"},
        {"--method exact|fast",
         "fast (standaard): zoekt snel een vulling door per vakje de nog "
         "mogelijke letters bij te houden en opnieuw te beginnen na een "
         "groeiend aantal mislukkingen; exact: de klassieke volgorde, "
         "steeds het woord met de minste passende kandidaten "
         "(--method exact --min-score 0 zoekt als vroeger)"},
        {MinScoreHelp().term, MinScoreHelp().text + " (standaard 50)"},
        {"--lower-min-score 0|1",
         "1 (standaard): vindt de vulling met de minimale score binnen een seconde of twee "
         "niets, dan probeert ze 30, 20 en 10, en de uitslag zegt het; 0: nooit lager"},
        {"--improve SECONDS",
         "verbetert de eerste oplossing hoogstens SECONDS seconden: vult "
         "het gebied rond het laagst scorende woord steeds opnieuw, eerst "
         "voor een hogere laagste score, dan voor een hoger gemiddelde; "
         "houdt de letters die de puzzel al had. De verbeterde vulling is "
         "oplossing 1 voor --solutions en --take"},
        NoOverridesHelp(),
        {"--solutions OUT.txt", "schrijft de gevonden oplossingen naar OUT.txt"},
        {"--time-limit S",
         "stopt het zoeken na ongeveer S seconden (0 = geen grens, tot "
         "1000000), zoals Ctrl+C, en houdt wat gevonden is"},
        {"--frequencies",
         "schrijft per open vakje het aantal verschillende letters in de "
         "gevonden oplossingen (drie kolommen per vakje, # zwart, . niet open) "
         "en het vakje dat het minst verschilt"},
        {"--lock WOORDEN",
         "zet deze woorden vast (bijvoorbeeld H1,V7), naast wat de puzzel al vastzet: "
         "elke vulling en verbetering houdt hun letters, en --take bewaart ze"},
        {"--region X1,Y1,X2,Y2",
         "vult alleen de woorden met een vakje in deze rechthoek (kolom X, rij Y, vanaf 1), "
         "zoals \"Vul selectie\": de letters erin die niet vastgezet zijn, worden opnieuw "
         "gevuld; geen vakje erbuiten verandert, en een leeg vakje erbuiten laat het woord "
         "erdoor elke letter"},
        {"--take K OUT.rtr",
         "neemt oplossing K over zoals \"Klaar\" doet en slaat de puzzel op "
         "als OUT.rtr"},
    };
}

const CliCommand FILL_COMMAND = {
    "fill",
    "FILE.rtr [--words SET] [--max N] [--all-different 0|1] [--ij-two-letters 0|1] "
    "[--exclude LETTERS] [--max-frequency N] [--max-distinct N] [--random 0|1] [--seed N] "
    "[--method exact|fast] [--min-score N] [--lower-min-score 0|1] [--no-overrides] [--improve "
    "SECONDS] [--time-limit S] [--lock WOORDEN] [--region X1,Y1,X2,Y2] "
    "[--solutions OUT.txt] [--frequencies] [--take K OUT.rtr]",
    RunFill,
    "Vult alle open woorden van de puzzel uit de woordenlijsten en schrijft de uitkomst naar "
    "standaarduitvoer.",
    FillHelp};

// The puzzle's own options with the command line's changes; false on a bad value.
bool ReadFillOptions(CliArgs& parsed, const Rooster2Doc& doc, SearchOptions& options) {
    options = doc.puzzle().search;
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

// --lock H1,V7: every cell of those words locked; false after the message on a word
// the puzzle does not have.
bool LockNamedWords(const std::string& labels, Puzzle& puzzle) {
    std::size_t start = 0;
    while (start <= labels.size()) {
        const std::size_t end = std::min(labels.find(',', start), labels.size());
        const std::string label = labels.substr(start, end - start);
        const int word = puzzle.FindWordByLabel(label);
        if (word < 0) {
            Fail(StrFormat("Woord %s bestaat niet in de puzzel.", label.c_str()));
            return false;
        }
        LockWord(puzzle, word);
        start = end + 1;
    }
    return true;
}

// --region X1,Y1,X2,Y2: columns and rows from 1, inside the grid; nothing on a bad value.
std::optional<GridRegion> ParseRegion(const std::string& text, const Puzzle& puzzle) {
    long long values[4] = {};
    const long long limits[4] = {puzzle.width, puzzle.height, puzzle.width, puzzle.height};
    std::size_t start = 0;
    for (int k = 0; k < 4; ++k) {
        const std::size_t end = k < 3 ? text.find(',', start) : text.size();
        if (end == std::string::npos ||
            !ParseInteger(text.substr(start, end - start), 1, limits[k], values[k]))
            return std::nullopt;
        start = end + 1;
    }
    return GridRegion::Spanning(static_cast<int>(values[0] - 1), static_cast<int>(values[1] - 1),
                                static_cast<int>(values[2] - 1), static_cast<int>(values[3] - 1));
}

// Progress goes to standard error at the search's own cadence.
SearchCallbacks TerminalCallbacks() {
    SearchCallbacks callbacks;
    callbacks.status = [](int, const std::string& text) {
        if (!text.empty()) std::cerr << text << '\n';
    };
    return callbacks;
}

// What a fill scores, and its five lowest words; nothing without a fill.
void WriteScoreLines(const std::string& score, const std::string& lowest) {
    if (!score.empty()) WriteStdout(score + "\n");
    if (!lowest.empty()) WriteStdout(lowest + "\n");
}

// The first solution made better for `seconds`, with the progress on standard
// error as the fill's; it replaces that solution for what follows. It runs on a
// thread with the search's stack, as the fill did.
void ImproveFirstSolution(const SearchRequest& fill, SearchResults& results, double seconds,
                          std::optional<std::uint32_t> seed, std::atomic<bool>& interrupt) {
    FillImprover improver(fill.puzzle, fill.scoring, interrupt);
    improver.seed = seed;
    improver.callbacks = TerminalCallbacks();
    WorkerThread(
        [&] {
            results.solutions.front() =
                improver.Improve(results.solutions.front(), results.openCells, seconds);
        },
        SEARCH_STACK_BYTES)
        .Join();
    WriteStdout(improver.ResultText() + "\n");
    WriteScoreLines(improver.ScoreText(), improver.LowestText());
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
        Fail(StrFormat("Oplossing %d bestaat niet (%d oplossingen).", number,
                       results.solutionCount));
        return false;
    }
    SolutionBrowser browser(doc, results);
    browser.OnShowSolutions();
    for (int k = 1; k < number; ++k) browser.Next();
    const bool ownChoice = doc.puzzle().search.fillWithLastShown;
    PuzzleEdit(doc, EditKind::Setting)->search.fillWithLastShown = true;
    browser.OnSolutionsDone();
    PuzzleEdit(doc, EditKind::Setting)->search.fillWithLastShown = ownChoice;
    return SavePuzzle(doc, path);
}

int RunFill(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--words", 1},          {"--max", 1},         {"--all-different", 1},
                          {"--ij-two-letters", 1}, {"--exclude", 1},     {"--max-frequency", 1},
                          {"--max-distinct", 1},   {"--random", 1},      {"--seed", 1},
                          {"--method", 1},         {"--min-score", 1},   {"--lower-min-score", 1},
                          {"--no-overrides", 0},   {"--improve", 1},     {"--time-limit", 1},
                          {"--solutions", 1},      {"--frequencies", 0}, {"--lock", 1},
                          {"--region", 1},         {"--take", 2}});
    if (!parsed.Ok()) return UsageError(FILL_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(FILL_COMMAND);
    Rooster2Doc doc;
    AppState app;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    ChooseWordSet(parsed, doc, app);
    app.scoring.minScore = DEFAULT_MIN_SCORE;
    long long lowerMinScore = 1;
    SearchOptions options;
    long long seed = 0;
    long long take = 0;
    long long improveSeconds = 0;
    long long timeLimit = 0;
    if (!ReadScoringOptions(parsed, app.scoring) || !ReadFillOptions(parsed, doc, options) ||
        !parsed.IntValue("--lower-min-score", 0, 1, lowerMinScore) ||
        !parsed.IntValue("--seed", 0, 0xFFFFFFFFLL, seed) ||
        !parsed.IntValue("--improve", 1, MAX_IMPROVE_SECONDS, improveSeconds) ||
        !parsed.IntValue("--time-limit", 0, TIME_LIMIT_MAX, timeLimit))
        return UsageError(FILL_COMMAND, parsed.Error());
    const std::vector<std::string>& takeValues = parsed.Values("--take");
    if (!takeValues.empty() && !ParseInteger(takeValues[0], 1, MAX_SOLUTIONS_LIMIT, take))
        return UsageError(FILL_COMMAND, "--take verwacht een oplossingsnummer en een bestand");
    const auto method = ParseSearchMethod(parsed.Value("--method").value_or("fast"));
    if (!method) return UsageError(FILL_COMMAND, "--method verwacht exact of fast");
    ApplySearchOptions(doc, options);
    app.scoring.lowerWhenNothingFits = lowerMinScore != 0;
    if (app.SearchWordFile(doc.puzzle()).empty())
        return Fail("Geen woordenbestand opgegeven (--words SET).");

    std::optional<GridRegion> region;
    if (const auto text = parsed.Value("--region")) {
        region = ParseRegion(*text, doc.puzzle());
        if (!region)
            return UsageError(FILL_COMMAND,
                              StrFormat("--region verwacht X1,Y1,X2,Y2 binnen %d x %d",
                                        doc.puzzle().width, doc.puzzle().height));
    }
    if (const auto labels = parsed.Value("--lock");
        labels && !LockNamedWords(*labels, PuzzleEdit(doc).puzzle()))
        return EXIT_FAILED;

    SearchRequest request{app.SearchPuzzle(doc.puzzle()), app.scoring, *method};
    request.region = region;
    if (parsed.Has("--seed")) request.seed = static_cast<std::uint32_t>(seed);
    request.timeLimitSeconds = timeLimit;
    // Ctrl+C stops the search as Escape does in the window.
    SearchOutcome outcome = Solve(request, TerminalCallbacks(), InstallInterruptSignal());
    if (!outcome.started) {
        for (const UserMessage& message : outcome.messages) Fail(message);
        return EXIT_FAILED;
    }
    SetPhase(doc, PhaseAfterSearch(doc, doc.phase, outcome.results.solutionCount));
    for (const UserMessage& message : outcome.messages) std::cerr << message.text << '\n';
    if (outcome.timeLimitReached)
        std::cerr << StrFormat("Tijdslimiet van %lld seconden bereikt.", timeLimit) << '\n';
    WriteStdout(outcome.resultText + "\n");
    if (parsed.Has("--improve") && outcome.results.solutionCount > 0)
        // The solution limit stops the fill through the same flag: armed again, Ctrl+C
        // stops the improving.
        ImproveFirstSolution(request, outcome.results, static_cast<double>(improveSeconds),
                             request.seed, InstallInterruptSignal());
    else
        WriteScoreLines(outcome.scoreText, outcome.lowestText);
    if (parsed.Has("--frequencies")) WriteFrequencies(doc.puzzle(), outcome.results);
    if (const auto path = parsed.Value("--solutions")) {
        if (const WriteResult written =
                WriteSolutionsFile(doc.puzzle(), outcome.results, *path, false);
            !written)
            return Fail(WriteFailureText(*path, written.status));
    }
    if (!takeValues.empty() &&
        !TakeSolution(doc, outcome.results, static_cast<int>(take), takeValues[1]))
        return EXIT_FAILED;
    return EXIT_OK;
}

}  // namespace

std::vector<CliCommand> SearchCommands() { return {FILL_COMMAND}; }
