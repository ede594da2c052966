#pragma once
// What the two clue windows share: their font, the "Kleiner" and "Groter"
// buttons, and their place right of the grid.

#include <QFont>
#include <functional>

class Rooster2Doc;
class QDialog;
class QHBoxLayout;

// The letter font at a GDI-style (negative) pixel height.
QFont ClueWindowFont(const Rooster2Doc& doc, int height);

// "Kleiner" and "Groter"; step(true) for larger.
QHBoxLayout* FontButtons(QDialog* owner, std::function<void(bool larger)> step);

// Moves the window 10 pixels right of the grid in its parent view, kept within
// the view's right edge, at the view's top.
void PlaceClueWindow(QDialog& window, const Rooster2Doc& doc, int cellPixels);
// Makes the window no taller than reaches the bottom of the main window.
void KeepClueWindowInMainWindow(QDialog& window);
