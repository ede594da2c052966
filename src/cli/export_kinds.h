#pragma once
// The kinds of `rooster2-cli export KIND FILE.rtr OUT`: each writes the same bytes as
// the desktop export of that name.

#include <string>
#include <vector>

class CRooster2Doc;

struct ExportKind {
    const char* name;
    std::string (*write)(const CRooster2Doc& doc);
    // Whether the desktop offers this export for the puzzle as it is.
    bool (*allowed)(const CRooster2Doc& doc);
};

// "clues" (the printable clue lists) and "cluefile" (the clue file that can be read back).
std::vector<ExportKind> ReportExportKinds();
