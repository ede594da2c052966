#include "model/part_boundaries.h"

#include "model/rooster2_doc.h"

namespace {

// True when offset (from the word's start) is the last cell of a part other than the last one.
bool EndsInnerPart(const WordInfo& word, int offset) {
    const int parts = word.PartCountInUse();
    int boundary = word.partLengths[0] - 1;
    for (int i = 1; i < parts; ++i) {
        if (offset == boundary) return true;
        boundary += word.partLengths[i];
    }
    return false;
}

}  // namespace

int GetPartBoundaryFlags(const Puzzle& puzzle, int x, int y) {
    int count = 0;
    int across = -1;
    int down = -1;
    puzzle.FindWordsAt(x, y, count, across, down);
    int flags = 0;
    if (across >= 0 && EndsInnerPart(puzzle.words[across], x - puzzle.words[across].x))
        flags |= PART_END_ACROSS;
    if (down >= 0 && EndsInnerPart(puzzle.words[down], y - puzzle.words[down].y))
        flags |= PART_END_DOWN;
    return flags;
}
