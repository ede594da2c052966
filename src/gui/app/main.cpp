// rooster2: the desktop program.
#include <QApplication>

#include "app/rooster2_app.h"
#include "support/dutch_qt.h"
#include "support/toolbar_icons.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rooster2"));
    QApplication::setWindowIcon(ProgramIcon());
    InstallDutchQtTexts(application);
    Rooster2App rooster;
    if (!rooster.InitInstance(QApplication::arguments())) return 1;
    if (rooster.Finished()) return 0;
    return QApplication::exec();
}
