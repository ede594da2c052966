#include "wordlists/dictionary_scores.h"

#include "util/latin1.h"

namespace {

bool IsSmallLetter(unsigned char c) { return Latin1ToUpper(c) != c; }
bool IsCapital(unsigned char c) { return Latin1ToLower(c) != c; }

// Y counts: in the lists it is mostly the IJ.
bool HasVowel(std::string_view letters) {
    return letters.find_first_of("AEIOUY") != std::string_view::npos;
}

}  // namespace

Spelling SpellingOf(std::string_view latin1Word) {
    int letters = 0;
    bool anySmall = false;
    bool firstIsCapital = false;
    for (const char ch : latin1Word) {
        const auto c = static_cast<unsigned char>(ch);
        if (!IsSmallLetter(c) && !IsCapital(c)) continue;
        if (letters == 0) firstIsCapital = IsCapital(c);
        anySmall = anySmall || IsSmallLetter(c);
        ++letters;
    }
    if (letters >= 2 && !anySmall) return Spelling::Capitals;
    return firstIsCapital ? Spelling::ProperName : Spelling::Common;
}

int DefaultScore(Spelling spelling, std::string_view letters, bool isStem) {
    if (spelling == Spelling::Capitals || !HasVowel(letters)) return ABBREVIATION_SCORE;
    if (spelling == Spelling::ProperName) return PROPER_NAME_SCORE;
    return isStem ? STEM_SCORE : COMMON_WORD_SCORE;
}
