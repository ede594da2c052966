#pragma once
// The Dutch word list set that comes with the program, for a first search.

#include <QString>

// A file of the set next to the program (build tree: <build>/wordlists, installed:
// <prefix>/share/rooster2/wordlists), or an empty string when there is none.
QString DefaultWordListFile();
