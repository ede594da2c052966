#include "dialogs/grid_check_dlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/dialog_support.h"

GridCheckDlg::GridCheckDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Latin1("Controleer rooster"));
    list = new QListWidget;
    list->setObjectName(Latin1("findings"));
    list->setMinimumSize(420, 300);
    connect(list, &QListWidget::currentRowChanged, this, &GridCheckDlg::OnRowChosen);
    connect(list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OnRowChosen(list->row(item)); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* again = buttons->addButton(Latin1("Opnieuw"), QDialogButtonBox::ActionRole);
    connect(again, &QPushButton::clicked, this, &GridCheckDlg::RecheckAsked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

void GridCheckDlg::ShowFindings(const std::vector<GridFinding>& findings) {
    m_findings = findings;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const GridFinding& finding : m_findings) list->addItem(Latin1(finding.text));
}

void GridCheckDlg::OnRowChosen(int row) {
    if (row < 0 || row >= static_cast<int>(m_findings.size())) return;
    const GridFinding& finding = m_findings[static_cast<std::size_t>(row)];
    if (finding.x >= 0) emit CellChosen(finding.x, finding.y);
}
