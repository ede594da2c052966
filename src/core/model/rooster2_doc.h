#pragma once
// The puzzle document: the grid, the words derived from it and every
// per-puzzle setting. One object lives for the whole run; "new" and "open"
// refill it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/cells.h"
#include "model/word_info.h"
#include "model/word_scoring.h"

class IProfile;

class CRooster2Doc {
public:
    CRooster2Doc();

    // ---- Grid and cells -------------------------------------------------
    Cell GetCell(int x, int y) const { return m_cells[y * m_width + x]; }
    void SetCell(int x, int y, Cell code) { m_cells[y * m_width + x] = code; }
    bool IsInGrid(int x, int y) const { return x >= 0 && x < m_width && y >= 0 && y < m_height; }
    int CellCount() const { return m_width * m_height; }
    void SetCellSymmetric(int x, int y, Cell code);
    void ResizeGrid(int oldWidth, int oldHeight, int newWidth, int newHeight);
    bool OnNewDocument();

    // The grid as a string of exactly width * height bytes, and back.
    std::string GridToString() const;
    void StringToGrid(const std::string& grid);

    // ---- Words and numbering -------------------------------------------
    void BuildWords();
    void Renumber();
    void FindWordsAt(int x, int y, int& count, int& across, int& down) const;
    int FindWordAt(int x, int y) const;
    void FindWordOrdinals(int x, int y, int& acrossOrdinal, int& downOrdinal) const;
    void GetWordValue(int i, std::string& s) const;
    std::string GetWordValue(int i) const;
    bool SetWordValue(int i, const std::string& s);
    bool IsWordEmpty(int i) const;
    bool IsWordComplete(int i) const;
    int NextWordInDirection(int i, int step, int dir) const;
    bool IsValidWordIndex(int i) const { return i >= 0 && i < static_cast<int>(m_words.size()); }
    // The number drawn in cell (x, y), 0 for none.
    int CellNumber(int x, int y) const;

    // ---- Clue lists ------------------------------------------------------
    std::string FormatClueList(int dir) const;

    // ---- Plain-text forms of the grid and its words ----------------------
    void WriteGridText(std::string& out, bool lowercase) const;
    void WriteWordListText(std::string& out) const;

    // ---- Profile colours -------------------------------------------------
    // Replaces the six colours by the profile's "Kleur" entries where present.
    void ReadDefaultColors();
    // Writes the six colours as the defaults of the next new document.
    void WriteDefaultColors() const;

    // Sets the modified flag and tells the listener (the main window adds "*").
    void MarkModified(bool modified);
    bool IsModified() const { return m_modified; }

    // ---- Members ----------------------------------------------------------
    std::string m_signature;

    std::int32_t m_width = 15;
    std::int32_t m_height = 15;
    std::array<Cell, MAX_CELLS> m_cells{};

    std::vector<WordInfo> m_words;
    std::vector<std::int32_t> m_cellNumbers;  // width * height, row-major

    std::int32_t m_margin = 5;
    std::int32_t m_cellSize = 30;
    std::int32_t m_symmetry = 0;
    std::int32_t m_phase = PHASE_VORMEN;
    std::int32_t m_direction = DIR_ACROSS;
    std::int32_t m_curWord = 0;
    std::int32_t m_curPos = 0;

    ColorRef m_colorZwart = 0;
    ColorRef m_colorWoord = 0;
    ColorRef m_colorWoordPos = 0;
    ColorRef m_colorNiet = 0;
    ColorRef m_colorVrij = 0;
    ColorRef m_colorAchtergrond = 0;
    ColorRef m_letterColor = 0;
    std::string m_letterFontName = "Arial";

    std::int32_t m_startNumber = 1;
    bool m_showNumbers = true;
    bool m_largerNumbers = false;
    bool m_doorloper = false;
    bool m_acrossOnly = false;
    bool m_numberPartWords = false;
    bool m_showLength = false;
    bool m_showClues = false;
    bool m_partDashes = true;
    std::int32_t m_lineWidth = 0;
    std::int32_t m_clueTextSize = 0;

    // Search options.
    std::string m_wordFile;
    bool m_ijTwoLetters = false;
    std::int32_t m_maxSolutions = 100;
    bool m_allDifferent = true;
    bool m_fillWithLastShown = false;
    bool m_showWhileSearching = true;
    std::int32_t m_maxCandidates = 1000;
    std::string m_excludedLetters;
    bool m_randomOrder = false;
    bool m_sound = false;
    std::int32_t m_maxFrequency = 0;
    std::int32_t m_maxDistinct = 0;
    std::vector<std::string> m_extraFiles;
    // Not saved with the puzzle: the user's minimum score and own scores.
    WordScoring m_scoring;

    // HTML export.
    std::string m_htmlTitle;
    bool m_htmlCluesSideBySide = false;
    bool m_htmlBlackGrey = true;

    std::string m_comment;
    std::string m_pathName;
    std::array<std::int32_t, 26> m_letterValues{};
    bool m_ijToggled = false;
    bool m_clueListDirty = false;

    // File names each import and export offers again; not saved.
    std::string m_lastTextFile;
    std::string m_lastHtmlFile;
    std::string m_lastClueFile;
    std::string m_lastPuzTextFile;
    std::string m_lastPngFile;
    std::string m_lastImportFile;
    std::string m_lastFolder;
    std::string m_lastFolderListFile;
    std::string m_lastCompareFile;

    // Where the default colours come from and go to; may be null.
    IProfile* m_profile = nullptr;
    // Called by MarkModified; the desktop puts the "*" in the title here.
    std::function<void(bool)> m_modifiedListener;

private:
    void BuildWordsOrdinary();
    void BuildWordsDoorloper();
    int MeasureRun(int x, int y, int dx, int dy) const;
    void AppendWord(int x, int y, int dx, int dy, int length, int number);

    bool m_modified = false;
};

// Built-in colours of a new document.
constexpr ColorRef DEFAULT_COLOR_ZWART = 0xB49484;
constexpr ColorRef DEFAULT_COLOR_WOORD = 0xE8E8E8;
constexpr ColorRef DEFAULT_COLOR_WOORDPOS = 0xD7D7D7;
constexpr ColorRef DEFAULT_COLOR_NIET = 0xFFFFFF;
constexpr ColorRef DEFAULT_COLOR_VRIJ = 0xFFFFFF;
constexpr ColorRef DEFAULT_COLOR_ACHTERGROND = 0xFFFFFF;
// Defaults the file reader gives to fields that older files lack.
constexpr ColorRef FILE_DEFAULT_COLOR_WOORDPOS = 0x80FF80;
constexpr ColorRef FILE_DEFAULT_COLOR_ACHTERGROND = 0xD8E9EC;

// "Rooster Versie 2 Ruitwerk": the signature every puzzle file starts with.
extern const char* const RTR_SIGNATURE;
