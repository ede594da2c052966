#pragma once
// The file and folder dialogs of the import and export commands, behind an
// interface so that the tests can answer them without a real dialog.

#include <QString>

class QWidget;

struct FileDialogSpec {
    bool save = false;      // save mode asks before overwriting; open mode wants an existing file
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
class CQtFileChooser : public IFileChooser {
public:
    QString ChooseFile(QWidget* parent, const FileDialogSpec& spec) override;
    QString ChooseFolder(QWidget* parent, const QString& initialFolder) override;
};

// The chooser the program uses unless a test gives another.
IFileChooser& DefaultFileChooser();
