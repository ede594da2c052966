#pragma once
// "Webpuzzel (interactief)...": one HTML file that readers solve in a browser, with
// its style sheet and script inside and nothing loaded from elsewhere. The puzzle goes
// into the page as data: the shape, the numbers, the words with their clues in the
// forms of the classic page, and the answers XOR-ed with a key stream so that they
// cannot be read from the source; the page checks what is typed in that same form.

#include <optional>
#include <string>

#include "model/user_message.h"

class Puzzle;

// Why the puzzle cannot be solved on a page (a form other than Kruiswoord, or a letter
// cell without its letter); nothing when it can.
std::optional<UserMessage> WebExportRefusal(const Puzzle& puzzle);

// The whole page, UTF-8, CR LF line ends, for a puzzle without refusal.
std::string WriteWebPage(const Puzzle& puzzle);
