#pragma once
// "&Bewerk woord..." without the dialog: what the word data dialog opens with
// for the current word, and what its OK does to the document.

#include <string>
#include <vector>

#include "model/user_message.h"
#include "model/word_info.h"

class Rooster2Doc;

// The dialog's fields for a word.
struct WordDataFields {
    std::string title;  // "H12 met lengte 5"
    std::string value;  // the letters, '.' for a free cell
    std::string clue;   // the clue with its length pattern and list marker
    int maxCandidates = 0;
    std::string excludedLetters;
    int listNumber = 0;
};

// What the dialog shows for word i (a valid index).
WordDataFields OpenWordData(const Rooster2Doc& doc, int i);

// OK for word i: the value (dots are free cells, a Y the IJ), the clue with its
// part split taken from a length annotation at its end, the list number and the
// maximum candidate count are stored and the words renumbered (not for a
// "Doorloper"), all one step of the filling history.
// Returns the messages to show ("Oei"): parts that do not add up to the length
// (stored all the same) and letters that conflict with crossing words.
std::vector<UserMessage> ApplyWordData(Rooster2Doc& doc, int i, const WordDataFields& fields);
