#include "cli_main.h"

#include <cstdio>
#include <iostream>
#include <new>

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

int FinishStandardOutput(int exitCode) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return exitCode;
    return Fail("Schrijven naar de standaarduitvoer mislukt");
}

int RunCommandLine(const std::vector<std::string>& args) {
    const std::vector<CliCommand> commands = AllCommands();
    if (args.empty()) return PrintUsage(commands);
    for (const CliCommand& command : commands) {
        if (args[0] != command.name) continue;
        // Whatever a command was holding is gone by the time the message is printed.
        try {
            return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
        } catch (const std::bad_alloc&) {
            return Fail("Onvoldoende geheugen");
        }
    }
    std::cerr << "rooster2-cli: onbekende opdracht " << args[0] << '\n';
    return PrintUsage(commands);
}
