#include "formats/html_export.h"

#include "model/clue_text.h"
#include "model/part_boundaries.h"
#include "model/rooster2_doc.h"
#include "util/file_io.h"
#include "util/latin1.h"
#include "util/line_ends.h"
#include "util/native_path.h"
#include "util/str_format.h"

namespace {

const char* const DEFAULT_TITLE = "Rooster2";
// The images are a few hundred bytes; anything near this is no image of ours.
constexpr std::size_t IMAGE_FILE_LIMIT = std::size_t{1} << 20;

// An image beside the page may have been chosen by the user and is kept, unless it is
// damaged (empty or cut short, as a full disk leaves a copy): a whole GIF starts with
// its signature and ends with its trailer byte.
bool IsWholeGif(const std::string& path) {
    std::string bytes;
    if (ReadFileUpTo(path, IMAGE_FILE_LIMIT, bytes) != ReadStatus::Read) return false;
    return (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) && bytes.back() == ';';
}

}  // namespace

// Clue texts and titles come from anyone (imported .puz files): they must not
// be able to open tags in the page.
std::string EscapeHtml(const std::string& text, bool escapeQuotes) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += escapeQuotes ? "&quot;" : "\"";
                break;
            default:
                escaped += c;
                break;
        }
    }
    return WithCrLf(escaped);
}

std::string PublishedTitle(const Puzzle& puzzle) {
    return puzzle.html.title.empty() ? DEFAULT_TITLE : puzzle.html.title;
}

