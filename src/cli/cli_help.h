#pragma once
// The help texts: "rooster2-cli --help" lists the commands, "rooster2-cli NAME --help"
// explains one. The manual page is made from the same output, so its layout is fixed:
// paragraphs start in the first column, a term is indented by two spaces and its
// explanation by six.

#include <ostream>
#include <string>
#include <vector>

#include "cli_common.h"

// True when the arguments ask for help instead of work.
bool AsksForHelp(const std::vector<std::string>& args);

// The commands with what each does, for --help.
void WriteOverview(std::ostream& out, const std::vector<CliCommand>& commands);
// Only the commands' usage lines, after a wrong call.
void WriteUsage(std::ostream& out, const std::vector<CliCommand>& commands);
void WriteCommandHelp(std::ostream& out, const CliCommand& command);
