#pragma once
// The line editor over a Zweeds clue cell while filling. Enter, or leaving it for
// another place in the window, hands its text over; Escape drops it. Either way it
// closes and the focus returns to the grid.

#include <QLineEdit>
#include <QPointer>

class ClueCellEditor : public QLineEdit {
    Q_OBJECT

public:
    ClueCellEditor(const QString& text, QWidget* grid, QWidget* parent);
    // Closes without handing the text over.
    void Drop() { Finish(false); }

signals:
    void Accepted(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(bool accept);

    QPointer<QWidget> m_grid;
    bool m_finished = false;
};
