#pragma once
// A message for the user: the desktop shows it in a message box, the command
// line prints the text to standard error.

#include <string>

inline const char* const APP_TITLE = "Rooster2";

struct UserMessage {
    std::string text;
    std::string caption = APP_TITLE;
};

// What the programs say when an allocation fails; the work in hand is dropped,
// the open puzzle stays.
inline UserMessage OutOfMemoryMessage() { return {"Onvoldoende geheugen"}; }
