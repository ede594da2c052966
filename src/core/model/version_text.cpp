#include "model/version_text.h"

#include <array>
#include <string_view>

#ifndef ROOSTER2_VERSION
#error "ROOSTER2_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace {

constexpr std::array<std::string_view, 12> COMPILER_MONTHS = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> DUTCH_MONTHS = {
    "januari", "februari", "maart",     "april",   "mei",      "juni",
    "juli",    "augustus", "september", "oktober", "november", "december"};

}  // namespace

std::string DutchBuildDate(const std::string& compilerDate) {
    // "Mmm dd yyyy", the day padded with a space.
    if (compilerDate.size() != 11) return compilerDate;
    const std::string_view month = std::string_view(compilerDate).substr(0, 3);
    for (std::size_t i = 0; i < COMPILER_MONTHS.size(); ++i) {
        if (COMPILER_MONTHS[i] != month) continue;
        const std::size_t dayStart = compilerDate[4] == ' ' ? 5 : 4;
        return compilerDate.substr(dayStart, 6 - dayStart) + " " + std::string(DUTCH_MONTHS[i]) +
               " " + compilerDate.substr(7);
    }
    return compilerDate;
}

std::string VersionText() {
    return std::string("Rooster2 versie ") + ROOSTER2_VERSION + "\nGemaakt op " +
           DutchBuildDate(__DATE__);
}
