// Running the built rooster2-cli.exe directly, its output caught in files;
// threads with a chosen stack.
#include <windows.h>

#include "test_support.h"
#include "util/native_path.h"

namespace {

// Quoted so that the program's CommandLineToArgvW gives the argument back unchanged.
std::wstring QuoteArgument(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(NativePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

DWORD WINAPI RunJob(LPVOID job) {
    (*static_cast<const std::function<void()>*>(job))();
    return 0;
}

}  // namespace

bool RunOnThreadWithStack(std::size_t stackBytes, const std::function<void()>& job) {
    const HANDLE thread =
        CreateThread(nullptr, stackBytes, RunJob, const_cast<std::function<void()>*>(&job),
                     STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) return false;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return true;
}

std::size_t CurrentThreadStackBytes() {
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    return static_cast<std::size_t>(high - low);
}

CliRun RunCli(const std::initializer_list<std::string>& args) {
    TempDir dir;
    std::wstring command = QuoteArgument(NativePath(ROOSTER2_CLI).native());
    for (const std::string& arg : args) command += L" " + QuoteArgument(NativePath(arg).native());
    const std::string outPath = dir.Path("stdout");
    const std::string errPath = dir.Path("stderr");
    // The program's own data folder is the test's (see CliDataHome).
    SetEnvironmentVariableW(L"APPDATA", NativePath(CliDataHome()).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = InheritableFile("NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = InheritableFile(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = InheritableFile(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    CliRun run;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        run.exitCode = static_cast<int>(exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        run.err = "CreateProcessW: " + std::to_string(GetLastError());
    }
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    run.out = ReadFileOrEmpty(outPath);
    run.err += ReadFileOrEmpty(errPath);
    return run;
}

std::string CliUserDataFolder() { return CliDataHome() + "\\Rooster2"; }
