#include "editing/fill_editing.h"

#include <gtest/gtest.h>

#include "editing/phase_switch.h"
#include "model/clue_text.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

// A 3 x 3 grid of free cells has these words, in this order.
constexpr int ACROSS_1 = 0;  // row 0
constexpr int DOWN_1 = 1;    // column 0
constexpr int DOWN_2 = 2;    // column 1
constexpr int DOWN_3 = 3;    // column 2
constexpr int ACROSS_4 = 4;  // row 1
constexpr int ACROSS_5 = 5;  // row 2

class FillEditingTest : public ::testing::Test {
protected:
    void Start(const std::initializer_list<std::string>& rows) {
        SetGrid(doc, rows);
        doc.phase = Phase::Vullen;
        doc.direction = Direction::Across;
        doc.curWord = 0;
        doc.curPos = 0;
        doc.MarkSaved();
    }
    void Select(int word, int pos) {
        doc.curWord = word;
        doc.curPos = pos;
        doc.direction = doc.puzzle().words[word].IsAcross() ? Direction::Across : Direction::Down;
    }
    EditResult Key(EditKey key, bool ctrl = false) { return FillKeyDown(doc, key, ctrl); }
    EditResult Type(const std::string& text, bool autoNext = false) {
        EditResult last;
        for (char c : text) last = FillChar(doc, static_cast<unsigned char>(c), autoNext);
        return last;
    }
    void ExpectCursor(int word, int pos) {
        EXPECT_EQ(doc.curWord, word);
        EXPECT_EQ(doc.curPos, pos);
    }

    Rooster2Doc doc;
};

// ---- Selecting with the mouse ------------------------------------------------------------

TEST_F(FillEditingTest, ClickOnBlackDeselectsTheWord) {
    Start({"..#", "...", "..."});
    FillMouseUp(doc, 1, 1);
    const int selected = doc.curWord;
    ASSERT_GE(selected, 0);
    const EditResult result = FillMouseUp(doc, 2, 0);
    ExpectCursor(-1, 0);
    EXPECT_TRUE(result.wordChange);
    EXPECT_EQ(result.oldWord, selected);
    EXPECT_EQ(result.newWord, -1);
    EXPECT_EQ(WordCaption(doc, result.newWord), "Geen woord geselecteerd");
}

TEST_F(FillEditingTest, RepeatedClicksOnACrossingAlternate) {
    Start({"...", "...", "..."});
    doc.curWord = -1;
    FillMouseUp(doc, 1, 2);
    ExpectCursor(ACROSS_5, 1);
    EXPECT_EQ(doc.direction, Direction::Across);
    const EditResult second = FillMouseUp(doc, 1, 2);
    ExpectCursor(DOWN_2, 2);
    EXPECT_EQ(doc.direction, Direction::Down);
    EXPECT_EQ(second.oldWord, ACROSS_5);
    EXPECT_EQ(second.newWord, DOWN_2);
    FillMouseUp(doc, 1, 2);
    ExpectCursor(ACROSS_5, 1);
}

// ---- The IJ toggle -------------------------------------------------------------------------

TEST_F(FillEditingTest, RightClickSwitchesBetweenIJAndY) {
    Start({"yY", "AB"});
    EditResult result = ToggleIJ(doc, 0, 0);
    EXPECT_TRUE(result.applied);
    EXPECT_EQ(result.cells, std::vector<int>{0});
    EXPECT_EQ(doc.puzzle().GetCell(0, 0), 'Y');
    EXPECT_TRUE(doc.ijToggled);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);
    ToggleIJ(doc, 1, 0);
    EXPECT_EQ(doc.puzzle().GetCell(1, 0), CELL_IJ);
}

// ---- Arrow keys ---------------------------------------------------------------------------

TEST_F(FillEditingTest, ArrowsHomeAndEndOnAThreeByThreeGrid) {
    // Across a word at a crossing the key enters the crossing word; along the word
    // it moves and stops at the ends; with Ctrl it jumps between the words of the
    // direction, wrapping round.
    const struct {
        int word, pos;
        EditKey key;
        bool ctrl;
        int toWord, toPos;
    } cases[] = {
        {ACROSS_4, 1, EditKey::Down, false, DOWN_2, 2},
        {ACROSS_5, 2, EditKey::Up, false, DOWN_3, 1},
        {DOWN_2, 1, EditKey::Right, false, ACROSS_4, 2},
        {DOWN_2, 0, EditKey::Left, false, ACROSS_1, 0},
        {ACROSS_1, 1, EditKey::Right, false, ACROSS_1, 2},
        {ACROSS_1, 2, EditKey::Right, false, ACROSS_1, 2},
        {ACROSS_1, 1, EditKey::Left, false, ACROSS_1, 0},
        {ACROSS_1, 0, EditKey::Left, false, ACROSS_1, 0},
        {DOWN_1, 2, EditKey::Down, false, DOWN_1, 2},
        {ACROSS_1, 2, EditKey::Right, true, ACROSS_4, 0},
        {ACROSS_4, 0, EditKey::Down, true, ACROSS_5, 0},
        {ACROSS_5, 0, EditKey::Down, true, ACROSS_1, 0},
        {ACROSS_1, 0, EditKey::Left, true, ACROSS_5, 0},
        {ACROSS_5, 0, EditKey::Up, true, ACROSS_4, 0},
        {ACROSS_4, 1, EditKey::End, false, ACROSS_4, 2},
        {ACROSS_4, 2, EditKey::Home, false, ACROSS_4, 0},
        {ACROSS_4, 0, EditKey::End, true, ACROSS_5, 2},
        {ACROSS_5, 2, EditKey::Home, true, ACROSS_1, 0},
    };
    Start({"...", "...", "..."});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "word " << c.word << " pos " << c.pos << " key "
                                        << int(c.key) << " ctrl " << c.ctrl);
        Select(c.word, c.pos);
        const EditResult result = Key(c.key, c.ctrl);
        ExpectCursor(c.toWord, c.toPos);
        EXPECT_EQ(doc.direction,
                  doc.puzzle().words[c.toWord].IsAcross() ? Direction::Across : Direction::Down);
        EXPECT_EQ(result.oldWord, c.toWord == c.word ? -1 : c.word);
        EXPECT_EQ(result.newWord, c.toWord);
    }
}

