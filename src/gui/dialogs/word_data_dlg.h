#pragma once
// "Gegevens over woord": the letters, clue and word list of the current word,
// with candidates from the word lists and their scores, the contains/anagram
// filter, sorting and the choice of a part of a multi-word answer. The user's
// minimum score and own scores change at once: they belong to the user, not to
// this word, so Cancel keeps them.

#include <QDialog>

#include "forms/word_edit.h"
#include "wordlists/word_data.h"

struct AppState;
class Rooster2Doc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class WordDataDlg : public QDialog {
    Q_OBJECT

public:
    WordDataDlg(Rooster2Doc& doc, AppState& app, const WordInfo& word, const WordDataFields& fields,
                QWidget* parent = nullptr);

    // The fields after OK.
    const WordDataFields& Fields() const { return m_fields; }
    // Moves the dialog to about 10 pixels right of gridRight (screen x), on the screen.
    void PlaceRightOf(int gridRight);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* BuildPartControls();
    QLayout* BuildCandidateControls();
    QLayout* BuildScoreControls();
    void ShowList(const CandidateList& list);
    void ShowEntries(int current);
    void ShowCurrentScore();
    void FillList();
    void OnFilter();
    void OnSort();
    void OnSortByScore();
    void GiveScore(int score);
    bool ReadMinScore();
    void OnPart(bool next);
    void TakeSelected();
    void OnDelete();
    void FitValue();
    bool ReadMaxCount();
    bool ReadListNumber();

    Rooster2Doc& m_doc;
    AppState& m_app;
    WordDataFields m_fields;
    WordPartSelection m_parts;
    std::size_t m_initialLength;
    CandidateList m_list;     // as shown
    bool m_filtered = false;  // the list came from "Filter"
    int m_sortFlag = 0;
    bool m_deleting = false;

    QLineEdit* m_partNumber = nullptr;
    QPushButton* m_previousPart = nullptr;
    QPushButton* m_nextPart = nullptr;
    QLabel* m_listLabel = nullptr;
    QComboBox* m_candidates = nullptr;
    QPlainTextEdit* m_clue = nullptr;
    QLineEdit* m_value = nullptr;
    QLineEdit* m_maxCount = nullptr;
    QLineEdit* m_excluded = nullptr;
    QLineEdit* m_required = nullptr;
    QLineEdit* m_listNumber = nullptr;
    QLineEdit* m_minScore = nullptr;
    QSpinBox* m_score = nullptr;
};
