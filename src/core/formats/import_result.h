#pragma once
// What an import tells its caller. A refused file leaves the document exactly
// as it was; after a successful import the desktop resets its undo histories
// and search results, which live outside the document.

#include <string>
#include <string_view>

#include "model/user_message.h"

class Rooster2Doc;
class Puzzle;

struct ImportResult {
    bool imported = false;  // the document now holds what the file describes
    UserMessage message;    // why it was refused, or a remark after importing; empty for none
};

using ImportReader = ImportResult (*)(Rooster2Doc& doc, std::string_view bytes);

// Reads the file at path and hands its bytes to reader; "Bestand is er niet" when
// the file cannot be read, a refusal when it is larger than any document.
ImportResult ImportFromFile(Rooster2Doc& doc, const std::string& path, ImportReader reader);

// The imported puzzle becomes the document's; the user goes on filling it:
// filling phase, document modified.
void FinishGridImport(Rooster2Doc& doc, Puzzle puzzle);
