#include "formats/text_lines.h"

#include <algorithm>

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimTrailingWhiteSpace(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

void TrimTrailingWhiteSpace(std::string& text) {
    text.resize(TrimTrailingWhiteSpace(std::string_view(text)).size());
}

std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece) {
    std::string storage;
    storage.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        storage += text[i];
    }
    std::vector<std::string> pieces;
    const std::string_view all(storage);
    for (std::size_t pos = 0; pos < all.size();) {
        const std::size_t limit = std::min(all.size(), pos + maxPiece);
        std::size_t end = pos;
        while (end < limit && all[end] != '\n') ++end;
        if (end < limit) ++end;
        pieces.emplace_back(all.substr(pos, end - pos));
        pos = end;
    }
    return pieces;
}
