#include "app/file_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>

#include "dialogs/compare_dlg.h"
#include "editing/command_ids.h"
#include "formats/clue_files.h"
#include "formats/export_status.h"
#include "formats/folder_clues.h"
#include "formats/html_export.h"
#include "formats/html_import.h"
#include "formats/ipuz_export.h"
#include "formats/ipuz_import.h"
#include "formats/puz_export.h"
#include "formats/puz_import.h"
#include "formats/puz_text_export.h"
#include "formats/ros_import.h"
#include "formats/web_export.h"
#include "model/app_state.h"
#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "render/pdf_sheet.h"
#include "support/command_router.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"
#include "util/file_io.h"
#include "util/program_data.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"
#include "wordlists/spell_check.h"

namespace {

const char* const TEXT_FILTER = "Tekstbestand (*.txt);;Alle bestanden (*.*)";
const char* const CLUE_FILE_FILTER = "Tekstbestand(*.txt);;Alle bestanden (*.*)";
const char* const HTML_FILTER = "HTML bestand (*.htm*);;Alle bestanden (*.*)";
const char* const PUZ_FILTER = "Across Lite(*.puz);;Alle bestanden (*.*)";
const char* const IPUZ_FILTER = "ipuz(*.ipuz);;Alle bestanden (*.*)";
const char* const PRINT_SECTION = "Afdrukken";
const char* const GREY_BLOCKS_ENTRY = "ZwartGrijs";

}  // namespace

FileCommands::FileCommands(Rooster2Doc& doc, AppState& app, GridView& view,
                           GridController& controller, IFileChooser& chooser, QWidget* parent,
                           QString versionText, Hooks hooks)
    : m_doc(doc),
      m_app(app),
      m_view(view),
      m_controller(controller),
      m_chooser(chooser),
      m_parent(parent),
      m_versionText(std::move(versionText)),
      m_hooks(std::move(hooks)) {}

void FileCommands::RegisterCommands(CommandRouter& router) {
    router.Register(ID_EXPORT_HTML_EMPTY, [this] { ExportHtmlPage(false); });
    router.Register(ID_EXPORT_HTML_FILLED, [this] { ExportHtmlPage(true); });
    router.Register(ID_EXPORT_PUZ_TEXT, [this] { ExportPuzText(); });
    router.Register(ID_EXPORT_PUZ, [this] { ExportPuz(); });
    router.Register(ID_EXPORT_IPUZ, [this] { ExportIpuz(); });
    router.Register(ID_EXPORT_PDF, [this] { ExportPdf(); });
    router.Register(ID_EXPORT_WEB, [this] { ExportWebPage(); });
    router.Register(ID_IMPORT_IPUZ, [this] { ImportIpuz(); });
    router.Register(ID_IMPORT_HTML, [this] { ImportHtml(); });
    router.Register(ID_IMPORT_PUZ, [this] { ImportPuz(); });
    router.Register(ID_IMPORT_ROS, [this] { ImportRos(); });
    router.Register(ID_SPELL_CHECK, [this] { SpellingCheck(); });
    router.Register(ID_READ_CLUES, [this] { ReadClues(); });
    router.Register(ID_PASTE_CLUES, [this] { PasteCluesFromClipboard(); });
    router.Register(ID_WRITE_CLUE_FILE, [this] { WriteClues(); });
    router.Register(ID_EXPORT_CLUES, [this] { ExportPrintableClues(); });
    router.Register(ID_EXPORT_ALL_CLUES, [this] { ExportFolderClues(); });
    router.Register(ID_COMPARE, [this] { Compare(); });
}

std::string FileCommands::ChooseFile(FileDialogSpec spec, std::string& remembered) {
    return ChooseRememberedFile(m_chooser, m_parent, std::move(spec), remembered);
}

std::string FileCommands::ChooseExport(FileDialogSpec spec, std::string& remembered) {
    return ChooseExportFile(m_chooser, m_parent, std::move(spec), remembered, m_doc.pathName);
}

void FileCommands::WriteExport(const std::string& path, std::string_view bytes) {
    // A file that cannot be written ends the command without a message.
    if (WriteFileAtomically(path, bytes)) ReportExported(path);
}

void FileCommands::ReportExported(const std::string& path) {
    m_controller.ShowMessage(ExportedStatusText(path));
}

// ---- Exports ---------------------------------------------------------------------------------

