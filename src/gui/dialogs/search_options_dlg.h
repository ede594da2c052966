#pragma once
// "Zoekopties": the search options of the puzzle, and the user's minimum score and
// search method (kept in the profile, not in the puzzle). OK checks the numbers
// against their ranges (a bad one keeps the dialog open) and applies every value;
// Cancel changes nothing, except that a word file chosen with "..." is taken at once.

#include <QDialog>

#include "search/search_options.h"

class CRooster2Doc;
class IFileChooser;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CSearchOptionsDlg : public QDialog {
    Q_OBJECT

public:
    CSearchOptionsDlg(CRooster2Doc& doc, IFileChooser& chooser, QWidget* parent = nullptr);

    // The controls, for the tests.
    QCheckBox* m_allDifferentBox = nullptr;
    QLineEdit* m_maxSolutionsEdit = nullptr;
    QCheckBox* m_ijTwoLettersBox = nullptr;
    QCheckBox* m_fillWithLastShownBox = nullptr;
    QCheckBox* m_showWhileSearchingBox = nullptr;
    QLineEdit* m_excludedLettersEdit = nullptr;
    QCheckBox* m_randomOrderBox = nullptr;
    QCheckBox* m_soundBox = nullptr;
    QLineEdit* m_wordFileEdit = nullptr;
    QLineEdit* m_maxFrequencyEdit = nullptr;
    QLineEdit* m_maxDistinctEdit = nullptr;
    QLineEdit* m_minScoreEdit = nullptr;
    QComboBox* m_methodBox = nullptr;

public slots:
    void accept() override;

private:
    void BuildControls();
    void ShowOptions(const SearchOptions& options);
    void OnBrowse();

    CRooster2Doc& m_doc;
    IFileChooser& m_chooser;
};
