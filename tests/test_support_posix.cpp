// Running the built rooster2-cli through the shell; threads with a chosen stack.
#include "test_support_posix.h"

#include <pthread.h>
#include <sys/wait.h>

#include <cstdlib>

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

extern "C" void* RunJob(void* job) {
    (*static_cast<const std::function<void()>*>(job))();
    return nullptr;
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

bool RunOnThreadWithStack(std::size_t stackBytes, const std::function<void()>& job) {
    pthread_attr_t attributes;
    pthread_t thread;
    if (pthread_attr_init(&attributes) != 0) return false;
    const bool started =
        pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
        pthread_create(&thread, &attributes, RunJob, const_cast<std::function<void()>*>(&job)) == 0;
    pthread_attr_destroy(&attributes);
    if (started) pthread_join(thread, nullptr);
    return started;
}

std::size_t CurrentThreadStackBytes() {
    pthread_attr_t attributes;
    std::size_t bytes = 0;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
    pthread_attr_getstacksize(&attributes, &bytes);
    pthread_attr_destroy(&attributes);
    return bytes;
}

CliRun RunCli(const std::initializer_list<std::string>& args) { return RunCliAfter("", args); }

CliRun RunCliWithAddressSpace(std::size_t megabytes,
                              const std::initializer_list<std::string>& args) {
    return RunCliAfter("ulimit -v " + std::to_string(megabytes << 10) + "; ", args);
}

std::string CliUserDataFolder() { return CliDataHome() + "/rooster2"; }
