#pragma once
// "&Leeg html..." and "&Gevuld html...": the puzzle as a web page with an
// embedded style sheet. The CSS class names and the one-cell-per-line markup
// are what the HTML import reads back.

#include <cstdint>
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

// 0x00BBGGRR as the number 0xRRGGBB that CSS expects.
std::uint32_t ColorToHtml(ColorRef colour);

// "zwart.gif" or "grijs.gif", by the puzzle's choice for black cells.
std::string HtmlImageName(const Puzzle& puzzle);

// Copies the black-cell image from the program's folder next to the page; an image
// already there is kept. Returns a message when the program folder lacks the image.
UserMessage CopyHtmlImage(const Puzzle& puzzle, const std::string& programFolder,
                          const std::string& pagePath);

// The whole command after its dialog: writes the page and copies the image. False
// when the page could not be written (nothing written then); message carries the
// missing-image remark even when the page was written.
bool ExportHtml(const Puzzle& puzzle, const std::string& pagePath, bool filled, bool lowercase,
                const std::string& versionText, const std::string& programFolder,
                UserMessage& message);
