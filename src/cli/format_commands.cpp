// Subcommands on the file formats: export KIND, import KIND.
#include <iostream>

#include "cli_args.h"
#include "cli_common.h"
#include "export_kinds.h"
#include "formats/html_export.h"
#include "formats/html_import.h"
#include "formats/puz_import.h"
#include "formats/puz_text_export.h"
#include "formats/ros_import.h"
#include "formats/text_export.h"
#include "model/version_text.h"
#include "model/rooster2_doc.h"
#include "program_folder.h"
#include "util/file_io.h"
#include "util/str_format.h"

namespace {

int RunExport(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);

const CliCommand EXPORT_COMMAND = {"export", "KIND FILE.rtr OUT [--small-letters]", RunExport};
const CliCommand IMPORT_COMMAND = {"import", "KIND IN OUT.rtr", RunImport};

int WriteFailed(const std::string& outPath) {
    return Fail(StrFormat("Schrijven van %s mislukt", outPath.c_str()));
}

void PrintRemark(const UserMessage& message) {
    if (!message.text.empty()) std::cerr << message.text << '\n';
}

int ExportText(const CRooster2Doc& doc, const std::string& outPath, const ExportOptions& options) {
    return WriteExportFile(outPath, ExportPlainText(doc.puzzle, options.smallLetters));
}

int ExportPuzText(const CRooster2Doc& doc, const std::string& outPath,
                  const ExportOptions& options) {
    return WriteExportFile(outPath, WriteAcrossLiteText(doc.puzzle, options.smallLetters));
}

int ExportHtmlPage(const CRooster2Doc& doc, const std::string& outPath, bool filled,
                   const ExportOptions& options) {
    UserMessage remark;
    if (!ExportHtml(doc.puzzle, outPath, filled, options.smallLetters, VersionText(), ProgramFolder(),
                    remark))
        return WriteFailed(outPath);
    PrintRemark(remark);
    return EXIT_OK;
}

int ExportHtmlEmpty(const CRooster2Doc& doc, const std::string& outPath,
                    const ExportOptions& options) {
    return ExportHtmlPage(doc, outPath, false, options);
}

int ExportHtmlFilled(const CRooster2Doc& doc, const std::string& outPath,
                     const ExportOptions& options) {
    return ExportHtmlPage(doc, outPath, true, options);
}

struct ImportKind {
    const char* name;
    ImportResult (*read)(CRooster2Doc& doc, const std::string& path);
};

const ImportKind IMPORT_KINDS[] = {
    {"puz", ImportPuzFile},
    {"ros", ImportRosFile},
    {"html", ImportHtmlFile},
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

int RunExport(const std::vector<std::string>& args) {
    CliArgs parsed(args, {{"--small-letters", 0}});
    if (!parsed.Ok()) return UsageError(EXPORT_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 3) return UsageError(EXPORT_COMMAND);
    const std::vector<ExportKind> kinds = ExportKinds();
    const ExportKind* kind = FindKind<ExportKind>(kinds, parsed.Positional()[0]);
    if (kind == nullptr) return UsageError(EXPORT_COMMAND, "KIND is een van: " + KindNames(kinds));
    CRooster2Doc doc;
    if (!LoadPuzzle(parsed.Positional()[1], doc)) return EXIT_FAILED;
    ExportOptions options;
    options.smallLetters = parsed.Has("--small-letters");
    return kind->write(doc, parsed.Positional()[2], options);
}

int RunImport(const std::vector<std::string>& args) {
    CliArgs parsed(args, {});
    if (!parsed.Ok()) return UsageError(IMPORT_COMMAND, parsed.Error());
    if (parsed.Positional().size() != 3) return UsageError(IMPORT_COMMAND);
    const ImportKind* kind = FindKind<ImportKind>(IMPORT_KINDS, parsed.Positional()[0]);
    if (kind == nullptr)
        return UsageError(IMPORT_COMMAND, "KIND is een van: " + KindNames(IMPORT_KINDS));
    CRooster2Doc doc;
    const ImportResult result = kind->read(doc, parsed.Positional()[1]);
    if (!result.imported) return Fail(result.message);
    PrintRemark(result.message);
    return SavePuzzle(doc, parsed.Positional()[2]) ? EXIT_OK : EXIT_FAILED;
}

}  // namespace

std::vector<ExportKind> ExportKinds() {
    std::vector<ExportKind> kinds = {
        {"text", ExportText},
        {"html", ExportHtmlEmpty},
        {"html-filled", ExportHtmlFilled},
        {"puztext", ExportPuzText},
    };
    for (const ExportKind& kind : ReportExportKinds()) kinds.push_back(kind);
    return kinds;
}

int WriteExportFile(const std::string& outPath, std::string_view bytes) {
    return WriteFileAtomically(outPath, bytes) ? EXIT_OK : WriteFailed(outPath);
}

std::vector<CliCommand> FormatCommands() { return {EXPORT_COMMAND, IMPORT_COMMAND}; }
