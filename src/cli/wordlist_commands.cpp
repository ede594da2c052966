// Subcommands on word lists: wordlist, candidates, anagrams, spell.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli_args.h"
#include "cli_common.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/native_path.h"
#include "util/str_format.h"
#include "wordlists/candidates.h"
#include "wordlists/spell_check.h"
#include "wordlists/word_data.h"
#include "wordlists/word_list_convert.h"

namespace {

int RunWordList(const std::vector<std::string>& args);
int RunCandidates(const std::vector<std::string>& args);
int RunAnagrams(const std::vector<std::string>& args);
int RunSpell(const std::vector<std::string>& args);

std::vector<CliHelpItem> WordListHelp() {
    return {{"",
             "Letters worden hoofdletters zonder accenten (cafe wordt CAFE), een I direct "
             "gevolgd door een J wordt Y, koppeltekens en apostroffen vallen weg. Regels met "
             "spaties, punten, cijfers of andere tekens vallen weg, net als woorden van een "
             "letter en herhaalde woorden; de volgorde van het woordenboek blijft."},
            {"--ij-to-y 0|1", "1 (standaard): IJ wordt de letter Y; 0: IJ blijft twee letters"},
            {"--default-scores",
             "geeft elk woord een score (0 tot en met 100) volgens de vaste regel: 50 of meer "
             "voor een woord dat een gewone oplosser kent, hoger naarmate het vaker gebruikt "
             "wordt; eigennamen, afkortingen, Romeinse cijfers, symbolen en zeldzame vormen "
             "onder 50"},
            {"--stems HUNSPELL.dic",
             "bij --default-scores: een woord dat dit hunspell-woordenboek als stam noemt, scoort "
             "hoger dan een verbogen vorm; een letterwoord (vlag Cl) telt als afkorting"},
            {"--frequencies FILE",
             "bij --default-scores: regels 'woord zipf' (zipf = log10 van het aantal keer per "
             "miljard woorden, bijvoorbeeld 'huis 5.72'); de score volgt hoe vaak een woordvorm "
             "voorkomt, en een samenstelling van twee bekende woorden scoort 55"},
            {"--offensive FILE",
             "bij --default-scores: aanstootgevende woorden, een per regel; zij krijgen score 0"},
            {"--scores FILE", "regels woord;score die de score van die woorden vastleggen"}};
}

CliHelpItem MaxCandidatesHelp() {
    return {"--max N", "hoogstens N woorden (standaard 1000, 0 = alle)"};
}

std::vector<CliHelpItem> CandidatesHelp() {
    return {MaxCandidatesHelp(), MinScoreHelp(), NoOverridesHelp()};
}

std::vector<CliHelpItem> AnagramsHelp() {
    return {{"--pattern P",
             "het patroon dat de woorden moeten passen (een punt voor een "
             "onbekende letter); standaard evenveel punten als letters"},
            MaxCandidatesHelp(),
            MinScoreHelp(),
            NoOverridesHelp()};
}

std::vector<CliHelpItem> SpellHelp() {
    return {{"--words SET",
             "controleert met deze set in plaats van het woordenbestand van de "
             "puzzel"}};
}

const CliCommand WORDLIST_COMMAND = {
    "wordlist",
    "DICT MAP/BASIS [--ij-to-y 0|1] [--default-scores [--stems HUNSPELL.dic] [--frequencies "
    "FILE] [--offensive FILE]] [--scores FILE]",
    RunWordList,
    "Maakt uit het woordenboek DICT (een woord per regel, UTF-8 of Latin-1) de woordenlijstset "
    "MAP/BASIS02.doc tot en met MAP/BASIS19.doc (de laatste met alle woorden van 19 letters of "
    "meer); maakt MAP als die er niet is.",
    WordListHelp};
const CliCommand CANDIDATES_COMMAND = {
    "candidates", "SET PATROON [--max N] [--min-score N] [--no-overrides]", RunCandidates,
    "Schrijft de woorden van de set die in PATROON passen (een punt voor een onbekende letter) "
    "naar standaarduitvoer, een per regel in de volgorde van de lijst; het aantal komt op "
    "standaardfout.",
    CandidatesHelp};
const CliCommand ANAGRAMS_COMMAND = {
    "anagrams", "SET LETTERS [--pattern P] [--max N] [--min-score N] [--no-overrides]", RunAnagrams,
    "Schrijft de woorden van de set die alle LETTERS bevatten (een herhaalde letter zo vaak als "
    "gegeven) en in het patroon passen; zonder --pattern zijn dat de anagrammen.",
    AnagramsHelp};
const CliCommand SPELL_COMMAND = {
    "spell", "FILE.rtr [--words SET]", RunSpell,
    "Schrijft het verslag van de spellingcontrole naar standaarduitvoer: gevulde woorden die "
    "niet in hun woordenlijst staan en woorden die niet helemaal gevuld zijn.",
    SpellHelp};

// The dialog's field "Max. aantal kandidaten (0 = alle):" allows up to this.
constexpr long long MAX_CANDIDATES_FIELD = 100000;

int RunWordList(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--ij-to-y", 1},
                          {"--default-scores", 0},
                          {"--stems", 1},
                          {"--frequencies", 1},
                          {"--offensive", 1},
                          {"--scores", 1}});
    bool ijToY = true;
    if (!parsed.Ok() || !parsed.BoolValue("--ij-to-y", ijToY))
        return UsageError(WORDLIST_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 2) return UsageError(WORDLIST_COMMAND);
    ScoringFiles scoring;
    scoring.defaultRule = parsed.Has("--default-scores");
    scoring.stemsPath = parsed.Value("--stems").value_or(std::string());
    scoring.scoresPath = parsed.Value("--scores").value_or(std::string());
    scoring.frequenciesPath = parsed.Value("--frequencies").value_or(std::string());
    scoring.offensivePath = parsed.Value("--offensive").value_or(std::string());
    for (const char* ruleOption : {"--stems", "--frequencies", "--offensive"}) {
        if (parsed.Has(ruleOption) && !scoring.defaultRule)
            return UsageError(WORDLIST_COMMAND,
                              std::string(ruleOption) + " hoort bij --default-scores");
    }
    const std::string& base = parsed.Positional()[1];
    std::error_code ignored;  // a folder that cannot be made shows up as a file not written
    if (!FolderOf(base).empty())
        std::filesystem::create_directories(NativePath(FolderOf(base)), ignored);
    WordListConversion conversion;
    UserMessage message;
    if (!WriteWordListSet(parsed.Positional()[0], base, ijToY, conversion, message, scoring))
        return Fail(message);
    WriteStdout(ConversionSummary(conversion, base) + "\n");
    return EXIT_OK;
}

