#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include <sys/wait.h>

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

std::string TempDir::Path(const std::string& name) const { return (m_path / name).string(); }

std::string ReadFileOrEmpty(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFileOrFail(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

void SetGrid(CRooster2Doc& doc, const std::initializer_list<std::string>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.begin()->size());
    doc.puzzle.width = width;
    doc.puzzle.height = height;
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < width; ++x) {
            const char c = row[x];
            doc.puzzle.SetCell(x, y, c == '#' ? CELL_ZWART : c == '-' ? CELL_NIET : c == '.' ? CELL_VRIJ
                                                                                   : static_cast<Cell>(c));
        }
        ++y;
    }
    doc.puzzle.BuildWords();
}

namespace {

std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

}  // namespace

std::string CliDataHome() {
    static const TempDir dataHome;
    return dataHome.Path("data");
}

CliRun RunCli(const std::initializer_list<std::string>& args) {
    TempDir dir;
    std::string command =
        "XDG_DATA_HOME=" + ShellQuote(CliDataHome()) + " " + ShellQuote(ROOSTER2_CLI);
    for (const std::string& arg : args) command += " " + ShellQuote(arg);
    const std::string outPath = dir.Path("stdout");
    const std::string errPath = dir.Path("stderr");
    command += " >" + ShellQuote(outPath) + " 2>" + ShellQuote(errPath) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WEXITSTATUS(status);
    run.out = ReadFileOrEmpty(outPath);
    run.err = ReadFileOrEmpty(errPath);
    return run;
}

std::string TestDataDir() {
    const std::string dir = ROOSTER2_TESTDATA_DIR;
    return std::filesystem::is_directory(dir) ? dir : std::string();
}
