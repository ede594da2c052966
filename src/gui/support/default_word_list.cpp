#include "support/default_word_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DefaultWordListFile() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const char* relative :
         {"../../wordlists/nl05.doc", "../share/rooster2/wordlists/nl05.doc"}) {
        const QFileInfo candidate(program.filePath(QString::fromLatin1(relative)));
        if (candidate.isFile()) return candidate.canonicalFilePath();
    }
    return QString();
}
