#pragma once
// "Pijlen": the arrows of the one or two clues of a Zweeds clue cell, each chosen
// from none, right, down, right-then-down and down-then-right.

#include <QDialog>

#include "model/puzzle.h"

class QComboBox;

class ClueArrowsDlg : public QDialog {
    Q_OBJECT

public:
    ClueArrowsDlg(Arrow first, Arrow second, QWidget* parent = nullptr);
    Arrow First() const;
    Arrow Second() const;

private:
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
};
