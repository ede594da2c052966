#include "formats/import_result.h"

#include "model/rooster2_doc.h"
#include "util/file_io.h"

ImportResult ImportFromFile(CRooster2Doc& doc, const std::string& path, ImportReader reader) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {false, {"Bestand is er niet"}};
    return reader(doc, bytes);
}

void FinishGridImport(CRooster2Doc& doc) {
    doc.phase = PHASE_VULLEN;
    doc.MarkModified(true);
}
