#pragma once
// Line handling shared by the text formats that read what people typed.

#include <istream>
#include <memory>
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
// its LF or after maxPiece bytes, so a longer line comes in several pieces. A file
// is read as a stream, never held in memory as a whole.
class TextModeReader {
public:
    explicit TextModeReader(std::size_t maxPiece);
    ~TextModeReader();

    void OpenText(std::string text);
    // False when the path is no regular file or cannot be opened.
    bool OpenFile(const std::string& path);
    // The next piece including its '\n' when that fits; false at the end. The piece
    // stays valid until the next call.
    bool ReadLine(std::string_view& line);
    // False when the piece last read belongs to a line longer than a piece.
    bool LastLineIsWhole() const { return !m_lastWasPiece; }
    void Rewind();

private:
    // The next byte, not taken yet; END after the last one.
    int Peek();

    std::size_t m_maxPiece;
    std::unique_ptr<std::istream> m_in;
    std::string m_buffer;  // read ahead from m_in; m_next..m_end not taken yet
    std::size_t m_next = 0;
    std::size_t m_end = 0;
    std::string m_piece;
    bool m_lastWasPiece = false;
    bool m_inLongLine = false;  // the next piece continues a line that did not fit
};

// All pieces of the text as TextModeReader gives them; pieces keep their LF.
std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece);
