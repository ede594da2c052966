#pragma once
// The default scoring rule for a converted dictionary: how a word is written in
// the dictionary says how likely a constructor is to accept it. Abbreviations
// (written in capitals, or without a vowel) score low, proper names (a capital
// first letter) lower than common words, and a common word that a spelling
// dictionary lists as a stem higher than a form made by inflection.

#include <string_view>

constexpr int ABBREVIATION_SCORE = 10;
constexpr int PROPER_NAME_SCORE = 30;
constexpr int COMMON_WORD_SCORE = 50;
constexpr int STEM_SCORE = 70;

enum class Spelling { Common, ProperName, Capitals };

// How the dictionary writes the word (Latin-1): Capitals when it has two letters or
// more and none of them is small, ProperName when its first letter is a capital.
Spelling SpellingOf(std::string_view latin1Word);

// The score of a word written so in the dictionary; `letters` is the word as the list
// holds it (capitals A to Z, Y for IJ) and `isStem` whether the spelling dictionary
// lists it as a stem.
int DefaultScore(Spelling spelling, std::string_view letters, bool isStem);
