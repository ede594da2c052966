#include "fuzz_targets.h"

#include <cstdlib>

#include "formats/html_import.h"
#include "formats/puz_import.h"
#include "formats/ros_import.h"
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

const FuzzTarget* FuzzTargets(std::size_t& count) {
    static const FuzzTarget targets[] = {
        {"rtr", FuzzRtrReader},
        {"puz", FuzzPuzImport},
        {"ros", FuzzRosImport},
        {"html", FuzzHtmlImport},
    };
    count = sizeof targets / sizeof targets[0];
    return targets;
}
