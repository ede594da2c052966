#pragma once
// Texts that the user typed (comments, titles) may hold line breaks as "\r\n"
// or as "\n". Files we write always end their lines in CR LF, never CR CR LF.

#include <string>
#include <string_view>

inline std::string WithCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}
