#pragma once
// "Commentaar": the puzzle's free comment, several lines; Enter starts a new line.

#include <QDialog>
#include <string>

class QPlainTextEdit;

class CommentDlg : public QDialog {
    Q_OBJECT

public:
    CommentDlg(const std::string& comment, QWidget* parent = nullptr);
    // The edited text with "\r\n" line ends, as the document keeps it.
    std::string Comment() const;

private:
    QPlainTextEdit* m_edit = nullptr;
};
