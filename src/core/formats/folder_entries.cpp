#include "formats/folder_entries.h"

#include <algorithm>
#include <filesystem>

#include "util/latin1.h"
#include "util/native_path.h"

std::vector<FolderEntry> ReadFolderEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(NativePath(folder), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        entries.push_back(
            {PathText(it->path().filename()), it->is_directory(ignored), it->is_symlink(ignored)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (folder.empty() || folder.back() == separator || folder.back() == '/') return folder + name;
    return folder + separator + name;
}

bool HasPuzzleExtension(const std::string& name) {
    return name.size() >= 4 && Latin1ToLower(name.substr(name.size() - 4)) == ".rtr";
}
