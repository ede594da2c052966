#include "wordlists/word_list_files.h"

#include <algorithm>

#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/str_format.h"

std::string MakeWordListFileName(const std::string& name, int length) {
    const std::string base = name.size() >= 6 ? name.substr(0, name.size() - 6) : std::string();
    return base + StrFormat("%02d.doc", std::min(length, LONGEST_OWN_FILE_LENGTH));
}

bool WordListSetName(const CRooster2Doc& doc, int listNumber, std::string& name) {
    if (listNumber < 0 || listNumber > static_cast<int>(doc.m_extraFiles.size())) return false;
    name = listNumber == 0 ? doc.m_wordFile : doc.m_extraFiles[listNumber - 1];
    return true;
}

bool IsAcceptableWord(std::string_view line, int length, bool ijTwoLetters,
                      std::string_view excludedLetters) {
    const auto end = line.find_last_not_of(" \t\r\n\v\f");
    line = end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
    if (static_cast<int>(line.size()) != length) return false;
    if (!ijTwoLetters && line.find("IJ") != std::string_view::npos) return false;
    if (!excludedLetters.empty() && line.find_first_of(excludedLetters) != std::string_view::npos)
        return false;
    return true;
}

bool IsAcceptableWord(const CRooster2Doc& doc, std::string_view line, int length) {
    return IsAcceptableWord(line, length, doc.m_ijTwoLetters, doc.m_excludedLetters);
}

bool CWordListFile::Open(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    OpenText(std::move(bytes));
    return true;
}

void CWordListFile::OpenText(std::string text) {
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

bool CWordListFile::ReadLine(std::string_view& line) {
    if (m_pos >= m_text.size()) return false;
    const std::size_t limit = std::min(m_text.size(), m_pos + WORD_LIST_LINE_MAX);
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
