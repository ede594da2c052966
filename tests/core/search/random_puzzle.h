#pragma once
// Random small puzzles for the search tests: a grid of 2 to 6 cells a side with
// black, outside, pre-filled and IJ cells, random search options, and word
// lists with the noise the loader must skip, sometimes an extra list and split
// words. The same seed makes the same puzzle.

#include <algorithm>
#include <random>
#include <string>

#include "model/rooster2_doc.h"
#include "search_test_support.h"
#include "test_support.h"

class RandomCase {
public:
    // scored: the lines carry scores (some malformed) and the search a minimum.
    RandomCase(unsigned seed, const TempDir& dir, bool scored = false)
        : m_rng(seed), m_dir(dir), m_scored(scored) {}

    void Make(TestDoc& doc) {
        PuzzleEdit arranged = Arrange(doc);
        Puzzle& puzzle = arranged.puzzle();
        MakeGrid(puzzle);
        MakeOptions(puzzle);
        if (m_scored) doc.scoring.minScore = Between(0, 60);
        MakeLists(doc, "main", puzzle.search.wordFile);
        if (Chance(0.3)) {
            std::string extra;
            MakeLists(doc, "extr", extra);
            puzzle.extraFiles.push_back(extra);
            for (WordInfo& word : puzzle.words)
                if (Chance(0.3)) word.extraList = 1;
        }
        for (WordInfo& word : puzzle.words) {
            if (word.length >= 4 && Chance(0.2)) {
                word.partCount = 2;
                word.partLengths[0] = static_cast<std::uint8_t>(Between(1, word.length - 1));
                word.partLengths[1] = static_cast<std::uint8_t>(word.length - word.partLengths[0]);
            }
        }
    }

    unsigned Seed() { return static_cast<unsigned>(m_rng()); }

private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    char Letter(const char* alphabet) {
        const std::string letters = alphabet;
        return letters[Between(0, static_cast<int>(letters.size()) - 1)];
    }

    void MakeGrid(Puzzle& puzzle) {
        puzzle.width = Between(2, 6);
        puzzle.height = Between(2, 6);
        for (int y = 0; y < puzzle.height; ++y)
            for (int x = 0; x < puzzle.width; ++x)
                puzzle.SetCell(x, y,
                               Chance(0.2)    ? CELL_ZWART
                               : Chance(0.03) ? CELL_NIET
                                              : CELL_VRIJ);
        puzzle.BuildWords();
        for (int cell = 0; cell < puzzle.CellCount(); ++cell) {
            if (puzzle.cells[cell] != CELL_VRIJ || !Chance(0.12)) continue;
            puzzle.cells[cell] = Chance(0.2) ? CELL_IJ : static_cast<Cell>(Letter("ABCDE"));
        }
    }

    void MakeOptions(Puzzle& puzzle) {
        puzzle.search.allDifferent = Chance(0.5);
        puzzle.search.randomOrder = Chance(0.4);
        puzzle.search.ijTwoLetters = Chance(0.3);
        puzzle.search.maxFrequency = Chance(0.2) ? Between(1, 5) : 0;
        puzzle.search.maxDistinct = Chance(0.2) ? Between(2, 6) : 0;
        puzzle.search.maxSolutions = Between(0, 6);
        puzzle.search.showWhileSearching = Chance(0.5);
        puzzle.search.sound = Chance(0.5);
        puzzle.search.excludedLetters = Chance(0.15) ? "D" : "";
    }

    // Lines for every length up to the grid's side, with noise the loader must skip.
    void MakeLists(const TestDoc& doc, const std::string& base, std::string& setName) {
        const int longest = std::max(doc.puzzle().width, doc.puzzle().height);
        for (int length = 2; length <= std::max(longest, 2); ++length) {
            std::vector<std::string> lines;
            const int count = Chance(0.05) ? 0 : Chance(0.3) ? Between(41, 300) : Between(1, 40);
            for (int i = 0; i < count; ++i) {
                std::string line;
                for (int k = 0; k < length; ++k)
                    line += Chance(0.03) ? Letter("abyIJ") : Letter("ABCDEY");
                if (Chance(0.05)) line += "  ";
                if (Chance(0.04)) line.pop_back();
                if (m_scored) {
                    line += ';';
                    line += Chance(0.05) ? std::string("x") : std::to_string(Between(0, 100));
                }
                lines.push_back(line);
                if (Chance(0.1)) lines.push_back(line);
            }
            setName = WriteWordList(m_dir.Path(""), base, length, lines);
        }
    }

    std::mt19937 m_rng;
    const TempDir& m_dir;
    bool m_scored;
};