void FileCommands::ExportHtmlPage(bool filled) {
    if (const std::optional<UserMessage> refusal = HtmlExportRefusal(m_doc.puzzle())) {
        ShowUserMessage(m_parent, *refusal);
        return;
    }
    const std::string path =
        ChooseExport(MakeFileDialogSpec(true, "Opslaan rooster als html", "html", HTML_FILTER),
                     m_app.lastFiles.html);
    if (path.empty()) return;
    UserMessage remark;
    // The remark also says why the page or its image could not be written.
    const std::string imageFolder = ProgramDataFolder(
        LocalPath(QCoreApplication::applicationDirPath()), HtmlImageName(m_doc.puzzle()));
    if (ExportHtml(m_doc.puzzle(), path, filled, m_view.SmallLetters(), ToLatin1(m_versionText),
                   imageFolder, remark))
        ReportExported(path);
    ShowInformation(m_parent, remark);
}

void FileCommands::ExportPuzText() {
    const std::string path = ChooseExport(
        MakeFileDialogSpec(true, "Opslaan inhoud rooster voor *.puz", "txt", TEXT_FILTER),
        m_app.lastFiles.puzText);
    if (!path.empty())
        WriteExport(path, WriteAcrossLiteText(m_doc.puzzle(), m_view.SmallLetters()));
}

void FileCommands::ExportUnlessRefused(std::optional<UserMessage> (*refusal)(const Puzzle&),
                                       FileDialogSpec spec, std::string& remembered,
                                       std::string (*write)(const Puzzle&)) {
    if (const std::optional<UserMessage> refused = refusal(m_doc.puzzle())) {
        ShowUserMessage(m_parent, *refused);
        return;
    }
    const std::string path = ChooseExport(std::move(spec), remembered);
    if (!path.empty()) WriteExport(path, write(m_doc.puzzle()));
}

void FileCommands::ExportPuz() {
    ExportUnlessRefused(
        PuzExportRefusal,
        MakeFileDialogSpec(true, "Opslaan rooster als Across Lite-bestand", "puz", PUZ_FILTER),
        m_app.lastFiles.import, WritePuz);
}

void FileCommands::ExportIpuz() {
    ExportUnlessRefused(
        IpuzExportRefusal,
        MakeFileDialogSpec(true, "Opslaan rooster als ipuz-bestand", "ipuz", IPUZ_FILTER),
        m_app.lastFiles.ipuz, WriteIpuz);
}

// Shares the remembered name with the classic page: both are web pages of the puzzle.
void FileCommands::ExportWebPage() {
    ExportUnlessRefused(
        WebExportRefusal,
        MakeFileDialogSpec(true, "Opslaan rooster als webpuzzel", "html", HTML_FILTER),
        m_app.lastFiles.html, WriteWebPage);
}

PdfSheetOptions FileCommands::AskSheetOptions() {
    PdfSheetOptions options;
    options.title = SheetTitle(m_doc.puzzle(), m_doc.pathName);
    options.smallLetters = m_view.SmallLetters();
    options.greyBlocks = GreyBlocks();
    options.solution = HasLetters(m_doc.puzzle()) &&
                       QMessageBox::question(
                           m_parent, Latin1(APP_TITLE), Latin1("Ook een pagina met de oplossing?"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    return options;
}

bool FileCommands::GreyBlocks() const {
    return m_app.profile != nullptr &&
           m_app.profile->GetProfileInt(PRINT_SECTION, GREY_BLOCKS_ENTRY, 0) != 0;
}

void FileCommands::ToggleGreyBlocks() {
    if (m_app.profile != nullptr)
        m_app.profile->WriteProfileInt(PRINT_SECTION, GREY_BLOCKS_ENTRY, !GreyBlocks());
}

void FileCommands::ExportPdf() {
    const std::string path =
        ChooseExport(MakeFileDialogSpec(true, "Opslaan puzzelblad als PDF", "pdf",
                                        "PDF bestand (*.pdf);;Alle bestanden (*.*)"),
                     m_app.lastFiles.pdf);
    if (path.empty()) return;
    const PdfSheetOptions options = AskSheetOptions();
    if (!ExportPdfSheet(m_doc.puzzle(), path, options))
        QMessageBox::warning(m_parent, Latin1("Oei"), Latin1("Schrijven pdf mislukt"));
    else
        ReportExported(path);
}

// ---- Imports ---------------------------------------------------------------------------------

void FileCommands::ImportFile(const std::string& path,
                              ImportResult (*read)(Rooster2Doc&, const std::string&)) {
    Rooster2Doc imported = m_doc;
    imported.changeListener = nullptr;
    const ImportResult result = read(imported, path);
    if (!result.imported) {
        ShowInformation(m_parent, result.message);
        return;
    }
    if (m_hooks.saveModified && !m_hooks.saveModified()) return;
    imported.changeListener = m_doc.changeListener;
    m_doc = std::move(imported);
    m_controller.GridReplaced();
    m_controller.SetPhase(Phase::Vullen);
    if (m_hooks.documentReplaced) m_hooks.documentReplaced();
    // Tells the window: the imported puzzle has no file yet and is modified until saved.
    PuzzleEdit(m_doc, EditKind::Setting).Commit();
    ShowInformation(m_parent, result.message);
}

void FileCommands::ImportHtml() {
    const std::string path =
        ChooseFile(MakeFileDialogSpec(false, "Lezen rooster als html", "html", HTML_FILTER),
                   m_app.lastFiles.html);
    if (!path.empty()) ImportFile(path, ImportHtmlFile);
}

void FileCommands::ImportPuz() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(false, "Openen puz-bestand", "puz", PUZ_FILTER), m_app.lastFiles.import);
    if (!path.empty()) ImportFile(path, ImportPuzFile);
}

void FileCommands::ImportIpuz() {
    const std::string path =
        ChooseFile(MakeFileDialogSpec(false, "Openen ipuz-bestand", "ipuz", IPUZ_FILTER),
                   m_app.lastFiles.ipuz);
    if (!path.empty()) ImportFile(path, ImportIpuzFile);
}

void FileCommands::ImportRos() {
    const std::string path = ChooseFile(MakeFileDialogSpec(false, "Openen ros-bestand", "ros",
                                                           "Versie 1(*.ros);;Alle bestanden (*.*)"),
                                        m_app.lastFiles.ros);
    if (!path.empty()) ImportFile(path, ImportRosFile);
}

// ---- Reports ---------------------------------------------------------------------------------

void FileCommands::SpellingCheck() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<std::string> report =
        SpellingCheckReport(m_app.SearchPuzzle(m_doc.puzzle()));
    QApplication::restoreOverrideCursor();
    if (report) ShowInformation(m_parent, UserMessage{*report});
}

void FileCommands::Compare() {
    CompareDlg dialog(m_doc, m_app, m_chooser, m_parent);
    dialog.exec();
}

// ---- Clue texts ------------------------------------------------------------------------------

void FileCommands::ReadClues() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(false, "Openen omschrijvingenbestand", "txt", CLUE_FILE_FILTER),
        m_app.lastFiles.clue);
    if (path.empty()) return;
    int count = 0;
    Puzzle read = m_doc.puzzle();
    // A file that cannot be read ends the command without a message.
    if (ReadClueFileAt(read, m_controller.ClueReadSection(), path, count) != ReadStatus::Read)
        return;
    PuzzleEdit(m_doc, EditKind::Setting).puzzle() = std::move(read);
    ShowInformation(m_parent, AddedCluesMessage(count));
    m_controller.CluesChanged();
}

void FileCommands::PasteCluesFromClipboard() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        ShowInformation(m_parent, NoClipboardTextMessage());
        return;
    }
    Puzzle pasted = m_doc.puzzle();
    const int count = PasteClues(pasted, m_controller.ClueReadSection(), ToLatin1(data->text()));
    if (count > 0) {
        PuzzleEdit(m_doc, EditKind::Setting).puzzle() = std::move(pasted);
        m_controller.CluesChanged();
    }
    ShowInformation(m_parent, PastedCluesMessage(count));
    m_view.Invalidate();
}

void FileCommands::WriteClues() {
    const std::string path =
        ChooseExport(MakeFileDialogSpec(true, "Opslaan omschrijvingen", "txt", CLUE_FILE_FILTER),
                     m_app.lastFiles.clue);
    if (!path.empty()) WriteExport(path, WriteClueFile(m_doc.puzzle()));
}

void FileCommands::ExportPrintableClues() {
    const std::string path =
        ChooseExport(MakeFileDialogSpec(true, "Opslaan omschrijvingen rooster", "txt", TEXT_FILTER),
                     m_app.lastFiles.text);
    if (!path.empty()) WriteExport(path, ExportClues(m_doc.puzzle()));
}

void FileCommands::ExportFolderClues() {
    const QString folder = m_chooser.ChooseFolder(m_parent, FromLocalPath(m_app.lastFiles.folder));
    if (folder.isEmpty()) return;
    m_app.lastFiles.folder = LocalPath(folder);
    const std::string path =
        ChooseFile(MakeFileDialogSpec(true, "Toevoegen woorden en omschrijvingen roostermen", "txt",
                                      "Tekstbestand (*.txt)"),
                   m_app.lastFiles.folderList);
    if (path.empty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string listing;
    ListFolder(m_app.lastFiles.folder, listing);
    QApplication::restoreOverrideCursor();
    WriteExport(path, listing);
}
