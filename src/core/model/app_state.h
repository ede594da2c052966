#pragma once
// What belongs to the run of the program rather than to one puzzle: the file
// names the dialogs offer again, the user's scoring, the word list set
// installed with the program and the profile. The desktop and the command
// line each keep one for their whole run; "new" and "open" leave it as it is.

#include <string>

#include "model/puzzle.h"
#include "model/word_scoring.h"

class IProfile;

// The file name each import and export offers again; kept for the run, not saved.
struct RememberedFiles {
    std::string text;
    std::string html;
    std::string clue;
    std::string puzText;
    std::string png;
    std::string import;
    std::string folder;
    std::string folderList;
    std::string compare;
    std::string ros;
    std::string ipuz;  // the ipuz export and import share it
    std::string pdf;
};

struct AppState {
    RememberedFiles lastFiles;
    // The user's minimum score and own scores; not saved with a puzzle.
    WordScoring scoring;
    // The word list set installed with the program; a search takes it while the
    // puzzle names none, so the puzzle file keeps its empty name.
    std::string defaultWordFile;
    // Where the settings of the run are read and stored; may be null.
    IProfile* profile = nullptr;

    // The set a search of the puzzle looks in: its own, else the installed one.
    const std::string& SearchWordFile(const Puzzle& puzzle) const {
        return puzzle.search.wordFile.empty() ? defaultWordFile : puzzle.search.wordFile;
    }
    // The puzzle as a search takes it: naming the set it looks in.
    Puzzle SearchPuzzle(const Puzzle& puzzle) const {
        Puzzle searched = puzzle;
        searched.search.wordFile = SearchWordFile(puzzle);
        return searched;
    }
};
