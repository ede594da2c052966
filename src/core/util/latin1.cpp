#include "util/latin1.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsLatin1UpperLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool IsLatin1LowerLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

// Length of the UTF-8 sequence that starts with `lead`, 0 for an invalid lead byte.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one sequence at text[i]; returns its length (at least 1) and the code point,
// or -1 as code point when the sequence is broken.
int DecodeOne(std::string_view text, std::size_t i, long& codePoint) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) {
        codePoint = -1;
        return 1;
    }
    if (length == 1) {
        codePoint = lead;
        return 1;
    }
    long value = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            codePoint = -1;
            return 1;
        }
        value = (value << 6) | (next & 0x3F);
    }
    codePoint = value;
    return length;
}

struct StandIn {
    long codePoint;
    const char* text;
};

// Characters outside ISO-8859-1 that clue writers use all the time.
constexpr StandIn READABLE_STAND_INS[] = {
    {0x0132, "IJ"}, {0x0133, "ij"},  {0x0152, "OE"}, {0x0153, "oe"}, {0x0160, "S"},  {0x0161, "s"},
    {0x0178, "Y"},  {0x017D, "Z"},   {0x017E, "z"},  {0x02C6, "^"},  {0x02DC, "~"},  {0x2002, " "},
    {0x2003, " "},  {0x2009, " "},   {0x200A, " "},  {0x200B, ""},   {0x2010, "-"},  {0x2011, "-"},
    {0x2012, "-"},  {0x2013, "-"},   {0x2014, "-"},  {0x2015, "-"},  {0x2018, "'"},  {0x2019, "'"},
    {0x201A, "'"},  {0x201B, "'"},   {0x201C, "\""}, {0x201D, "\""}, {0x201E, "\""}, {0x201F, "\""},
    {0x2022, "*"},  {0x2026, "..."}, {0x202F, " "},  {0x2032, "'"},  {0x2033, "\""}, {0x2039, "<"},
    {0x203A, ">"},  {0x20AC, "EUR"}, {0x2122, "TM"}, {0x2212, "-"},  {0xFEFF, ""},
};

}  // namespace

unsigned char Latin1ToUpper(unsigned char c) {
    return IsLatin1LowerLetter(c) ? static_cast<unsigned char>(c - 0x20) : c;
}

unsigned char Latin1ToLower(unsigned char c) {
    return IsLatin1UpperLetter(c) ? static_cast<unsigned char>(c + 0x20) : c;
}

std::string Latin1ToUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(Latin1ToUpper(static_cast<unsigned char>(c)));
    return result;
}

std::string Latin1ToLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(Latin1ToLower(static_cast<unsigned char>(c)));
    return result;
}

std::string Utf8ToLatin1(std::string_view utf8, char replacement) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        long codePoint = 0;
        i += DecodeOne(utf8, i, codePoint);
        result.push_back(codePoint >= 0 && codePoint <= 0xFF ? static_cast<char>(codePoint)
                                                             : replacement);
    }
    return result;
}

std::string Utf8ToLatin1Readable(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        long codePoint = 0;
        i += DecodeOne(utf8, i, codePoint);
        if (codePoint >= 0 && codePoint <= 0xFF) {
            result.push_back(static_cast<char>(codePoint));
            continue;
        }
        const auto* standIn = std::find_if(
            std::begin(READABLE_STAND_INS), std::end(READABLE_STAND_INS),
            [codePoint](const StandIn& entry) { return entry.codePoint == codePoint; });
        result += standIn != std::end(READABLE_STAND_INS) ? standIn->text : "?";
    }
    return result;
}

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string result;
    result.reserve(latin1.size());
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            result.push_back(ch);
        } else {
            result.push_back(static_cast<char>(0xC0 | (c >> 6)));
            result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return result;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
    if (text.starts_with(BYTE_ORDER_MARK)) text.remove_prefix(BYTE_ORDER_MARK.size());
    return text;
}

bool LooksLikeUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        long codePoint = 0;
        const int length = DecodeOne(bytes, i, codePoint);
        if (codePoint < 0) return false;
        multiByte = multiByte || length > 1;
        i += length;
    }
    return multiByte;
}
