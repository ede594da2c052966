#pragma once
// "Vergelijk rooster2-bestanden": the puzzle being edited against another puzzle
// file, or against every puzzle file of that file's folder. The result text stays
// in the dialog; "OK" closes it.

#include <QDialog>

struct AppState;
class Rooster2Doc;
class IFileChooser;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class CompareDlg : public QDialog {
    Q_OBJECT

public:
    CompareDlg(Rooster2Doc& doc, AppState& app, IFileChooser& chooser, QWidget* parent = nullptr);

    // "Vergelijk": compares with the name in the edit box (the typed name counts, not
    // only one chosen with "...").
    void OnCompareNow();

    QLineEdit* fileEdit = nullptr;
    QCheckBox* allFilesBox = nullptr;
    QPlainTextEdit* resultEdit = nullptr;

private:
    void OnBrowse();

    Rooster2Doc& m_doc;
    AppState& m_app;
    IFileChooser& m_chooser;
};
