#pragma once
// The tool-bar pictures (16 x 15 pixels) and the program's own pictures, drawn
// in code so that they scale with nothing and need no image files at run time.

#include <QIcon>
#include <QPixmap>

QIcon ToolBarIcon(int commandId);
QIcon ProgramIcon();
// The start-up picture.
QPixmap SplashPicture(const QString& versionText);
