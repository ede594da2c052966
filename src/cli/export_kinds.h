#pragma once
// The kinds of "rooster2-cli export KIND FILE.rtr OUT". Each kind is one row of
// the table in format_commands.cpp: its name and the function that writes OUT
// for the loaded puzzle, the same bytes as the desktop's export command.

#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"

class Rooster2Doc;

struct ExportOptions {
    bool smallLetters = false;  // the desktop's "Toon in kleine letters"
    bool solution = false;      // pdf: a second page with the solution
    bool greyBlocks = false;    // pdf: black cells printed grey
};

struct ExportKind {
    const char* name;
    // Writes the export to outPath; returns an exit code (messages already printed).
    int (*write)(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions& options);
    const char* summary = "";  // what OUT holds, for the help
};

std::vector<ExportKind> ExportKinds();
// "clues" (the printable clue lists) and "cluefile" (the clue file that can be read back).
std::vector<ExportKind> ReportExportKinds();
// "png" and "pdf"; only in a build with the drawing library (ROOSTER2_WITH_RENDER).
std::vector<ExportKind> RenderExportKinds();

// The help of --small-letters, for every command that has it.
CliHelpItem SmallLettersHelp();

// Writes bytes through the safe file writer; prints a message and returns
// EXIT_FAILED when nothing could be written.
int WriteExportFile(const std::string& outPath, std::string_view bytes);
