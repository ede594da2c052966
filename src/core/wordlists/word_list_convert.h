#pragma once
// Turns a dictionary (one word per line) into a word list file set: capitals A to Z
// only, diacritics removed, the digraph IJ as the one letter Y, one file per length.

#include <array>
#include <string>
#include <string_view>

#include "model/user_message.h"

struct WordListConversion {
    // Index = file length 2..19 (19 holds every longer word too): CR LF lines in
    // dictionary order, each word once; "WORD;SCORE" for a word with a score.
    std::array<std::string, 20> files;
    int wordsKept = 0;
    int duplicates = 0;  // words that came out equal to an earlier one
    int dropped = 0;     // phrases, abbreviations, numbers, symbols
    int tooShort = 0;    // fewer than 2 letters
    int tooLong = 0;     // more letters than a list line can hold
    // With scores:
    bool scored = false;
    int stems = 0;               // stems read from the spelling dictionary
    int frequencies = 0;         // word forms read from the frequency list
    int offensive = 0;           // words read from the list of offensive words
    int ownScoresUsed = 0;       // lines of the scores text whose word is in the set
    int ownScoresUnused = 0;     // ... whose word is not
    int ownScoresMalformed = 0;  // ... without a word or a valid score
};

// Where the scores come from; with none of them the lists hold plain words.
struct ConversionScoring {
    // The default rule (dictionary_scores.h) for every word.
    bool defaultRule = false;
    // A Hunspell dictionary ("stem/FLAGS" lines, UTF-8 or Latin-1) whose stems
    // score higher under the default rule; entries flagged as forbidden (Fw) are no
    // stems, entries flagged as letter words (Cl) abbreviations unless written in
    // capitals.
    // Empty: every common word scores as a form.
    std::string stemsText;
    // "word zipf" lines (zipf with up to two decimals, "huis 5.72"): how often the
    // word forms are used. Empty: the rule scores common words without it.
    std::string frequenciesText;
    // Offensive words, one per line, written as in the dictionary: they score 0.
    std::string offensiveText;
    // "word;score" lines, written as in the dictionary, that win over the rule.
    std::string scoresText;
};

// Converts dictionary text: UTF-8 when the whole text is valid UTF-8, else Latin-1 as
// Windows writes it. Per line: white space around it is ignored; letters are
// upper-cased and lose their diacritics (Æ, ß and Þ become two letters); hyphens and
// apostrophes are left out ("auto's" -> AUTOS); a line with anything else (a space
// inside, a digit, a full stop, any other sign) is dropped. With ijToY the letters I
// and J next to each other become Y. A word that comes out twice keeps its first
// place and the higher score.
WordListConversion ConvertDictionaryText(std::string_view text, bool ijToY,
                                         const ConversionScoring& scoring = {});

// The files the scores come from; empty names are not used.
struct ScoringFiles {
    bool defaultRule = false;
    std::string stemsPath;
    std::string scoresPath;
    std::string frequenciesPath;
    std::string offensivePath;
};

// Converts the dictionary file and writes base + "02.doc" .. base + "19.doc", all of
// them or none. False with the message when the dictionary or a scoring file cannot
// be read, the dictionary yields no word, or a list cannot be written.
bool WriteWordListSet(const std::string& dictionaryPath, const std::string& base, bool ijToY,
                      WordListConversion& conversion, UserMessage& message,
                      const ScoringFiles& scoring = {});

// "%d woorden in %s t/m %s (...)": what a conversion gave; with scores a second
// line says where they came from.
std::string ConversionSummary(const WordListConversion& conversion, const std::string& base);
