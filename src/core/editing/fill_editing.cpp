#include "editing/fill_editing.h"

#include <algorithm>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/str_format.h"

namespace {

int WordCount(const Rooster2Doc& doc) { return static_cast<int>(doc.puzzle().words.size()); }

// Keeps the cursor inside the current word: a word list rebuilt since the
// cursor was placed may have made the word shorter, and the cursor cell is
// written to.
void KeepCursorInWord(Rooster2Doc& doc) {
    const int length = doc.puzzle().words[doc.curWord].length;
    doc.curPos = std::clamp(doc.curPos, 0, std::max(length - 1, 0));
}

int CursorX(const Rooster2Doc& doc) { return doc.puzzle().words[doc.curWord].CellX(doc.curPos); }
int CursorY(const Rooster2Doc& doc) { return doc.puzzle().words[doc.curWord].CellY(doc.curPos); }

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
EditResult ShowCurrent(const Rooster2Doc& doc) { return WordChange(-1, doc.curWord); }

// Makes `word` current with the cursor on its cell (x, y); the word's own
// direction becomes the fill direction.
void SelectWordAt(Rooster2Doc& doc, int word, int x, int y) {
    doc.curWord = word;
    const WordInfo& w = doc.puzzle().words[word];
    if (w.IsAcross()) {
        doc.curPos = x - w.x;
        doc.direction = Direction::Across;
    } else {
        doc.curPos = y - w.y;
        doc.direction = Direction::Down;
    }
}

// An arrow key without Ctrl. Along the word the cursor moves one cell; across
// it, at a crossing, the crossing word becomes current one cell further.
EditResult MoveCursor(Rooster2Doc& doc, bool horizontal, int step) {
    const WordInfo& word = doc.puzzle().words[doc.curWord];
    const int x = CursorX(doc);
    const int y = CursorY(doc);
    int count = 0;
    int across = -1;
    int down = -1;
    doc.puzzle().FindWordsAt(x, y, count, across, down);
    if (word.IsAcross() != horizontal && count == 2) {
        const int old = doc.curWord;
        SelectWordAt(doc, horizontal ? across : down, x, y);
        const WordInfo& crossing = doc.puzzle().words[doc.curWord];
        doc.curPos = step > 0 ? NextPos(crossing, doc.curPos) : PrevPos(doc.curPos);
        return WordChange(old, doc.curWord);
    }
    doc.curPos = step > 0 ? NextPos(word, doc.curPos) : PrevPos(doc.curPos);
    return ShowCurrent(doc);
}

EditResult SwitchToWord(Rooster2Doc& doc, int word, int pos) {
    const int old = doc.curWord;
    doc.curWord = word;
    doc.curPos = pos;
    return WordChange(old, word);
}

EditResult JumpWord(Rooster2Doc& doc, int step) {
    return SwitchToWord(doc, doc.puzzle().NextWordInDirection(doc.curWord, step, doc.direction), 0);
}

EditResult ClearCurrentWord(Rooster2Doc& doc) {
    PuzzleEdit edit(doc);
    edit->words[doc.curWord].value.clear();
    edit->SetWordValue(doc.curWord, std::string());
    return ShowCurrent(doc);
}

bool IsTypable(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == ' ';
}

}  // namespace

bool HasCurrentWord(const Rooster2Doc& doc) { return doc.puzzle().IsValidWordIndex(doc.curWord); }

EditResult PutCursorOnCell(Rooster2Doc& doc, int x, int y) {
    if (!doc.puzzle().IsInGrid(x, y) || !IsLetterCell(doc.puzzle().GetCell(x, y))) return {};
    const int word = doc.FindWordAt(x, y);
    if (word < 0) return {};
    const int old = doc.curWord;
    SelectWordAt(doc, word, x, y);
    return WordChange(old, doc.curWord);
}

namespace {

// The word of the clue cell's first clue; of its second when the first's is current.
int ClueCellWord(const Rooster2Doc& doc, int x, int y) {
    const int first = doc.puzzle().PointedWord(x, y, 0);
    const int second = doc.puzzle().PointedWord(x, y, 1);
    return first < 0 || (doc.curWord == first && second >= 0) ? second : first;
}

}  // namespace

