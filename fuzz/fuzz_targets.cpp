#include "fuzz_targets.h"

#include <cstdlib>

#include "formats/html_import.h"
#include "formats/puz_import.h"
#include "formats/ros_import.h"
#include "formats/clue_files.h"
#include "formats/compare.h"
#include "formats/folder_clues.h"
#include "formats/letter_values.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

void FuzzRtrReader(std::string_view input) {
    CRooster2Doc doc;
    doc.m_htmlTitle = "open";
    doc.BuildWords();
    const std::string before = WriteRtr(doc);
    const RtrReadResult result = ReadRtr(doc, input);
    if (result.status == RtrStatus::Refused) {
        Require(WriteRtr(doc) == before);
        return;
    }
    // What was read must write and read back to the same bytes.
    const std::string written = WriteRtr(doc);
    CRooster2Doc again;
    Require(ReadRtr(again, written).status == RtrStatus::Loaded);
    Require(WriteRtr(again) == written);
}

namespace {

// An import either takes the file or leaves the open puzzle exactly as it was.
void FuzzImport(std::string_view input, ImportReader reader) {
    CRooster2Doc doc;
    doc.m_htmlTitle = "open";
    doc.SetCell(1, 1, CELL_ZWART);
    doc.BuildWords();
    const std::string before = WriteRtr(doc);
    const ImportResult result = reader(doc, input);
    if (!result.imported) {
        Require(WriteRtr(doc) == before);
        return;
    }
    Require(doc.m_width >= 1 && doc.m_width <= MAX_GRID_SIDE);
    Require(doc.m_height >= 1 && doc.m_height <= MAX_GRID_SIDE);
    CRooster2Doc again;
    Require(ReadRtr(again, WriteRtr(doc)).status == RtrStatus::Loaded);
}

}  // namespace

void FuzzPuzImport(std::string_view input) { FuzzImport(input, ImportPuz); }
void FuzzRosImport(std::string_view input) { FuzzImport(input, ImportRos); }
void FuzzHtmlImport(std::string_view input) { FuzzImport(input, ReadHtmlGrid); }

namespace {

// A small filled puzzle with clues, the own side of the clue and comparison targets.
CRooster2Doc FuzzPuzzle() {
    CRooster2Doc doc;
    doc.m_width = 3;
    doc.m_height = 3;
    const char rows[] = "KATA\x01 SOP";
    for (int i = 0; i < 9; ++i) doc.m_cells[i] = static_cast<Cell>(rows[i]);
    doc.BuildWords();
    doc.m_words[0].clue = "Huisdier";
    return doc;
}

}  // namespace

void FuzzClueText(std::string_view input) {
    CRooster2Doc doc = FuzzPuzzle();
    const std::string grid = doc.GridToString();
    const std::size_t words = doc.m_words.size();
    ClueSection section = ClueSection::Across;
    const int changed = ReadClueFile(doc, section, input) + ProcessClueText(doc, section, input);
    // Clues never touch the grid or the words' places, and each line changes at most one word.
    Require(doc.GridToString() == grid && doc.m_words.size() == words);
    Require(changed >= 0 && changed <= static_cast<int>(2 * input.size()));
    for (const WordInfo& word : doc.m_words) Require(word.partCount >= 0 && word.partCount <= 19);
}

void FuzzPuzzleDescription(std::string_view input) {
    const std::string text = DescribePuzzle("x.rtr", input, FileDate{});
    Require(text.empty() || text.starts_with("*** x.rtr ("));
    // A shorter file describes a prefix of what the whole file describes.
    const std::string shorter = DescribePuzzle("x.rtr", input.substr(0, input.size() / 2), {});
    Require(text.compare(0, shorter.size(), shorter) == 0);
}

void FuzzCompare(std::string_view input) {
    CRooster2Doc doc = FuzzPuzzle();
    const std::string before = WriteRtr(doc);
    std::string details;
    const int code = CompareWithBytes(doc, input, details);
    Require(code == COMPARE_DONE || code == COMPARE_NOT_RTR || code == COMPARE_OTHER_SIZE ||
            code == COMPARE_OTHER_SHAPE);
    Require(WriteRtr(doc) == before);
    Require(code == COMPARE_DONE || details.empty());
}

void FuzzLetterValues(std::string_view input) {
    LetterValues values{};
    ParseLetterValues(input, values);
    LetterValues again{};
    ParseLetterValues(FormatLetterValues(values), again);
    Require(again == values);
}

const FuzzTarget* FuzzTargets(std::size_t& count) {
    static const FuzzTarget targets[] = {
        {"rtr", FuzzRtrReader},
        {"puz", FuzzPuzImport},
        {"ros", FuzzRosImport},
        {"html", FuzzHtmlImport},
        {"cluetext", FuzzClueText},
        {"description", FuzzPuzzleDescription},
        {"compare", FuzzCompare},
        {"lettervalues", FuzzLetterValues},
    };
    count = sizeof targets / sizeof targets[0];
    return targets;
}
