// Running the built rooster2-cli through the shell.
#include <sys/wait.h>

#include <cstdlib>

#include "test_support_posix.h"

namespace {

std::string ShellQuote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

CliRun RunCliAfter(const std::string& shellPrefix, const std::initializer_list<std::string>& args) {
    TempDir dir;
    std::string command =
        shellPrefix + "XDG_DATA_HOME=" + ShellQuote(CliDataHome()) + " " + ShellQuote(ROOSTER2_CLI);
    for (const std::string& arg : args) {
        command += ' ';
        command += ShellQuote(arg);
    }
    const std::string outPath = dir.Path("stdout");
    const std::string errPath = dir.Path("stderr");
    command += " >" + ShellQuote(outPath) + " 2>" + ShellQuote(errPath) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WEXITSTATUS(status);
    run.out = ReadFileOrEmpty(outPath);
    run.err = ReadFileOrEmpty(errPath);
    return run;
}

}  // namespace

CliRun RunCli(const std::initializer_list<std::string>& args) { return RunCliAfter("", args); }

CliRun RunCliWithAddressSpace(std::size_t megabytes,
                              const std::initializer_list<std::string>& args) {
    return RunCliAfter("ulimit -v " + std::to_string(megabytes << 10) + "; ", args);
}

std::string CliUserDataFolder() { return CliDataHome() + "/rooster2"; }
