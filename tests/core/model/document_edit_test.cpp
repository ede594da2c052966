// Every change of the puzzle goes through one transaction of the document: the undo
// step, the "modified" mark and one change notification with the changed cells.

#include <gtest/gtest.h>

#include <vector>

#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

struct DocumentEditTest : ::testing::Test {
    DocumentEditTest() {
        SetGrid(doc, {"...", "...", "..."});
        doc.phase = Phase::Vullen;
        doc.changeListener = [this](const DocumentChange& change) { told.push_back(change); };
    }
    Rooster2Doc doc;
    std::vector<DocumentChange> told;
};

TEST_F(DocumentEditTest, AStepTellsOnceWithItsCellsAndUndoingItClearsModified) {
    {
        PuzzleEdit edit(doc);
        edit->SetCell(1, 0, 'A');
        edit->SetCell(2, 2, 'B');
        EXPECT_TRUE(told.empty());
    }
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].kind, EditKind::Step);
    EXPECT_EQ(told[0].cells, (std::vector<int>{1, 8}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.CanUndo());

    EXPECT_EQ(doc.Undo(), (std::vector<int>{1, 8}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(doc.Redo(), (std::vector<int>{1, 8}));
    EXPECT_TRUE(doc.IsModified());
    doc.MarkSaved();
    EXPECT_FALSE(doc.IsModified());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentEditTest, EachKindKeepsItsOwnRecord) {
    PuzzleEdit(doc, EditKind::Shown)->SetCell(0, 0, 'X');
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());

    PuzzleEdit(doc, EditKind::ShownStep)->SetCell(0, 0, 'Y');
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.CanUndo());

    PuzzleEdit(doc, EditKind::Restart).Commit();
    EXPECT_FALSE(doc.CanUndo());

    // Showing solutions keeps no history: a step there is a change until saved.
    doc.phase = Phase::Tonen;
    PuzzleEdit(doc)->SetCell(1, 1, 'Q');
    EXPECT_TRUE(doc.IsModified());
    doc.phase = Phase::Vullen;
    EXPECT_FALSE(doc.CanUndo());
    doc.MarkSaved();

    PuzzleEdit(doc, EditKind::Setting)->words[0].clue = "Kat";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(told.back().cells.empty());

    Puzzle other = doc.FreshPuzzle();
    other.Resize(4, 4);
    PuzzleEdit(doc, EditKind::Replace).puzzle() = other;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(told.back().kind, EditKind::Replace);
    EXPECT_EQ(told.size(), 7u);
}

// The colours of one puzzle become those "Nieuw" starts the next with; the sound stays.
TEST_F(DocumentEditTest, ANewPuzzleTakesTheProfilesColoursAndKeepsTheSound) {
    MapProfile profile;
    Arrange(doc)->appearance.colours.zwart = Rgb(10, 20, 30);
    Arrange(doc)->search.sound = true;
    doc.WriteDefaultColours(profile);
    const Puzzle fresh = doc.FreshPuzzle(&profile);
    EXPECT_EQ(fresh.appearance.colours.zwart, Rgb(10, 20, 30));
    EXPECT_EQ(fresh.appearance.colours.vrij, doc.puzzle().appearance.colours.vrij);
    EXPECT_TRUE(fresh.search.sound);
    EXPECT_NE(doc.FreshPuzzle().appearance.colours.zwart, Rgb(10, 20, 30));
}

// A transaction may run inside another, as a property change that empties the grid does.
TEST_F(DocumentEditTest, ANestedStepIsRecordedOnItsOwn) {
    {
        PuzzleEdit outer(doc, EditKind::Setting);
        outer->words[0].clue = "Weg";
        PuzzleEdit(doc)->SetCell(0, 0, 'Z');
    }
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].kind, EditKind::Step);
    EXPECT_EQ(told[1].kind, EditKind::Setting);
    EXPECT_EQ(told[1].cells, std::vector<int>{0});
    doc.Undo();
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), CELL_VRIJ);
    EXPECT_EQ(doc.puzzle().words[0].clue, "Weg");
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
