#pragma once
// The kinds of "rooster2-cli export KIND FILE.rtr OUT". Each kind is one row of
// the table in format_commands.cpp: its name and the function that writes OUT
// for the loaded puzzle, the same bytes as the desktop's export command.

#include <string>
#include <string_view>
#include <vector>

class CRooster2Doc;

struct ExportOptions {
    bool smallLetters = false;  // the desktop's "Toon in kleine letters"
    bool solution = false;      // pdf: a second page with the solution
};

struct ExportKind {
    const char* name;
    // Writes the export to outPath; returns an exit code (messages already printed).
    int (*write)(const CRooster2Doc& doc, const std::string& outPath, const ExportOptions& options);
};

std::vector<ExportKind> ExportKinds();
// "clues" (the printable clue lists) and "cluefile" (the clue file that can be read back).
std::vector<ExportKind> ReportExportKinds();
// "png" and "pdf"; only in a build with the drawing library (ROOSTER2_WITH_RENDER).
std::vector<ExportKind> RenderExportKinds();

// Writes bytes through the safe file writer; prints a message and returns
// EXIT_FAILED when nothing could be written.
int WriteExportFile(const std::string& outPath, std::string_view bytes);
