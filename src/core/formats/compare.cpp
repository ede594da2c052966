#include "formats/compare.h"

#include <algorithm>
#include <vector>

#include "formats/folder_entries.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "util/file_io.h"
#include "util/latin1.h"

namespace {

bool IsShapeCell(Cell code) { return code == CELL_ZWART || code == CELL_NIET; }

// Positions whose letters differ; false when the shapes differ.
bool FindLetterDifferences(const Rooster2Doc& doc, const std::string& fileCells,
                           std::vector<int>& positions) {
    for (int i = 0; i < doc.puzzle().CellCount(); ++i) {
        const Cell own = doc.puzzle().cells[i];
        const auto other = static_cast<Cell>(fileCells[i]);
        if (IsShapeCell(own)) {
            if (!IsShapeCell(other)) return false;
        } else if (Latin1ToUpper(own) != Latin1ToUpper(other)) {
            positions.push_back(i);
        }
    }
    return true;
}

// The words through the differing cells, each once, in the order they were met.
std::vector<int> DifferingWords(const Rooster2Doc& doc, const std::vector<int>& positions) {
    std::vector<int> words;
    auto addOnce = [&words](int word) {
        if (word >= 0 && std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
    };
    for (int position : positions) {
        int count = 0;
        int across = -1;
        int down = -1;
        doc.puzzle().FindWordsAt(position % doc.puzzle().width, position / doc.puzzle().width,
                                 count, across, down);
        addOnce(across);
        addOnce(down);
    }
    return words;
}

}  // namespace

std::string FileWordValue(const Rooster2Doc& doc, const WordInfo& word,
                          const std::string& fileCells) {
    WordInfo fromFile = word;
    fromFile.value.clear();
    for (int k = 0; k < word.length && doc.puzzle().IsInGrid(word.CellX(k), word.CellY(k)); ++k)
        fromFile.value += fileCells[word.CellY(k) * doc.puzzle().width + word.CellX(k)];
    return FormatDisplayValue(fromFile);
}

int CompareWithBytes(const Rooster2Doc& doc, std::string_view bytes, std::string& details) {
    details.clear();
    Rooster2Doc other;
    const RtrReadResult read = ReadRtr(other, bytes);
    if (read.status != RtrStatus::Loaded) return COMPARE_NOT_RTR;
    if (other.puzzle().width != doc.puzzle().width || other.puzzle().height != doc.puzzle().height)
        return COMPARE_OTHER_SIZE;
    const std::string fileCells = other.puzzle().GridToString();
    std::vector<int> positions;
    if (!FindLetterDifferences(doc, fileCells, positions)) return COMPARE_OTHER_SHAPE;
    for (int i : DifferingWords(doc, positions)) {
        WordInfo word = doc.puzzle().words[i];
        word.value = doc.puzzle().GetWordValue(i);
        details += FormatLabeledValue(word) + " (" + FileWordValue(doc, word, fileCells) + ") " +
                   FormatClueText(word) + "\r\n  ";
    }
    return COMPARE_DONE;
}

int CompareWithFile(const Rooster2Doc& doc, const std::string& path, std::string& details) {
    details.clear();
    std::string bytes;
    if (path.empty()) return COMPARE_NOT_FOUND;
    const ReadStatus read = ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, bytes);
    if (read == ReadStatus::CannotOpen) return COMPARE_NOT_FOUND;
    // A file far larger than any puzzle is no puzzle.
    if (read == ReadStatus::TooLarge) return COMPARE_NOT_RTR;
    return CompareWithBytes(doc, bytes, details);
}

std::string FormatCompareResult(int code, const std::string& details, const std::string& path) {
    std::string text = path + "\r\n";
    switch (code) {
        case COMPARE_DONE:
            text += details.empty() ? "  Inhoud gelijk\r\n"
                                    : "  Verschillen in:\r\n  " + details + "\r\n";
            break;
        case COMPARE_NOT_FOUND:
            text += "  Bestand niet gevonden\r\n";
            break;
        case COMPARE_NOT_RTR:
            text += "  Geen rtr-bestand\r\n";
            break;
        case COMPARE_OTHER_SIZE:
            text += "  Afmetingen incorrect\r\n";
            break;
        case COMPARE_OTHER_SHAPE:
            text += "  Positie zwarte- of nietvakken incorrect\r\n";
            break;
        default:
            break;
    }
    return text;
}

bool CompareNow(Rooster2Doc& doc, const std::string& name, bool allFiles, std::string& result,
                UserMessage& message) {
    if (name.empty()) {
        message = {"Bestandsnaam niet ingevuld", "Oei"};
        return false;
    }
    result.clear();
    std::vector<std::string> paths;
    if (allFiles) {
        const std::string folder = FolderOf(name);
        for (const FolderEntry& entry : ReadFolderEntries(folder.empty() ? "." : folder))
            if (!entry.isFolder && HasPuzzleExtension(entry.name))
                paths.push_back(folder + entry.name);
    } else {
        paths.push_back(name);
    }
    std::string details;
    for (const std::string& path : paths) {
        const int code = CompareWithFile(doc, path, details);
        result += FormatCompareResult(code, details, path);
    }
    return true;
}
