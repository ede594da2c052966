#pragma once
// "Extra zoekbestanden": the extra word list sets of the puzzle, numbered from
// 1. Adding and removing work directly on the document's list.

#include <QDialog>

class Rooster2Doc;
class IFileChooser;
class QTreeWidget;

class ExtraFilesDlg : public QDialog {
    Q_OBJECT

public:
    ExtraFilesDlg(Rooster2Doc& doc, IFileChooser& chooser, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    // Adds a set by any of its files (what "..." does after its file dialog).
    void AddFile(const std::string& path);
    // "Wis selectie".
    void RemoveSelected();

private:
    void Refill();
    void ChooseFile();

    Rooster2Doc& m_doc;
    IFileChooser& m_chooser;
    QTreeWidget* m_list = nullptr;
};
