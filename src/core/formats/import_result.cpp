#include "formats/import_result.h"

#include "model/rooster2_doc.h"
#include "util/file_io.h"

ImportResult ImportFromFile(Rooster2Doc& doc, const std::string& path, ImportReader reader) {
    std::string bytes;
    const ReadStatus read = ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes);
    if (read == ReadStatus::CannotOpen) return {false, {"Bestand is er niet"}};
    if (read == ReadStatus::TooLarge)
        return {false, {ReadFailureText(path, read, DOCUMENT_FILE_LIMIT)}};
    return reader(doc, bytes);
}

void FinishGridImport(Rooster2Doc& doc, Puzzle puzzle) {
    doc.Replace(std::move(puzzle));
    doc.phase = Phase::Vullen;
    // It has no file of its own yet: modified until saved.
    PuzzleEdit(doc, EditKind::Setting).Commit();
}