namespace {

std::string PageTitle(const Puzzle& puzzle) { return EscapeHtml(PublishedTitle(puzzle)); }

int BorderWidth(const Puzzle& puzzle) { return puzzle.appearance.lineWidth + 1; }

const char* ImageBaseName(const Puzzle& puzzle) {
    return puzzle.html.blackGrey ? "grijs" : "zwart";
}

std::string SizeAndBackground(const Puzzle& puzzle, ColourRef background) {
    return StrFormat("  width: %d;\r\n", puzzle.appearance.cellSize) +
           StrFormat("  height: %d;\r\n", puzzle.appearance.cellSize) +
           StrFormat("  background: #%06x;\r\n", ColourToHtml(background));
}

std::string WordCellClass(const std::string& name, const Puzzle& puzzle, int right, int bottom,
                          bool centered) {
    return name + " {\r\n" + WriteHtmlCellStyle(puzzle, right, bottom, centered) + "}\r\n";
}

std::string StyleSheet(const Puzzle& puzzle, bool filled) {
    std::string css = "<style type=\"text/css\">\r\n";
    css += ".rtrni {\r\n" + SizeAndBackground(puzzle, puzzle.appearance.colours.niet) + "}\r\n";
    css += WordCellClass(".rtrwi ", puzzle, 0, 0, filled);
    css += ".rtrzw {\r\n" + StrFormat("  border:    #000000 %dpx solid;\r\n", BorderWidth(puzzle)) +
           SizeAndBackground(puzzle, puzzle.appearance.colours.zwart) + "}\r\n";
    css += WordCellClass(".rtrwirechts", puzzle, 1, 0, filled);
    css += WordCellClass(".rtrwionder", puzzle, 0, 1, filled);
    css += WordCellClass(".rtrwirechtsonder", puzzle, 1, 1, filled);
    css += "table.rtr {\r\n  border-collapse: collapse;\r\n  table-layout: fixed;\r\n}\r\n";
    css += "hr.rtr {\r\n  text-align: left;\r\n  width: 70%;\r\n}\r\n";
    css += "sup {\r\n" + StrFormat("  font-size: %dpx;\r\n", puzzle.appearance.cellSize / 3 + 2) +
           "}\r\n";
    css += "</style>\r\n";
    return css;
}

const char* WordCellClassName(const Puzzle& puzzle, int x, int y) {
    if (!puzzle.appearance.partDashes) return "rtrwi";
    switch (GetPartBoundaryFlags(puzzle, x, y)) {
        case PART_END_ACROSS | PART_END_DOWN:
            return "rtrwirechtsonder";
        case PART_END_ACROSS:
            return "rtrwirechts";
        case PART_END_DOWN:
            return "rtrwionder";
        default:
            return "rtrwi";
    }
}

std::string CellLetter(Cell code, bool lowercase) {
    if (code == CELL_IJ) return lowercase ? "ij" : "IJ";
    return std::string(1, static_cast<char>(lowercase ? Latin1ToLower(code) : code));
}

std::string WordCell(const Puzzle& puzzle, int x, int y, bool filled, bool lowercase) {
    const char* className = WordCellClassName(puzzle, x, y);
    std::string cell;
    if (puzzle.CellNumber(x, y) >= 1)
        cell = StrFormat("    <td class=%s><sup><sup>%d</sup></sup>", className,
                         puzzle.CellNumber(x, y));
    else if (puzzle.appearance.showNumbers)
        cell = StrFormat("    <td class=%s><sup><sup>&nbsp;</sup></sup>", className);
    else
        cell = StrFormat("    <td class=%s>", className);
    const Cell code = puzzle.GetCell(x, y);
    if (filled && code > CELL_VRIJ) cell += CellLetter(code, lowercase);
    return cell + "</td>\r\n";
}

std::string GridCell(const Puzzle& puzzle, int x, int y, bool filled, bool lowercase) {
    switch (puzzle.GetCell(x, y)) {
        case CELL_ZWART:
            return StrFormat("    <td class=rtrzw><img src=\"%s.gif\" width=%d height=%d></td>\r\n",
                             ImageBaseName(puzzle), puzzle.appearance.cellSize,
                             puzzle.appearance.cellSize);
        case CELL_NIET:
            return "    <td class=rtrni></td>\r\n";
        default:
            return WordCell(puzzle, x, y, filled, lowercase);
    }
}

std::string GridTable(const Puzzle& puzzle, bool filled, bool lowercase) {
    std::string table =
        "<table class=rtr cellspacing=0 cellpadding=0 border=0>\r\n"
        "<tbody valign=top>\r\n";
    for (int y = 0; y < puzzle.height; ++y) {
        table += "  <tr>\r\n";
        for (int x = 0; x < puzzle.width; ++x) table += GridCell(puzzle, x, y, filled, lowercase);
        table += "  </tr>\r\n";
    }
    return table + "</tbody>\r\n</table>\r\n\r\n";
}

std::string ClueLines(const Puzzle& puzzle, bool across) {
    std::string lines;
    for (const WordInfo& word : puzzle.words) {
        if ((word.dx != 0) == across) lines += EscapeHtml(FormatNumberedClue(word)) + "<br>\r\n";
    }
    return lines;
}

std::string ClueLists(const Puzzle& puzzle) {
    const bool withDown = !puzzle.numbering.acrossOnly;
    const bool sideBySide = withDown && puzzle.html.cluesSideBySide;
    std::string lists;
    if (sideBySide)
        lists +=
            "<p><table cellspacing=0 cellpadding=10 border=0>\r\n"
            "<tbody valign=top>\r\n  <tr>\r\n    <td width=\"50%\">";
    lists += "<p><b>Horizontaal</b><br><br>\r\n" + ClueLines(puzzle, true);
    if (sideBySide) lists += "    </td><td width=\"50%\">\r\n";
    if (withDown) lists += "<p><b>Verticaal</b><br><br>\r\n" + ClueLines(puzzle, false);
    if (sideBySide) lists += "    </td>\r\n  </tr>\r\n</tbody>\r\n</table>\r\n";
    return lists;
}

// Walks the part ends of a word from its first cell; true when `along` (the
// cell's column or row) ends a part other than the last.
}  // namespace

std::uint32_t ColourToHtml(ColourRef colour) {
    return static_cast<std::uint32_t>(RedOf(colour) << 16 | GreenOf(colour) << 8 | BlueOf(colour));
}

