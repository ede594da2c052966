#pragma once
// The grid widget: it paints the puzzle, turns mouse and keys into editing
// steps of the grid editor, scrolls and zooms, and draws the grid for the
// clipboard, the image export and the printer. Commands, dialogs and the
// search belong to the controller; the widget reports what happened through
// its signals and runs menu commands through the router.

#include <QAbstractScrollArea>
#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "editing/edit_result.h"
#include "editing/grid_editor.h"
#include "model/puzzle.h"
#include "render/grid_painter.h"
#include "search/fillability.h"

class CommandRouter;
class Rooster2Doc;
class Puzzle;
class QPainter;

class GridView : public QAbstractScrollArea {
    Q_OBJECT

public:
    GridView(Rooster2Doc& doc, GridEditor& editor, QWidget* parent = nullptr);

    // Where the context menus, Escape, the wheel and keypad shortcuts find their commands.
    void SetCommandRouter(const CommandRouter* router) { m_router = router; }
    // While a search runs the view shows its fill: a copy of the puzzle whose grid
    // follows the snapshots the search hands over. The end shows the document again.
    void ShowSearchSnapshot(const Puzzle& puzzle) { m_searchSnapshot = puzzle; }
    void UpdateSearchSnapshot(const std::string& grid);
    void EndSearchSnapshot() { m_searchSnapshot.reset(); }
    // The live check's newest report, painted over the grid while shaping and
    // filling: dead cells always, the candidate shading with heatMap.
    void ShowFillability(std::shared_ptr<const FillabilityReport> report, bool heatMap);

    // The grid at the current cell size without margin, cursor or clue line: the
    // picture of "&Kopieer" and the PNG export.
    QImage RenderGridToImage() const;
    // Draws one printed page on a device of the given printable size.
    void PrintPage(QPainter& painter, const QSize& printable, int dotsPerInch) const;

    int CellPixels() const { return m_cellPixels; }
    bool SmallLetters() const { return m_smallLetters; }
    void SetSmallLetters(bool small) { m_smallLetters = small; }
    bool ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(bool on);
    void ScrollByCells(Qt::Orientation orientation, int cells);
    void ScrollToOrigin();
    void Zoom(int step);
    // The screen x of the grid's right edge, where the word data dialog goes.
    int GridRightOnScreen() const;
    // Cell (x, y) in viewport coordinates.
    QRect CellInViewport(int x, int y) const;

    // Repaints everything, at the next paint or at once.
    void Invalidate();
    void RedrawNow();
    // Repaints after an editing step of the core and reports it (Edited).
    void ApplyEdit(const EditResult& result);
    // The current word moved: both words repaint, the status bar shows the new one.
    void ShowWordChange(int oldWord, int newWord);
    void ShowSizeStatus();

signals:
    void Edited(const EditResult& result);
    void MessagePaneChanged(const QString& text);
    void InfoPaneChanged(const QString& text);
    // While filling, the mouse moved onto cell (x, y).
    void HoveredCell(int x, int y);
    // A key other than Escape while a search runs: it draws its current fill again.
    void KeyDuringSearch();
    // While filling, a double click on the Zweeds clue cell (x, y), whose first click
    // made one of its clues' words current.
    void ClueCellDoubleClicked(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const Puzzle& ShownPuzzle() const;
    GridPaintParams ScreenParams() const;
    QPoint ScrollPosition() const;
    // Cell under a viewport point; (-1, -1) before the cell size is known.
    QPoint PointToCell(const QPoint& point) const;
    // The inner edge a viewport point lies close to (EdgeNearPoint).
    std::optional<CellEdge> EdgeNear(const QPoint& point) const;
    void UpdateLayout();
    void UpdateScrollRanges();
    void InvalidateCell(int x, int y);
    void InvalidateCellIndex(int index);
    void InvalidateWord(int word);
    void KeepCursorInView();
    void ShowContextMenu(const QPoint& globalPos, bool fromKeyboard);
    bool RunCommand(int id) const;
    bool RunKeypadCommand(QKeyEvent* event);
    bool HandleNavigationKey(QKeyEvent* event);
    void HandleCharacter(QKeyEvent* event);

    Rooster2Doc& m_doc;
    GridEditor& m_editor;
    const CommandRouter* m_router = nullptr;
    std::optional<Puzzle> m_searchSnapshot;
    std::shared_ptr<const FillabilityReport> m_fillability;
    bool m_heatMap = false;

    int m_cellPixels = 0;
    bool m_scrollBars = false;
    bool m_smallLetters = false;
    bool m_ctrlDown = false;
    // The release after a double click on a clue cell would choose the cell's other clue.
    bool m_skipRelease = false;
};
