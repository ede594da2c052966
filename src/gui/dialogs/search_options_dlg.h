#pragma once
// "Zoekopties": the search options of the puzzle, and the user's minimum score and
// search method (kept in the profile, not in the puzzle). OK checks the numbers
// against their ranges (a bad one keeps the dialog open) and applies every value;
// Cancel changes nothing, except that a word file chosen with "..." is taken at once.

#include <QDialog>

#include "search/search_options.h"

struct AppState;
class Rooster2Doc;
class IFileChooser;
class QCheckBox;
class QComboBox;
class QLineEdit;

class SearchOptionsDlg : public QDialog {
    Q_OBJECT

public:
    SearchOptionsDlg(Rooster2Doc& doc, AppState& app, IFileChooser& chooser,
                     QWidget* parent = nullptr);

    // The controls, for the tests.
    QCheckBox* allDifferentBox = nullptr;
    QLineEdit* maxSolutionsEdit = nullptr;
    QCheckBox* ijTwoLettersBox = nullptr;
    QCheckBox* fillWithLastShownBox = nullptr;
    QCheckBox* showWhileSearchingBox = nullptr;
    QLineEdit* excludedLettersEdit = nullptr;
    QCheckBox* randomOrderBox = nullptr;
    QCheckBox* soundBox = nullptr;
    QCheckBox* lowerMinScoreBox = nullptr;
    QLineEdit* wordFileEdit = nullptr;
    QLineEdit* maxFrequencyEdit = nullptr;
    QLineEdit* maxDistinctEdit = nullptr;
    QLineEdit* minScoreEdit = nullptr;
    QComboBox* methodBox = nullptr;

public slots:
    void accept() override;

private:
    void BuildControls();
    void ShowOptions(const SearchOptions& options);
    void OnBrowse();

    Rooster2Doc& m_doc;
    AppState& m_app;
    IFileChooser& m_chooser;
};
