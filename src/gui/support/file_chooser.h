#pragma once
// Every file and folder dialog of the program, behind an interface so that the
// tests can answer those of the import and export commands without a real dialog.

#include <QString>
#include <string>

class QWidget;

struct FileDialogSpec {
    bool save = false;  // save mode asks before overwriting; open mode wants an existing file
    QString title;
    QString defaultSuffix;  // without the dot
    QString initialName;    // the remembered file name
    QString filter;         // Qt filter pairs joined by ";;"
};

class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    // The chosen path, empty on Cancel.
    virtual QString ChooseFile(QWidget* parent, const FileDialogSpec& spec) = 0;
    // The chosen folder, empty on Cancel.
    virtual QString ChooseFolder(QWidget* parent, const QString& initialFolder) = 0;
};

// The platform's dialogs through QFileDialog.
class QtFileChooser : public IFileChooser {
public:
    QString ChooseFile(QWidget* parent, const FileDialogSpec& spec) override;
    QString ChooseFolder(QWidget* parent, const QString& initialFolder) override;
};

// A dialog with its ISO-8859-1 texts and no remembered name.
FileDialogSpec MakeFileDialogSpec(bool save, const char* title, const char* suffix,
                                  const char* filter);

// Asks where an export of the puzzle at puzzlePath goes: the dialog offers the
// remembered name when it is this puzzle's (the same base name) or the puzzle has no
// file, else the puzzle's folder and name with the spec's suffix. Remembers the choice.
std::string ChooseExportFile(IFileChooser& chooser, QWidget* parent, FileDialogSpec spec,
                             std::string& remembered, const std::string& puzzlePath);

// Asks for a file starting at the remembered name (the model's file name); the chosen
// file is remembered and returned. Empty on Cancel, and the remembered name stays.
std::string ChooseRememberedFile(IFileChooser& chooser, QWidget* parent, FileDialogSpec spec,
                                 std::string& remembered);
