// Subcommands on the puzzle itself: new, info.
#include <cstdio>

#include "cli_args.h"
#include "cli_common.h"
#include "editing/zweeds_layout.h"
#include "export_kinds.h"
#include "formats/text_export.h"
#include "model/rooster2_doc.h"
#include "util/str_format.h"

namespace {

int RunNew(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
int RunKey(const std::vector<std::string>& args);

std::vector<CliHelpItem> NewHelp() {
    return {{"--size BxH", "een rooster van B vakjes breed en H vakjes hoog, elk 1 tot en met 100"},
            {"--type VORM",
             "de vorm van de puzzel: kruiswoord (zwarte vakjes, de standaard), balkjes "
             "(balkjes op de randen van de vakjes sluiten de woorden af) of zweeds (een "
             "compleet Zweeds raster zoals \"Maak Zweeds raster\" het maakt: vakjes met "
             "omschrijvingen en pijlen in de bovenste rij, de linker kolom en verspreid "
             "in het rooster)"},
            {"--picture BxH",
             "alleen bij zweeds: een plaatje van B vakjes breed en H vakjes hoog rechtsonder "
             "in het rooster, buiten de woorden"}};
}

std::vector<CliHelpItem> InfoHelp() { return {SmallLettersHelp()}; }

const CliCommand NEW_COMMAND = {"new", "OUT.rtr [--size BxH] [--type VORM] [--picture BxH]", RunNew,
                                "Schrijft een nieuwe puzzel naar OUT.rtr: een rooster van "
                                "15 x 15 vrije vakjes, tenzij --size een andere maat geeft.",
                                NewHelp};
const CliCommand INFO_COMMAND = {"info", "FILE.rtr [--small-letters]", RunInfo,
                                 "Schrijft de puzzel als platte tekst naar standaarduitvoer: "
                                 "titel, rooster en woordenlijsten, dezelfde bytes als de "
                                 "tekstexport van het bureaubladprogramma.",
                                 InfoHelp};

std::vector<CliHelpItem> KeyHelp() {
    return {{"K,R",
             "een vakje: kolom K en rij R, geteld vanaf 1 linksboven; het eerste vakje "
             "krijgt nummer 1, het volgende 2, enzovoort. Zonder vakjes verdwijnt het "
             "sleutelwoord."}};
}

const CliCommand KEY_COMMAND = {"key", "FILE.rtr OUT.rtr [K,R ...]", RunKey,
                                "Maakt van de genoemde lettervakjes het sleutelwoord: ze worden "
                                "genummerd en gearceerd, en de vakjes 1 tot en met N onder het "
                                "rooster tonen de oplossing.",
                                KeyHelp};

// "K,R", 1-based, as the cell (K - 1, R - 1).
bool ParseCell(const std::string& text, std::pair<int, int>& cell) {
    const auto comma = text.find(',');
    long long column = 0;
    long long row = 0;
    if (comma == std::string::npos ||
        !ParseInteger(text.substr(0, comma), 1, MAX_GRID_SIDE, column) ||
        !ParseInteger(text.substr(comma + 1), 1, MAX_GRID_SIDE, row))
        return false;
    cell = {static_cast<int>(column) - 1, static_cast<int>(row) - 1};
    return true;
}

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
    CliArgs parsed(args, {{"--size", 1}, {"--type", 1}, {"--picture", 1}});
    if (!parsed.Ok()) return UsageError(NEW_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(NEW_COMMAND);
    Rooster2Doc doc;
    Puzzle puzzle = doc.FreshPuzzle();
    if (const auto size = parsed.Value("--size")) {
        int width = 0;
        int height = 0;
        if (!ParseSize(*size, width, height))
            return UsageError(NEW_COMMAND, "--size verwacht BxH met 1 tot en met 100");
        puzzle.Resize(width, height);
    }
    if (const auto type = parsed.Value("--type")) {
        const std::optional<PuzzleForm> form = PuzzleFormNamed(*type);
        if (!form) return UsageError(NEW_COMMAND, "--type verwacht kruiswoord, zweeds of balkjes");
        puzzle.form = *form;
    }
    const auto pictureSize = parsed.Value("--picture");
    if (pictureSize && puzzle.form != PuzzleForm::Zweeds)
        return UsageError(NEW_COMMAND, "--picture hoort bij --type zweeds");
    if (puzzle.form == PuzzleForm::Zweeds) {
        int width = 0;
        int height = 0;
        if (pictureSize && !ParseSize(*pictureSize, width, height))
            return UsageError(NEW_COMMAND, "--picture verwacht BxH met 1 tot en met 100");
        // The picture sits in the bottom-right corner, as in most magazines.
        const PictureBlock picture = PictureBlockAt(puzzle, width, height);
        UserMessage message;
        if (!MakeZweedsLayout(puzzle, pictureSize ? &picture : nullptr, message))
            return Fail(message);
    }
    puzzle.BuildWords();
    doc.Replace(std::move(puzzle));
    return SavePuzzle(doc, parsed.Positional()[0]) ? EXIT_OK : EXIT_FAILED;
}

int RunInfo(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--small-letters", 0}});
    if (!parsed.Ok()) return UsageError(INFO_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 1) return UsageError(INFO_COMMAND);
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[0], doc)) return EXIT_FAILED;
    WriteStdout(ExportPlainText(doc.puzzle(), parsed.Has("--small-letters")));
    return EXIT_OK;
}

int RunKey(const std::vector<std::string>& args) {
    CliArgs parsed(args, {});
    if (!parsed.Ok()) return UsageError(KEY_COMMAND, parsed.Error());
    const std::vector<std::string>& positional = parsed.Positional();
    if (positional.size() < 2) return UsageError(KEY_COMMAND);
    std::vector<std::pair<int, int>> cells;
    for (std::size_t i = 2; i < positional.size(); ++i) {
        std::pair<int, int> cell;
        if (!ParseCell(positional[i], cell))
            return UsageError(KEY_COMMAND, "een vakje is K,R met 1 tot en met 100");
        cells.push_back(cell);
    }
    Rooster2Doc doc;
    if (!LoadPuzzle(positional[0], doc)) return EXIT_FAILED;
    if (!PuzzleEdit(doc)->SetKeyCells(cells))
        return Fail(
            StrFormat("Het sleutelwoord bestaat uit hoogstens %d verschillende "
                      "lettervakjes binnen het rooster",
                      MAX_KEY_LENGTH));
    return SavePuzzle(doc, positional[1]) ? EXIT_OK : EXIT_FAILED;
}

}  // namespace

std::vector<CliCommand> ModelCommands() { return {NEW_COMMAND, INFO_COMMAND, KEY_COMMAND}; }
