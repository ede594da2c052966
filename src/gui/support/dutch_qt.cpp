#include "support/dutch_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallDutchQtTexts(QCoreApplication& application) {
    // The program speaks Dutch whatever the system's language.
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    QLocale::setDefault(dutch);
    auto* translator = new QTranslator(&application);
    if (!translator->load(dutch, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
