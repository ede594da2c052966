#pragma once
// Line handling shared by the text formats that read what people typed.

#include <string>
#include <string_view>
#include <vector>

// The white space of C's isspace in the "C" locale.
bool IsWhiteSpace(char c);
std::string_view TrimLeadingWhiteSpace(std::string_view text);
std::string_view TrimTrailingWhiteSpace(std::string_view text);
void TrimTrailingWhiteSpace(std::string& text);
std::string_view TrimWhiteSpace(std::string_view text);

// Text read back line by line the way a C text-mode stream with a buffer of
// maxPiece + 1 bytes reads it (fgets): CR LF counts as LF, each piece ends after
// its LF or after maxPiece bytes, so a longer line comes in several pieces.
class CTextModeReader {
public:
    explicit CTextModeReader(std::size_t maxPiece) : m_maxPiece(maxPiece) {}

    void OpenText(std::string text);
    // The next piece including its '\n' when that fits; false at the end.
    bool ReadLine(std::string_view& line);
    // False when the piece last read belongs to a line longer than a piece.
    bool LastLineIsWhole() const { return !m_lastWasPiece; }
    void Rewind();

private:
    std::size_t m_maxPiece;
    std::string m_text;
    std::size_t m_pos = 0;
    bool m_lastWasPiece = false;
    bool m_inLongLine = false;  // the next piece continues a line that did not fit
};

// All pieces of the text as CTextModeReader gives them; pieces keep their LF.
std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece);
