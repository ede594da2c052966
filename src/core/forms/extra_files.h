#pragma once
// "Extra zoekbestanden" without the dialog: the rows it lists, adding a file and
// removing the selected ones. Changes go straight into the document's list and mark
// it modified (the file keeps the list); words keep their list numbers, so after a
// removal they name the file that moved up to it.

#include <string>
#include <vector>

#include "model/user_message.h"

class Rooster2Doc;

struct ExtraFileRow {
    std::string number;  // "#": 1-based
    std::string path;    // "Bestand"
};
std::vector<ExtraFileRow> ExtraFileRows(const Rooster2Doc& doc);

void AddExtraFile(Rooster2Doc& doc, const std::string& path);

// The hint for "Wis selectie" without a selected row.
UserMessage NoExtraFileSelectedMessage();

// Removes the extra files with these 1-based numbers (as read from the "#"
// column of the selected rows); numbers that name no file are passed over.
void RemoveExtraFiles(Rooster2Doc& doc, const std::vector<int>& numbers);
