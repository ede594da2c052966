#pragma once
// The default scoring rule for a converted dictionary: how likely a constructor is
// to accept a word, from how the dictionary writes it, what a spelling dictionary
// says of it and how often it is used. A score of 50 or more means a word an
// ordinary solver knows; below 50 lie the words a constructor would rather avoid,
// still in the list for whoever asks for them.

#include <functional>
#include <string_view>

constexpr int OFFENSIVE_SCORE = 0;
constexpr int ABBREVIATION_SCORE = 10;  // also codes, Roman numerals, symbols
constexpr int PROPER_NAME_SCORE = 20;
constexpr int KNOWN_PROPER_NAME_SCORE = 30;
constexpr int RARE_FORM_SCORE = 30;
constexpr int RARE_STEM_SCORE = 40;
constexpr int COMPOUND_SCORE = 55;
// Without a frequency list the rule can only tell stems from other forms.
constexpr int COMMON_WORD_SCORE = 50;
constexpr int STEM_SCORE = 70;

// Frequencies are Zipf values (the base-10 logarithm of the occurrences per billion
// words) in hundredths: 100 is once in 100 million words, 400 once in 100,000.
constexpr int WELL_KNOWN_ZIPF = 400;

enum class Spelling { Common, ProperName, Capitals };

// What the sources say about one word.
struct WordEvidence {
    Spelling spelling = Spelling::Common;
    bool isStem = false;        // the spelling dictionary lists it as a stem
    bool isLetterWord = false;  // ... as a letter word (an initialism such as "apk")
    bool isOffensive = false;
    bool frequenciesKnown = false;  // a frequency list was given
    int zipf = 0;                   // its frequency; 0 when the list does not have it
    bool isCompound = false;        // two well-known words joined (IsCompoundOfKnownWords)
};

// How the dictionary writes the word (Latin-1): Capitals when it has two letters or
// more and none of them is small, or a capital after the first letter ("AOb",
// "pH"; a leading IJ counts as one letter); ProperName when only its first letter
// is a capital.
Spelling SpellingOf(std::string_view latin1Word);

// A Roman numeral of two letters or more in its usual form (MMLI, MMMCVII, XL).
bool IsRomanNumeral(std::string_view letters);

// 45 for the rarest listed forms, ten more per Zipf unit, 100 from Zipf 6.5 up.
int FrequencyScore(int zipf);

// Whether the word (capitals, seven letters or more) is two words that isWellKnown
// accepts, each of three letters or more, possibly joined by an S; a second part
// that is an ending of inflection or derivation ("den", "ster") does not count.
bool IsCompoundOfKnownWords(std::string_view letters,
                            const std::function<bool(std::string_view)>& isWellKnown);

// The score of a word; `letters` is the word as the list holds it (capitals A to Z,
// Y for IJ).
int DefaultScore(const WordEvidence& word, std::string_view letters);
