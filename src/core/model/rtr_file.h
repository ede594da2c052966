#pragma once
// The puzzle file (.rtr): a little-endian binary layout without version or
// counts; the reader rebuilds the words from the stored grid and reads one
// record per word. Shorter files of earlier releases load with defaults.

#include <string>
#include <string_view>

#include "model/user_message.h"

class Rooster2Doc;

enum class RtrStatus {
    Loaded,   // the document holds the file
    NotRtr,   // wrong signature: "Geen valide rtr-bestand", the document is exactly as it was
    Refused,  // damaged or unreadable: the document is exactly as it was
};

struct RtrReadResult {
    RtrStatus status = RtrStatus::Loaded;
    UserMessage message;  // empty text when loaded without remarks
};

// The bytes of the puzzle file for the document as it is now.
std::string WriteRtr(const Rooster2Doc& doc);

// Reads a puzzle file's bytes into the document; see RtrStatus for what happens to it.
RtrReadResult ReadRtr(Rooster2Doc& doc, std::string_view bytes);

// Opens a file: reads it and, when loaded, stores the path and clears the modified flag.
// A file that is not loaded leaves the open puzzle, its name and its modified flag alone.
RtrReadResult OpenRtrFile(Rooster2Doc& doc, const std::string& path);

// Saves to path (only in the shaping and filling phases). Returns false with a message
// when nothing was saved; an existing file is then untouched.
bool SaveRtrFile(Rooster2Doc& doc, const std::string& path, UserMessage& message);
