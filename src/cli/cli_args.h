#pragma once
// Command-line parsing for the subcommands: positional arguments and
// "--name value..." options with a fixed number of values each.

#include <map>
#include <optional>
#include <string>
#include <vector>

class CliArgs {
public:
    // optionArity: every accepted option with its number of values (0 for a switch).
    CliArgs(const std::vector<std::string>& args, const std::map<std::string, int>& optionArity);

    bool Ok() const { return m_error.empty(); }
    const std::string& Error() const { return m_error; }
    const std::vector<std::string>& Positional() const { return m_positional; }

    bool Has(const std::string& option) const { return m_values.count(option) != 0; }
    // The values of an option given once; empty when absent.
    const std::vector<std::string>& Values(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;
    // Reads a whole number in [min, max]; false (and Error set) when it is not one.
    bool IntValue(const std::string& option, long long min, long long max, long long& value);
    bool BoolValue(const std::string& option, bool& value);

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::vector<std::string>> m_values;
    std::string m_error;
};

// Parses a whole decimal number in [min, max].
bool ParseInteger(const std::string& text, long long min, long long max, long long& value);
