#pragma once
// Qt's own texts (the buttons of message boxes, the file, font and print
// dialogs) in Dutch, as every text of the program is.

class QCoreApplication;

// Loads Qt's Dutch translation where the system has it (Debian's
// qt6-translations-l10n); false when it is missing, and Qt stays English.
bool InstallDutchQtTexts(QCoreApplication& application);
