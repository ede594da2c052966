#include "app/file_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/command_router.h"
#include "app/file_chooser.h"
#include "dialogs/compare_dlg.h"
#include "dialogs/dialog_support.h"
#include "formats/clue_files.h"
#include "formats/folder_clues.h"
#include "formats/html_export.h"
#include "formats/html_import.h"
#include "formats/puz_import.h"
#include "formats/puz_text_export.h"
#include "formats/ros_import.h"
#include "model/command_ids.h"
#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "view/rooster2_view.h"
#include "wordlists/spell_check.h"

namespace {

const char* const TEXT_FILTER = "Tekstbestand (*.txt);;Alle bestanden (*.*)";
const char* const CLUE_FILE_FILTER = "Tekstbestand(*.txt);;Alle bestanden (*.*)";
const char* const HTML_FILTER = "HTML bestand (*.htm*);;Alle bestanden (*.*)";

}  // namespace

CFileCommands::CFileCommands(CRooster2Doc& doc, CRooster2View& view, QWidget* parent,
                             QString versionText, Hooks hooks)
    : m_doc(doc), m_view(view), m_parent(parent), m_versionText(std::move(versionText)),
      m_hooks(std::move(hooks)) {}

void CFileCommands::RegisterCommands(CCommandRouter& router) {
    router.Register(ID_EXPORT_HTML_EMPTY, [this] { ExportHtmlPage(false); });
    router.Register(ID_EXPORT_HTML_FILLED, [this] { ExportHtmlPage(true); });
    router.Register(ID_EXPORT_PUZ_TEXT, [this] { ExportPuzText(); });
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

std::string CFileCommands::ChooseFile(FileDialogSpec spec, std::string& remembered) {
    return ChooseRememberedFile(m_view.FileChooser(), m_parent, std::move(spec), remembered);
}

// ---- Exports ---------------------------------------------------------------------------------

void CFileCommands::ExportHtmlPage(bool filled) {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(true, "Opslaan rooster als html", "html", HTML_FILTER), m_doc.lastFiles.html);
    if (path.empty()) return;
    UserMessage remark;
    // A page that cannot be written ends the command without a message.
    ExportHtml(m_doc.puzzle, path, filled, m_view.SmallLetters(), ToLatin1(m_versionText),
               LocalPath(QCoreApplication::applicationDirPath()), remark);
    ShowInformation(m_parent, remark);
}

void CFileCommands::ExportPuzText() {
    const std::string path =
        ChooseFile(MakeFileDialogSpec(true, "Opslaan inhoud rooster voor *.puz", "txt", TEXT_FILTER),
                   m_doc.lastFiles.puzText);
    if (!path.empty()) WriteFileAtomically(path, WriteAcrossLiteText(m_doc.puzzle, m_view.SmallLetters()));
}

// ---- Imports ---------------------------------------------------------------------------------

void CFileCommands::ImportFile(const std::string& path,
                               ImportResult (*read)(CRooster2Doc&, const std::string&)) {
    CRooster2Doc imported = m_doc;
    imported.modifiedListener = nullptr;
    const ImportResult result = read(imported, path);
    if (!result.imported) {
        ShowInformation(m_parent, result.message);
        return;
    }
    if (m_hooks.saveModified && !m_hooks.saveModified()) return;
    imported.modifiedListener = m_doc.modifiedListener;
    m_doc = std::move(imported);
    m_view.GridReplaced();
    m_view.SetPhase(PHASE_VULLEN);
    if (m_hooks.documentReplaced) m_hooks.documentReplaced();
    m_doc.MarkModified(true);
    ShowInformation(m_parent, result.message);
}

void CFileCommands::ImportHtml() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(false, "Lezen rooster als html", "html", HTML_FILTER), m_doc.lastFiles.html);
    if (!path.empty()) ImportFile(path, ImportHtmlFile);
}

void CFileCommands::ImportPuz() {
    const std::string path =
        ChooseFile(MakeFileDialogSpec(false, "Openen puz-bestand", "puz", "Across Lite(*.puz);;Alle bestanden (*.*)"),
                   m_doc.lastFiles.import);
    if (!path.empty()) ImportFile(path, ImportPuzFile);
}

void CFileCommands::ImportRos() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(false, "Openen ros-bestand", "ros", "Versie 1(*.ros);;Alle bestanden (*.*)"),
        m_lastRosFile);
    if (!path.empty()) ImportFile(path, ImportRosFile);
}

// ---- Reports ---------------------------------------------------------------------------------

void CFileCommands::SpellingCheck() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<std::string> report = SpellingCheckReport(m_doc.puzzle);
    QApplication::restoreOverrideCursor();
    if (report) ShowInformation(m_parent, UserMessage{*report});
}

void CFileCommands::Compare() {
    CCompareDlg dialog(m_doc, m_view.FileChooser(), m_parent);
    dialog.exec();
}

// ---- Clue texts ------------------------------------------------------------------------------

void CFileCommands::CluesChanged() {
    m_doc.MarkModified(true);
    m_view.RefreshClueText();
    m_view.RefreshClueList();
    m_view.viewport()->update();
}

void CFileCommands::ReadClues() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(false, "Openen omschrijvingenbestand", "txt", CLUE_FILE_FILTER), m_doc.lastFiles.clue);
    if (path.empty()) return;
    int count = 0;
    // A file that cannot be read ends the command without a message.
    if (!ReadClueFileAt(m_doc.puzzle, m_view.ClueReadSection(), path, count)) return;
    ShowInformation(m_parent, AddedCluesMessage(count));
    CluesChanged();
}

void CFileCommands::PasteCluesFromClipboard() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        ShowInformation(m_parent, NoClipboardTextMessage());
        return;
    }
    const int count = PasteClues(m_doc.puzzle, m_view.ClueReadSection(), ToLatin1(data->text()));
    if (count > 0) CluesChanged();
    ShowInformation(m_parent, PastedCluesMessage(count));
    m_view.viewport()->update();
}

void CFileCommands::WriteClues() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(true, "Opslaan omschrijvingen", "txt", CLUE_FILE_FILTER), m_doc.lastFiles.clue);
    if (!path.empty()) WriteFileAtomically(path, WriteClueFile(m_doc.puzzle));
}

void CFileCommands::ExportPrintableClues() {
    const std::string path = ChooseFile(
        MakeFileDialogSpec(true, "Opslaan omschrijvingen rooster", "txt", TEXT_FILTER), m_doc.lastFiles.text);
    if (!path.empty()) WriteFileAtomically(path, ExportClues(m_doc.puzzle));
}

void CFileCommands::ExportFolderClues() {
    const QString folder = m_view.FileChooser().ChooseFolder(
        m_parent, FromLocalPath(m_doc.lastFiles.folder));
    if (folder.isEmpty()) return;
    m_doc.lastFiles.folder = LocalPath(folder);
    const std::string path =
        ChooseFile(MakeFileDialogSpec(true, "Toevoegen woorden en omschrijvingen roostermen", "txt",
                          "Tekstbestand (*.txt)"),
                   m_doc.lastFiles.folderList);
    if (path.empty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string listing;
    ListFolder(m_doc.lastFiles.folder, listing);
    QApplication::restoreOverrideCursor();
    WriteFileAtomically(path, listing);
}
