#pragma once
// "Over Rooster2": the program icon, the version text and how the four phases work.

#include <QDialog>

class AboutDlg : public QDialog {
    Q_OBJECT

public:
    AboutDlg(const QString& versionText, QWidget* parent = nullptr);
};
