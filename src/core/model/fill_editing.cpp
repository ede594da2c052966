#include "model/fill_editing.h"

#include <algorithm>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"
#include "util/str_format.h"

namespace {

int WordCount(const CRooster2Doc& doc) { return static_cast<int>(doc.m_words.size()); }

// Keeps the cursor inside the current word: a word list rebuilt since the
// cursor was placed may have made the word shorter, and the cursor cell is
// written to.
void KeepCursorInWord(CRooster2Doc& doc) {
    const int length = doc.m_words[doc.m_curWord].length;
    doc.m_curPos = std::clamp(doc.m_curPos, 0, std::max(length - 1, 0));
}

int CursorX(const CRooster2Doc& doc) { return doc.m_words[doc.m_curWord].CellX(doc.m_curPos); }
int CursorY(const CRooster2Doc& doc) { return doc.m_words[doc.m_curWord].CellY(doc.m_curPos); }

int NextPos(const WordInfo& word, int pos) { return pos < word.length - 1 ? pos + 1 : pos; }
int PrevPos(int pos) { return pos > 0 ? pos - 1 : pos; }

EditResult WordChange(int oldWord, int newWord) {
    EditResult result;
    result.applied = true;
    result.wordChange = true;
    result.oldWord = oldWord;
    result.newWord = newWord;
    return result;
}

// The current word repaints in place ("show").
EditResult ShowCurrent(const CRooster2Doc& doc) { return WordChange(-1, doc.m_curWord); }

EditResult FinishTyping(CRooster2Doc& doc, CUndoHistories& undo, EditResult result) {
    undo.PushFillUndo(doc);
    doc.MarkModified(true);
    return result;
}

// Makes `word` current with the cursor on its cell (x, y); the word's own
// direction becomes the fill direction.
void SelectWordAt(CRooster2Doc& doc, int word, int x, int y) {
    doc.m_curWord = word;
    const WordInfo& w = doc.m_words[word];
    if (w.IsAcross()) {
        doc.m_curPos = x - w.x;
        doc.m_direction = DIR_ACROSS;
    } else {
        doc.m_curPos = y - w.y;
        doc.m_direction = DIR_DOWN;
    }
}

// An arrow key without Ctrl. Along the word the cursor moves one cell; across
// it, at a crossing, the crossing word becomes current one cell further.
EditResult MoveCursor(CRooster2Doc& doc, bool horizontal, int step) {
    const WordInfo& word = doc.m_words[doc.m_curWord];
    const int x = CursorX(doc);
    const int y = CursorY(doc);
    int count = 0;
    int across = -1;
    int down = -1;
    doc.FindWordsAt(x, y, count, across, down);
    if (word.IsAcross() != horizontal && count == 2) {
        const int old = doc.m_curWord;
        SelectWordAt(doc, horizontal ? across : down, x, y);
        const WordInfo& crossing = doc.m_words[doc.m_curWord];
        doc.m_curPos = step > 0 ? NextPos(crossing, doc.m_curPos) : PrevPos(doc.m_curPos);
        return WordChange(old, doc.m_curWord);
    }
    doc.m_curPos = step > 0 ? NextPos(word, doc.m_curPos) : PrevPos(doc.m_curPos);
    return ShowCurrent(doc);
}

EditResult SwitchToWord(CRooster2Doc& doc, int word, int pos) {
    const int old = doc.m_curWord;
    doc.m_curWord = word;
    doc.m_curPos = pos;
    return WordChange(old, word);
}

EditResult JumpWord(CRooster2Doc& doc, int step) {
    return SwitchToWord(doc, doc.NextWordInDirection(doc.m_curWord, step, doc.m_direction), 0);
}

EditResult ClearCurrentWord(CRooster2Doc& doc, CUndoHistories& undo) {
    doc.m_words[doc.m_curWord].value.clear();
    doc.SetWordValue(doc.m_curWord, std::string());
    return FinishTyping(doc, undo, ShowCurrent(doc));
}

bool IsTypable(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == ' ';
}

}  // namespace

bool HasCurrentWord(const CRooster2Doc& doc) { return doc.IsValidWordIndex(doc.m_curWord); }

EditResult FillMouseUp(CRooster2Doc& doc, int x, int y) {
    if (!doc.IsInGrid(x, y)) return {};
    const int old = doc.m_curWord;
    const int oldPos = doc.m_curPos;
    if (!IsLetterCell(doc.GetCell(x, y))) {
        doc.m_curWord = -1;
        doc.m_curPos = 0;
        return WordChange(old, doc.m_curWord);
    }
    doc.m_curWord = doc.FindWordAt(x, y);
    if (doc.m_curWord < 0) return WordChange(old, doc.m_curWord);
    SelectWordAt(doc, doc.m_curWord, x, y);
    if (doc.m_curWord == old && doc.m_curPos == oldPos) {
        int count = 0;
        int across = -1;
        int down = -1;
        doc.FindWordsAt(x, y, count, across, down);
        if (count == 2) {
            doc.m_direction = 3 - doc.m_direction;
            SelectWordAt(doc, doc.FindWordAt(x, y), x, y);
        } else {
            doc.m_direction = across >= 0 ? DIR_ACROSS : DIR_DOWN;
        }
    }
    return WordChange(old, doc.m_curWord);
}

