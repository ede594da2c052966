#pragma once
// "Eigenschappen rooster": grid size, numbering, symmetry, colours, fonts, line
// width, HTML options, letter values and the statistics report. The values of
// the form reach the document only through ApplyProperties after OK; the letter
// font and the letter values are written into the document at once.

#include <QDialog>
#include <array>

#include "forms/properties.h"

class Rooster2Doc;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class PropertiesDlg : public QDialog {
    Q_OBJECT

public:
    PropertiesDlg(Rooster2Doc& doc, bool smallLetters, QWidget* parent = nullptr);

    // The form's values after OK.
    const PuzzleProperties& Properties() const { return m_values; }
    // Replaces a colour as the colour dialog would (the document keeps its own until OK).
    void SetColour(int button, ColourRef colour);

signals:
    // The letter font or colour changed in the document (the view redraws).
    void LetterFontChanged();

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSizeGroup();
    QWidget* BuildNumberingGroup();
    QWidget* BuildSymmetryGroup();
    QWidget* BuildColourGroup();
    QWidget* BuildHtmlGroup();
    QWidget* BuildReportGroup();
    bool ReadNumbers();
    void ReadChoices();
    void ChooseColour(int button);
    void ChooseFont();
    void ShowSwatch(int button);
    void ShowReport();
    void ReadLetterValues();

    Rooster2Doc& m_doc;
    PuzzleProperties m_values;

    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_cellSize = nullptr;
    QLineEdit* m_margin = nullptr;
    QLineEdit* m_clueTextSize = nullptr;
    QLineEdit* m_startNumber = nullptr;
    QLineEdit* m_htmlTitle = nullptr;
    QCheckBox* m_showNumbers = nullptr;
    QCheckBox* m_numberPartWords = nullptr;
    QCheckBox* m_largerNumbers = nullptr;
    QCheckBox* m_acrossOnly = nullptr;
    QCheckBox* m_htmlSideBySide = nullptr;
    QCheckBox* m_partDashes = nullptr;
    QCheckBox* m_smallLetters = nullptr;
    QCheckBox* m_doorloper = nullptr;
    QCheckBox* m_showLength = nullptr;
    QCheckBox* m_showClues = nullptr;
    QCheckBox* m_systemInfo = nullptr;
    QCheckBox* m_wordProduct = nullptr;
    QCheckBox* m_wordSum = nullptr;
    QButtonGroup* m_symmetry = nullptr;
    QComboBox* m_form = nullptr;
    QButtonGroup* m_lineWidth = nullptr;
    QButtonGroup* m_htmlBlack = nullptr;
    std::array<QWidget*, PROPERTY_COLOUR_COUNT> m_swatches{};
    QPlainTextEdit* m_report = nullptr;
    QLineEdit* m_letterValues = nullptr;
};
