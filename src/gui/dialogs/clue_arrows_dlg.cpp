#include "dialogs/clue_arrows_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

#include "model/clue_text.h"
#include "support/dialog_support.h"

namespace {

QComboBox* ArrowChooser(Arrow arrow, const char* name) {
    auto* chooser = new QComboBox;
    chooser->setObjectName(Latin1(name));
    // In the order of the Arrow values, so an item's index is its arrow.
    for (int item = 0; item <= static_cast<int>(Arrow::DownRight); ++item)
        chooser->addItem(Latin1(ArrowName(static_cast<Arrow>(item))));
    chooser->setCurrentIndex(static_cast<int>(arrow));
    return chooser;
}

Arrow ArrowOf(const QComboBox& chooser) { return static_cast<Arrow>(chooser.currentIndex()); }

}  // namespace

ClueArrowsDlg::ClueArrowsDlg(Arrow first, Arrow second, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Latin1("Pijlen"));
    m_first = ArrowChooser(first, "first");
    m_second = ArrowChooser(second, "second");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(Latin1("Eerste omschrijving:"), m_first);
    layout->addRow(Latin1("Tweede omschrijving:"), m_second);
    layout->addRow(buttons);
}

Arrow ClueArrowsDlg::First() const { return ArrowOf(*m_first); }
Arrow ClueArrowsDlg::Second() const { return ArrowOf(*m_second); }
