#include "dialogs/compare_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "formats/compare.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"

CompareDlg::CompareDlg(Rooster2Doc& doc, AppState& app, IFileChooser& chooser, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_app(app), m_chooser(chooser) {
    setWindowTitle(Latin1("Vergelijk rooster2-bestanden"));
    fileEdit = new QLineEdit(FromLocalPath(m_app.lastFiles.compare));
    auto* browse = new QPushButton(Latin1("..."));
    allFilesBox = new QCheckBox(Latin1("Vergelijk alle rtr-bestanden uit dezelfde map"));
    auto* compare = new QPushButton(Latin1("Vergelijk"));
    resultEdit = new QPlainTextEdit;
    resultEdit->setReadOnly(true);
    resultEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    resultEdit->setMinimumSize(480, 240);
    auto* ok = new QPushButton(Latin1("OK"));
    for (QPushButton* button : {browse, compare}) button->setAutoDefault(false);
    ok->setDefault(true);
    connect(browse, &QPushButton::clicked, this, &CompareDlg::OnBrowse);
    connect(compare, &QPushButton::clicked, this, &CompareDlg::OnCompareNow);
    connect(ok, &QPushButton::clicked, this, &CompareDlg::accept);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileEdit, 1);
    fileRow->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Latin1("Naam te vergelijken rooster2-bestand:")));
    layout->addLayout(fileRow);
    layout->addWidget(allFilesBox);
    layout->addWidget(resultEdit, 1);
    layout->addLayout(buttons);
}

void CompareDlg::OnBrowse() {
    const std::string path =
        ChooseRememberedFile(m_chooser, this,
                             MakeFileDialogSpec(false, "Openen te vergelijken rtr-bestand", "rtr",
                                                "Rooster2 (*.rtr);;Alle bestanden (*.*)"),
                             m_app.lastFiles.compare);
    if (!path.empty()) fileEdit->setText(FromLocalPath(path));
}

void CompareDlg::OnCompareNow() {
    const std::string name = LocalPath(fileEdit->text());
    std::string result;
    UserMessage message;
    if (!CompareNow(m_doc, name, allFilesBox->isChecked(), result, message)) {
        ShowInformation(this, message);
        return;
    }
    m_app.lastFiles.compare = name;
    resultEdit->setPlainText(Latin1(result).remove(QLatin1Char('\r')));
}
