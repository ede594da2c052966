#pragma once
// Text in the model is ISO-8859-1, one byte per character. These helpers do
// the case mapping of that code page (independent of the process locale) and
// the conversions at the edges where UTF-8 comes in or goes out.

#include <string>
#include <string_view>

unsigned char Latin1ToUpper(unsigned char c);
unsigned char Latin1ToLower(unsigned char c);
std::string Latin1ToUpper(std::string_view text);
std::string Latin1ToLower(std::string_view text);

// UTF-8 to ISO-8859-1; a character outside the code page (or a broken sequence)
// becomes `replacement`.
std::string Utf8ToLatin1(std::string_view utf8, char replacement = '?');
// The same for texts people read, as other programs write them: typographic quotes,
// dashes, the ellipsis, the euro sign and the like become their plain ISO-8859-1
// forms ("..." for the ellipsis, "EUR" for the euro); anything else outside the code
// page (or a broken sequence) becomes '?'.
std::string Utf8ToLatin1Readable(std::string_view utf8);
std::string Latin1ToUtf8(std::string_view latin1);
// The text without the UTF-8 byte order mark that some editors put in front.
std::string_view WithoutByteOrderMark(std::string_view text);
// True when the bytes form valid UTF-8 with at least one multi-byte sequence.
bool LooksLikeUtf8(std::string_view bytes);
