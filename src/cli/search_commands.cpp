// Subcommands of the automatic search: fill.
#include <iostream>

#include "cli_args.h"
#include "cli_common.h"
#include "interrupt_signal.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"
#include "search/search_engine.h"
#include "search/search_options.h"
#include "search/solutions.h"
#include "util/str_format.h"

namespace {

int RunFill(const std::vector<std::string>& args);

const CliCommand FILL_COMMAND = {
    "fill",
    "FILE.rtr [--words SET] [--max N] [--all-different 0|1] [--ij-two-letters 0|1] "
    "[--exclude LETTERS] [--max-frequency N] [--max-distinct N] [--random 0|1] [--seed N] "
    "[--min-score N] [--no-overrides] [--solutions OUT.txt] [--take K OUT.rtr]",
    RunFill};

// The puzzle's own options with the command line's changes; false on a bad value.
bool ReadFillOptions(CliArgs& parsed, const CRooster2Doc& doc, SearchOptions& options) {
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

// Progress goes to standard error at the search's own cadence; Ctrl+C stops it
// at the next turn, as Escape does in the window.
void WireToTerminal(CSearchEngine& engine) {
    engine.m_callbacks.status = [](int, const std::string& text) {
        if (!text.empty()) std::cerr << text << '\n';
    };
    engine.m_callbacks.poll = [&engine] {
        if (InterruptRequested()) engine.Interrupt();
    };
}

// "&Klaar" on solution `number` (1-based) with the grid kept; the puzzle's own
// choice of that option is what the saved file keeps.
bool TakeSolution(CRooster2Doc& doc, SearchResults& results, int number, const std::string& path) {
    if (number < 1 || number > results.m_solutionCount) {
        Fail(StrFormat("Oplossing %d bestaat niet (%d oplossingen).", number, results.m_solutionCount));
        return false;
    }
    CSolutionBrowser browser(doc, results);
    CUndoHistories undo;
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
                          {"--min-score", 1}, {"--no-overrides", 0}, {"--solutions", 1},
                          {"--take", 2}});
    if (!parsed.Ok()) return UsageError(FILL_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(FILL_COMMAND);
    CRooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    SearchOptions options;
    long long seed = 0;
    long long take = 0;
    if (!ReadScoringOptions(parsed, doc.scoring) || !ReadFillOptions(parsed, doc, options) ||
        !parsed.IntValue("--seed", 0, 0xFFFFFFFFLL, seed))
        return UsageError(FILL_COMMAND, parsed.Error());
    const std::vector<std::string>& takeValues = parsed.Values("--take");
    if (!takeValues.empty() && !ParseInteger(takeValues[0], 1, MAX_SOLUTIONS_LIMIT, take))
        return UsageError(FILL_COMMAND, "--take verwacht een oplossingsnummer en een bestand");
    ApplySearchOptions(doc, options);
    if (doc.puzzle.search.wordFile.empty()) return Fail("Geen woordenbestand opgegeven (--words SET).");

    CSearchEngine engine(doc);
    if (parsed.Has("--seed")) engine.m_seed = static_cast<std::uint32_t>(seed);
    WireToTerminal(engine);
    InstallInterruptSignal();
    if (!engine.Run()) {
        for (const UserMessage& message : engine.Messages()) Fail(message);
        return EXIT_FAILED;
    }
    for (const UserMessage& message : engine.Messages()) std::cerr << message.text << '\n';
    WriteStdout(engine.ResultText() + "\n");
    if (!engine.ScoreText().empty()) WriteStdout(engine.ScoreText() + "\n");
    if (const auto path = parsed.Value("--solutions")) {
        if (!WriteSolutionsFile(doc, engine.m_results, *path, false))
            return Fail(StrFormat("Bestand %s kan niet worden geschreven.", path->c_str()));
    }
    if (!takeValues.empty() && !TakeSolution(doc, engine.m_results, static_cast<int>(take), takeValues[1]))
        return EXIT_FAILED;
    return EXIT_OK;
}

}  // namespace

std::vector<CliCommand> SearchCommands() { return {FILL_COMMAND}; }
