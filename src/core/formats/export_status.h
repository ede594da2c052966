#pragma once
// What the status bar says once an export has written its file.

#include <string>

inline std::string ExportedStatusText(const std::string& path) {
    return "Ge\xEBxporteerd naar " + path;
}
