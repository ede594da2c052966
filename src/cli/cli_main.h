#pragma once
// The whole command line: the subcommand name first, then its arguments.

#include <string>
#include <vector>

// Runs one subcommand and returns the exit code (0, 1 or 2).
int RunCommandLine(const std::vector<std::string>& args);
