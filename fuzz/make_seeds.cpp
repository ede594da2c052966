// fuzz_seeds DIR: writes starting inputs for each fuzz target into DIR/<target>/.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "formats/clue_files.h"
#include "formats/html_export.h"
#include "formats/ipuz_export.h"
#include "formats/letter_values.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "util/byte_writer.h"

namespace {

void WriteSeed(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

void SetRows(Rooster2Doc& doc, std::initializer_list<const char*> rows) {
    doc.puzzle().height = static_cast<int>(rows.size());
    doc.puzzle().width = static_cast<int>(std::string(*rows.begin()).size());
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < doc.puzzle().width; ++x)
            doc.puzzle().SetCell(x, y, row[x] == '#' ? CELL_ZWART : static_cast<Cell>(row[x]));
        ++y;
    }
    doc.puzzle().BuildWords();
}

Rooster2Doc FilledPuzzle() {
    Rooster2Doc filled;
    SetRows(filled, {"DENHAAG", " # # # ", "yS EL  "});
    filled.puzzle().words[0].clue = "Hofstad";
    filled.puzzle().words[0].partCount = 2;
    filled.puzzle().words[0].partLengths[0] = 3;
    filled.puzzle().words[0].partLengths[1] = 4;
    filled.puzzle().html.title = "Titel";
    filled.puzzle().comment = "Opmerking";
    filled.puzzle().extraFiles = {"extra02.doc"};
    filled.puzzle().words[1].extraList = 1;
    filled.puzzle().numbering.numberPartWords = true;
    filled.puzzle().Renumber();
    return filled;
}

void WriteHtmlSeeds(const std::filesystem::path& folder) {
    Rooster2Doc doc = FilledPuzzle();
    WriteSeed(folder, "empty.html", WriteHtml(doc.puzzle(), false, false, "seed"));
    doc.puzzle().html.cluesSideBySide = true;
    WriteSeed(folder, "filled.html", WriteHtml(doc.puzzle(), true, true, "seed"));
}

// What this program writes, and the forms other programs use: clue objects, styled
// cells, a block value of their own, rebus answers.
void WriteIpuzSeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "filled.ipuz", WriteIpuz(FilledPuzzle().puzzle()));
    WriteSeed(folder, "other.ipuz", R"json({"version": "http://ipuz.org/v2",
"kind": ["http://ipuz.org/crossword#1"], "title": "T<i>i</i>&amp;", "notes": "a<br>b",
"dimensions": {"width": 3, "height": 2}, "block": "@", "empty": "0",
"puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, "2", "@"], [3, "0", null]],
"solution": [["TH", "I", "@"], [{"value": "ij"}, "\u03c9", null]],
"clues": {"Across": [[1, "\u201cA\u201d (2)"], {"number": 3, "clue": "B", "enumeration": "2"}],
"Down:Omlaag": [{"number": "1", "clue": "C"}, [2, "D"]]}})json");
}

// A version-1 file: magic, 8 bytes, columns, rows, 4 bytes, then 40 x 40 letters
// and 40 x 40 cell kinds, column-major.
void WriteRosSeeds(const std::filesystem::path& folder) {
    constexpr int side = 40;
    std::string letters(side * side, ' ');
    std::string kinds(side * side, '\x01');
    letters[0] = 'A';
    kinds[side + 1] = 0;
    kinds[2 * side] = 2;
    ByteWriter out;
    out.WriteU32(12091998);
    out.WriteBytes(std::string(8, 'x'));
    out.WriteS32(5);
    out.WriteS32(4);
    out.WriteU32(0);
    out.WriteBytes(letters);
    out.WriteBytes(kinds);
    WriteSeed(folder, "small.ros", out.Bytes());
}

void WriteRtrSeeds(const std::filesystem::path& folder) {
    Rooster2Doc empty;
    empty.puzzle().BuildWords();
    WriteSeed(folder, "new15.rtr", WriteRtr(empty));

    WriteSeed(folder, "filled.rtr", WriteRtr(FilledPuzzle()));

    Rooster2Doc doorloper;
    doorloper.puzzle().numbering.doorloper = true;
    SetRows(doorloper, {"ABC", "D#E", "FGH"});
    WriteSeed(folder, "doorloper.rtr", WriteRtr(doorloper));
}

void WriteClueTextSeeds(const std::filesystem::path& folder) {
    Rooster2Doc doc;
    SetRows(doc, {"KAT", "A#.", "SOP"});
    doc.puzzle().words[0].clue = "Huisdier";
    doc.puzzle().words[2].partCount = 2;
    doc.puzzle().words[2].partLengths[0] = 1;
    doc.puzzle().words[2].partLengths[1] = 2;
    doc.puzzle().words[2].extraList = 1;
    doc.puzzle().search.wordFile = "woorden02.doc";
    doc.puzzle().extraFiles = {"extra02.doc"};
    WriteSeed(folder, "cluefile.txt", WriteClueFile(doc.puzzle()));
    WriteSeed(folder, "typed.txt", "VERTICAAL\n2. Omlaag (1,2) *3\rhorizontaal\n3. Soep (3)");
}

void WriteLetterValueSeeds(const std::filesystem::path& folder) {
    LetterValues values{};
    for (int i = 0; i < 26; ++i) values[i] = i + 1;
    WriteSeed(folder, "defaults.txt", FormatLetterValues(values));
    WriteSeed(folder, "typed.txt", "a=5 b 7,c = 2.9 d=-1e3 e=.5");
}

}  // namespace

// A length byte, then list lines as the converter writes them (CR LF), and some
// that only a hand-made list has.
void WriteWordListSeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "four.doc",
              "\x02"
              "KAAS\r\nBOOT\r\nIJSE\r\nYSEL\r\n");
    WriteSeed(folder, "three.doc",
              "\x01"
              "ABC\nDEF  \nGHIJ\nab\n\nXYZ");
    WriteSeed(folder, "long.doc", std::string("\x05") + std::string(150, 'A') + "\nAAAAAAA\n");
}

// Command lines, arguments separated by zero bytes, on files in the current folder.
void WriteCommandLineSeeds(const std::filesystem::path& folder) {
    using namespace std::string_literals;
    WriteSeed(folder, "new.txt",
              "new\0a.rtr\0--size\0"
              "5x4"s);
    WriteSeed(folder, "info.txt", "info\0a.rtr\0--small-letters"s);
    WriteSeed(folder, "export.txt", "export\0html-filled\0a.rtr\0a.html"s);
    WriteSeed(folder, "import.txt", "import\0html\0a.html\0b.rtr"s);
    WriteSeed(folder, "ipuz.txt", "export\0ipuz\0a.rtr\0a.ipuz"s);
    WriteSeed(folder, "fill.txt",
              "fill\0a.rtr\0--words\0lijst02.doc\0--max\0"
              "2"s);
    WriteSeed(folder, "stats.txt", "stats\0a.rtr\0--lengths\0--clues\0--sum"s);
    WriteSeed(folder, "candidates.txt",
              "candidates\0lijst02.doc\0K..S\0--max\0"
              "3"s);
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "gebruik: fuzz_seeds MAP\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    WriteRtrSeeds(root / "rtr");
    WriteHtmlSeeds(root / "html");
    WriteRosSeeds(root / "ros");
    WriteIpuzSeeds(root / "ipuz");
    WriteRtrSeeds(root / "description");
    WriteRtrSeeds(root / "compare");
    WriteClueTextSeeds(root / "cluetext");
    WriteLetterValueSeeds(root / "lettervalues");
    WriteWordListSeeds(root / "wordlist");
    WriteCommandLineSeeds(root / "cli");
    return 0;
}
