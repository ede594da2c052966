#include "cli_main.h"

#include <cstdio>
#include <iostream>
#include <new>

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

int FinishStandardOutput(int exitCode) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return exitCode;
    return Fail("Schrijven naar de standaarduitvoer mislukt");
}

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
        if (AsksForHelp(rest)) {
            WriteCommandHelp(std::cout, command);
            return EXIT_OK;
        }
        // Whatever a command was holding is gone by the time the message is printed.
        try {
            return command.run(rest);
        } catch (const std::bad_alloc&) {
            return Fail(OutOfMemoryMessage());
        }
    }
    std::cerr << "rooster2-cli: onbekende opdracht " << args[0] << '\n';
    return PrintUsage(commands);
}
