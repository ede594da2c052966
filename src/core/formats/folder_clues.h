#pragma once
// "Alle omschrijvingen": for every puzzle file in a folder and its sub-folders, the
// file's size, kind and date and all its words with their clues, read straight from
// the file without opening it as the document.

#include <string>
#include <string_view>

#include "model/cells.h"

// A file's last-write time in local time.
struct FileDate {
    int day = 1;
    int month = 1;
    int year = 1970;
    int hour = 0;
    int minute = 0;
};

// "%2d-%2d-%4d %2d:%02d": day, month, year, hour, minute.
std::string FormatFileDate(const FileDate& date);
// The platform's last-write time of the file; false when it cannot be read.
bool ReadFileDate(const std::string& path, FileDate& date);

// How many word records a puzzle file with these cells and numbering flags holds: as
// many as the rebuild of its words makes.
int CountWordRecords(const Cell* cells, int width, int height, bool doorloper, bool acrossOnly);

// The description of one puzzle file's bytes: a heading with the path, size, "drl" or
// "krw" and the date, then "letters = clue" per word. Nothing for a file that is no
// puzzle; a damaged file is described up to the first record it cannot hold.
std::string DescribePuzzle(const std::string& path, std::string_view bytes, const FileDate& date);
// The same for the file at path, appended to out; nothing when it cannot be read.
void DescribePuzzleFile(const std::string& path, std::string& out);

// The listing of folder (and, depth-first after its files, of each sub-folder whose name
// does not begin with "."), appended to out. Entries are taken in name order.
void ListFolder(const std::string& folder, std::string& out);
