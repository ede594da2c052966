#pragma once
// The whole command line: the subcommand name first, then its arguments.

#include <string>
#include <vector>

// Runs one subcommand and returns the exit code (0, 1 or 2).
int RunCommandLine(const std::vector<std::string>& args);

// The exit code once standard output is flushed: output that did not all arrive (a
// full disk, a size limit) turns success into failure, with a message.
int FinishStandardOutput(int exitCode);