// A document that looks words up in `set` with the defaults of a new puzzle.
Puzzle PuzzleForSet(const std::string& set) {
    Puzzle puzzle;
    puzzle.search.wordFile = set;
    return puzzle;
}

// Prints the entries, one per line, and the dialog's label on standard error; a failed
// lookup gives its message and the reason.
int ShowCandidates(const CandidateList& list, const std::string& set, int length) {
    if (list.error) {
        const std::string reason = WordListProblem(set, length);
        return Fail(list.error->text + (reason.empty() ? "" : ": " + reason));
    }
    if (list.warning) std::cerr << list.warning->text << '\n';
    std::string lines;
    for (const std::string& entry : list.entries) lines += entry + "\n";
    WriteStdout(lines);
    std::cerr << list.label << '\n';
    return EXIT_OK;
}

int RunCandidates(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--max", 1}, {"--min-score", 1}, {"--no-overrides", 0}});
    long long maxCount = Puzzle().search.maxCandidates;
    if (!parsed.Ok() || !parsed.IntValue("--max", 0, MAX_CANDIDATES_FIELD, maxCount))
        return UsageError(CANDIDATES_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 2) return UsageError(CANDIDATES_COMMAND);
    const std::string& set = parsed.Positional()[0];
    const std::string& pattern = parsed.Positional()[1];
    const Puzzle puzzle = PuzzleForSet(set);
    WordScoring scoring;
    if (!ReadScoringOptions(parsed, scoring)) return UsageError(CANDIDATES_COMMAND, parsed.Error());
    const CandidateList list = FillCandidates(puzzle, scoring, pattern, WordPartSelection{},
                                              static_cast<int>(maxCount), 0);
    return ShowCandidates(list, set, static_cast<int>(pattern.size()));
}

int RunAnagrams(const std::vector<std::string>& args) {
    CliArgs parsed(args,
                   {{"--pattern", 1}, {"--max", 1}, {"--min-score", 1}, {"--no-overrides", 0}});
    long long maxCount = Puzzle().search.maxCandidates;
    if (!parsed.Ok() || !parsed.IntValue("--max", 0, MAX_CANDIDATES_FIELD, maxCount))
        return UsageError(ANAGRAMS_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 2) return UsageError(ANAGRAMS_COMMAND);
    const std::string& set = parsed.Positional()[0];
    const std::string& letters = parsed.Positional()[1];
    if (letters.empty()) return UsageError(ANAGRAMS_COMMAND, "geen letters gegeven");
    const std::string pattern =
        parsed.Value("--pattern").value_or(std::string(letters.size(), '.'));
    const Puzzle puzzle = PuzzleForSet(set);
    WordScoring scoring;
    if (!ReadScoringOptions(parsed, scoring)) return UsageError(ANAGRAMS_COMMAND, parsed.Error());
    const std::optional<CandidateList> list = FilterCandidates(
        puzzle, scoring, pattern, WordPartSelection{}, letters, static_cast<int>(maxCount), 0);
    return ShowCandidates(*list, set, static_cast<int>(pattern.size()));
}

int RunSpell(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--words", 1}});
    if (!parsed.Ok()) return UsageError(SPELL_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(SPELL_COMMAND);
    Rooster2Doc doc;
    AppState app;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    ChooseWordSet(parsed, doc, app);
    const Puzzle searched = app.SearchPuzzle(doc.puzzle());
    if (searched.search.wordFile.empty()) return Fail("Geen woordenlijst gegeven");
    const std::optional<std::string> report = SpellingCheckReport(searched);
    if (!report) return Fail(StrFormat("Bestand %s ontbreekt.", searched.search.wordFile.c_str()));
    WriteStdout(report->back() == '\n' ? *report : *report + "\n");
    // As in the desktop program, a word whose list is missing counts as not in the
    // list; the missing file is named for whoever wonders why.
    if (const std::string missing = FirstMissingSpellingFile(searched); !missing.empty())
        std::cerr << missing << '\n';
    return EXIT_OK;
}

}  // namespace

std::vector<CliCommand> WordListCommands() {
    return {WORDLIST_COMMAND, CANDIDATES_COMMAND, ANAGRAMS_COMMAND, SPELL_COMMAND};
}
