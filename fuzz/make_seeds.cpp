// fuzz_seeds DIR: writes starting inputs for each fuzz target into DIR/<target>/.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "formats/clue_files.h"
#include "formats/letter_values.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"

namespace {

void WriteSeed(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

void SetRows(CRooster2Doc& doc, std::initializer_list<const char*> rows) {
    doc.m_height = static_cast<int>(rows.size());
    doc.m_width = static_cast<int>(std::string(*rows.begin()).size());
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < doc.m_width; ++x)
            doc.SetCell(x, y, row[x] == '#' ? CELL_ZWART : static_cast<Cell>(row[x]));
        ++y;
    }
    doc.BuildWords();
}

void WriteRtrSeeds(const std::filesystem::path& folder) {
    CRooster2Doc empty;
    empty.BuildWords();
    WriteSeed(folder, "new15.rtr", WriteRtr(empty));

    CRooster2Doc filled;
    SetRows(filled, {"DENHAAG", " # # # ", "yS EL  "});
    filled.m_words[0].clue = "Hofstad";
    filled.m_words[0].partCount = 2;
    filled.m_words[0].partLengths[0] = 3;
    filled.m_words[0].partLengths[1] = 4;
    filled.m_htmlTitle = "Titel";
    filled.m_comment = "Opmerking";
    filled.m_extraFiles = {"extra02.doc"};
    filled.m_words[1].extraList = 1;
    filled.m_numberPartWords = true;
    filled.Renumber();
    WriteSeed(folder, "filled.rtr", WriteRtr(filled));

    CRooster2Doc doorloper;
    doorloper.m_doorloper = true;
    SetRows(doorloper, {"ABC", "D#E", "FGH"});
    WriteSeed(folder, "doorloper.rtr", WriteRtr(doorloper));
}

void WriteClueTextSeeds(const std::filesystem::path& folder) {
    CRooster2Doc doc;
    SetRows(doc, {"KAT", "A#.", "SOP"});
    doc.m_words[0].clue = "Huisdier";
    doc.m_words[2].partCount = 2;
    doc.m_words[2].partLengths[0] = 1;
    doc.m_words[2].partLengths[1] = 2;
    doc.m_words[2].extraList = 1;
    doc.m_wordFile = "woorden02.doc";
    doc.m_extraFiles = {"extra02.doc"};
    WriteSeed(folder, "cluefile.txt", WriteClueFile(doc));
    WriteSeed(folder, "typed.txt", "VERTICAAL\n2. Omlaag (1,2) *3\rhorizontaal\n3. Soep (3)");
}

void WriteLetterValueSeeds(const std::filesystem::path& folder) {
    LetterValues values{};
    for (int i = 0; i < 26; ++i) values[i] = i + 1;
    WriteSeed(folder, "defaults.txt", FormatLetterValues(values));
    WriteSeed(folder, "typed.txt", "a=5 b 7,c = 2.9 d=-1e3 e=.5");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "gebruik: fuzz_seeds MAP\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    WriteRtrSeeds(root / "rtr");
    WriteRtrSeeds(root / "description");
    WriteRtrSeeds(root / "compare");
    WriteClueTextSeeds(root / "cluetext");
    WriteLetterValueSeeds(root / "lettervalues");
    return 0;
}
