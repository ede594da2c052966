#include "support/file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include "support/dialog_support.h"

QString QtFileChooser::ChooseFile(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, spec.initialName, spec.filter);
    dialog.setAcceptMode(spec.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString QtFileChooser::ChooseFolder(QWidget* parent, const QString& initialFolder) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Huidige selectie:"),
                                             initialFolder);
}

FileDialogSpec MakeFileDialogSpec(bool save, const char* title, const char* suffix,
                                  const char* filter) {
    FileDialogSpec spec;
    spec.save = save;
    spec.title = Latin1(title);
    spec.defaultSuffix = Latin1(suffix);
    spec.filter = Latin1(filter);
    return spec;
}

std::string ChooseExportFile(IFileChooser& chooser, QWidget* parent, FileDialogSpec spec,
                             std::string& remembered, const std::string& puzzlePath) {
    const QFileInfo puzzle(FromLocalPath(puzzlePath));
    const bool rememberedFits =
        !remembered.empty() &&
        (puzzlePath.empty() ||
         QFileInfo(FromLocalPath(remembered)).completeBaseName() == puzzle.completeBaseName());
    std::string offered = remembered;
    if (!rememberedFits && !puzzlePath.empty())
        offered = LocalPath(puzzle.dir().filePath(puzzle.completeBaseName() + QLatin1Char('.') +
                                                  spec.defaultSuffix));
    const std::string path = ChooseRememberedFile(chooser, parent, std::move(spec), offered);
    if (!path.empty()) remembered = path;
    return path;
}

std::string ChooseRememberedFile(IFileChooser& chooser, QWidget* parent, FileDialogSpec spec,
                                 std::string& remembered) {
    spec.initialName = FromLocalPath(remembered);
    const QString chosen = chooser.ChooseFile(parent, spec);
    if (chosen.isEmpty()) return {};
    remembered = LocalPath(chosen);
    return remembered;
}
