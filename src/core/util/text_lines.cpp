#include "util/text_lines.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "util/native_path.h"

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

namespace {

constexpr std::size_t READ_CHUNK = std::size_t{1} << 16;
constexpr int END = -1;

}  // namespace

TextModeReader::TextModeReader(std::size_t maxPiece) : m_maxPiece(maxPiece) {}

TextModeReader::~TextModeReader() = default;

void TextModeReader::OpenText(std::string text) {
    m_in = std::make_unique<std::istringstream>(std::move(text));
    Rewind();
}

bool TextModeReader::OpenFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(NativePath(path), error)) return false;
    auto file = std::make_unique<std::ifstream>(NativePath(path), std::ios::binary);
    if (!*file) return false;
    m_in = std::move(file);
    Rewind();
    return true;
}

void TextModeReader::Rewind() {
    if (m_in) {
        m_in->clear();
        m_in->seekg(0);
    }
    m_next = m_end = 0;
    m_lastWasPiece = false;
    m_inLongLine = false;
}

int TextModeReader::Peek() {
    if (m_next == m_end) {
        m_buffer.resize(READ_CHUNK);
        m_next = 0;
        m_end = static_cast<std::size_t>(m_in->rdbuf()->sgetn(m_buffer.data(), READ_CHUNK));
        if (m_end == 0) return END;
    }
    return static_cast<unsigned char>(m_buffer[m_next]);
}

bool TextModeReader::ReadLine(std::string_view& line) {
    if (!m_in) return false;
    m_piece.clear();
    bool endsLine = false;
    while (m_piece.size() < m_maxPiece && Peek() != END) {
        // The bytes up to a line end, a CR or the end of the piece go in one step.
        const std::size_t room = std::min(m_maxPiece - m_piece.size(), m_end - m_next);
        const char* const run = m_buffer.data() + m_next;
        std::size_t length = 0;
        while (length < room && run[length] != '\n' && run[length] != '\r') ++length;
        m_piece.append(run, length);
        m_next += length;
        if (length == room) continue;
        char c = m_buffer[m_next++];
        // Text mode: a CR that stands before a LF disappears.
        if (c == '\r' && Peek() == '\n') c = m_buffer[m_next++];
        m_piece += c;
        if (c == '\n') {
            endsLine = true;
            break;
        }
    }
    if (m_piece.empty()) return false;
    endsLine = endsLine || Peek() == END;
    line = m_piece;
    m_lastWasPiece = m_inLongLine || !endsLine;
    m_inLongLine = !endsLine;
    return true;
}

std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece) {
    TextModeReader reader(maxPiece);
    reader.OpenText(std::string(text));
    std::vector<std::string> pieces;
    for (std::string_view piece; reader.ReadLine(piece);) pieces.emplace_back(piece);
    return pieces;
}
