#include "util/text_lines.h"

#include <algorithm>

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimLeadingWhiteSpace(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start])) ++start;
    return text.substr(start);
}

std::string_view TrimTrailingWhiteSpace(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

void TrimTrailingWhiteSpace(std::string& text) {
    text.resize(TrimTrailingWhiteSpace(std::string_view(text)).size());
}

std::string_view TrimWhiteSpace(std::string_view text) {
    return TrimTrailingWhiteSpace(TrimLeadingWhiteSpace(text));
}

void CTextModeReader::OpenText(std::string text) {
    // Text mode: every CR that stands before a LF disappears.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
    m_text = std::move(text);
    Rewind();
}

void CTextModeReader::Rewind() {
    m_pos = 0;
    m_lastWasPiece = false;
    m_inLongLine = false;
}

bool CTextModeReader::ReadLine(std::string_view& line) {
    if (m_pos >= m_text.size()) return false;
    const std::size_t limit = std::min(m_text.size(), m_pos + m_maxPiece);
    std::size_t end = m_pos;
    while (end < limit && m_text[end] != '\n') ++end;
    const bool endsLine = end < limit || end == m_text.size();
    if (end < limit) ++end;  // the newline belongs to the line
    line = std::string_view(m_text).substr(m_pos, end - m_pos);
    m_pos = end;
    m_lastWasPiece = m_inLongLine || !endsLine;
    m_inLongLine = !endsLine;
    return true;
}

std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece) {
    CTextModeReader reader(maxPiece);
    reader.OpenText(std::string(text));
    std::vector<std::string> pieces;
    for (std::string_view piece; reader.ReadLine(piece);) pieces.emplace_back(piece);
    return pieces;
}
