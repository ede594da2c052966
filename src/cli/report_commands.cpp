// Subcommands on clues and reports: read-clues, stats, compare, folder-clues, check,
// fillability; and the clue exports of the export command.

#include <iostream>

#include "cli_args.h"
#include "cli_common.h"
#include "export_kinds.h"
#include "formats/clue_files.h"
#include "formats/compare.h"
#include "formats/folder_clues.h"
#include "formats/grid_check.h"
#include "formats/statistics.h"
#include "model/app_state.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "search/fillability.h"
#include "util/file_io.h"
#include "wordlists/word_scores.h"

namespace {

int RunReadClues(const std::vector<std::string>& args);
int RunStats(const std::vector<std::string>& args);
int RunCompare(const std::vector<std::string>& args);
int RunFolderClues(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunFillability(const std::vector<std::string>& args);

std::vector<CliHelpItem> StatsHelp() {
    return {{"", "De opties zijn de vakjes van het venster:"},
            {"--lengths", "\"Lengte\": de lengtes van de woorden"},
            {"--clues", "\"Omschr.\": de omschrijvingen bij de woorden"},
            {"--product", "\"WoordProduct\": het product van de letterwaarden van elk woord"},
            {"--sum", "\"WoordSom\": de som van de letterwaarden van elk woord"},
            {"--system", "\"Systeem info\": gegevens over geheugen en systeem"}};
}

std::vector<CliHelpItem> CompareHelp() {
    return {{"--all",
             "vergelijkt met elk .rtr-bestand in de map van OTHER.rtr, op "
             "naamvolgorde"}};
}

std::vector<CliHelpItem> CheckHelp() {
    return {{"",
             "Een bevinding per regel: het aantal woorden, de gemiddelde lengte en het "
             "aandeel zwarte vakken; vakken in geen woord en ongekruiste vakken; losse "
             "gebieden; dubbele woorden en woorden die op elkaar lijken (het een bevat het "
             "ander, of dezelfde stam); woorden die niet in hun lijst staan of onder de "
             "minimale score blijven. De uitgang is 0, ook met bevindingen."},
            {"--words SET", "zoekt op in deze set in plaats van het woordenbestand van de puzzel"},
            MinScoreHelp(),
            NoOverridesHelp()};
}

std::vector<CliHelpItem> FillabilityHelp() {
    return {{"",
             "Vernauwt de lettersets van het hele rooster, zoals de methode \"Snel\" dat "
             "doet, zonder te zoeken. Per woord een regel met het aantal woorden dat er nog "
             "past (\"ingevuld\" voor een vol woord), dan een regel per vak waar geen letter "
             "past, en als laatste \"Vulbaar\" of het eerste woord zonder kandidaten "
             "(\"H12: geen woorden\"). De uitgang is 0, ook als het rooster niet vulbaar is."},
            {"--words SET", "zoekt in deze set in plaats van het woordenbestand van de puzzel"},
            {MinScoreHelp().term, MinScoreHelp().text + " (standaard 50, zoals fill)"},
            NoOverridesHelp()};
}

const CliCommand READ_CLUES_COMMAND = {
    "read-clues", "FILE.rtr CLUES.txt OUT.rtr", RunReadClues,
    "Leest een omschrijvingenbestand (zoals export cluefile het schrijft, of elders getypt) in "
    "de puzzel, meldt \"Aantal toegevoegde omschrijvingen: N\" en slaat het resultaat op als "
    "OUT.rtr, in de invulfase."};
const CliCommand STATS_COMMAND = {
    "stats", "FILE.rtr [--lengths] [--clues] [--product] [--sum] [--system]", RunStats,
    "Schrijft de statistiek van het eigenschappenvenster naar standaarduitvoer.", StatsHelp};
const CliCommand COMPARE_COMMAND = {
    "compare", "FILE.rtr OTHER.rtr [--all]", RunCompare,
    "Vergelijkt de puzzel FILE.rtr met OTHER.rtr en schrijft de uitkomst naar standaarduitvoer.",
    CompareHelp};
const CliCommand CHECK_COMMAND = {
    "check", "FILE.rtr [--words SET] [--min-score N] [--no-overrides]", RunCheck,
    "Controleert het rooster, zoals \"Controleer rooster\", en schrijft de bevindingen naar "
    "standaarduitvoer.",
    CheckHelp};
const CliCommand FILLABILITY_COMMAND = {
    "fillability", "FILE.rtr [--words SET] [--min-score N] [--no-overrides]", RunFillability,
    "Controleert of het rooster nog te vullen is, zoals \"Vulbaarheid tonen\", en schrijft "
    "per woord het aantal kandidaten en de vakken waar geen letter past naar standaarduitvoer.",
    FillabilityHelp};
const CliCommand FOLDER_CLUES_COMMAND = {
    "folder-clues", "DIR OUT.txt", RunFolderClues,
    "Schrijft elk woord en elke omschrijving van elk .rtr-bestand in DIR en zijn submappen naar "
    "OUT.txt; verborgen mappen en koppelingen naar mappen blijven erbuiten."};

// Clues are read in the filling phase; a puzzle that is still being shaped goes there
// first, as the user would switch before reading, so that the clues stay with its words.
void EnterFillingPhase(Rooster2Doc& doc) {
    if (doc.phase != Phase::Vormen) return;
    doc.phase = Phase::Vullen;
    doc.curWord = 0;
    doc.curPos = 0;
}

// The desktop offers the clue exports only while parts are not numbered separately:
// the numbers in the text would not be those of the words.
int RefusePartNumbers() {
    return Fail("Omschrijvingen schrijven kan niet met \"Ook nummer bij deelwoord\" aan");
}

int ExportPrintableClues(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions&) {
    if (!CanExportClues(doc.puzzle())) return RefusePartNumbers();
    return WriteExportFile(outPath, ExportClues(doc.puzzle()));
}

int ExportClueFile(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions&) {
    if (!CanWriteClueFile(doc.puzzle())) return RefusePartNumbers();
    return WriteExportFile(outPath, WriteClueFile(doc.puzzle()));
}

int RunReadClues(const std::vector<std::string>& args) {
    CliArgs parsed(args, {});
    if (!parsed.Ok()) return UsageError(READ_CLUES_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 3) return UsageError(READ_CLUES_COMMAND);
    const std::string& cluePath = parsed.Positional()[1];
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    EnterFillingPhase(doc);
    ClueSection section = ClueSection::Across;
    int count = 0;
    if (const ReadStatus read =
            ReadClueFileAt(PuzzleEdit(doc, EditKind::Setting).puzzle(), section, cluePath, count);
        read != ReadStatus::Read)
        return Fail(ReadFailureText(cluePath, read, DOCUMENT_FILE_LIMIT));
    if (!SavePuzzle(doc, parsed.Positional()[2])) return EXIT_FAILED;
    WriteStdout(AddedCluesMessage(count).text + "\n");
    return EXIT_OK;
}

int RunStats(const std::vector<std::string>& args) {
    CliArgs parsed(
        args, {{"--lengths", 0}, {"--clues", 0}, {"--product", 0}, {"--sum", 0}, {"--system", 0}});
    if (!parsed.Ok()) return UsageError(STATS_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(STATS_COMMAND);
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    StatisticsOptions options;
    options.withLengths = parsed.Has("--lengths");
    options.withClues = parsed.Has("--clues");
    options.withProduct = parsed.Has("--product");
    options.withSum = parsed.Has("--sum");
    options.withSystemInfo = parsed.Has("--system");
    std::vector<std::string> lines;
    ComputeStatistics(doc, lines, options);
    WriteStdout(JoinReportLines(lines));
    return EXIT_OK;
}

int RunCompare(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--all", 0}});
    if (!parsed.Ok()) return UsageError(COMPARE_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 2) return UsageError(COMPARE_COMMAND);
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    std::string result;
    UserMessage message;
    if (!CompareNow(doc, parsed.Positional()[1], parsed.Has("--all"), result, message))
        return Fail(message);
    WriteStdout(result);
    return EXIT_OK;
}

int RunFolderClues(const std::vector<std::string>& args) {
    CliArgs parsed(args, {});
    if (!parsed.Ok()) return UsageError(FOLDER_CLUES_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 2) return UsageError(FOLDER_CLUES_COMMAND);
    std::string listing;
    ListFolder(parsed.Positional()[0], listing);
    return WriteExportFile(parsed.Positional()[1], listing);
}

// FILE.rtr [--words SET] [--min-score N] [--no-overrides]: the puzzle with the set it
// looks in, and the scoring. EXIT_OK, or the exit code to end with.
int OpenWithScoring(const CliCommand& command, const std::vector<std::string>& args,
                    Rooster2Doc& doc, AppState& app) {
    CliArgs parsed(args, {{"--words", 1}, {"--min-score", 1}, {"--no-overrides", 0}});
    if (!parsed.Ok() || !ReadScoringOptions(parsed, app.scoring))
        return UsageError(command, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(command);
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    ChooseWordSet(parsed, doc, app);
    return EXIT_OK;
}

int RunCheck(const std::vector<std::string>& args) {
    Rooster2Doc doc;
    AppState app;
    if (const int opened = OpenWithScoring(CHECK_COMMAND, args, doc, app); opened != EXIT_OK)
        return opened;
    std::string lines;
    for (const GridFinding& finding : CheckGrid(app.SearchPuzzle(doc.puzzle()), app.scoring))
        lines += finding.text + "\n";
    WriteStdout(lines);
    return EXIT_OK;
}

std::string FillabilityLines(const Puzzle& puzzle, const FillabilityReport& report) {
    std::string lines;
    for (std::size_t i = 0; i < report.candidates.size(); ++i)
        lines +=
            FormatLabel(puzzle.words[i]) + ": " + CandidateCountText(report.candidates[i]) + "\n";
    for (int cell = 0; cell < static_cast<int>(report.deadCells.size()); ++cell)
        if (report.deadCells[cell])
            lines += "Geen letter past: " + CellPosition(cell % puzzle.width, cell / puzzle.width) +
                     "\n";
    return lines + FillabilityStatusText(report) + "\n";
}

// The check foresees the fill, so it takes the fill's minimum unless told otherwise.
int RunFillability(const std::vector<std::string>& args) {
    Rooster2Doc doc;
    AppState app;
    app.scoring.minScore = DEFAULT_MIN_SCORE;
    if (const int opened = OpenWithScoring(FILLABILITY_COMMAND, args, doc, app); opened != EXIT_OK)
        return opened;
    std::atomic<bool> cancel{false};
    const FillabilityReport report =
        CheckFillability({app.SearchPuzzle(doc.puzzle()), app.scoring}, cancel);
    if (!report.checked) return Fail(FillabilityStatusText(report));
    for (const UserMessage& message : report.messages) std::cerr << message.text << '\n';
    WriteStdout(FillabilityLines(doc.puzzle(), report));
    return EXIT_OK;
}

}  // namespace

std::vector<CliCommand> ReportCommands() {
    return {READ_CLUES_COMMAND,   STATS_COMMAND, COMPARE_COMMAND,
            FOLDER_CLUES_COMMAND, CHECK_COMMAND, FILLABILITY_COMMAND};
}

std::vector<ExportKind> ReportExportKinds() {
    return {{"clues", ExportPrintableClues, "de omschrijvingen om af te drukken, met de titel"},
            {"cluefile", ExportClueFile, "het omschrijvingenbestand dat read-clues weer inleest"}};
}
