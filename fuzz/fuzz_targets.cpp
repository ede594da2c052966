#include "fuzz_targets.h"

#include <cstdlib>

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

const FuzzTarget* FuzzTargets(std::size_t& count) {
    static const FuzzTarget targets[] = {
        {"rtr", FuzzRtrReader},
    };
    count = sizeof targets / sizeof targets[0];
    return targets;
}
