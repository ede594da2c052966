#pragma once
// The tool-bar pictures (16 x 15 pixels) and the program's own pictures, drawn
// in code so that they scale with nothing and need no image files at run time.

#include <QIcon>
#include <QPixmap>

class QPainter;

// Draws one tool-bar picture; the command table names one per button.
using IconPainter = void (*)(QPainter&);

namespace ToolIcons {
void NewPage(QPainter& p);
void OpenFolder(QPainter& p);
void Disk(QPainter& p);
void Printer(QPainter& p);
void Clipboard(QPainter& p);
void UndoArrow(QPainter& p);
void RedoArrow(QPainter& p);
void GridWithBlock(QPainter& p);
void ScrollBars(QPainter& p);
void ZoomIn(QPainter& p);
void ZoomOut(QPainter& p);
void ArrowRight(QPainter& p);
void ArrowDown(QPainter& p);
void Digit1(QPainter& p);
void Digit2(QPainter& p);
void Digit3(QPainter& p);
void Digit4(QPainter& p);
void Tick(QPainter& p);
void GridWithE(QPainter& p);
void TextLines(QPainter& p);
void BulletLines(QPainter& p);
void GridWithQuestion(QPainter& p);
void LettersAB(QPainter& p);
void QuestionCoin(QPainter& p);
void HeatGrid(QPainter& p);
void ScoredList(QPainter& p);
}  // namespace ToolIcons

QIcon ToolBarIcon(IconPainter paint);
QIcon ProgramIcon();
// The start-up picture.
QPixmap SplashPicture(const QString& versionText);
