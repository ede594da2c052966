#include "util/file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace {

long long g_failAfterBytes = -1;

std::string TemporaryNameNextTo(const std::string& path) {
    static std::mt19937_64 generator{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp%08llx",
                  static_cast<unsigned long long>(generator() & 0xFFFFFFFFull));
    return path + suffix;
}

bool WriteAll(std::ofstream& out, std::string_view bytes) {
    if (g_failAfterBytes >= 0 && static_cast<long long>(bytes.size()) > g_failAfterBytes) {
        out.write(bytes.data(), static_cast<std::streamsize>(g_failAfterBytes));
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    // A folder opens like a file on some systems and then fails on reading.
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) return false;
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return false;
    // Stream reads report errors in the state flags (a buffer iterator would throw).
    std::string content;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return false;
    bytes = std::move(content);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temporary = TemporaryNameNextTo(path);
    bool written = false;
    {
        std::ofstream out(std::filesystem::path(temporary), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        written = WriteAll(out, bytes);
        out.close();
        written = written && !out.fail();
    }
    std::error_code error;
    if (written) {
        std::filesystem::rename(std::filesystem::path(temporary), std::filesystem::path(path),
                                error);
        if (!error) return true;
    }
    std::filesystem::remove(std::filesystem::path(temporary), error);
    return false;
}

void SimulateWriteFailureAfter(long long bytes) { g_failAfterBytes = bytes; }

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
