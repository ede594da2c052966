#pragma once
// "Controleer rooster": the findings of the grid check in a window beside the grid.
// Choosing a finding that names a cell asks for the cursor to go there; the window
// stays open while the user mends the grid, and "Opnieuw" checks again.

#include <QDialog>
#include <vector>

#include "formats/grid_check.h"

class QListWidget;

class GridCheckDlg : public QDialog {
    Q_OBJECT

public:
    explicit GridCheckDlg(QWidget* parent = nullptr);

    void ShowFindings(const std::vector<GridFinding>& findings);

    QListWidget* list = nullptr;

signals:
    void CellChosen(int x, int y);
    void RecheckAsked();

private:
    void OnRowChosen(int row);

    std::vector<GridFinding> m_findings;
};
