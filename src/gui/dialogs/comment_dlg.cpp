#include "dialogs/comment_dlg.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "support/dialog_support.h"

CommentDlg::CommentDlg(const std::string& comment, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Latin1("Commentaar"));
    m_edit = new QPlainTextEdit(FromCrLfText(comment));
    m_edit->setObjectName(Latin1("comment"));
    m_edit->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
}

std::string CommentDlg::Comment() const { return ToCrLfText(m_edit->toPlainText()); }
