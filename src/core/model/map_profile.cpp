#include "model/profile.h"

int MapProfile::GetProfileInt(const std::string& section, const std::string& entry,
                              int defaultValue) const {
    const auto found = m_values.find({section, entry});
    return found == m_values.end() ? defaultValue : found->second;
}

void MapProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    m_values[{section, entry}] = value;
}
