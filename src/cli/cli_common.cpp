#include "cli_common.h"

#include <cstdio>
#include <iostream>

#include "cli_args.h"
#include "formats/system_facts.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "program_folder.h"
#include "util/program_data.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

int Fail(const UserMessage& message) { return Fail(message.text); }

void ChooseWordSet(CliArgs& parsed, Rooster2Doc& doc, AppState& app) {
    if (const auto words = parsed.Value("--words"))
        PuzzleEdit(doc, EditKind::Setting)->search.wordFile = *words;
    app.defaultWordFile = InstalledWordListFile(ProgramFolder());
}

bool ReadScoringOptions(CliArgs& parsed, WordScoring& scoring) {
    long long minScore = scoring.minScore;
    if (!parsed.IntValue("--min-score", LOWEST_SCORE, HIGHEST_SCORE, minScore)) return false;
    scoring.minScore = static_cast<std::int32_t>(minScore);
    if (parsed.Has("--no-overrides")) return true;
    if (const std::optional<UserMessage> warning =
            LoadScoreOverrides(scoring, ScoreOverridePath(UserDataFolder())))
        std::cerr << warning->text << '\n';
    return true;
}

CliHelpItem MinScoreHelp() {
    return {"--min-score N",
            "laat woorden met een score onder N weg (0 tot en met 100, 0 = "
            "geen grens); een regel woord;score in een lijst geeft de score, "
            "zonder score telt een woord als 50"};
}

CliHelpItem NoOverridesHelp() {
    return {"--no-overrides", "zonder de eigen scores uit de gegevensmap van de gebruiker"};
}

int Fail(const std::string& text) {
    std::cerr << text << '\n';
    return EXIT_FAILED;
}

int UsageError(const CliCommand& command, const std::string& reason) {
    if (!reason.empty()) std::cerr << "rooster2-cli " << command.name << ": " << reason << '\n';
    std::cerr << "gebruik: rooster2-cli " << command.name << ' ' << command.usage << '\n';
    return EXIT_USAGE;
}

void WriteStdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

bool LoadPuzzle(const std::string& path, Rooster2Doc& doc) {
    const RtrReadResult result = OpenRtrFile(doc, path);
    if (result.status == RtrStatus::Loaded) return true;
    Fail(result.message);
    return false;
}

bool SavePuzzle(Rooster2Doc& doc, const std::string& path) {
    UserMessage message;
    if (SaveRtrFile(doc, path, message)) return true;
    Fail(message);
    return false;
}
