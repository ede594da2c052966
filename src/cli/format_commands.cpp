// Subcommands on the file formats: export KIND, import KIND.
#include <iostream>
#include <optional>

#include "cli_args.h"
#include "cli_common.h"
#include "export_kinds.h"
#include "formats/html_export.h"
#include "formats/html_import.h"
#include "formats/ipuz_export.h"
#include "formats/ipuz_import.h"
#include "formats/puz_export.h"
#include "formats/puz_import.h"
#include "formats/puz_text_export.h"
#include "formats/ros_import.h"
#include "formats/text_export.h"
#include "formats/web_export.h"
#include "model/rooster2_doc.h"
#include "model/version_text.h"
#include "program_folder.h"
#include "util/file_io.h"
#include "util/program_data.h"

namespace {

int RunExport(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);

std::vector<CliHelpItem> ExportHelp();
std::vector<CliHelpItem> ImportHelp();

const CliCommand EXPORT_COMMAND = {
    "export", "KIND FILE.rtr OUT [--small-letters] [--solution] [--grey-blocks]", RunExport,
    "Schrijft de puzzel FILE.rtr naar OUT in de soort KIND, "
    "dezelfde bytes als de exportopdracht van het "
    "bureaubladprogramma.",
    ExportHelp};
const CliCommand IMPORT_COMMAND = {"import", "KIND IN OUT.rtr", RunImport,
                                   "Maakt een nieuwe puzzel uit het bestand IN van de soort KIND "
                                   "en slaat die op als OUT.rtr, in de invulfase. Een geweigerd "
                                   "bestand schrijft niets.",
                                   ImportHelp};

void PrintRemark(const UserMessage& message) {
    if (!message.text.empty()) std::cerr << message.text << '\n';
}

int ExportText(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions& options) {
    return WriteExportFile(outPath, ExportPlainText(doc.puzzle(), options.smallLetters));
}

int ExportPuzText(const Rooster2Doc& doc, const std::string& outPath,
                  const ExportOptions& options) {
    return WriteExportFile(outPath, WriteAcrossLiteText(doc.puzzle(), options.smallLetters));
}

int ExportHtmlPage(const Rooster2Doc& doc, const std::string& outPath, bool filled,
                   const ExportOptions& options) {
    UserMessage message;
    const std::string imageFolder = ProgramDataFolder(ProgramFolder(), HtmlImageName(doc.puzzle()));
    if (!ExportHtml(doc.puzzle(), outPath, filled, options.smallLetters, VersionText(), imageFolder,
                    message))
        return Fail(message);
    PrintRemark(message);
    return EXIT_OK;
}

int ExportHtmlEmpty(const Rooster2Doc& doc, const std::string& outPath,
                    const ExportOptions& options) {
    return ExportHtmlPage(doc, outPath, false, options);
}

int ExportHtmlFilled(const Rooster2Doc& doc, const std::string& outPath,
                     const ExportOptions& options) {
    return ExportHtmlPage(doc, outPath, true, options);
}

// A format that cannot hold every puzzle says why, and nothing is written.
template <std::optional<UserMessage> (*Refusal)(const Puzzle&), std::string (*Write)(const Puzzle&)>
int ExportUnlessRefused(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions&) {
    if (const std::optional<UserMessage> refusal = Refusal(doc.puzzle())) return Fail(*refusal);
    return WriteExportFile(outPath, Write(doc.puzzle()));
}

struct ImportKind {
    const char* name;
    ImportResult (*read)(Rooster2Doc& doc, const std::string& path);
    const char* summary = "";  // what IN is, for the help
};

const ImportKind IMPORT_KINDS[] = {
    {"puz", ImportPuzFile,
     "een bestand van Across Lite (.puz): de vorm, de omschrijvingen, "
     "de titel en de notities"},
    {"ipuz", ImportIpuzFile, "een ipuz-bestand: rooster, letters en omschrijvingen"},
    {"ros", ImportRosFile, "een bestand van versie 1 (.ros)"},
    {"html", ImportHtmlFile, "een pagina van de html-export: alleen de vorm van het rooster"},
};

template <typename Kind, typename Kinds>
const Kind* FindKind(const Kinds& kinds, const std::string& name) {
    for (const Kind& kind : kinds) {
        if (name == kind.name) return &kind;
    }
    return nullptr;
}

template <typename Kinds>
std::string KindNames(const Kinds& kinds) {
    std::string names;
    for (const auto& kind : kinds) names += (names.empty() ? "" : ", ") + std::string(kind.name);
    return names;
}

// Each kind of a table as a term of the help, after the line that introduces them.
template <typename Kinds>
std::vector<CliHelpItem> KindsHelp(const Kinds& kinds) {
    std::vector<CliHelpItem> items = {{"", "KIND is een van:"}};
    for (const auto& kind : kinds) items.push_back({kind.name, kind.summary});
    return items;
}

std::vector<CliHelpItem> ExportHelp() {
    std::vector<CliHelpItem> items = KindsHelp(ExportKinds());
    items.push_back({"", "Opties:"});
    items.push_back(SmallLettersHelp());
    items.push_back({"--solution", "alleen bij pdf: een tweede pagina met de oplossing"});
    items.push_back({"--grey-blocks",
                     "alleen bij pdf: zwarte vakken grijs, zoals \"Zwarte vakken grijs afdrukken\" "
                     "in het bureaubladprogramma"});
    return items;
}

std::vector<CliHelpItem> ImportHelp() { return KindsHelp(IMPORT_KINDS); }

int RunExport(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--small-letters", 0}, {"--solution", 0}, {"--grey-blocks", 0}});
    if (!parsed.Ok()) return UsageError(EXPORT_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 3) return UsageError(EXPORT_COMMAND);
    const std::vector<ExportKind> kinds = ExportKinds();
    const ExportKind* kind = FindKind<ExportKind>(kinds, parsed.Positional()[0]);
    if (kind == nullptr) return UsageError(EXPORT_COMMAND, "KIND is een van: " + KindNames(kinds));
    Rooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[1], doc)) return EXIT_FAILED;
    ExportOptions options;
    options.smallLetters = parsed.Has("--small-letters");
    options.solution = parsed.Has("--solution");
    options.greyBlocks = parsed.Has("--grey-blocks");
    return kind->write(doc, parsed.Positional()[2], options);
}

