#pragma once
// The program's own read-only files (the HTML export's images) lie beside the
// program in the build tree, and in <prefix>/share/rooster2 once installed with
// the program in <prefix>/bin.

#include <string>

// The folder of those two that holds the file `name`; the program's folder when
// neither does, so that a message about the missing file names where it was sought.
std::string ProgramDataFolder(const std::string& programFolder, const std::string& name);

// A file of the Dutch word list set that comes with the program (build tree:
// <build>/wordlists beside <build>/src/<program>, installed:
// <prefix>/share/rooster2/wordlists), or an empty string when there is none.
std::string InstalledWordListFile(const std::string& programFolder);
