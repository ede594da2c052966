#pragma once
// The import, export and report commands of the menus "&Bestand", "&Export"
// and "&Rooster": their file dialogs, remembered names and messages around the
// core functions that read and write the files (the same functions the
// command-line program calls, so both write the same bytes).

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/user_message.h"
#include "render/pdf_sheet.h"

struct AppState;
class CommandRouter;
class Rooster2Doc;
class GridController;
class GridView;
class IFileChooser;
class Puzzle;
class QWidget;
struct FileDialogSpec;
struct ImportResult;

class FileCommands {
public:
    struct Hooks {
        // The framework's question before a modified puzzle is replaced; false = cancel.
        std::function<bool()> saveModified;
        // An import replaced the puzzle: title and commands follow.
        std::function<void()> documentReplaced;
    };

    FileCommands(Rooster2Doc& doc, AppState& app, GridView& view, GridController& controller,
                 IFileChooser& chooser, QWidget* parent, QString versionText, Hooks hooks);

    void RegisterCommands(CommandRouter& router);

    // The puzzle sheet of "&PDF..." and "Afdru&kken...": titled after the puzzle, with a
    // solution page when the grid holds letters and the user wants one.
    PdfSheetOptions AskSheetOptions();
    // "Zwarte vakken &grijs afdrukken", kept in the profile.
    bool GreyBlocks() const;
    void ToggleGreyBlocks();

private:
    // The chosen path as the model's file name, empty on Cancel; remembered in `remembered`.
    std::string ChooseFile(FileDialogSpec spec, std::string& remembered);
    // The same for an export: the dialog starts beside the puzzle (see ChooseExportFile).
    std::string ChooseExport(FileDialogSpec spec, std::string& remembered);
    // Writes an export's bytes; a written file is named in the status bar.
    void WriteExport(const std::string& path, std::string_view bytes);
    void ReportExported(const std::string& path);

    void ExportHtmlPage(bool filled);
    void ExportPuzText();
    // The formats that cannot hold every puzzle say why before asking for a file name.
    void ExportUnlessRefused(std::optional<UserMessage> (*refusal)(const Puzzle&),
                             FileDialogSpec spec, std::string& remembered,
                             std::string (*write)(const Puzzle&));
    void ExportPuz();
    void ExportIpuz();
    void ExportWebPage();
    void ExportPdf();
    // Reads the file into a copy of the puzzle; only a file that could be read replaces
    // the puzzle, after the question about unsaved changes.
    void ImportFile(const std::string& path,
                    ImportResult (*read)(Rooster2Doc&, const std::string&));
    void ImportHtml();
    void ImportPuz();
    void ImportIpuz();
    void ImportRos();
    void SpellingCheck();
    void ReadClues();
    void PasteCluesFromClipboard();
    void WriteClues();
    void ExportPrintableClues();
    void ExportFolderClues();
    void Compare();

    Rooster2Doc& m_doc;
    AppState& m_app;
    GridView& m_view;
    GridController& m_controller;
    IFileChooser& m_chooser;
    QWidget* m_parent;
    QString m_versionText;
    Hooks m_hooks;
};
