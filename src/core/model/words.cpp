// Words and numbering: the word slots derived from the cells.
#include <vector>

#include "model/clue_text.h"
#include "model/puzzle.h"

bool Puzzle::RunsOn(int x, int y, int dx, int dy) const {
    if (!IsInGrid(x, y) || !IsInGrid(x + dx, y + dy)) return false;
    if (!IsLetterCell(GetCell(x, y)) || !IsLetterCell(GetCell(x + dx, y + dy))) return false;
    return form != PuzzleForm::Balkjes || !HasBar(x, y, dx, dy);
}

int Puzzle::MeasureRun(int x, int y, int dx, int dy) const {
    int length = 1;
    while (RunsOn(x + (length - 1) * dx, y + (length - 1) * dy, dx, dy)) ++length;
    return length;
}

void Puzzle::AppendWord(int x, int y, int dx, int dy, int length, int number) {
    WordInfo word;
    word.x = x;
    word.y = y;
    word.dx = dx;
    word.dy = dy;
    word.length = length;
    word.number = number;
    words.push_back(std::move(word));
    cellNumbers[y * width + x] = number;
}

void Puzzle::BuildWords() {
    for (int i = 0; i < CellCount(); ++i) locks[i] = locks[i] && IsLetterCell(cells[i]);
    words.clear();
    cellNumbers.assign(static_cast<std::size_t>(CellCount()), 0);
    if (numbering.doorloper)
        BuildWordsDoorloper();
    else
        BuildWordsOrdinary();
    if (form == PuzzleForm::Zweeds) NumberByArrows();
}

void Puzzle::BuildWordsOrdinary() {
    int counter = numbering.startNumber;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!IsLetterCell(GetCell(x, y))) continue;
            bool started = false;
            bool aloneAcross = false;
            bool aloneDown = false;
            if (x == 0 || !RunsOn(x - 1, y, 1, 0)) {
                const int run = MeasureRun(x, y, 1, 0);
                if (run >= 2) {
                    AppendWord(x, y, 1, 0, run, counter);
                    started = true;
                } else {
                    aloneAcross = true;
                }
            }
            if (!numbering.acrossOnly && (y == 0 || !RunsOn(x, y - 1, 0, 1))) {
                const int run = MeasureRun(x, y, 0, 1);
                if (run >= 2) {
                    AppendWord(x, y, 0, 1, run, counter);
                    started = true;
                } else {
                    aloneDown = true;
                }
            }
            if (aloneAcross && aloneDown) SetCell(x, y, CELL_ZWART);
            if (started) ++counter;
        }
    }
}

void Puzzle::BuildWordsDoorloper() {
    int counter = numbering.startNumber;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!IsLetterCell(GetCell(x, y))) continue;
            AppendWord(x, y, 1, 0, MeasureRun(x, y, 1, 0), counter++);
            break;
        }
    }
    if (numbering.acrossOnly) return;
    counter = numbering.startNumber;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (!IsLetterCell(GetCell(x, y))) continue;
            AppendWord(x, y, 0, 1, MeasureRun(x, y, 0, 1), counter++);
            break;
        }
    }
}

void Puzzle::Renumber() {
    if (form == PuzzleForm::Zweeds) {
        NumberByArrows();
        return;
    }
    const std::size_t cells = static_cast<std::size_t>(CellCount());
    cellNumbers.assign(cells, 0);
    std::vector<char> marked(cells, 0);
    // Words by start cell, so each marked cell finds the words that start there.
    std::vector<std::vector<int>> startingAt(cells);
    auto mark = [&](int x, int y) {
        if (IsInGrid(x, y)) marked[y * width + x] = 1;
    };
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        const WordInfo& word = words[i];
        if (!IsInGrid(word.x, word.y)) continue;
        startingAt[word.y * width + word.x].push_back(i);
        const int parts = word.PartCountInUse();
        const bool splitNumbered = numbering.numberPartWords && parts >= 2;
        if (!(splitNumbered && word.partLengths[0] == 1)) mark(word.x, word.y);
        if (!splitNumbered) continue;
        int offset = 0;
        for (int j = 0; j + 1 < parts; ++j) {
            offset += word.partLengths[j];
            if (word.partLengths[j + 1] > 1 && offset < word.length)
                mark(word.CellX(offset), word.CellY(offset));
        }
    }
    int counter = numbering.startNumber;
    for (std::size_t cell = 0; cell < cells; ++cell) {
        if (!marked[cell]) continue;
        cellNumbers[cell] = counter;
        for (int i : startingAt[cell]) words[i].number = counter;
        ++counter;
    }
}

