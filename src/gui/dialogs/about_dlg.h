#pragma once
// "Over Rooster2": the program icon, the version text and how the four phases work.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const QString& versionText, QWidget* parent = nullptr);
};
