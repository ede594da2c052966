#pragma once
// Facts about the computer for the statistics report, read from the platform.

#include <optional>
#include <string>
#include <string_view>

struct MemoryFacts {
    int loadPercent = 0;
    unsigned long long totalBytes = 0;
    unsigned long long availableBytes = 0;
};

struct OsVersionFacts {
    int major = 0;
    int minor = 0;
    int build = 0;
    std::string platform;     // the system's name
    std::string servicePack;  // the system's version text; empty when there is none
};

struct SystemFacts {
    std::optional<MemoryFacts> memory;
    std::optional<OsVersionFacts> version;
    std::optional<std::string> processorName;
};

// What this platform tells; a fact it cannot give stays empty.
SystemFacts ReadSystemFacts();

// The folder for the user's own files of this program, the same for the desktop and
// the command line: %APPDATA%\Rooster2 on Windows, elsewhere $XDG_DATA_HOME/rooster2
// or ~/.local/share/rooster2. Empty when the environment names no such place.
std::string UserDataFolder();

// Parsers of the Linux texts, kept apart from the reading so that they can be tested.
std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo);
std::optional<std::string> ParseCpuModelName(std::string_view cpuinfo);
// "6.1.0-18-amd64" gives 6, 1 and 0; missing numbers are 0.
void ParseKernelRelease(std::string_view release, int& major, int& minor, int& build);
