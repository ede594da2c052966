#pragma once
// The grids the benchmarks fill: open squares, American-style 15 x 15 patterns, a
// Dutch-style 15 x 15 with loose black cells, three Dutch-style grids of 13 to 17 (point-symmetric,
// 17% black cells, none of them touching another, words of 2 to 9 letters) and a 9 x 9
// with letters and an IJ cell.

#include <string>
#include <vector>

#include "model/rooster2_doc.h"

struct BenchGrid {
    const char* name;
    // '#' black, '.' free, a capital a letter in the grid, 'y' an IJ cell.
    std::vector<std::string> rows;
};

inline std::vector<std::string> OpenRows(int side) {
    return std::vector<std::string>(static_cast<std::size_t>(side), std::string(side, '.'));
}

inline const std::vector<BenchGrid>& BenchGrids() {
    static const std::vector<BenchGrid> grids = {
        {"open5", OpenRows(5)},
        {"open6", OpenRows(6)},
        {"open7", OpenRows(7)},
        {"am36",
         {"......##......#", "......#........", "......#........", ".....#....##...",
          ".......#......#", "...#....##.....", "###.....#......", "....#.....#....",
          "......#.....###", ".....##....#...", "#......#.......", "...##....#.....",
          "........#......", "........#......", "#......##......"}},
        {"am38",
         {"....#.....#....", "....#.....#....", "..........#....", "...#...#.......",
          "###.....#...###", "......#....#...", ".....#....#....", "....#.....#....",
          "....#....#.....", "...#....#......", "###...#.....###", ".......#...#...",
          "....#..........", "....#.....#....", "....#.....#...."}},
        {"am40",
         {"....#.....#....", "....#.....#....", "....#.....#....", "...#....#......",
          "###....#....###", "......#....#...", ".....#....#....", "....#.....#....",
          "....#....#.....", "...#....#......", "###....#....###", "......#....#...",
          "....#.....#....", "....#.....#....", "....#.....#...."}},
        {"am42",
         {"#.....##......#", "......#........", "......#........", "...#......##...",
          "#....#........#", "#......##......", "###.....##.....", "....#.....#....",
          ".....##.....###", "......##......#", "#........#....#", "...##......#...",
          "........#......", "........#......", "#......##.....#"}},
        {"nl15",
         {".....#....#....", "..#.....#....#.", "....#.....#....", "#.....#.....#..",
          "...#.....#.....", ".#....#.....#..", "....#....#.....", ".#....#.#....#.",
          ".....#....#....", "..#.....#....#.", ".....#.....#...", "..#.....#.....#",
          "....#.....#....", ".#....#.....#..", "....#....#....."}},
        {"nl13",
         {"......#..#...", ".....#.......", "...#........#", "#....#.....#.", "....#..#.....",
          "..#..#.......", ".#.#..#..#.#.", ".......#..#..", ".....#..#....", ".#.....#....#",
          "#........#...", ".......#.....", "...#..#......"}},
        {"nl15b",
         {"...#..#........", "#........#.....", ".....#.#......#", ".#.#.........#.",
          "..#.....#..#...", "#........#.....", "..#.#.#........", "...#...#...#...",
          "........#.#.#..", ".....#........#", "...#..#.....#..", ".#.........#.#.",
          "#......#.#.....", ".....#........#", "........#..#..."}},
        {"nl17",
         {".......#...#...#.", ".#....#......#...", "..#.#...#.#......", "#........#.......",
          "..#....#......#..", "...#..#.....#....", "....#...#.#......", "#....#.........#.",
          "....#.......#....", ".#.........#....#", "......#.#...#....", "....#.....#..#...",
          "..#......#....#..", ".......#........#", "......#.#...#.#..", "...#......#....#.",
          ".#...#...#......."}},
        {"ij9",
         {"PUZZELAAR", ".#.#.#.#.", ".........", ".#.#.#.#.", "....y....", ".#.#.#.#.", ".........",
          ".#.#.#.#.", "........."}},
    };
    return grids;
}

// The grid of that name, null when there is none.
inline const BenchGrid* FindBenchGrid(const std::string& name) {
    for (const BenchGrid& grid : BenchGrids())
        if (name == grid.name) return &grid;
    return nullptr;
}

// The grid as a puzzle that searches `set` for one fill, not drawn while searching.
inline void MakeBenchPuzzle(const BenchGrid& grid, const std::string& set, Rooster2Doc& doc) {
    PuzzleEdit edit(doc, EditKind::Replace);
    Puzzle& puzzle = edit.puzzle();
    puzzle.width = static_cast<int>(grid.rows[0].size());
    puzzle.height = static_cast<int>(grid.rows.size());
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x) {
            const char c = grid.rows[y][x];
            puzzle.SetCell(x, y,
                           c == '#'   ? CELL_ZWART
                           : c == '.' ? CELL_VRIJ
                                      : static_cast<Cell>(c));
        }
    puzzle.BuildWords();
    puzzle.Renumber();
    puzzle.search.wordFile = set;
    puzzle.search.maxSolutions = 1;
    puzzle.search.showWhileSearching = false;
}
