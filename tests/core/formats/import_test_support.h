#pragma once
// What every import test checks: a refused file leaves the document exactly as
// it was, and no input, however damaged, crashes a reader.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "formats/import_result.h"
#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "test_support.h"

// A puzzle with content in every part a reader could disturb.
inline Rooster2Doc MakeOpenPuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"AB#", ".-.", "C.D"});
    Arrange(doc)->words[0].clue = "Eerste";
    Arrange(doc)->html.title = "Open puzzel";
    Arrange(doc)->comment = "Notities";
    Arrange(doc)->appearance.cellSize = 44;
    return doc;
}

inline void ExpectSameDocument(const Rooster2Doc& expected, const Rooster2Doc& actual) {
    EXPECT_EQ(WriteRtr(expected), WriteRtr(actual));
    EXPECT_EQ(expected.phase, actual.phase);
    EXPECT_EQ(expected.IsModified(), actual.IsModified());
    EXPECT_EQ(expected.pathName, actual.pathName);
}

// Every word in the same place with the same clue, as the clue lists show it.
inline void ExpectSameWordsAndClues(const Rooster2Doc& expected, const Rooster2Doc& actual,
                                    const std::string& what = "") {
    ASSERT_EQ(expected.puzzle().words.size(), actual.puzzle().words.size()) << what;
    for (std::size_t i = 0; i < expected.puzzle().words.size(); ++i) {
        const WordInfo& word = expected.puzzle().words[i];
        EXPECT_EQ(GetClueCaption(word), GetClueCaption(actual.puzzle().words[i])) << what;
        EXPECT_EQ(std::pair(word.x, word.y),
                  std::pair(actual.puzzle().words[i].x, actual.puzzle().words[i].y))
            << what;
    }
}

// Feeds the reader every prefix of bytes: each one is refused with the document
// untouched, or gives a grid the document can hold.
inline void ExpectEveryTruncationSafe(std::string_view bytes, ImportReader reader) {
    const Rooster2Doc original = MakeOpenPuzzle();
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        Rooster2Doc doc = original;
        const ImportResult result = reader(doc, bytes.substr(0, length));
        if (!result.imported) {
            ExpectSameDocument(original, doc);
            EXPECT_FALSE(result.message.text.empty());
        } else {
            EXPECT_TRUE(doc.puzzle().width >= 1 && doc.puzzle().width <= MAX_GRID_SIDE);
            EXPECT_TRUE(doc.puzzle().height >= 1 && doc.puzzle().height <= MAX_GRID_SIDE);
        }
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "first failure at length " << length;
            return;
        }
    }
}

// Random bytes, and the given bytes with random bytes overwritten.
inline void ExpectGarbageSafe(const std::string& bytes, ImportReader reader) {
    std::mt19937 random(12091998);
    std::uniform_int_distribution<int> byteValue(0, 255);
    const Rooster2Doc original = MakeOpenPuzzle();
    for (int round = 0; round < 300; ++round) {
        std::string damaged = bytes;
        if (round % 2 == 0) {
            damaged.assign(static_cast<std::size_t>(round) * 7, '\0');
            for (char& c : damaged) c = static_cast<char>(byteValue(random));
        } else if (!damaged.empty()) {
            std::uniform_int_distribution<std::size_t> position(0, damaged.size() - 1);
            for (int i = 0; i < 4; ++i)
                damaged[position(random)] = static_cast<char>(byteValue(random));
        }
        Rooster2Doc doc = original;
        if (!reader(doc, damaged).imported) ExpectSameDocument(original, doc);
    }
}
