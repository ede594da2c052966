#pragma once
// Line handling shared by the text formats that read what people typed.

#include <string>
#include <string_view>
#include <vector>

bool IsWhiteSpace(char c);
std::string_view TrimTrailingWhiteSpace(std::string_view text);
void TrimTrailingWhiteSpace(std::string& text);

// The lines of a file read the way a C text-mode stream with a buffer of maxPiece + 1
// bytes reads them: CR LF counts as LF, each piece ends after its LF or after maxPiece
// bytes, so a longer line comes in several pieces. Pieces keep their LF.
std::vector<std::string> SplitTextModePieces(std::string_view text, std::size_t maxPiece);
