#include "app/file_chooser.h"

#include <QFileDialog>

QString CQtFileChooser::ChooseFile(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, spec.initialName, spec.filter);
    dialog.setAcceptMode(spec.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString CQtFileChooser::ChooseFolder(QWidget* parent, const QString& initialFolder) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Huidige selectie:"), initialFolder);
}

IFileChooser& DefaultFileChooser() {
    static CQtFileChooser chooser;
    return chooser;
}
