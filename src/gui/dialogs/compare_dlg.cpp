#include "dialogs/compare_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/file_chooser.h"
#include "dialogs/dialog_support.h"
#include "formats/compare.h"
#include "model/rooster2_doc.h"

CCompareDlg::CCompareDlg(CRooster2Doc& doc, IFileChooser& chooser, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_chooser(chooser) {
    setWindowTitle(Latin1("Vergelijk rooster2-bestanden"));
    m_fileEdit = new QLineEdit(FromLocalPath(m_doc.lastFiles.compare));
    auto* browse = new QPushButton(Latin1("..."));
    m_allFilesBox = new QCheckBox(Latin1("Vergelijk alle rtr-bestanden uit dezelfde map"));
    auto* compare = new QPushButton(Latin1("Vergelijk"));
    m_resultEdit = new QPlainTextEdit;
    m_resultEdit->setReadOnly(true);
    m_resultEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_resultEdit->setMinimumSize(480, 240);
    auto* ok = new QPushButton(Latin1("OK"));
    for (QPushButton* button : {browse, compare}) button->setAutoDefault(false);
    ok->setDefault(true);
    connect(browse, &QPushButton::clicked, this, &CCompareDlg::OnBrowse);
    connect(compare, &QPushButton::clicked, this, &CCompareDlg::OnCompareNow);
    connect(ok, &QPushButton::clicked, this, &CCompareDlg::accept);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileEdit, 1);
    fileRow->addWidget(browse);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compare);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Latin1("Naam te vergelijken rooster2-bestand:")));
    layout->addLayout(fileRow);
    layout->addWidget(m_allFilesBox);
    layout->addWidget(m_resultEdit, 1);
    layout->addLayout(buttons);
}

void CCompareDlg::OnBrowse() {
    const std::string path = ChooseRememberedFile(
        m_chooser, this,
        MakeFileDialogSpec(false, "Openen te vergelijken rtr-bestand", "rtr",
                           "Rooster2 (*.rtr);;Alle bestanden (*.*)"),
        m_doc.lastFiles.compare);
    if (!path.empty()) m_fileEdit->setText(FromLocalPath(path));
}

void CCompareDlg::OnCompareNow() {
    const std::string name = LocalPath(m_fileEdit->text());
    std::string result;
    UserMessage message;
    if (!CompareNow(m_doc, name, m_allFilesBox->isChecked(), result, message)) {
        ShowInformation(this, message);
        return;
    }
    m_doc.lastFiles.compare = name;
    m_resultEdit->setPlainText(Latin1(result).remove(QLatin1Char('\r')));
}
