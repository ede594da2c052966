#pragma once
// "Omschrijvingen": the across and the down clues in two lists (a Zweeds puzzle's
// clues by clue cell in one), modeless beside the grid. Choosing an item asks the
// view to make that word current once the list has handled the choice.

#include <QDialog>
#include <functional>

class Rooster2Doc;
class QListWidget;
class QVBoxLayout;

class ClueListDlg : public QDialog {
    Q_OBJECT

public:
    // chooseWord receives the index of a chosen word (the view's pending word).
    ClueListDlg(Rooster2Doc& doc, int cellPixels, std::function<void(int)> chooseWord,
                QWidget* parent);

    // Refills both lists and selects the current word's items; the window keeps its size.
    void Refresh() { Fill(false); }
    int FontHeight() const { return m_fontHeight; }
    QListWidget* AcrossList() const { return m_across; }
    QListWidget* DownList() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fill(bool resizeWindow);
    void StepFont(bool larger);
    void Choose(bool downList, int row);
    void ShareHeight();

    Rooster2Doc& m_doc;
    std::function<void(int)> m_chooseWord;
    QListWidget* m_across = nullptr;
    QListWidget* m_down = nullptr;
    QVBoxLayout* m_layout = nullptr;
    int m_fontHeight;
    int m_acrossHeight = 0;
    int m_downHeight = 0;
    bool m_filling = false;
};
