#pragma once
// File names inside the program are byte strings, as a user typed them or a file
// stored them. On POSIX systems they reach the system unchanged. On Windows a name
// is read as UTF-8 when it is valid UTF-8 and otherwise as Windows-1252 (the code
// page of names stored by older Windows programs); names that come from the system
// are handed back as UTF-8.

#include <filesystem>
#include <string>

std::filesystem::path NativePath(const std::string& path);
std::string PathText(const std::filesystem::path& path);
