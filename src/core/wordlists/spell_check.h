#pragma once
// The spelling check: every filled word of the puzzle looked up in its word list.

#include <optional>
#include <string>

class Puzzle;

// The report: the filled words that are not in their list ("Niet in woordenlijst:"),
// the words that are not completely filled ("Niet (helemaal) ingevuld:"), or "Alle
// woorden correct". None when the word file is shorter than 7 characters. A word whose
// list is missing or whose list number is invalid counts as not in the list.
std::optional<std::string> SpellingCheckReport(const Puzzle& puzzle);

// The message for the first list file the check needs and cannot read ("Bestand %s
// ontbreekt."); empty when every one can be read. The report itself says nothing about
// missing files, so a caller without a user watching the grid asks this first.
std::string FirstMissingSpellingFile(const Puzzle& puzzle);
