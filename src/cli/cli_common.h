#pragma once
// What every subcommand shares: the exit codes, the command table entry, and
// the way messages and output reach the terminal.

#include <string>
#include <string_view>
#include <vector>

#include "model/user_message.h"

class Rooster2Doc;
struct AppState;
class CliArgs;
struct WordScoring;

constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

// One entry of a command's help: an argument, a kind or an option (term) with what
// it does; an item without a term is a paragraph of its own.
struct CliHelpItem {
    std::string term;
    std::string text;
};

struct CliCommand {
    const char* name;
    const char* usage;  // the arguments after the name, for the usage text
    int (*run)(const std::vector<std::string>& args);
    const char* summary = "";  // what the command does, in a sentence or two
    // Every argument and option explained, for "rooster2-cli NAME --help" and the manual page.
    std::vector<CliHelpItem> (*help)() = nullptr;
};

// Prints the message's text to standard error; returns EXIT_FAILED.
int Fail(const UserMessage& message);
int Fail(const std::string& text);
// Prints "gebruik: rooster2-cli NAME USAGE" (and a reason when given); returns EXIT_USAGE.
int UsageError(const CliCommand& command, const std::string& reason = std::string());
// Writes bytes to standard output unchanged (no line-end translation).
void WriteStdout(std::string_view bytes);
// Opens a puzzle file into doc; prints the reason and returns false when it is no puzzle.
bool LoadPuzzle(const std::string& path, Rooster2Doc& doc);
// Saves doc to path; prints the reason and returns false on failure.
bool SavePuzzle(Rooster2Doc& doc, const std::string& path);

// --min-score N and --no-overrides: the minimum score and, unless switched off, the
// user's own scores from their data folder (a warning about that file goes to
// standard error). False when the minimum is no number from 0 to 100.
bool ReadScoringOptions(CliArgs& parsed, WordScoring& scoring);
// --words SET: the set the command looks in, else the puzzle's own; a puzzle that
// names none looks in the installed Dutch set, as in the desktop program.
void ChooseWordSet(CliArgs& parsed, Rooster2Doc& doc, AppState& app);
// Their help texts.
CliHelpItem MinScoreHelp();
CliHelpItem NoOverridesHelp();

// The command groups; main() lists them all.
std::vector<CliCommand> ModelCommands();
std::vector<CliCommand> FormatCommands();
std::vector<CliCommand> WordListCommands();
std::vector<CliCommand> SearchCommands();
std::vector<CliCommand> ReportCommands();
