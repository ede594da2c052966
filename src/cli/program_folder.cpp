#include "program_folder.h"

#include <filesystem>
#include <system_error>

#include "util/native_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

std::string ProgramFolder() {
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return std::string();
    return PathText(std::filesystem::path(path, path + length).parent_path());
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
#endif
}
