#pragma once
// "&Leeg html..." and "&Gevuld html...": the puzzle as a web page with an
// embedded style sheet. The CSS class names and the one-cell-per-line markup
// are what the HTML import reads back.

#include <cstdint>
#include <optional>
#include <string>

#include "model/cells.h"
#include "model/user_message.h"

class Puzzle;

// The whole page, CR LF line ends. filled: letters in the grid; lowercase: the
// view's "Toon in kleine letters"; versionText: the generator named in the page.
std::string WriteHtml(const Puzzle& puzzle, bool filled, bool lowercase,
                      const std::string& versionText);

// The declarations of one word-cell class; right and bottom (0 or 1) thicken those borders.
std::string WriteHtmlCellStyle(const Puzzle& puzzle, int right, int bottom, bool centered);

// The title of the page, and of every other published form of the puzzle: the title
// text, "Rooster2" when it is empty.
std::string PublishedTitle(const Puzzle& puzzle);

// The text with &, <, > and (where it could end an attribute) " as character
// references, line ends as CR LF.
std::string EscapeHtml(const std::string& text, bool escapeQuotes = true);

// 0x00BBGGRR as the number 0xRRGGBB that CSS expects.
std::uint32_t ColourToHtml(ColourRef colour);

// "zwart.gif" or "grijs.gif", by the puzzle's choice for black cells.
std::string HtmlImageName(const Puzzle& puzzle);

// Why the page cannot show the puzzle (its cells are black or white images, so only
// the Kruiswoord form fits); nothing when it can.
std::optional<UserMessage> HtmlExportRefusal(const Puzzle& puzzle);

// The whole command after its dialog (a refused puzzle writes nothing): writes the page
// and, beside it, the black-cell image from the program's folder (a whole image already
// there is kept, a damaged one replaced). Both are written or neither: false with the
// message when either could not be written; message carries the missing-image remark
// when the page was written without it.
bool ExportHtml(const Puzzle& puzzle, const std::string& pagePath, bool filled, bool lowercase,
                const std::string& versionText, const std::string& programFolder,
                UserMessage& message);
