#include "editing/shape_editing.h"

#include <algorithm>

#include "model/rooster2_doc.h"

Cell ShapeClickCode(Cell releaseCode, bool notCell) {
    if (notCell) return releaseCode == CELL_NIET ? CELL_VRIJ : CELL_NIET;
    return IsLetterCell(releaseCode) ? CELL_ZWART : CELL_VRIJ;
}

EditResult ShapeMouseUp(Rooster2Doc& doc, int pressX, int pressY, int x, int y, bool notCell) {
    if (!doc.puzzle().IsInGrid(x, y) || doc.puzzle().numbering.doorloper) return {};
    const Cell code = ShapeClickCode(doc.puzzle().GetCell(x, y), notCell);
    PuzzleEdit edit(doc);
    if (doc.puzzle().IsInGrid(pressX, pressY)) {
        for (int column = std::min(pressX, x); column <= std::max(pressX, x); ++column)
            for (int row = std::min(pressY, y); row <= std::max(pressY, y); ++row)
                edit->SetCellSymmetric(column, row, code);
    } else {
        edit->SetCellSymmetric(x, y, code);
    }
    edit->BuildWords();
    EditResult result;
    result.applied = true;
    result.redrawAll = true;
    result.forgetBestResult = true;
    return result;
}

bool NextLetterCell(const Rooster2Doc& doc, int& x, int& y, int dx, int dy) {
    for (int cx = x + dx, cy = y + dy; doc.puzzle().IsInGrid(cx, cy); cx += dx, cy += dy) {
        if (IsLetterCell(doc.puzzle().GetCell(cx, cy))) {
            x = cx;
            y = cy;
            return true;
        }
    }
    return false;
}

void AdvanceCell(const Rooster2Doc& doc, int& x, int& y) {
    const int w = doc.puzzle().width;
    const int h = doc.puzzle().height;
    const bool across = doc.direction == Direction::Across;
    // Position in reading order: rows first across, columns first down.
    const int start = across ? y * w + x : x * h + y;
    for (int step = 1; step < w * h; ++step) {
        const int pos = (start + step) % (w * h);
        const int cx = across ? pos % w : pos / h;
        const int cy = across ? pos / w : pos % h;
        if (IsLetterCell(doc.puzzle().GetCell(cx, cy))) {
            x = cx;
            y = cy;
            return;
        }
    }
}

namespace {

bool IsMarkOnLetter(const Rooster2Doc& doc, int markX, int markY) {
    return doc.puzzle().IsInGrid(markX, markY) && IsLetterCell(doc.puzzle().GetCell(markX, markY));
}

}  // namespace

EditResult MoveShapeMark(const Rooster2Doc& doc, int& markX, int& markY, EditKey key) {
    if (!IsMarkOnLetter(doc, markX, markY)) return {};
    int dx = 0;
    int dy = 0;
    switch (key) {
        case EditKey::Left:
            dx = -1;
            break;
        case EditKey::Right:
            dx = 1;
            break;
        case EditKey::Up:
            dy = -1;
            break;
        case EditKey::Down:
            dy = 1;
            break;
        default:
            return {};
    }
    int x = markX;
    int y = markY;
    if (!NextLetterCell(doc, x, y, dx, dy)) return {};
    EditResult result;
    result.applied = true;
    result.cells.push_back(markY * doc.puzzle().width + markX);
    result.highlightCell = y * doc.puzzle().width + x;
    markX = x;
    markY = y;
    return result;
}

EditResult TypeAtShapeMark(Rooster2Doc& doc, int& markX, int& markY, unsigned char ch) {
    if (!doc.puzzle().IsInGrid(markX, markY) || ch < CELL_VRIJ) return {};
    EditResult result;
    result.applied = true;
    // The mark's word repaints (or the mark cell alone), which also removes the
    // old highlight.
    const int word = doc.FindWordAt(markX, markY);
    if (word >= 0) {
        const WordInfo& w = doc.puzzle().words[word];
        for (int i = 0; i < w.length; ++i)
            result.cells.push_back(w.CellY(i) * doc.puzzle().width + w.CellX(i));
    } else {
        result.cells.push_back(markY * doc.puzzle().width + markX);
    }
    // A letter cell in no word changes the grid as much as one in a word, so
    // it is recorded and marked modified too.
    if (IsLetterCell(doc.puzzle().GetCell(markX, markY)))
        PuzzleEdit(doc)->SetCell(markX, markY, TypedCellCode(ch));
    AdvanceCell(doc, markX, markY);
    result.highlightCell = markY * doc.puzzle().width + markX;
    return result;
}
