#include "forms/clue_windows.h"

#include <algorithm>

#include "model/clue_text.h"
#include "model/rooster2_doc.h"

namespace {

constexpr int LARGEST_FONT_HEIGHT = -20;
constexpr int SMALLEST_FONT_HEIGHT = -9;
constexpr int GAP_RIGHT_OF_GRID = 10;
constexpr int WINDOW_EXTRA_WIDTH = 50;
constexpr int WINDOW_EXTRA_HEIGHT = 100;
constexpr int MIN_WINDOW_WIDTH = 150;
constexpr int MAX_WINDOW_WIDTH = 700;
constexpr int MIN_WINDOW_HEIGHT = 200;
constexpr int MAX_WINDOW_HEIGHT = 600;
constexpr int BUTTON_ROOM = 40;
constexpr int SINGLE_LIST_BUTTON_ROOM = 35;

// A Zweeds puzzle has no numbers to list its clues by; its clue cells name them.
bool ListsByClueCell(const Puzzle& puzzle) { return puzzle.form == PuzzleForm::Zweeds; }

std::string NumberedClueLists(const Puzzle& puzzle) {
    std::string text = "Horizontaal\r\n\r\n" + puzzle.FormatClueList(1);
    if (!puzzle.numbering.acrossOnly) text += "\r\nVerticaal\r\n\r\n" + puzzle.FormatClueList(0);
    return text;
}

}  // namespace

std::string BuildClueWindowText(const Rooster2Doc& doc, bool withWordLists) {
    std::string text = ListsByClueCell(doc.puzzle()) ? ClueCellLines(doc.puzzle())
                                                     : NumberedClueLists(doc.puzzle());
    if (withWordLists && !doc.puzzle().search.wordFile.empty())
        text += "\r\n" + FormatWordListSection(doc.puzzle());
    return text;
}

void ReadBackClueText(Rooster2Doc& doc, ClueSection& section, std::string_view text) {
    PuzzleEdit edit(doc, EditKind::Setting);
    ProcessClueText(edit.puzzle(), section, text);
}

std::optional<ClueCellClue> CurrentClueOfClueCell(const Rooster2Doc& doc, int x, int y) {
    if (!doc.puzzle().IsZweedsClueCell(x, y) || !doc.puzzle().IsValidWordIndex(doc.curWord))
        return std::nullopt;
    for (int slot = 0; slot < CLUES_PER_CELL; ++slot)
        if (doc.puzzle().PointedWord(x, y, slot) == doc.curWord)
            return ClueCellClue{x, y, slot, doc.curWord};
    return std::nullopt;
}

bool StoreClueCellClue(Rooster2Doc& doc, const ClueCellClue& clue, std::string_view text) {
    // The grid may have changed since the clue was chosen; the cell and slot still name it.
    const int word = doc.puzzle().PointedWord(clue.x, clue.y, clue.slot);
    if (word < 0) return false;
    WordInfo changed = doc.puzzle().words[word];
    if (SetClueText(changed, text) == 0) return false;
    PuzzleEdit(doc, EditKind::Setting)->words[word] = std::move(changed);
    return true;
}

int StepClueFontHeight(int height, bool larger) {
    if (larger) return height < LARGEST_FONT_HEIGHT + 1 ? height : height - 1;
    return height >= SMALLEST_FONT_HEIGHT ? height : height + 1;
}

int ClueWindowLeft(const Rooster2Doc& doc, int viewLeft, int cellPixels, int windowWidth,
                   int parentRight) {
    const int left = viewLeft + doc.puzzle().appearance.margin + doc.puzzle().width * cellPixels +
                     GAP_RIGHT_OF_GRID;
    const int excess = left + windowWidth - parentRight;
    return excess > 0 ? left - excess : left;
}

bool HasSingleClueList(const Rooster2Doc& doc) {
    return doc.puzzle().numbering.acrossOnly || ListsByClueCell(doc.puzzle());
}

ClueListItems BuildClueListItems(const Rooster2Doc& doc) {
    ClueListItems items;
    if (ListsByClueCell(doc.puzzle())) {
        for (const ClueCellClue& clue : CluesByClueCell(doc.puzzle()))
            items.across.push_back(FormatClueCellClue(doc.puzzle(), clue) + " ");
        return items;
    }
    for (const WordInfo& word : doc.puzzle().words)
        (word.dy == 1 ? items.down : items.across).push_back(FormatNumberedClue(word) + " ");
    return items;
}

int WordOfClueListItem(const Rooster2Doc& doc, bool downList, int item) {
    if (item < 0) return -1;
    if (ListsByClueCell(doc.puzzle())) {
        const std::vector<ClueCellClue> clues = CluesByClueCell(doc.puzzle());
        return !downList && item < static_cast<int>(clues.size()) ? clues[item].word : -1;
    }
    int seen = 0;
    for (int i = 0; i < static_cast<int>(doc.puzzle().words.size()); ++i) {
        const WordInfo& word = doc.puzzle().words[i];
        if ((downList ? word.dy : word.dx) == 0) continue;
        if (seen++ == item) return i;
    }
    return -1;
}

ClueListSelection SelectedClueListItems(const Rooster2Doc& doc) {
    ClueListSelection selection;
    if (!doc.puzzle().IsValidWordIndex(doc.curWord)) return selection;
    if (ListsByClueCell(doc.puzzle())) {
        const std::vector<ClueCellClue> clues = CluesByClueCell(doc.puzzle());
        const auto found = std::find_if(clues.begin(), clues.end(), [&](const ClueCellClue& clue) {
            return clue.word == doc.curWord;
        });
        if (found != clues.end()) selection.across = static_cast<int>(found - clues.begin());
        return selection;
    }
    const WordInfo& word = doc.puzzle().words[doc.curWord];
    const int pos = std::clamp(doc.curPos, 0, std::max(0, word.length - 1));
    doc.puzzle().FindWordOrdinals(word.CellX(pos), word.CellY(pos), selection.across,
                                  selection.down);
    return selection;
}

WindowSize ClueListWindowSize(int widestItem, int upperHeight, int lowerHeight) {
    return {std::clamp(widestItem + WINDOW_EXTRA_WIDTH, MIN_WINDOW_WIDTH, MAX_WINDOW_WIDTH),
            std::clamp(upperHeight + lowerHeight + WINDOW_EXTRA_HEIGHT, MIN_WINDOW_HEIGHT,
                       MAX_WINDOW_HEIGHT)};
}

ClueListHeights ShareClueListHeight(int clientHeight, int upperHeight, int lowerHeight,
                                    bool acrossOnly) {
    const int extra = (clientHeight - BUTTON_ROOM - upperHeight - lowerHeight) / 2;
    ClueListHeights heights;
    heights.upper =
        std::max(0, acrossOnly ? clientHeight - SINGLE_LIST_BUTTON_ROOM : upperHeight + extra);
    heights.lower = std::max(0, lowerHeight + extra);
    return heights;
}
