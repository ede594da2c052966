#include "forms/number_fields.h"

#include <cstdint>

#include "util/str_format.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t magnitude = 0;
    constexpr std::int64_t LIMIT = std::int64_t{1} << 31;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > LIMIT) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int>(value);
}

UserMessage NumberFieldMessage(const NumberField& field) {
    return {StrFormat("Geef bij \"%s\" een geheel getal van %d tot en met %d.", field.label,
                      field.min, field.max),
            APP_TITLE};
}

std::optional<UserMessage> ReadNumberField(std::string_view text, const NumberField& field,
                                           int& value) {
    const std::optional<int> number = ParseWholeNumber(text);
    if (!number || *number < field.min || *number > field.max) return NumberFieldMessage(field);
    value = *number;
    return std::nullopt;
}
