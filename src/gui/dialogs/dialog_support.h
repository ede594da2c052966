#pragma once
// Small pieces every dialog uses: text and file names across the boundary to
// the model, number fields and the message boxes of the core's UserMessage.

#include <QFile>
#include <QLineEdit>
#include <QString>
#include <string>

#include "forms/number_fields.h"
#include "model/user_message.h"
#include "render/latin1_text.h"

class QWidget;

// The model keeps file names in the platform's local 8-bit encoding, not in Latin-1.
inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
inline QString FromLocalPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

// A one-line edit for a whole number, named for tests and the focus chain.
QLineEdit* NumberEdit(int value, const char* objectName);

// Shows the message with its caption: a hint ("Info") as information, anything
// else as a warning.
void ShowUserMessage(QWidget* parent, const UserMessage& message);

// Shows the message in an information box, whatever its caption; a message
// without text shows nothing.
void ShowInformation(QWidget* parent, const UserMessage& message);

// Reads a number edit into value; on a refused text shows the field's message,
// puts the focus on the edit and returns false.
bool ReadNumberEdit(QWidget* parent, QLineEdit* edit, const NumberField& field, int& value);

// Multi-line text: the model's "\r\n" line ends become the edit's '\n' and back.
QString FromCrLfText(const std::string& text);
std::string ToCrLfText(const QString& text);