int RunImport(const std::vector<std::string>& args) {
    CliArgs parsed(args, {});
    if (!parsed.Ok()) return UsageError(IMPORT_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 3) return UsageError(IMPORT_COMMAND);
    const ImportKind* kind = FindKind<ImportKind>(IMPORT_KINDS, parsed.Positional()[0]);
    if (kind == nullptr)
        return UsageError(IMPORT_COMMAND, "KIND is een van: " + KindNames(IMPORT_KINDS));
    Rooster2Doc doc;
    const ImportResult result = kind->read(doc, parsed.Positional()[1]);
    if (!result.imported) return Fail(result.message);
    PrintRemark(result.message);
    return SavePuzzle(doc, parsed.Positional()[2]) ? EXIT_OK : EXIT_FAILED;
}

}  // namespace

std::vector<ExportKind> ExportKinds() {
    std::vector<ExportKind> kinds = {
        {"text", ExportText, "platte tekst: titel, rooster en woordenlijsten (zoals info)"},
        {"html", ExportHtmlEmpty,
         "een webpagina met het lege rooster met nummers en de omschrijvingen; het plaatje "
         "zwart.gif of grijs.gif van het programma komt naast de pagina"},
        {"html-filled", ExportHtmlFilled, "dezelfde webpagina met de letters in het rooster"},
        {"puztext", ExportPuzText, "tekst met labels om in Across Lite in te lezen"},
        {"puz", ExportUnlessRefused<PuzExportRefusal, WritePuz>,
         "een bestand voor Across Lite (.puz); een puzzel met een leeg lettervak, een Doorloper "
         "of alleen horizontale nummers wordt geweigerd"},
        {"ipuz", ExportUnlessRefused<IpuzExportRefusal, WriteIpuz>,
         "een ipuz-bestand (JSON); een Doorloper wordt geweigerd"},
        {"web", ExportUnlessRefused<WebExportRefusal, WriteWebPage>,
         "een webpuzzel: een HTML-bestand met alles erin om in de browser op te lossen "
         "(letters typen, controleren, tonen, klok); een rooster dat niet helemaal gevuld is "
         "wordt geweigerd"},
    };
    for (const ExportKind& kind : ReportExportKinds()) kinds.push_back(kind);
#ifdef ROOSTER2_WITH_RENDER
    for (const ExportKind& kind : RenderExportKinds()) kinds.push_back(kind);
#endif
    return kinds;
}

CliHelpItem SmallLettersHelp() {
    return {"--small-letters",
            "de letters klein, zoals \"Toon in kleine letters\" in het bureaubladprogramma"};
}

int WriteExportFile(const std::string& outPath, std::string_view bytes) {
    const WriteResult written = WriteFileAtomically(outPath, bytes);
    return written ? EXIT_OK : Fail(WriteFailureText(outPath, written.status));
}

std::vector<CliCommand> FormatCommands() { return {EXPORT_COMMAND, IMPORT_COMMAND}; }