EditResult ToggleIJ(CRooster2Doc& doc, CUndoHistories& undo, int x, int y) {
    if (!doc.IsInGrid(x, y)) return {};
    const Cell code = doc.GetCell(x, y);
    if (code != CELL_IJ && code != 'Y') return {};
    doc.SetCell(x, y, code == CELL_IJ ? 'Y' : CELL_IJ);
    doc.m_ijToggled = true;
    EditResult result;
    result.applied = true;
    result.cells.push_back(y * doc.m_width + x);
    return FinishTyping(doc, undo, result);
}

EditResult FillKeyDown(CRooster2Doc& doc, CUndoHistories& undo, EditKey key, bool ctrl) {
    if (!HasCurrentWord(doc)) return {};
    KeepCursorInWord(doc);
    switch (key) {
        case EditKey::Right:
            return ctrl ? JumpWord(doc, +1) : MoveCursor(doc, true, +1);
        case EditKey::Down:
            return ctrl ? JumpWord(doc, +1) : MoveCursor(doc, false, +1);
        case EditKey::Left:
            return ctrl ? JumpWord(doc, -1) : MoveCursor(doc, true, -1);
        case EditKey::Up:
            return ctrl ? JumpWord(doc, -1) : MoveCursor(doc, false, -1);
        case EditKey::Home:
            if (ctrl) return SwitchToWord(doc, 0, 0);
            doc.m_curPos = 0;
            return ShowCurrent(doc);
        case EditKey::End:
            if (ctrl) {
                const int last = WordCount(doc) - 1;
                return SwitchToWord(doc, last, doc.m_words[last].length - 1);
            }
            doc.m_curPos = doc.m_words[doc.m_curWord].length - 1;
            return ShowCurrent(doc);
        case EditKey::Delete:
            return ClearCurrentWord(doc, undo);
    }
    return {};
}

EditResult FillChar(CRooster2Doc& doc, CUndoHistories& undo, unsigned char ch, bool autoNextWord) {
    if (!HasCurrentWord(doc) || !IsTypable(ch)) return {};
    KeepCursorInWord(doc);
    doc.SetCell(CursorX(doc), CursorY(doc), TypedCellCode(ch));
    EditResult result = ShowCurrent(doc);
    if (doc.m_curPos < doc.m_words[doc.m_curWord].length - 1) {
        ++doc.m_curPos;
    } else if (autoNextWord) {
        result = JumpWord(doc, +1);
    }
    return FinishTyping(doc, undo, result);
}

EditResult FillBackspace(CRooster2Doc& doc, CUndoHistories& undo) {
    if (!HasCurrentWord(doc)) return {};
    KeepCursorInWord(doc);
    if (doc.m_curPos == 0) return {};
    --doc.m_curPos;
    doc.SetCell(CursorX(doc), CursorY(doc), CELL_VRIJ);
    return FinishTyping(doc, undo, ShowCurrent(doc));
}

std::string WordCaption(const CRooster2Doc& doc, int word) {
    if (!doc.IsValidWordIndex(word)) return "Geen woord geselecteerd";
    return GetClueCaption(doc.m_words[word]);
}

int CountWordParts(const CRooster2Doc& doc) {
    int parts = 0;
    for (const WordInfo& word : doc.m_words) parts += std::max(word.PartCountInUse(), 1);
    return parts;
}

std::string BestResultStatus(const CRooster2Doc& doc, int bestDepth) {
    return StrFormat("Beste oplossing met %d correcte invullingen van de %d", bestDepth,
                     CountWordParts(doc));
}

std::optional<std::string> MouseMoveStatus(const CRooster2Doc& doc, int x, int y, int solutionCount,
                                           int bestDepth) {
    if (doc.m_phase != PHASE_VULLEN) return std::nullopt;
    if (doc.IsInGrid(x, y)) {
        if (!IsLetterCell(doc.GetCell(x, y))) return std::nullopt;
        const int word = doc.FindWordAt(x, y);
        if (word < 0) return std::nullopt;
        return GetClueCaption(doc.m_words[word]);
    }
    if (solutionCount == 0 && bestDepth == 0)
        return doc.m_ijToggled ? "Zet muis in rooster om omschrijving te zien"
                               : "Klik rechts op een IJ of Y om te wisselen.";
    if (solutionCount == 0) return BestResultStatus(doc, bestDepth);
    if (solutionCount == 1) return StrFormat("%d oplossing gevonden", solutionCount);
    return StrFormat("%d oplossingen gevonden", solutionCount);
}
