#include "support/dialog_support.h"

#include <QMessageBox>

QLineEdit* NumberEdit(int value, const char* objectName) {
    auto* edit = new QLineEdit(QString::number(value));
    edit->setObjectName(Latin1(objectName));
    return edit;
}

void ShowUserMessage(QWidget* parent, const UserMessage& message) {
    // Hints are information; everything else warns.
    if (message.caption == "Info")
        QMessageBox::information(parent, Latin1(message.caption), Latin1(message.text));
    else
        QMessageBox::warning(parent, Latin1(message.caption), Latin1(message.text));
}

void ShowInformation(QWidget* parent, const UserMessage& message) {
    if (!message.text.empty())
        QMessageBox::information(parent, Latin1(message.caption), Latin1(message.text));
}

bool ReadNumberEdit(QWidget* parent, QLineEdit* edit, const NumberField& field, int& value) {
    if (const std::optional<UserMessage> refused =
            ReadNumberField(ToLatin1(edit->text()), field, value)) {
        ShowUserMessage(parent, *refused);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    return true;
}

QString FromCrLfText(const std::string& text) {
    return Latin1(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string ToCrLfText(const QString& text) {
    QString crlf = text;
    return ToLatin1(crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}
