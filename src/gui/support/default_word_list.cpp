#include "support/default_word_list.h"

#include <QCoreApplication>

#include "support/dialog_support.h"
#include "util/program_data.h"

QString DefaultWordListFile() {
    return FromLocalPath(InstalledWordListFile(LocalPath(QCoreApplication::applicationDirPath())));
}
