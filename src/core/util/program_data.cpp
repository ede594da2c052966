#include "util/program_data.h"

#include <filesystem>
#include <system_error>

std::string ProgramDataFolder(const std::string& programFolder, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path program(programFolder);
    for (const fs::path& folder : {program, program / ".." / "share" / "rooster2"}) {
        std::error_code error;
        if (fs::is_regular_file(folder / name, error)) return folder.lexically_normal().string();
    }
    return programFolder;
}
