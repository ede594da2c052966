#include "util/program_data.h"

#include <filesystem>
#include <system_error>

#include "util/native_path.h"

std::string ProgramDataFolder(const std::string& programFolder, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path program = NativePath(programFolder);
    for (const fs::path& folder : {program, program / ".." / "share" / "rooster2"}) {
        std::error_code error;
        if (fs::is_regular_file(folder / name, error)) return PathText(folder.lexically_normal());
    }
    return programFolder;
}

std::string InstalledWordListFile(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path program = NativePath(programFolder);
    for (const fs::path& folder : {program / ".." / ".." / "wordlists",
                                   program / ".." / "share" / "rooster2" / "wordlists"}) {
        std::error_code error;
        const fs::path file = folder / "nl05.doc";
        if (fs::is_regular_file(file, error)) return PathText(file.lexically_normal());
    }
    return std::string();
}
