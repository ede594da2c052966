#pragma once
// "Vergelijk rooster2-bestanden": the puzzle being edited against another puzzle
// file, or against every puzzle file of that file's folder. The result text stays
// in the dialog; "OK" closes it.

#include <QDialog>

class CRooster2Doc;
class IFileChooser;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class CCompareDlg : public QDialog {
    Q_OBJECT

public:
    CCompareDlg(CRooster2Doc& doc, IFileChooser& chooser, QWidget* parent = nullptr);

    // "Vergelijk": compares with the name in the edit box (the typed name counts, not
    // only one chosen with "...").
    void OnCompareNow();

    QLineEdit* m_fileEdit = nullptr;
    QCheckBox* m_allFilesBox = nullptr;
    QPlainTextEdit* m_resultEdit = nullptr;

private:
    void OnBrowse();

    CRooster2Doc& m_doc;
    IFileChooser& m_chooser;
};
