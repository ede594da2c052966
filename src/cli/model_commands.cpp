// Subcommands on the puzzle itself: new, info.
#include <cstdio>

#include "cli_args.h"
#include "cli_common.h"
#include "export_kinds.h"
#include "formats/text_export.h"
#include "model/rooster2_doc.h"

namespace {

int RunNew(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);

std::vector<CliHelpItem> NewHelp() {
    return {
        {"--size BxH", "een rooster van B vakjes breed en H vakjes hoog, elk 1 tot en met 100"}};
}

std::vector<CliHelpItem> InfoHelp() { return {SmallLettersHelp()}; }

const CliCommand NEW_COMMAND = {"new", "OUT.rtr [--size BxH]", RunNew,
                                "Schrijft een nieuwe puzzel naar OUT.rtr: een rooster van "
                                "15 x 15 vrije vakjes, tenzij --size een andere maat geeft.",
                                NewHelp};
const CliCommand INFO_COMMAND = {"info", "FILE.rtr [--small-letters]", RunInfo,
                                 "Schrijft de puzzel als platte tekst naar standaarduitvoer: "
                                 "titel, rooster en woordenlijsten, dezelfde bytes als de "
                                 "tekstexport van het bureaubladprogramma.",
                                 InfoHelp};

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto cross = text.find_first_of("xX");
    if (cross == std::string::npos) return false;
    long long w = 0;
    long long h = 0;
    if (!ParseInteger(text.substr(0, cross), 1, MAX_GRID_SIDE, w) ||
        !ParseInteger(text.substr(cross + 1), 1, MAX_GRID_SIDE, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

int RunNew(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--size", 1}});
    if (!parsed.Ok()) return UsageError(NEW_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(NEW_COMMAND);
    Rooster2Doc doc;
    if (const auto size = parsed.Value("--size")) {
        int width = 0;
        int height = 0;
        if (!ParseSize(*size, width, height))
            return UsageError(NEW_COMMAND, "--size verwacht BxH met 1 tot en met 100");
        doc.puzzle.Resize(width, height);
    }
    doc.puzzle.BuildWords();
    return SavePuzzle(doc, parsed.Positional()[0]) ? EXIT_OK : EXIT_FAILED;
}

int RunInfo(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--small-letters", 0}});
    if (!parsed.Ok()) return UsageError(INFO_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(INFO_COMMAND);
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    WriteStdout(ExportPlainText(doc.puzzle, parsed.Has("--small-letters")));
    return EXIT_OK;
}

}  // namespace

std::vector<CliCommand> ModelCommands() { return {NEW_COMMAND, INFO_COMMAND}; }
