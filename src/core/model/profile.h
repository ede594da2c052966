#pragma once
// Per-user settings ("Kleur", "Position", recent files). The desktop backs this
// with its settings store; the command line and the tests with a map.

#include <map>
#include <string>
#include <utility>

class IProfile {
public:
    virtual ~IProfile() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry,
                              int defaultValue) const = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry,
                                 int value) = 0;
};

class MapProfile : public IProfile {
public:
    int GetProfileInt(const std::string& section, const std::string& entry,
                      int defaultValue) const override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;

private:
    std::map<std::pair<std::string, std::string>, int> m_values;
};
