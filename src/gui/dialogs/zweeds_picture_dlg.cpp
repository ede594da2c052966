#include "dialogs/zweeds_picture_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include "model/puzzle.h"
#include "support/dialog_support.h"

namespace {

// A spin box from 0 to maximum; zeroText stands in for the 0.
QSpinBox* CellCount(const char* name, int maximum, const char* zeroText) {
    auto* box = new QSpinBox;
    box->setObjectName(Latin1(name));
    box->setRange(0, maximum);
    box->setSpecialValueText(Latin1(zeroText));
    return box;
}

}  // namespace

ZweedsPictureDlg::ZweedsPictureDlg(const Puzzle& puzzle, QWidget* parent)
    : QDialog(parent), m_puzzle(puzzle) {
    setWindowTitle(Latin1("Maak Zweeds raster"));
    // The picture stays below the top row and right of the left column.
    m_width = CellCount("width", puzzle.width - 1, "geen plaatje");
    m_height = CellCount("height", puzzle.height - 1, "geen plaatje");
    m_column = CellCount("column", puzzle.width, "tegen de rechterrand");
    m_row = CellCount("row", puzzle.height, "tegen de onderrand");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(
        new QLabel(Latin1("Een plaatje laat een rechthoek van vakjes leeg.\n"
                          "Kolom en rij tellen vanaf 1 linksboven.")));
    layout->addRow(Latin1("Breedte plaatje (vakjes):"), m_width);
    layout->addRow(Latin1("Hoogte plaatje (vakjes):"), m_height);
    layout->addRow(Latin1("Kolom linksboven:"), m_column);
    layout->addRow(Latin1("Rij linksboven:"), m_row);
    layout->addRow(buttons);
}

std::optional<PictureBlock> ZweedsPictureDlg::Picture() const {
    if (m_width->value() == 0 || m_height->value() == 0) return std::nullopt;
    return PictureBlockAt(m_puzzle, m_width->value(), m_height->value(), m_column->value(),
                          m_row->value());
}