std::string WriteHtmlCellStyle(const Puzzle& puzzle, int right, int bottom, bool centered) {
    const int border = BorderWidth(puzzle);
    return StrFormat("  border-top:    #000000 %dpx solid;\r\n", border) +
           StrFormat("  border-left:   #000000 %dpx solid;\r\n", border) +
           StrFormat("  border-bottom: #000000 %dpx solid;\r\n", border + bottom) +
           StrFormat("  border-right:  #000000 %dpx solid;\r\n", border + right) +
           SizeAndBackground(puzzle, puzzle.appearance.colours.vrij) +
           StrFormat("  font-size: %dpx;\r\n", puzzle.appearance.cellSize * 2 / 3) +
           "  vertical-align: text-top;\r\n" +
           StrFormat("  text-align: %s;\r\n", centered ? "center" : "left");
}

std::string WriteHtml(const Puzzle& puzzle, bool filled, bool lowercase,
                      const std::string& versionText) {
    std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 TRANSITIONAL//EN\">\r\n"
        "<html lang=\"nl\">\r\n"
        "<head>\r\n";
    page += "<title>" + PageTitle(puzzle) + "</title>\r\n";
    page += "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">\r\n";
    page += "<meta name=\"generator\" content=\"" + EscapeHtml(versionText) + "\">\r\n";
    page += StyleSheet(puzzle, filled);
    page += "</head>\r\n<body>\r\n";
    page += "<h2>" + PageTitle(puzzle) + "</h2>\r\n";
    page += GridTable(puzzle, filled, lowercase);
    page += ClueLists(puzzle);
    page += "</body>\r\n</html>\r\n";
    return page;
}

std::string HtmlImageName(const Puzzle& puzzle) {
    return std::string(ImageBaseName(puzzle)) + ".gif";
}

namespace {

// Adds the black-cell image beside the page to the files written with it; a whole image
// already there is kept. False with the message when it cannot be written; true with a
// remark in message when the program folder lacks the image.
bool AddHtmlImage(const Puzzle& puzzle, const std::string& programFolder,
                  const std::string& pageFolder, FileSetWriter& writer, UserMessage& message) {
    const std::string name = HtmlImageName(puzzle);
    const std::string source = PathText(NativePath(programFolder) / name);
    std::string image;
    if (ReadFileUpTo(source, IMAGE_FILE_LIMIT, image) != ReadStatus::Read) {
        message = {StrFormat("Bestand %s\nniet in map van programma", source.c_str()), "Jammer"};
        return true;
    }
    const std::string target = pageFolder + name;
    if (IsWholeGif(target)) return true;
    const WriteResult written = writer.Add(target, image);
    if (!written) message = {WriteFailureText(target, written.status), "Jammer"};
    return static_cast<bool>(written);
}

}  // namespace

std::optional<UserMessage> HtmlExportRefusal(const Puzzle& puzzle) {
    if (puzzle.form == PuzzleForm::Kruiswoord) return std::nullopt;
    return UserMessage{StrFormat("Een puzzel van de vorm %s kan niet als webpagina worden "
                                 "opgeslagen",
                                 PuzzleFormName(puzzle.form)),
                       "Jammer"};
}

bool ExportHtml(const Puzzle& puzzle, const std::string& pagePath, bool filled, bool lowercase,
                const std::string& versionText, const std::string& programFolder,
                UserMessage& message) {
    if (const std::optional<UserMessage> refusal = HtmlExportRefusal(puzzle)) {
        message = *refusal;
        return false;
    }
    // The image goes where the page really lands (through links); a page written into a
    // device or pipe has no folder to put it in.
    const std::string pageTarget = WrittenPathOf(pagePath);
    FileSetWriter writer;
    WriteResult written = writer.Add(pagePath, WriteHtml(puzzle, filled, lowercase, versionText));
    if (written && !pageTarget.empty() &&
        !AddHtmlImage(puzzle, programFolder, FolderOf(pageTarget), writer, message))
        return false;
    if (written) written = writer.Commit();
    if (!written) message = {WriteFailureText(pagePath, written.status), "Jammer"};
    return static_cast<bool>(written);
}
