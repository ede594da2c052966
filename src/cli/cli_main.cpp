#include "cli_main.h"

#include <iostream>

#include "cli_common.h"
#include "cli_help.h"

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
    WriteUsage(std::cerr, commands);
    return EXIT_USAGE;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args) {
    const std::vector<CliCommand> commands = AllCommands();
    if (args.empty()) return PrintUsage(commands);
    if (args[0] == "--help") {
        WriteOverview(std::cout, commands);
        return EXIT_OK;
    }
    for (const CliCommand& command : commands) {
        if (args[0] != command.name) continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (!AsksForHelp(rest)) return command.run(rest);
        WriteCommandHelp(std::cout, command);
        return EXIT_OK;
    }
    std::cerr << "rooster2-cli: onbekende opdracht " << args[0] << '\n';
    return PrintUsage(commands);
}
