#include "wordlists/dictionary_scores.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "util/latin1.h"

namespace {

bool IsSmallLetter(unsigned char c) { return Latin1ToUpper(c) != c; }
bool IsCapital(unsigned char c) { return Latin1ToLower(c) != c; }

// Y counts: in the lists it is mostly the IJ.
bool HasVowel(std::string_view letters) {
    return letters.find_first_of("AEIOUY") != std::string_view::npos;
}

// A numeral that a dictionary writes in small letters and that is used as often as
// this is a word as well ("mix").
constexpr int KNOWN_WORD_ZIPF = 300;

constexpr int SHORTEST_COMPOUND = 7;
constexpr std::size_t SHORTEST_PART = 3;

// Forms that are words of their own but, at the end of a longer word, mostly an
// ending: "golfden" is no golf and den, "denkster" no denk and ster.
constexpr std::array<std::string_view, 21> ENDINGS = {
    "DEN",   "TEN", "END",  "ENDE", "ENDEN", "ERE", "EREN", "ERS", "STER", "STERS", "ING",
    "INGEN", "TJE", "TJES", "NEN",  "SEN",   "MEN", "KEN",  "DER", "DES",  "TER"};

bool IsEnding(std::string_view part) {
    return std::find(ENDINGS.begin(), ENDINGS.end(), part) != ENDINGS.end();
}

// A short word that begins with consonants no Dutch word begins with is an
// initialism written in small letters ("ngo", "lno").
constexpr std::size_t LONGEST_INITIALISM = 4;
constexpr std::array<std::string_view, 46> DUTCH_ONSETS = {
    "BL",  "BR",   "CH", "CHR", "CL", "CR", "DR", "DW", "FL", "FR", "GH",  "GL",
    "GN",  "GR",   "KL", "KN",  "KR", "KW", "NJ", "PH", "PL", "PR", "PS",  "SC",
    "SCH", "SCHR", "SF", "SH",  "SJ", "SK", "SL", "SM", "SN", "SP", "SPR", "ST",
    "STR", "SW",   "TH", "TR",  "TS", "TW", "VL", "VR", "WR", "ZW"};

bool BeginsAsADutchWord(std::string_view letters) {
    const std::string_view onset = letters.substr(0, letters.find_first_of("AEIOUY"));
    return onset.size() < 2 ||
           std::find(DUTCH_ONSETS.begin(), DUTCH_ONSETS.end(), onset) != DUTCH_ONSETS.end();
}

// The value of the Roman digit, 0 for another letter.
int RomanDigit(char c) {
    switch (c) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        case 'C':
            return 100;
        case 'D':
            return 500;
        case 'M':
            return 1000;
        default:
            return 0;
    }
}

// The usual form of a number from 1 to 3999, as IsRomanNumeral expects it.
std::string RomanNumeral(int number) {
    static constexpr std::array<std::pair<int, std::string_view>, 13> PARTS = {{{1000, "M"},
                                                                                {900, "CM"},
                                                                                {500, "D"},
                                                                                {400, "CD"},
                                                                                {100, "C"},
                                                                                {90, "XC"},
                                                                                {50, "L"},
                                                                                {40, "XL"},
                                                                                {10, "X"},
                                                                                {9, "IX"},
                                                                                {5, "V"},
                                                                                {4, "IV"},
                                                                                {1, "I"}}};
    std::string numeral;
    for (const auto& [value, letters] : PARTS) {
        for (; number >= value; number -= value) numeral += letters;
    }
    return numeral;
}

// The number the letters stand for when read as Roman digits, 0 when they are not.
int RomanValue(std::string_view letters) {
    int total = 0;
    for (std::size_t k = 0; k < letters.size(); ++k) {
        const int digit = RomanDigit(letters[k]);
        if (digit == 0) return 0;
        const int next = k + 1 < letters.size() ? RomanDigit(letters[k + 1]) : 0;
        total += next > digit ? -digit : digit;
    }
    return total;
}

bool IsAbbreviation(const WordEvidence& word, std::string_view letters) {
    if (word.spelling == Spelling::Capitals || word.isLetterWord || !HasVowel(letters)) return true;
    if (word.spelling == Spelling::Common && letters.size() <= LONGEST_INITIALISM &&
        !BeginsAsADutchWord(letters))
        return true;
    // Chemical and unit symbols: "Fe", "Hz".
    if (word.spelling == Spelling::ProperName && letters.size() == 2) return true;
    const bool knownAsWord = word.spelling == Spelling::Common && word.zipf >= KNOWN_WORD_ZIPF;
    return IsRomanNumeral(letters) && !knownAsWord;
}

int CommonWordScore(const WordEvidence& word) {
    if (!word.frequenciesKnown) return word.isStem ? STEM_SCORE : COMMON_WORD_SCORE;
    const int score = std::max(word.zipf > 0 ? FrequencyScore(word.zipf) : 0,
                               word.isCompound ? COMPOUND_SCORE : 0);
    if (score > 0) return score;
    return word.isStem ? RARE_STEM_SCORE : RARE_FORM_SCORE;
}

}  // namespace

Spelling SpellingOf(std::string_view latin1Word) {
    int letters = 0;
    bool anySmall = false;
    bool firstIsCapital = false;
    bool laterCapital = false;
    char previous = '\0';
    for (const char ch : latin1Word) {
        const auto c = static_cast<unsigned char>(ch);
        if (!IsSmallLetter(c) && !IsCapital(c)) continue;
        if (letters == 0) firstIsCapital = IsCapital(c);
        const bool capitalJOfIJ = letters == 1 && previous == 'I' && ch == 'J';
        laterCapital = laterCapital || (letters > 0 && IsCapital(c) && !capitalJOfIJ);
        anySmall = anySmall || IsSmallLetter(c);
        previous = ch;
        ++letters;
    }
    if (letters >= 2 && (!anySmall || laterCapital)) return Spelling::Capitals;
    return firstIsCapital ? Spelling::ProperName : Spelling::Common;
}

bool IsRomanNumeral(std::string_view letters) {
    if (letters.size() < 2) return false;
    const int value = RomanValue(letters);
    return value > 0 && value < 4000 && RomanNumeral(value) == letters;
}

int FrequencyScore(int zipf) { return std::clamp(45 + (zipf - 100) / 10, 45, 100); }

bool IsCompoundOfKnownWords(std::string_view letters,
                            const std::function<bool(std::string_view)>& isWellKnown) {
    if (letters.size() < SHORTEST_COMPOUND) return false;
    for (std::size_t split = SHORTEST_PART; split + SHORTEST_PART <= letters.size(); ++split) {
        const std::string_view head = letters.substr(0, split);
        const std::string_view tail = letters.substr(split);
        if (IsEnding(tail) || !isWellKnown(tail)) continue;
        if (isWellKnown(head)) return true;
        const bool linkingS = head.back() == 'S' && head.size() > SHORTEST_PART;
        if (linkingS && isWellKnown(head.substr(0, head.size() - 1))) return true;
    }
    return false;
}

int DefaultScore(const WordEvidence& word, std::string_view letters) {
    if (word.isOffensive) return OFFENSIVE_SCORE;
    if (IsAbbreviation(word, letters)) return ABBREVIATION_SCORE;
    if (word.spelling == Spelling::ProperName)
        return word.zipf >= WELL_KNOWN_ZIPF ? KNOWN_PROPER_NAME_SCORE : PROPER_NAME_SCORE;
    return CommonWordScore(word);
}
