// The one place that asks the operating system about itself.
#include <cstdlib>

#include "formats/system_facts.h"

#if defined(__linux__)

#include <sys/utsname.h>

#include "util/file_io.h"

namespace {

// /proc/cpuinfo grows with the number of processors; no machine comes near this.
constexpr std::size_t PROC_FILE_LIMIT = std::size_t{4} << 20;

std::optional<OsVersionFacts> ReadOsVersion() {
    utsname names{};
    if (uname(&names) != 0) return std::nullopt;
    OsVersionFacts facts;
    ParseKernelRelease(names.release, facts.major, facts.minor, facts.build);
    facts.platform = names.sysname;
    facts.servicePack = names.version;
    return facts;
}

}  // namespace

SystemFacts ReadSystemFacts() {
    SystemFacts facts;
    std::string text;
    if (ReadFileUpTo("/proc/meminfo", PROC_FILE_LIMIT, text) == ReadStatus::Read)
        facts.memory = ParseMemInfo(text);
    if (ReadFileUpTo("/proc/cpuinfo", PROC_FILE_LIMIT, text) == ReadStatus::Read)
        facts.processorName = ParseCpuModelName(text);
    facts.version = ReadOsVersion();
    return facts;
}

#else

// Other platforms report no system facts; the report then leaves those lines out.
SystemFacts ReadSystemFacts() { return {}; }

#endif

#if defined(_WIN32)

#include <filesystem>

#include "util/native_path.h"

// The wide variable: the narrow one is in the ANSI code page, which cannot spell every
// user's name, and names inside the program are UTF-8.
std::string UserDataFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || appData[0] == L'\0') return std::string();
    return PathText(std::filesystem::path(appData)) + "\\Rooster2";
}

#else

std::string UserDataFolder() {
    // A relative XDG_DATA_HOME is to be ignored, as the XDG base directory rules say.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') return std::string(dataHome) + "/rooster2";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    return std::string(home) + "/.local/share/rooster2";
}

#endif