EditResult FillMouseUp(Rooster2Doc& doc, int x, int y) {
    if (!doc.puzzle().IsInGrid(x, y)) return {};
    const int old = doc.curWord;
    const int oldPos = doc.curPos;
    if (doc.puzzle().IsZweedsClueCell(x, y)) {
        doc.curWord = ClueCellWord(doc, x, y);
        doc.curPos = 0;
        if (doc.curWord >= 0)
            doc.direction =
                doc.puzzle().words[doc.curWord].IsAcross() ? Direction::Across : Direction::Down;
        return WordChange(old, doc.curWord);
    }
    if (!IsLetterCell(doc.puzzle().GetCell(x, y))) {
        doc.curWord = -1;
        doc.curPos = 0;
        return WordChange(old, doc.curWord);
    }
    doc.curWord = doc.FindWordAt(x, y);
    if (doc.curWord < 0) return WordChange(old, doc.curWord);
    SelectWordAt(doc, doc.curWord, x, y);
    if (doc.curWord == old && doc.curPos == oldPos) {
        int count = 0;
        int across = -1;
        int down = -1;
        doc.puzzle().FindWordsAt(x, y, count, across, down);
        if (count == 2) {
            doc.direction = Crossing(doc.direction);
            SelectWordAt(doc, doc.FindWordAt(x, y), x, y);
        } else {
            doc.direction = across >= 0 ? Direction::Across : Direction::Down;
        }
    }
    return WordChange(old, doc.curWord);
}

EditResult ToggleIJ(Rooster2Doc& doc, int x, int y) {
    if (!doc.puzzle().IsInGrid(x, y)) return {};
    const Cell code = doc.puzzle().GetCell(x, y);
    if (code != CELL_IJ && code != 'Y') return {};
    PuzzleEdit(doc)->SetCell(x, y, code == CELL_IJ ? 'Y' : CELL_IJ);
    doc.ijToggled = true;
    EditResult result;
    result.applied = true;
    result.cells.push_back(y * doc.puzzle().width + x);
    return result;
}

EditResult FillKeyDown(Rooster2Doc& doc, EditKey key, bool ctrl) {
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
            doc.curPos = 0;
            return ShowCurrent(doc);
        case EditKey::End:
            if (ctrl) {
                const int last = WordCount(doc) - 1;
                return SwitchToWord(doc, last, doc.puzzle().words[last].length - 1);
            }
            doc.curPos = doc.puzzle().words[doc.curWord].length - 1;
            return ShowCurrent(doc);
        case EditKey::Delete:
            return ClearCurrentWord(doc);
    }
    return {};
}

EditResult FillChar(Rooster2Doc& doc, unsigned char ch, bool autoNextWord) {
    if (!HasCurrentWord(doc) || !IsTypable(ch)) return {};
    KeepCursorInWord(doc);
    PuzzleEdit(doc)->SetCell(CursorX(doc), CursorY(doc), TypedCellCode(ch));
    EditResult result = ShowCurrent(doc);
    if (doc.curPos < doc.puzzle().words[doc.curWord].length - 1) {
        ++doc.curPos;
    } else if (autoNextWord) {
        result = JumpWord(doc, +1);
    }
    return result;
}

EditResult FillBackspace(Rooster2Doc& doc) {
    if (!HasCurrentWord(doc)) return {};
    KeepCursorInWord(doc);
    if (doc.curPos == 0) return {};
    --doc.curPos;
    PuzzleEdit(doc)->SetCell(CursorX(doc), CursorY(doc), CELL_VRIJ);
    return ShowCurrent(doc);
}

std::string WordCaption(const Rooster2Doc& doc, int word) {
    if (!doc.puzzle().IsValidWordIndex(word)) return "Geen woord geselecteerd";
    return GetClueCaption(doc.puzzle().words[word]);
}

int CountWordParts(const Rooster2Doc& doc) {
    int parts = 0;
    for (const WordInfo& word : doc.puzzle().words) parts += std::max(word.PartCountInUse(), 1);
    return parts;
}

std::string BestResultStatus(const Rooster2Doc& doc, int bestDepth) {
    return StrFormat("Beste oplossing met %d correcte invullingen van de %d", bestDepth,
                     CountWordParts(doc));
}

std::optional<std::string> MouseMoveStatus(const Rooster2Doc& doc, int x, int y, int solutionCount,
                                           int bestDepth) {
    if (doc.phase != Phase::Vullen) return std::nullopt;
    if (doc.puzzle().IsInGrid(x, y)) {
        if (!IsLetterCell(doc.puzzle().GetCell(x, y))) return std::nullopt;
        const int word = doc.FindWordAt(x, y);
        if (word < 0) return std::nullopt;
        return GetClueCaption(doc.puzzle().words[word]);
    }
    if (solutionCount == 0 && bestDepth == 0)
        return doc.ijToggled ? "Zet muis in rooster om omschrijving te zien"
                             : "Klik rechts op een IJ of Y om te wisselen.";
    if (solutionCount == 0) return BestResultStatus(doc, bestDepth);
    if (solutionCount == 1) return StrFormat("%d oplossing gevonden", solutionCount);
    return StrFormat("%d oplossingen gevonden", solutionCount);
}
