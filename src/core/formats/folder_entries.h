#pragma once
// Walking folders for the reports that cover every puzzle file of a folder.

#include <string>
#include <vector>

struct FolderEntry {
    std::string name;
    bool isFolder = false;
    bool isLink = false;  // a symbolic link (to a file or a folder)
};

// The entries of a folder in name order, so that reports come out the same on every
// platform; none when the folder cannot be read.
std::vector<FolderEntry> ReadFolderEntries(const std::string& folder);

// folder and name joined with the platform's separator (none added after one).
std::string JoinPath(const std::string& folder, const std::string& name);

// Whether name ends in ".rtr" in any case.
bool HasPuzzleExtension(const std::string& name);
