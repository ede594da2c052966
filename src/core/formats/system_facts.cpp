#include "formats/system_facts.h"

#include "util/text_lines.h"

namespace {

// Calls take(key, value) for every "key: value" line, both trimmed.
template <typename Take>
void ForEachKeyValueLine(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        take(TrimTrailingWhiteSpace(line.substr(0, colon)), TrimWhiteSpace(line.substr(colon + 1)));
    }
}

// "16318004 kB" in bytes; nullopt when the value is no number of kilobytes.
std::optional<unsigned long long> KilobytesValue(std::string_view value) {
    unsigned long long kilobytes = 0;
    std::size_t pos = 0;
    while (pos < value.size() && value[pos] >= '0' && value[pos] <= '9') {
        if (kilobytes > (~0ull >> 11)) return std::nullopt;
        kilobytes = kilobytes * 10 + static_cast<unsigned>(value[pos] - '0');
        ++pos;
    }
    if (pos == 0 || TrimLeadingWhiteSpace(value.substr(pos)) != "kB") return std::nullopt;
    return kilobytes * 1024;
}

int ReadNumber(std::string_view text, std::size_t& pos) {
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value < 100000000) value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return value;
}

}  // namespace

std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo) {
    std::optional<unsigned long long> total;
    std::optional<unsigned long long> available;
    std::optional<unsigned long long> free;
    ForEachKeyValueLine(meminfo, [&](std::string_view key, std::string_view value) {
        if (key == "MemTotal") total = KilobytesValue(value);
        if (key == "MemAvailable") available = KilobytesValue(value);
        if (key == "MemFree") free = KilobytesValue(value);
    });
    // Kernels before 3.14 do not estimate the available memory; free memory comes closest.
    if (!available) available = free;
    if (!total || !available || *total == 0 || *available > *total) return std::nullopt;
    MemoryFacts facts;
    facts.totalBytes = *total;
    facts.availableBytes = *available;
    facts.loadPercent = static_cast<int>((*total - *available) * 100 / *total);
    return facts;
}

std::optional<std::string> ParseCpuModelName(std::string_view cpuinfo) {
    std::optional<std::string> name;
    ForEachKeyValueLine(cpuinfo, [&](std::string_view key, std::string_view value) {
        if (!name && key == "model name" && !value.empty()) name = std::string(value);
    });
    return name;
}

void ParseKernelRelease(std::string_view release, int& major, int& minor, int& build) {
    int* numbers[] = {&major, &minor, &build};
    std::size_t pos = 0;
    bool more = true;
    for (int* number : numbers) {
        *number = more ? ReadNumber(release, pos) : 0;
        more = more && pos < release.size() && release[pos] == '.';
        if (more) ++pos;
    }
}