// ---- Typing ---------------------------------------------------------------------------------

TEST_F(FillEditingTest, TypedLettersIJAndDigits) {
    Start({"....", "...."});
    Select(0, 0);
    Type("yYe7");
    EXPECT_EQ(GridRows(doc)[0], "yYE7");
    EXPECT_EQ(doc.curPos, 3);
    EXPECT_EQ(doc.Histories().Fill().Position(), 5);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FillEditingTest, SpaceClearsAndOtherCharactersAreIgnored) {
    Start({"AB", ".."});
    Select(0, 0);
    EXPECT_TRUE(Type(" ").applied);
    EXPECT_EQ(GridRows(doc)[0], ".B");
    for (int c : {0x2D, 0x2E, 0xE9, 27, 9}) {  // '-', '.', e acute, Escape, Tab
        EXPECT_FALSE(FillChar(doc, static_cast<unsigned char>(c), false).applied) << c;
    }
    EXPECT_EQ(GridRows(doc)[0], ".B");
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);
}

TEST_F(FillEditingTest, TheLastLetterMovesToTheNextWordWithNextWord) {
    Start({"...", "...", "..."});
    Select(ACROSS_4, 0);
    const EditResult result = Type("ABC", true);
    ExpectCursor(ACROSS_5, 0);
    EXPECT_EQ(result.oldWord, ACROSS_4);
    EXPECT_EQ(result.newWord, ACROSS_5);
    Type("DEF", true);
    ExpectCursor(ACROSS_1, 0);  // from the last word to the first
    Select(DOWN_3, 2);
    Type("G", true);
    ExpectCursor(DOWN_1, 0);
}

TEST_F(FillEditingTest, BackspaceClearsTheCellBeforeTheCursorButNotOnTheFirst) {
    Start({"ABC", "..."});
    Select(0, 0);
    EXPECT_FALSE(FillBackspace(doc).applied);
    EXPECT_EQ(GridRows(doc)[0], "ABC");
    EXPECT_EQ(doc.Histories().Fill().Position(), 1);
    EXPECT_FALSE(doc.IsModified());
    Select(0, 2);
    EXPECT_TRUE(FillBackspace(doc).applied);
    ExpectCursor(0, 1);
    EXPECT_EQ(GridRows(doc)[0], "A.C");
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FillEditingTest, DeleteClearsTheWordEvenWhenEveryCrossingIsComplete) {
    // Every column is complete, so no cell would clear: then all of them do.
    Start({"ABC", "DEF"});
    Select(0, 1);
    Arrange(doc)->words[0].value = "ABC";
    const EditResult result = Key(EditKey::Delete);
    EXPECT_EQ(GridRows(doc), (Rows{"...", "DEF"}));
    EXPECT_TRUE(doc.puzzle().words[0].value.empty());
    EXPECT_EQ(result.newWord, 0);
    EXPECT_EQ(doc.Histories().Fill().Position(), 2);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FillEditingTest, DeleteKeepsCrossingCellsOfCompleteWords) {
    Start({"ABC", "D.E", "FGH"});
    Select(ACROSS_1, 0);  // only column 1 is open
    Key(EditKey::Delete);
    EXPECT_EQ(GridRows(doc)[0], "A.C");
    Start({"ABX", "CDY", "..."});
    Select(ACROSS_4, 0);  // no column through row 1 is complete
    Key(EditKey::Delete);
    EXPECT_EQ(GridRows(doc)[1], "...");
    Start({"ABX", "CDY", "EF."});
    Select(ACROSS_4, 0);  // columns 0 and 1 are complete, column 2 is not
    Key(EditKey::Delete);
    EXPECT_EQ(GridRows(doc)[1], "CD.");
}

// ---- Status texts ---------------------------------------------------------------------------

TEST_F(FillEditingTest, MouseStatusInsideTheGridShowsTheWordsCaption) {
    Start({"..#", "...", "..."});
    Arrange(doc)->words[0].clue = "Omschrijving";
    doc.direction = Direction::Across;
    EXPECT_EQ(MouseMoveStatus(doc, 1, 0, 0, 0), GetClueCaption(doc.puzzle().words[0]));
    EXPECT_EQ(MouseMoveStatus(doc, 2, 0, 0, 0), std::nullopt);
    doc.phase = Phase::Vormen;
    EXPECT_EQ(MouseMoveStatus(doc, 1, 0, 0, 0), std::nullopt);
    EXPECT_EQ(MouseMoveStatus(doc, -1, 0, 0, 0), std::nullopt);
}

}  // namespace
