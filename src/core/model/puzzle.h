#pragma once
// The puzzle as a plain value: the grid, the words derived from it and every
// setting the puzzle file keeps, in groups that the dialogs edit as a whole.
// Copying it copies the whole puzzle; nothing in it refers to a window or to
// where the puzzle is being edited.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/cells.h"
#include "model/word_info.h"

// The colours of the cells, the background and the letters.
struct Colours {
    ColourRef zwart = 0;        // black cells
    ColourRef woord = 0;        // the current word
    ColourRef woordPos = 0;     // the cursor cell
    ColourRef niet = 0;         // cells outside the shape
    ColourRef vrij = 0;         // free cells
    ColourRef achtergrond = 0;  // around the grid
    ColourRef letter = 0;       // the letters
};

// How the grid is drawn.
struct Appearance {
    std::int32_t margin = 5;
    std::int32_t cellSize = 30;
    Colours colours;
    std::string letterFontName = "Arial";
    bool showNumbers = true;
    bool largerNumbers = true;
    bool showLength = false;
    bool showClues = false;
    bool partDashes = true;
    std::int32_t lineWidth = 0;
    std::int32_t clueTextSize = 0;  // 0 = no clue line above the grid
};

// How the words are laid out and numbered.
struct Numbering {
    std::int32_t startNumber = 1;
    bool doorloper = false;  // one word per row and per column
    bool acrossOnly = false;
    bool numberPartWords = false;
};

// What the automatic search takes its words from and how it runs.
struct SearchOptions {
    std::string wordFile;
    bool ijTwoLetters = false;
    std::int32_t maxSolutions = 100;  // 0 = all
    bool allDifferent = true;
    bool fillWithLastShown = false;
    bool showWhileSearching = true;
    std::int32_t maxCandidates = 1000;
    std::string excludedLetters;
    bool randomOrder = false;
    bool sound = false;
    std::int32_t maxFrequency = 0;  // 0 = no limit
    std::int32_t maxDistinct = 0;   // 0 = no limit
};

struct HtmlOptions {
    std::string title;
    bool cluesSideBySide = false;
    bool blackGrey = true;
};

using LetterValues = std::array<std::int32_t, 26>;

// "A" = 1 .. "Z" = 26.
LetterValues DefaultLetterValues();

class Puzzle {
public:
    Puzzle();

    // ---- Grid and cells -------------------------------------------------
    Cell GetCell(int x, int y) const { return cells[y * width + x]; }
    void SetCell(int x, int y, Cell code) { cells[y * width + x] = code; }
    bool IsInGrid(int x, int y) const { return x >= 0 && x < width && y >= 0 && y < height; }
    int CellCount() const { return width * height; }
    void SetCellSymmetric(int x, int y, Cell code);
    // Keeps the cells that stay inside the new size; new cells are free.
    void Resize(int newWidth, int newHeight);

    // The grid as a string of exactly width * height bytes, and back.
    std::string GridToString() const;
    void StringToGrid(const std::string& grid);

    // ---- Words and numbering -------------------------------------------
    void BuildWords();
    void Renumber();
    void FindWordsAt(int x, int y, int& count, int& across, int& down) const;
    // The word at (x, y); where two cross, the one in `direction`.
    int FindWordAt(int x, int y, Direction direction) const;
    void FindWordOrdinals(int x, int y, int& acrossOrdinal, int& downOrdinal) const;
    void GetWordValue(int i, std::string& s) const;
    std::string GetWordValue(int i) const;
    bool SetWordValue(int i, const std::string& s);
    bool IsWordEmpty(int i) const;
    bool IsWordComplete(int i) const;
    int NextWordInDirection(int i, int step, Direction dir) const;
    bool IsValidWordIndex(int i) const { return i >= 0 && i < static_cast<int>(words.size()); }
    // The number drawn in cell (x, y), 0 for none.
    int CellNumber(int x, int y) const;

    // ---- Text forms ------------------------------------------------------
    std::string FormatClueList(int dir) const;
    void WriteGridText(std::string& out, bool lowercase) const;
    void WriteWordListText(std::string& out) const;

    // ---- The value --------------------------------------------------------
    std::int32_t width = 15;
    std::int32_t height = 15;
    std::array<Cell, MAX_CELLS> cells{};
    std::vector<WordInfo> words;
    std::vector<std::int32_t> cellNumbers;  // width * height, row-major
    Symmetry symmetry = Symmetry::Geen;

    Appearance appearance;
    Numbering numbering;
    SearchOptions search;
    std::vector<std::string> extraFiles;
    HtmlOptions html;
    LetterValues letterValues = DefaultLetterValues();
    std::string comment;

private:
    void BuildWordsOrdinary();
    void BuildWordsDoorloper();
    int MeasureRun(int x, int y, int dx, int dy) const;
    void AppendWord(int x, int y, int dx, int dy, int length, int number);
};

// Built-in colours of a new puzzle.
constexpr ColourRef DEFAULT_COLOUR_ZWART = 0xB49484;
constexpr ColourRef DEFAULT_COLOUR_WOORD = 0xE8E8E8;
constexpr ColourRef DEFAULT_COLOUR_WOORDPOS = 0xD7D7D7;
constexpr ColourRef DEFAULT_COLOUR_NIET = 0xFFFFFF;
constexpr ColourRef DEFAULT_COLOUR_VRIJ = 0xFFFFFF;
constexpr ColourRef DEFAULT_COLOUR_ACHTERGROND = 0xFFFFFF;
// Defaults the file reader gives to fields that older files lack.
constexpr ColourRef FILE_DEFAULT_COLOUR_WOORDPOS = 0x80FF80;
constexpr ColourRef FILE_DEFAULT_COLOUR_ACHTERGROND = 0xD8E9EC;
