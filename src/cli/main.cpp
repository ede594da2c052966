// rooster2-cli: batch access to puzzles, word lists, the search and the formats.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli_common.h"

namespace {

std::vector<CliCommand> AllCommands() {
    std::vector<CliCommand> commands;
    for (auto group :
         {ModelCommands, FormatCommands, WordListCommands, SearchCommands, ReportCommands}) {
        for (const CliCommand& command : group()) commands.push_back(command);
    }
    return commands;
}

int PrintUsage(const std::vector<CliCommand>& commands) {
    std::cerr << "gebruik: rooster2-cli OPDRACHT ...\n\nOpdrachten:\n";
    for (const CliCommand& command : commands)
        std::cerr << "  " << command.name << ' ' << command.usage << '\n';
    return EXIT_USAGE;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<CliCommand> commands = AllCommands();
    if (argc < 2) return PrintUsage(commands);
    for (const CliCommand& command : commands) {
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "rooster2-cli: onbekende opdracht " << argv[1] << '\n';
    return PrintUsage(commands);
}
