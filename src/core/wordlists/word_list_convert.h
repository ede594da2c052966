#pragma once
// Turns a dictionary (one word per line) into a word list file set: capitals A to Z
// only, diacritics removed, the digraph IJ as the one letter Y, one file per length.

#include <array>
#include <string>
#include <string_view>

#include "model/user_message.h"

struct WordListConversion {
    // Index = file length 2..19 (19 holds every longer word too): CR LF lines in
    // dictionary order, each word once.
    std::array<std::string, 20> files;
    int wordsKept = 0;
    int duplicates = 0;     // words that came out equal to an earlier one
    int dropped = 0;        // phrases, abbreviations, numbers, symbols
    int tooShort = 0;       // fewer than 2 letters
    int tooLong = 0;        // more letters than a list line can hold
};

// Converts dictionary text: UTF-8 when the whole text is valid UTF-8, else Latin-1 as
// Windows writes it. Per line: white space around it is ignored; letters are
// upper-cased and lose their diacritics (Æ, ß and Þ become two letters); hyphens and
// apostrophes are left out ("auto's" -> AUTOS); a line with anything else (a space
// inside, a digit, a full stop, any other sign) is dropped. With ijToY the letters I
// and J next to each other become Y.
WordListConversion ConvertDictionaryText(std::string_view text, bool ijToY);

// Converts the dictionary file and writes base + "02.doc" .. base + "19.doc", all of
// them or none. False with the message when the dictionary cannot be read, yields no
// word, or a list cannot be written.
bool WriteWordListSet(const std::string& dictionaryPath, const std::string& base, bool ijToY,
                      WordListConversion& conversion, UserMessage& message);

// "%d woorden in %s t/m %s (...)": what a conversion gave.
std::string ConversionSummary(const WordListConversion& conversion, const std::string& base);
