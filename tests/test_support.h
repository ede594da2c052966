#pragma once
// Helpers the tests share: temporary folders, files, and running the CLI.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/app_state.h"
#include "model/rooster2_doc.h"

// A fresh folder under the system's temporary folder, removed at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string Path(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

// A document with the run's state beside it (scoring, installed set, profile), as the
// programs keep the two.
struct TestDoc : Rooster2Doc, AppState {
    Puzzle SearchPuzzle() const { return AppState::SearchPuzzle(puzzle()); }
    const std::string& SearchWordFile() const { return AppState::SearchWordFile(puzzle()); }
};

// Changes the puzzle of a test document as it stands before the test acts: both
// histories start from the change, and the document is unmodified.
inline PuzzleEdit Arrange(Rooster2Doc& doc) { return PuzzleEdit(doc, EditKind::Replace); }

std::string ReadFileOrEmpty(const std::string& path);
void WriteFileOrFail(const std::string& path, const std::string& bytes);

// Sets the cells from rows of text: '#' black, '-' not-cell, '.' free, else the letter.
// Resizes the grid to the rows' size and rebuilds the words, as Arrange does.
void SetGrid(Rooster2Doc& doc, const std::vector<std::string>& rows);

// Runs job on a new thread with a stack of stackBytes and waits for it; false when
// no such thread could be made. The stack size of the thread that calls it.
// (test_support_posix.cpp and test_support_windows.cpp)
bool RunOnThreadWithStack(std::size_t stackBytes, const std::function<void()>& job);
std::size_t CurrentThreadStackBytes();

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// Runs the built rooster2-cli with the arguments (each quoted for the shell), with
// its data folder (XDG_DATA_HOME, APPDATA on Windows) at CliDataHome().
CliRun RunCli(const std::initializer_list<std::string>& args);
// The data folder of every CLI run of this test program, so that none reads the
// user's own scores. Its name is not ASCII, as a user's home folder may not be.
std::string CliDataHome();
// The program's own folder in CliDataHome(), where the CLI looks for the user's scores.
std::string CliUserDataFolder();

// The folder with the shared test files, or empty when it is absent.
std::string TestDataDir();

// The expected bytes of an export or report: the file tests/data/<name>, compared by the
// caller with what the code wrote. With ROOSTER2_REGENERATE_EXPECTED=1 in the environment it
// first replaces the file with the actual bytes, so that an intended change of an output is
// one run of the tests and a review of the diff of tests/data.
std::string ExpectedBytes(const std::string& name, const std::string& actual);

// '#' black, '-' not-cell, '.' free, else the letter.
inline std::vector<std::string> GridRows(const Rooster2Doc& doc) {
    std::vector<std::string> rows;
    for (int y = 0; y < doc.puzzle().height; ++y) {
        std::string row;
        for (int x = 0; x < doc.puzzle().width; ++x) {
            const Cell c = doc.puzzle().GetCell(x, y);
            row += c == CELL_ZWART ? '#' : c == CELL_NIET ? '-' : c == CELL_VRIJ ? '.' : char(c);
        }
        rows.push_back(row);
    }
    return rows;
}

using Rows = std::vector<std::string>;
