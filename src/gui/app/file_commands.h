#pragma once
// The import, export and report commands of the menus "&Bestand", "&Export"
// and "&Rooster": their file dialogs, remembered names and messages around the
// core functions that read and write the files (the same functions the
// command-line program calls, so both write the same bytes).

#include <QString>

#include <functional>
#include <string>

class CCommandRouter;
class CRooster2Doc;
class CRooster2View;
class QWidget;
struct FileDialogSpec;
struct ImportResult;

class CFileCommands {
public:
    struct Hooks {
        // The framework's question before a modified puzzle is replaced; false = cancel.
        std::function<bool()> saveModified;
        // An import replaced the puzzle: title and commands follow.
        std::function<void()> documentReplaced;
    };

    CFileCommands(CRooster2Doc& doc, CRooster2View& view, QWidget* parent, QString versionText,
                  Hooks hooks);

    void RegisterCommands(CCommandRouter& router);

private:
    // The chosen path as the model's file name, empty on Cancel; remembered in `remembered`.
    std::string ChooseFile(FileDialogSpec spec, std::string& remembered);

    void ExportHtmlPage(bool filled);
    void ExportPuzText();
    void ExportPuz();
    void ExportIpuz();
    void ExportPdf();
    // Reads the file into a copy of the puzzle; only a file that could be read replaces
    // the puzzle, after the question about unsaved changes.
    void ImportFile(const std::string& path, ImportResult (*read)(CRooster2Doc&, const std::string&));
    void ImportHtml();
    void ImportPuz();
    void ImportIpuz();
    void ImportRos();
    void SpellingCheck();
    void ReadClues();
    void PasteCluesFromClipboard();
    // Read clues changed the puzzle: the clue windows and the grid follow.
    void CluesChanged();
    void WriteClues();
    void ExportPrintableClues();
    void ExportFolderClues();
    void Compare();

    CRooster2Doc& m_doc;
    CRooster2View& m_view;
    QWidget* m_parent;
    QString m_versionText;
    Hooks m_hooks;
    // The last version-1, ipuz and PDF files chosen; kept for the whole run, also across
    // new puzzles. The ipuz export and import share theirs.
    std::string m_lastRosFile;
    std::string m_lastIpuzFile;
    std::string m_lastPdfFile;
};
