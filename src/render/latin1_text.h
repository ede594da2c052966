#pragma once
// Text across the boundary between the model and Qt: the model's strings are
// ISO-8859-1 bytes, so they cross only through these explicit conversions.

#include <QString>
#include <string>

inline QString Latin1(const std::string& text) { return QString::fromLatin1(text); }
inline QString Latin1(const char* text) { return QString::fromLatin1(text); }
// Characters outside ISO-8859-1 become '?'.
inline std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }
