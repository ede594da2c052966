// The one place that asks the operating system about itself.
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
