#include "dialogs/extra_files_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "forms/extra_files.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"

namespace {

constexpr int NUMBER_COLUMN_WIDTH = 30;
constexpr int PATH_COLUMN_WIDTH = 400;

}  // namespace

ExtraFilesDlg::ExtraFilesDlg(Rooster2Doc& doc, IFileChooser& chooser, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_chooser(chooser) {
    setWindowTitle(Latin1("Extra zoekbestanden"));
    m_list = new QTreeWidget;
    m_list->setObjectName(Latin1("extraFiles"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({Latin1("#"), Latin1("Bestand")});
    m_list->setColumnWidth(0, NUMBER_COLUMN_WIDTH);
    m_list->setColumnWidth(1, PATH_COLUMN_WIDTH);

    auto* pathEdit = new QLineEdit;
    auto* browse = new QPushButton(Latin1("..."));
    browse->setObjectName(Latin1("browse"));
    auto* remove = new QPushButton(Latin1("Wis selectie"));
    remove->setObjectName(Latin1("removeSelected"));
    for (QPushButton* button : {browse, remove}) button->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &ExtraFilesDlg::ChooseFile);
    connect(remove, &QPushButton::clicked, this, &ExtraFilesDlg::RemoveSelected);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(pathEdit, 1);
    addRow->addWidget(browse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(new QLabel(Latin1("Voeg zoekbestand toe")));
    layout->addLayout(addRow);
    layout->addWidget(remove, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    resize(NUMBER_COLUMN_WIDTH + PATH_COLUMN_WIDTH + 60, 300);
    Refill();
}

void ExtraFilesDlg::Refill() {
    m_list->clear();
    for (const ExtraFileRow& row : ExtraFileRows(m_doc))
        m_list->addTopLevelItem(new QTreeWidgetItem({Latin1(row.number), FromLocalPath(row.path)}));
}

void ExtraFilesDlg::ChooseFile() {
    const QString path = m_chooser.ChooseFile(
        this, MakeFileDialogSpec(false, "Openen extra woordenlijst", "doc",
                                 "Extra woordenlijst (*.doc);;Alle bestanden (*.*)"));
    if (!path.isEmpty()) AddFile(LocalPath(path));
}

void ExtraFilesDlg::AddFile(const std::string& path) {
    AddExtraFile(m_doc, path);
    Refill();
}

void ExtraFilesDlg::RemoveSelected() {
    std::vector<int> numbers;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->isSelected()) numbers.push_back(item->text(0).toInt());
    }
    if (numbers.empty()) {
        ShowUserMessage(this, NoExtraFileSelectedMessage());
        return;
    }
    RemoveExtraFiles(m_doc, numbers);
    Refill();
}
