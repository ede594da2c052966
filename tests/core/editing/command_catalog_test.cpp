#include "editing/command_catalog.h"

#include <gtest/gtest.h>

#include "editing/command_ids.h"
#include "editing/phase_switch.h"
#include "model/undo_history.h"
#include "test_support.h"

namespace {

class CommandCatalogTest : public ::testing::Test {
protected:
    void SetUp() override { SetGrid(doc, {"...", "...", "..."}); }
    bool Checked(int id) const {
        const std::optional<CommandState> state = GetCommandState(id, doc, facts);
        return state && state->checked.value_or(false);
    }
    // The numbers of the phases (1 shaping .. 4 searching) in which the command is enabled.
    std::string EnabledPhases(int id) {
        std::string phases;
        for (Phase phase : {Phase::Vormen, Phase::Vullen, Phase::Tonen, Phase::Zoeken}) {
            doc.phase = phase;
            const std::optional<CommandState> state = GetCommandState(id, doc, facts);
            EXPECT_TRUE(state.has_value()) << id;
            if (state && state->enabled) phases += static_cast<char>('0' + static_cast<int>(phase));
        }
        return phases;
    }

    Rooster2Doc doc;
    CommandFacts facts;
};

TEST_F(CommandCatalogTest, PhaseCommandsAreCheckedInTheirPhaseAndEnabledInTheOther) {
    EXPECT_EQ(EnabledPhases(ID_PHASE_SHAPE), "2");
    EXPECT_EQ(EnabledPhases(ID_PHASE_FILL), "1");
    doc.phase = Phase::Vullen;
    EXPECT_FALSE(Checked(ID_PHASE_SHAPE));
    EXPECT_TRUE(Checked(ID_PHASE_FILL));
}

TEST_F(CommandCatalogTest, ReplacingOrReshapingThePuzzleWaitsForTheSearch) {
    for (int id : {ID_FILE_NEW, ID_FILE_MRU_LAST, ID_GRID_PROPERTIES, ID_GRID_REMOVE_LETTERS})
        EXPECT_EQ(EnabledPhases(id), "123") << id;
    for (int id : {ID_IMPORT_PUZ, ID_IMPORT_ROS, ID_REDRAW})
        EXPECT_EQ(EnabledPhases(id), "12") << id;
    EXPECT_EQ(EnabledPhases(ID_IMPORT_HTML), "1");
}

TEST_F(CommandCatalogTest, RotationNeedsASquareGrid) {
    Arrange(doc)->height = 2;
    EXPECT_EQ(EnabledPhases(ID_ROTATE_CLOCKWISE), "");
    Arrange(doc)->height = 3;
    EXPECT_EQ(EnabledPhases(ID_ROTATE_CLOCKWISE), "1");
}

TEST_F(CommandCatalogTest, FormCommandsNeedTheirForm) {
    EXPECT_EQ(EnabledPhases(ID_CLUE_ARROWS) + EnabledPhases(ID_BAR_RIGHT), "");
    Arrange(doc)->form = PuzzleForm::Zweeds;
    EXPECT_EQ(EnabledPhases(ID_CLUE_ARROWS) + EnabledPhases(ID_BAR_BELOW), "1");
    EXPECT_EQ(EnabledPhases(ID_MIRROR_ROWS), "");
    Arrange(doc)->form = PuzzleForm::Balkjes;
    EXPECT_EQ(EnabledPhases(ID_CLUE_ARROWS) + EnabledPhases(ID_BAR_BELOW), "1");
}

TEST_F(CommandCatalogTest, SearchCommandsNeedAWordFile) {
    EXPECT_EQ(EnabledPhases(ID_SEARCH_START), "");
    EXPECT_EQ(EnabledPhases(ID_SPELL_CHECK), "");
    facts.installedWordFile = true;  // the installed set stands in for a puzzle without one
    EXPECT_EQ(EnabledPhases(ID_SPELL_CHECK), "1234");
    Arrange(doc)->search.wordFile = "woorden02.doc";
    EXPECT_EQ(EnabledPhases(ID_SEARCH_START), "12");
    EXPECT_EQ(EnabledPhases(ID_EXTRA_SEARCH_FILES), "1234");
    EXPECT_EQ(EnabledPhases(ID_SEARCH_OPTIONS), "123");
    EXPECT_EQ(EnabledPhases(ID_SEARCH_INTERRUPT), "4");
}

// "Vastzetten" works on a current word or the letters of the selection, with its check
// mark when all of them are locked; "Vul selectie" needs a selection.
TEST_F(CommandCatalogTest, LockingNeedsAWordOrSelectedLettersAndFillingASelectionOne) {
    Arrange(doc)->search.wordFile = "woorden02.doc";
    doc.curWord = -1;
    EXPECT_EQ(EnabledPhases(ID_LOCK), "");
    facts.selection = GridRegion{0, 0, 1, 1};
    EXPECT_EQ(EnabledPhases(ID_LOCK), "");
    EXPECT_EQ(EnabledPhases(ID_FILL_SELECTION), "2");
    Arrange(doc)->SetCell(1, 1, 'A');
    EXPECT_EQ(EnabledPhases(ID_LOCK), "2");
    Arrange(doc)->SetLocked(1, 1, true);
    EXPECT_TRUE(Checked(ID_LOCK));
    facts.selection.reset();
    EXPECT_EQ(EnabledPhases(ID_FILL_SELECTION), "");
    doc.curWord = 0;
    EXPECT_EQ(EnabledPhases(ID_LOCK), "2");
    EXPECT_FALSE(Checked(ID_LOCK));
}

TEST_F(CommandCatalogTest, SolutionCommandsNeedSolutions) {
    for (int id : {ID_SOLUTIONS_SHOW, ID_SOLUTION_NEXT, ID_WRITE_SOLUTIONS, ID_SHOW_BEST_RESULT})
        EXPECT_EQ(EnabledPhases(id), "") << id;
    facts.solutionCount = 2;
    facts.bestDepth = 7;
    EXPECT_EQ(EnabledPhases(ID_SOLUTIONS_SHOW), "2");
    EXPECT_EQ(EnabledPhases(ID_SOLUTION_NEXT), "3");
    EXPECT_EQ(EnabledPhases(ID_FREQUENCY_DISTRIBUTION), "1234");
    EXPECT_EQ(EnabledPhases(ID_SHOW_BEST_RESULT), "123");
}

TEST_F(CommandCatalogTest, ClueCommandsNeedFillingAWordPlainNumberingAndNoOpenWindow) {
    for (int id : {ID_SHOW_CLUES, ID_EDIT_WORD}) EXPECT_EQ(EnabledPhases(id), "2") << id;
    for (int id : {ID_READ_CLUES, ID_PASTE_CLUES}) EXPECT_EQ(EnabledPhases(id), "2") << id;
    facts.clueDialogOpen = true;
    facts.clueListOpen = true;
    EXPECT_EQ(EnabledPhases(ID_SHOW_CLUES), "");
    EXPECT_EQ(EnabledPhases(ID_SHOW_CLUE_LIST), "");
    facts = CommandFacts{};
    Arrange(doc)->numbering.numberPartWords = true;
    for (int id : {ID_SHOW_CLUE_LIST, ID_WRITE_CLUE_FILE, ID_EXPORT_TEXT, ID_EXPORT_CLUES})
        EXPECT_EQ(EnabledPhases(id), "") << id;
    EXPECT_EQ(EnabledPhases(ID_EXPORT_PUZ), "1234");
    doc.curWord = static_cast<int>(doc.puzzle().words.size());
    EXPECT_EQ(EnabledPhases(ID_EDIT_WORD), "");
}

TEST_F(CommandCatalogTest, ViewSwitchesAndTheirCheckMarks) {
    doc.direction = Direction::Down;
    EXPECT_TRUE(Checked(ID_DIRECTION_DOWN));
    EXPECT_FALSE(Checked(ID_DIRECTION_ACROSS));
    Arrange(doc)->numbering.acrossOnly = true;
    EXPECT_EQ(EnabledPhases(ID_DIRECTION_DOWN), "");
    EXPECT_EQ(EnabledPhases(ID_SCROLL_LEFT), "");
    facts.scrollBars = facts.autoNextWord = facts.toolBar = true;
    EXPECT_EQ(EnabledPhases(ID_SCROLL_LEFT), "1234");
    for (int id : {ID_VIEW_SCROLLBARS, ID_AUTO_NEXT_WORD, ID_VIEW_TOOLBAR})
        EXPECT_TRUE(Checked(id));
    EXPECT_FALSE(GetCommandState(ID_ZOOM_IN, doc, facts)->checked.has_value());
    for (int id : {ID_ZOOM_IN, ID_FILE_SAVE}) EXPECT_EQ(EnabledPhases(id), "1234");
}

}  // namespace
