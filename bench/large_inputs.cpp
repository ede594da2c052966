// large_inputs SCENARIO: one large input end to end, with its time and the
// process's peak memory. Run each scenario in its own process (the script
// bench/run_large_inputs does) so that the peak belongs to that scenario.
//
//   grid      a 100 x 100 puzzle with long clues: save, open, every export, the report
//   wordlist  the whole Dutch dictionary (about 400,000 words): convert, look up, load for a fill
//   folder    a folder of 1,000 puzzles listed with all their clues
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "formats/clue_files.h"
#include "formats/folder_clues.h"
#include "formats/html_export.h"
#include "formats/statistics.h"
#include "formats/text_export.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "model/version_text.h"
#include "model/word_scoring.h"
#include "search/search_environment.h"
#include "search/search_lists.h"
#include "util/file_io.h"
#include "wordlists/candidates.h"
#include "wordlists/word_list_convert.h"

namespace {

using Clock = std::chrono::steady_clock;

// Peak resident memory of this process in kB, from the kernel's status file; -1 elsewhere.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Runs a step and prints how long it took.
void Step(const char* name, const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("  %-44s %8.3f s\n", name, seconds);
}

bool Check(bool condition, const char* what) {
    if (!condition) std::fprintf(stderr, "mislukt: %s\n", what);
    return condition;
}

// 100 x 100 with a black cell at every fifth cell of every third row, long clues.
Rooster2Doc LargePuzzle() {
    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->Resize(100, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            PuzzleEdit(doc, EditKind::Replace)
                ->SetCell(x, y,
                          (y % 3 == 1 && x % 5 == 2) ? CELL_ZWART
                                                     : static_cast<Cell>('A' + (x * 7 + y) % 26));
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    for (WordInfo& word : PuzzleEdit(doc, EditKind::Replace)->words)
        word.clue =
            "Een lange omschrijving " + std::string(400, 'x') + " " + std::to_string(word.number);
    PuzzleEdit(doc, EditKind::Replace)->comment = std::string(9000, 'c');
    PuzzleEdit(doc, EditKind::Replace)->html.title = "Groot rooster";
    doc.phase = Phase::Vullen;
    return doc;
}

bool RunGrid(const std::filesystem::path& folder) {
    bool ok = true;
    Rooster2Doc doc = LargePuzzle();
    std::printf("  %zu woorden, omschrijvingen van ruim 400 tekens\n", doc.puzzle().words.size());
    const std::string path = (folder / "groot.rtr").string();
    Step("opslaan (.rtr)", [&] {
        UserMessage message;
        ok &= Check(SaveRtrFile(doc, path, message), "opslaan");
    });
    Rooster2Doc opened;
    Step("openen (.rtr)",
         [&] { ok &= Check(OpenRtrFile(opened, path).status == RtrStatus::Loaded, "openen"); });
    ok &= Check(WriteRtr(opened) == WriteRtr(doc), "zelfde bytes na openen");
    Step("tekst", [&] {
        ok &= Check(static_cast<bool>(WriteFileAtomically((folder / "groot.txt").string(),
                                                          ExportPlainText(opened.puzzle(), false))),
                    "tekst");
    });
    Step("gevulde html", [&] {
        const std::string page = WriteHtml(opened.puzzle(), true, false, VersionText());
        ok &= Check(static_cast<bool>(WriteFileAtomically((folder / "groot.html").string(), page)),
                    "gevulde html");
    });
    Step("omschrijvingenbestand schrijven", [&] {
        ok &= Check(static_cast<bool>(WriteFileAtomically((folder / "groot-omschr.txt").string(),
                                                          WriteClueFile(opened.puzzle()))),
                    "omschrijvingenbestand");
    });
    Step("omschrijvingenbestand lezen", [&] {
        ClueSection section = ClueSection::Across;
        int count = 0;
        ok &=
            Check(ReadClueFileAt(PuzzleEdit(opened, EditKind::Replace).puzzle(), section,
                                 (folder / "groot-omschr.txt").string(), count) == ReadStatus::Read,
                  "omschrijvingen lezen");
    });
    Step("statistiek (alle opties)", [&] {
        std::vector<std::string> lines;
        StatisticsOptions options;
        options.withLengths = options.withClues = options.withProduct = options.withSum = true;
        ComputeStatistics(opened, lines, options);
        ok &= Check(!lines.empty(), "statistiek");
    });
    return ok;
}

bool RunWordList(const std::filesystem::path& folder) {
    bool ok = true;
    const std::string base = (folder / "nl").string();
    WordListConversion conversion;
    Step("woordenboek omzetten (wdutch)", [&] {
        UserMessage message;
        ok &= Check(WriteWordListSet("/usr/share/dict/nederlands", base, true, conversion, message),
                    "omzetten");
    });
    std::printf("  %s\n", ConversionSummary(conversion, base).c_str());
    Rooster2Doc doc;
    PuzzleEdit(doc, EditKind::Replace)->search.wordFile = base + "05.doc";
    Step("kandidaten voor ..A.. (alle)", [&] {
        std::vector<std::string> found;
        ok &= Check(FindCandidates(doc.puzzle(), WordScoring(), "  A  ", &found, 0, 0) > 0,
                    "kandidaten");
    });
    Step("anagrammen van AEILNRST", [&] {
        std::vector<std::string> found;
        ok &= Check(FindAnagrams(doc.puzzle(), WordScoring(), "AEILNRST", &found, 0, 8, "........",
                                 doc.puzzle().search.wordFile) >= 0,
                    "anagrammen");
    });
    // A 15 x 15 grid without black cells loads the 15-letter list; lengths 2..15 by a staircase.
    PuzzleEdit(doc, EditKind::Replace)->width = 15;
    PuzzleEdit(doc, EditKind::Replace)->height = 15;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            PuzzleEdit(doc, EditKind::Replace)->SetCell(x, y, x + y == 14 ? CELL_ZWART : CELL_VRIJ);
    PuzzleEdit(doc, EditKind::Replace)->BuildWords();
    SearchLists lists;
    Step("lijsten laden voor een zoekactie (14 lengtes)", [&] {
        ok &= Check(PrepareSearchLists(PuzzleEdit(doc, EditKind::Replace).puzzle(), WordScoring(),
                                       lists, DefaultSearchRandom()) == 0,
                    "laden");
    });
    std::printf("  geladen lijsten: %zu bytes\n", lists.ListBytes());
    ReleaseSearchLists(PuzzleEdit(doc, EditKind::Replace).puzzle(), lists);
    return ok;
}

bool RunFolder(const std::filesystem::path& folder) {
    bool ok = true;
    const std::filesystem::path puzzles = folder / "puzzels";
    Step("1000 puzzels schrijven", [&] {
        for (int i = 0; i < 1000; ++i) {
            Rooster2Doc doc;
            for (int x = 0; x < 15; x += 4)
                PuzzleEdit(doc, EditKind::Replace)->SetCell(x, i % 15, CELL_ZWART);
            PuzzleEdit(doc, EditKind::Replace)->BuildWords();
            for (WordInfo& word : PuzzleEdit(doc, EditKind::Replace)->words)
                word.clue = "Omschrijving " + std::to_string(i);
            const std::filesystem::path sub = puzzles / ("map" + std::to_string(i % 10));
            std::filesystem::create_directories(sub);
            UserMessage message;
            ok &=
                SaveRtrFile(doc, (sub / ("puzzel" + std::to_string(i) + ".rtr")).string(), message);
        }
    });
    std::string listing;
    Step("alle omschrijvingen van de map", [&] { ListFolder(puzzles.string(), listing); });
    std::printf("  lijst: %zu bytes\n", listing.size());
    ok &= Check(listing.size() > 1000 * 30 * 10, "lijst bevat alle woorden");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scenario = argc == 2 ? argv[1] : "";
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("rooster2-large-" + scenario);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::printf("== %s\n", scenario.c_str());
    bool ok = false;
    if (scenario == "grid")
        ok = RunGrid(folder);
    else if (scenario == "wordlist")
        ok = RunWordList(folder);
    else if (scenario == "folder")
        ok = RunFolder(folder);
    else {
        std::fprintf(stderr, "gebruik: large_inputs grid|wordlist|folder\n");
        return 2;
    }
    std::printf("  piekgeheugen van het proces: %ld kB\n", PeakKilobytes());
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
