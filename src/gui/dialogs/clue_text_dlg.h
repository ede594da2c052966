#pragma once
// "Omschrijvingen tonen/wijzigen": the clues as free text, modeless beside the
// grid. Edited text is read back into the words each time the edit loses the
// focus after a change.

#include <QDialog>

#include "formats/clue_files.h"

class Rooster2Doc;
class QPlainTextEdit;

class ClueTextDlg : public QDialog {
    Q_OBJECT

public:
    // Places itself right of the grid shown in the view `parent`. The clue-line
    // reader's section lives as long as the program runs.
    ClueTextDlg(Rooster2Doc& doc, ClueSection& section, int cellPixels, QWidget* parent);

    // Shows the clues again (after they changed elsewhere), without the word lists.
    void Refresh();
    int FontHeight() const { return m_fontHeight; }
    QPlainTextEdit* Edit() const { return m_edit; }

signals:
    // The edited text was read back into the document.
    void CluesApplied();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StepFont(bool larger);
    void ApplyFont();
    void ReadBack();

    Rooster2Doc& m_doc;
    ClueSection& m_section;
    QPlainTextEdit* m_edit = nullptr;
    int m_fontHeight;
    bool m_changed = false;
};
