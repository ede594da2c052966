#include "cli_args.h"

#include <cerrno>
#include <cstdlib>

CliArgs::CliArgs(const std::vector<std::string>& args,
                 const std::map<std::string, int>& optionArity) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            m_positional.push_back(arg);
            continue;
        }
        const auto option = optionArity.find(arg);
        if (option == optionArity.end()) {
            m_error = "onbekende optie " + arg;
            return;
        }
        if (m_values.count(arg) != 0) {
            m_error = "optie " + arg + " staat er twee keer";
            return;
        }
        const auto arity = static_cast<std::size_t>(option->second);
        if (arity > 0 && i + arity >= args.size()) {
            m_error = "optie " + arg + " mist een waarde";
            return;
        }
        std::vector<std::string>& values = m_values[arg];
        for (std::size_t k = 0; k < arity; ++k) values.push_back(args[++i]);
    }
}

const std::vector<std::string>& CliArgs::Values(const std::string& option) const {
    static const std::vector<std::string> none;
    const auto found = m_values.find(option);
    return found == m_values.end() ? none : found->second;
}

std::optional<std::string> CliArgs::Value(const std::string& option) const {
    const auto& values = Values(option);
    if (values.empty()) return std::nullopt;
    return values.front();
}

bool CliArgs::IntValue(const std::string& option, long long min, long long max, long long& value) {
    const auto text = Value(option);
    if (!text) return true;
    if (ParseInteger(*text, min, max, value)) return true;
    m_error = "optie " + option + " verwacht een getal van " + std::to_string(min) +
              " tot en met " + std::to_string(max);
    return false;
}

bool CliArgs::BoolValue(const std::string& option, bool& value) {
    long long number = value ? 1 : 0;
    if (!IntValue(option, 0, 1, number)) return false;
    value = number != 0;
    return true;
}

bool ParseInteger(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0' || parsed < min || parsed > max) return false;
    value = parsed;
    return true;
}
