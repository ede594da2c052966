#pragma once
// "Omschrijvingen tonen/wijzigen": the clues as free text, modeless beside the
// grid. Edited text is read back into the words each time the edit loses the
// focus after a change.

#include <QDialog>

class CRooster2Doc;
class QPlainTextEdit;

class CClueTextDlg : public QDialog {
    Q_OBJECT

public:
    // Places itself right of the grid shown in the view `parent`.
    CClueTextDlg(CRooster2Doc& doc, int cellPixels, QWidget* parent);

    // Shows the clues again (after they changed elsewhere), without the word lists.
    void Refresh();
    int FontHeight() const { return m_fontHeight; }
    QPlainTextEdit* Edit() const { return m_edit; }

private:
    void StepFont(bool larger);
    void ApplyFont();
    void PlaceBesideGrid(int cellPixels);

    CRooster2Doc& m_doc;
    QPlainTextEdit* m_edit = nullptr;
    int m_fontHeight;
    bool m_changed = false;
};
