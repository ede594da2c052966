#pragma once
// The puzzle as a plain value: the grid, the words derived from it and every
// setting the puzzle file keeps, in groups that the dialogs edit as a whole.
// Copying it copies the whole puzzle; nothing in it refers to a window or to
// where the puzzle is being edited.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
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

// The form of the puzzle: what ends a word and how the clues are placed. The
// values are those of the puzzle file's form block.
enum class PuzzleForm : std::int32_t {
    Kruiswoord = 0,  // black cells end words, numbered clue lists
    Zweeds = 1,      // clue cells with arrows take the place of black cells
    Balkjes = 2,     // thick bars on cell edges end words; no black cells needed
};

// The form's name as the user sees it: "Kruiswoord", "Zweeds", "Balkjes".
const char* PuzzleFormName(PuzzleForm form);
// The form named so, in any case; nothing for another name.
std::optional<PuzzleForm> PuzzleFormNamed(const std::string& name);

// The bars of one cell (Balkjes): the edge to its right and the edge below it. The
// edges on the left and top belong to the neighbours.
constexpr std::uint8_t BAR_RIGHT = 1;
constexpr std::uint8_t BAR_BELOW = 2;

// Where a clue of a Zweeds clue cell sends its answer, as the puzzle file keeps it.
enum class Arrow : std::uint8_t {
    None = 0,
    Right = 1,      // starts in the cell to the right, runs across
    Down = 2,       // starts in the cell below, runs down
    RightDown = 3,  // starts in the cell to the right, runs down
    DownRight = 4,  // starts in the cell below, runs across
};
constexpr int CLUES_PER_CELL = 2;
// The longest solution word: boxes in one row under the grid.
constexpr int MAX_KEY_LENGTH = 40;

using LetterValues = std::array<std::int32_t, 26>;

// A rectangle of cells, both corners included.
struct GridRegion {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    // The rectangle between two cells given in any order.
    static GridRegion Spanning(int x1, int y1, int x2, int y2);
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const GridRegion&) const = default;
};

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
    // The bar on the edge between (x, y) and its neighbour (x + dx, y + dy), where
    // (dx, dy) is (1, 0) or (0, 1); only the Balkjes form draws and counts them.
    bool HasBar(int x, int y, int dx, int dy) const;
    void SetBar(int x, int y, int dx, int dy, bool on);
    // Sets the bar and its images under the symmetry, as SetCellSymmetric does for cells.
    void SetBarSymmetric(int x, int y, int dx, int dy, bool on);
    bool HasAnyBar() const;

    // ---- Sleutelwoord: numbered letter cells that spell the solution word --
    // The number of cell (x, y) in the solution word, 0 for none.
    int KeyNumber(int x, int y) const { return keyNumbers[y * width + x]; }
    // Numbers the letter cells 1..N in the order given; false (nothing changed) when one
    // is outside the grid, not a letter cell, given twice, or N exceeds MAX_KEY_LENGTH.
    bool SetKeyCells(const std::vector<std::pair<int, int>>& cellsInOrder);
    // N, 0 without a solution word.
    int KeyLength() const;
    // The letters of the numbered cells in order; a free cell gives a space.
    std::string KeyWord() const;

    // ---- Zweeds clue cells: the black cells of the Zweeds form ------------
    // Whether (x, y) is a clue cell: a black cell of a Zweeds puzzle.
    bool IsZweedsClueCell(int x, int y) const {
        return form == PuzzleForm::Zweeds && IsClueCell(x, y);
    }
    // The arrow of clue `slot` (0 or 1) of the clue cell (x, y).
    Arrow ClueArrow(int x, int y, int slot) const;
    void SetClueArrow(int x, int y, int slot, Arrow arrow);
    // The word the arrow of that clue points into, -1 for none.
    int PointedWord(int x, int y, int slot) const;
    // Whether a clue points into word i: a straight arrow from the cell before its start
    // or a bent one from the cell beside it.
    bool IsWordPointed(int i) const;
    // The words that no clue points into: a Zweeds puzzle needs one for every word.
    std::vector<int> UnpointedWords() const;
    // Gives every word that lacks a clue one from the clue cell before its start or,
    // failing that, a bent arrow from a clue cell beside its start (where the cell has a
    // free slot). Returns how many words are still without a clue.
    int AssignArrows();
    // Keeps the cells that stay inside the new size; new cells are free.
    void Resize(int newWidth, int newHeight);

    // The grid as a string of exactly width * height bytes, and back.
    std::string GridToString() const;
    void StringToGrid(const std::string& grid);

    // ---- Locks -----------------------------------------------------------
    // A locked cell keeps its letter through every fill and improvement; an empty
    // locked cell is filled like any other and keeps the letter it gets. Only letter
    // cells are locked: the rebuild of the words drops a lock on a black cell.
    bool IsLocked(int x, int y) const { return locks[y * width + x]; }
    void SetLocked(int x, int y, bool locked) { locks[y * width + x] = locked; }
    bool HasLocks() const;
    // The locks as width * height bytes, 1 for a locked cell, and back onto the
    // letter cells of the grid as it is.
    std::string LocksToString() const;
    void StringToLocks(const std::string& locked);

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
    // Whether a cell of word i lies in the region.
    bool WordTouches(int i, const GridRegion& region) const;
    // The word whose label (FormatLabel: "H1", "V7") is `label`, or -1.
    int FindWordByLabel(const std::string& label) const;
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
    std::array<bool, MAX_CELLS> locks{};  // row-major like the cells
    std::vector<WordInfo> words;
    std::vector<std::int32_t> cellNumbers;  // width * height, row-major
    Symmetry symmetry = Symmetry::Geen;
    PuzzleForm form = PuzzleForm::Kruiswoord;
    std::array<std::uint8_t, MAX_CELLS> bars{};  // BAR_ bits, same layout as the cells
    // Arrow of clue 0 in the low four bits, of clue 1 in the high four, same layout.
    std::array<std::uint8_t, MAX_CELLS> arrows{};
    // Sleutelwoord numbers, 0 for a cell outside it; same layout.
    std::array<std::uint8_t, MAX_CELLS> keyNumbers{};

    Appearance appearance;
    Numbering numbering;
    SearchOptions search;
    std::vector<std::string> extraFiles;
    HtmlOptions html;
    LetterValues letterValues = DefaultLetterValues();
    std::string comment;

private:
    // Cell (x, y) and the images the symmetry gives it, in the order they are set;
    // an image may lie outside the grid.
    std::vector<std::pair<int, int>> SymmetricImages(int x, int y) const;
    // Whether a word may run on from (x, y) to (x + dx, y + dy).
    bool RunsOn(int x, int y, int dx, int dy) const;
    void BuildWordsOrdinary();
    // Zweeds: the clues count in reading order of their clue cells, and every word takes
    // the number of the clue that points into it; the grid shows no numbers.
    void NumberByArrows();
    bool IsClueCell(int x, int y) const { return IsInGrid(x, y) && GetCell(x, y) == CELL_ZWART; }
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