void Puzzle::FindWordsAt(int x, int y, int& count, int& across, int& down) const {
    count = 0;
    across = -1;
    down = -1;
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        const WordInfo& word = words[i];
        const bool contains = word.dx == 1
                                  ? (y == word.y && x >= word.x && x < word.x + word.length)
                                  : (x == word.x && y >= word.y && y < word.y + word.length);
        if (!contains) continue;
        ++count;
        int& slot = word.dx == 1 ? across : down;
        if (slot == -1) slot = i;
    }
}

int Puzzle::FindWordAt(int x, int y, Direction direction) const {
    int count = 0;
    int across = -1;
    int down = -1;
    FindWordsAt(x, y, count, across, down);
    if (count == 1) return across != -1 ? across : down;
    if (count == 0) return -1;
    return direction == Direction::Across ? across : down;
}

void Puzzle::FindWordOrdinals(int x, int y, int& acrossOrdinal, int& downOrdinal) const {
    int count = 0;
    int across = -1;
    int down = -1;
    FindWordsAt(x, y, count, across, down);
    acrossOrdinal = -1;
    downOrdinal = -1;
    int acrossSeen = 0;
    int downSeen = 0;
    for (int i = 0; i < static_cast<int>(words.size()); ++i) {
        if (i == across) acrossOrdinal = acrossSeen;
        if (i == down) downOrdinal = downSeen;
        if (words[i].dx == 1)
            ++acrossSeen;
        else
            ++downSeen;
    }
}

void Puzzle::GetWordValue(int i, std::string& s) const {
    s.clear();
    if (!IsValidWordIndex(i)) return;
    const WordInfo& word = words[i];
    for (int k = 0; k < word.length && IsInGrid(word.CellX(k), word.CellY(k)); ++k)
        s.push_back(static_cast<char>(GetCell(word.CellX(k), word.CellY(k))));
}

std::string Puzzle::GetWordValue(int i) const {
    std::string s;
    GetWordValue(i, s);
    return s;
}

bool Puzzle::SetWordValue(int i, const std::string& s) {
    if (!IsValidWordIndex(i)) return false;
    const WordInfo& word = words[i];
    if (!s.empty()) {
        for (int k = 0; k < word.length; ++k) {
            const int x = word.CellX(k);
            const int y = word.CellY(k);
            if (!IsInGrid(x, y)) return false;
            const Cell letter = k < static_cast<int>(s.size()) ? static_cast<Cell>(s[k]) : ' ';
            const Cell current = GetCell(x, y);
            if (current <= CELL_VRIJ)
                SetCell(x, y, letter);
            else if (current != letter)
                return false;
        }
        return true;
    }
    bool clearedAny = false;
    for (int k = 0; k < word.length; ++k) {
        const int x = word.CellX(k);
        const int y = word.CellY(k);
        if (!IsInGrid(x, y)) break;
        int count = 0;
        int across = -1;
        int down = -1;
        FindWordsAt(x, y, count, across, down);
        const int crossing = word.dx == 1 ? down : across;
        if (count <= 1 || crossing == -1 || !IsWordComplete(crossing)) {
            SetCell(x, y, CELL_VRIJ);
            clearedAny = true;
        }
    }
    if (!clearedAny) {
        for (int k = 0; k < word.length && IsInGrid(word.CellX(k), word.CellY(k)); ++k)
            SetCell(word.CellX(k), word.CellY(k), CELL_VRIJ);
    }
    return true;
}

bool Puzzle::IsWordEmpty(int i) const {
    const std::string value = GetWordValue(i);
    return value.find_first_not_of(' ') == std::string::npos;
}

bool Puzzle::IsWordComplete(int i) const { return GetWordValue(i).find(' ') == std::string::npos; }

int Puzzle::NextWordInDirection(int i, int step, Direction dir) const {
    const int count = static_cast<int>(words.size());
    if (count == 0) return i;
    const int wantedDx = dir == Direction::Across ? 1 : 0;
    int j = i;
    for (int visited = 0; visited < count; ++visited) {
        j += step;
        if (j >= count) j = 0;
        if (j < 0) j = count - 1;
        if (j == i) return i;
        if (words[j].dx == wantedDx) return j;
    }
    return i;
}

bool Puzzle::WordTouches(int i, const GridRegion& region) const {
    const WordInfo& word = words[i];
    for (int k = 0; k < word.length; ++k)
        if (region.Contains(word.CellX(k), word.CellY(k))) return true;
    return false;
}

int Puzzle::FindWordByLabel(const std::string& label) const {
    for (int i = 0; i < static_cast<int>(words.size()); ++i)
        if (FormatLabel(words[i]) == label) return i;
    return -1;
}

int Puzzle::CellNumber(int x, int y) const {
    const std::size_t index = static_cast<std::size_t>(y * width + x);
    return index < cellNumbers.size() ? cellNumbers[index] : 0;
}
