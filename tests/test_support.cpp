#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "util/file_io.h"
#include "util/native_path.h"

TempDir::TempDir() {
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() /
             ("rooster2-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Path(const std::string& name) const {
    return PathText(m_path / NativePath(name));
}

std::string ReadFileOrEmpty(const std::string& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFileOrFail(const std::string& path, const std::string& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

void SetGrid(Rooster2Doc& doc, const std::vector<std::string>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.begin()->size());
    PuzzleEdit arranged = Arrange(doc);
    Puzzle& puzzle = arranged.puzzle();
    puzzle.width = width;
    puzzle.height = height;
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < width; ++x) {
            const char c = row[x];
            puzzle.SetCell(x, y,
                           c == '#'   ? CELL_ZWART
                           : c == '-' ? CELL_NIET
                           : c == '.' ? CELL_VRIJ
                                      : static_cast<Cell>(c));
        }
        ++y;
    }
    puzzle.BuildWords();
}

std::string CliDataHome() {
    static const TempDir dataHome;
    return dataHome.Path("gegevens-\xc3\xa9");
}

std::string TestDataDir() {
    const std::string dir = ROOSTER2_TESTDATA_DIR;
    return std::filesystem::is_directory(dir) ? dir : std::string();
}

std::string ExpectedBytes(const std::string& name, const std::string& actual) {
    const std::string path = std::string(ROOSTER2_EXPECTED_DIR) + "/" + name;
    const char* regenerate = std::getenv("ROOSTER2_REGENERATE_EXPECTED");
    if (regenerate != nullptr && std::string(regenerate) == "1" &&
        !WriteFileAtomically(path, actual))
        std::abort();
    return ReadFileOrEmpty(path);
}
