#pragma once
// "Open *.&ipuz...": a crossword in the open JSON format ipuz, as this program and
// others write it. Blocks are "#" or the file's own "block" value, omitted cells
// (null) become cells outside the shape, clues may be [number, text] pairs or clue
// objects; of the styles only "barred" counts: a bar makes a Balkjes puzzle. The solution gives the
// letters: "IJ" becomes an IJ cell, another answer of more letters keeps its first letter. Texts
// are converted from UTF-8 to ISO-8859-1; typographic quotes and dashes become their plain forms,
// any other character outside the code page a question mark.

#include <string>
#include <string_view>

#include "formats/import_result.h"

class Rooster2Doc;

// Replaces the document by the file's puzzle; see ImportResult. Damaged or hostile
// input (not JSON, nested too deep, sizes above 100 x 100, wrong types) is refused
// with "Ipuz-bestand incorrect: ..." and leaves the document as it was. The remark
// after importing tells how many cells were simplified and which clues are doubtful.
ImportResult ImportIpuz(Rooster2Doc& doc, std::string_view bytes);

ImportResult ImportIpuzFile(Rooster2Doc& doc, const std::string& path);
