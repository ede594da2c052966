#pragma once
// "Maak Zweeds raster": asks for the picture block the layout leaves empty, its size
// in cells (0 for none) and its top-left cell (0: against the right edge or the
// bottom, where the command line puts it).

#include <QDialog>
#include <optional>

#include "editing/zweeds_layout.h"

class Puzzle;
class QSpinBox;

class ZweedsPictureDlg : public QDialog {
    Q_OBJECT

public:
    explicit ZweedsPictureDlg(const Puzzle& puzzle, QWidget* parent = nullptr);
    // The picture block chosen; nothing when its width or height is 0.
    std::optional<PictureBlock> Picture() const;

private:
    const Puzzle& m_puzzle;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_column = nullptr;
    QSpinBox* m_row = nullptr;
};
