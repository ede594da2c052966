#include "editing/command_enabling.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "editing/command_ids.h"
#include "editing/phase_switch.h"
#include "editing/undo_history.h"
#include "test_support.h"

namespace {

class CommandEnablingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetGrid(doc, {"...", "...", "..."});
        StartEditingDocument(doc, undo);
    }
    bool Enabled(int id) const {
        const std::optional<CommandState> state = GetCommandState(id, doc, undo, facts);
        EXPECT_TRUE(state.has_value()) << id;
        return state && state->enabled;
    }
    bool Checked(int id) const {
        const std::optional<CommandState> state = GetCommandState(id, doc, undo, facts);
        return state && state->checked;
    }
    // Which of the commands are enabled in each phase.
    std::map<int, bool> EnabledByPhase(int id) {
        std::map<int, bool> byPhase;
        for (int phase : {PHASE_VORMEN, PHASE_VULLEN, PHASE_TONEN, PHASE_ZOEKEN}) {
            doc.phase = phase;
            byPhase[phase] = Enabled(id);
        }
        return byPhase;
    }

    CRooster2Doc doc;
    CUndoHistories undo;
    CommandFacts facts;
};

using ByPhase = std::map<int, bool>;
const ByPhase ONLY_SHAPING{{1, true}, {2, false}, {3, false}, {4, false}};
const ByPhase ONLY_FILLING{{1, false}, {2, true}, {3, false}, {4, false}};
const ByPhase SHAPING_OR_FILLING{{1, true}, {2, true}, {3, false}, {4, false}};
const ByPhase NOT_SEARCHING{{1, true}, {2, true}, {3, true}, {4, false}};
const ByPhase ONLY_SEARCHING{{1, false}, {2, false}, {3, false}, {4, true}};
const ByPhase ALWAYS{{1, true}, {2, true}, {3, true}, {4, true}};
const ByPhase NEVER{{1, false}, {2, false}, {3, false}, {4, false}};

TEST_F(CommandEnablingTest, PhaseCommandsAndTheirCheckMarks) {
    EXPECT_EQ(EnabledByPhase(ID_PHASE_SHAPE), ONLY_FILLING);
    EXPECT_EQ(EnabledByPhase(ID_PHASE_FILL), ONLY_SHAPING);
    doc.phase = PHASE_VORMEN;
    EXPECT_TRUE(Checked(ID_PHASE_SHAPE));
    EXPECT_FALSE(Checked(ID_PHASE_FILL));
    doc.phase = PHASE_VULLEN;
    EXPECT_FALSE(Checked(ID_PHASE_SHAPE));
    EXPECT_TRUE(Checked(ID_PHASE_FILL));
}

TEST_F(CommandEnablingTest, CommandsFollowTheirPhaseRule) {
    const struct {
        const ByPhase& rule;
        std::vector<int> ids;
    } cases[] = {
        {ONLY_SHAPING,
         {ID_GRID_CLEAN, ID_SHIFT_RIGHT, ID_SHIFT_LEFT, ID_SHIFT_DOWN, ID_SHIFT_UP, ID_MIRROR_ROWS,
          ID_MIRROR_COLUMNS, ID_ALTERNATE_BLACK, ID_FREE_CELLS_BLACK, ID_ROTATE_CLOCKWISE,
          ID_IMPORT_HTML}},
        {ONLY_FILLING,
         {ID_READ_CLUES, ID_PASTE_CLUES, ID_AUTO_NEXT_WORD, ID_SHOW_CLUES, ID_SHOW_CLUE_LIST,
          ID_WRITE_CLUE_FILE, ID_EDIT_WORD}},
        {SHAPING_OR_FILLING, {ID_IMPORT_ROS, ID_IMPORT_PUZ, ID_IMPORT_IPUZ, ID_REDRAW}},
        // Replacing, reshaping or emptying the puzzle is refused while the search runs.
        {NOT_SEARCHING,
         {ID_GRID_REMOVE_LETTERS, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST,
          ID_GRID_PROPERTIES}},
        // Without a rule of their own.
        {ALWAYS,
         {ID_GRID_COPY, ID_GRID_EDGE_BLACK, ID_EXPORT_HTML_EMPTY, ID_EXPORT_HTML_FILLED,
          ID_EXPORT_PNG, ID_GRID_COMMENT, ID_EXPORT_PUZ_TEXT, ID_COMPARE, ID_EXPORT_ALL_CLUES,
          ID_COLORS_ACROSS_LITE, ID_COLORS_WEBPUZZEL, ID_ZOOM_IN, ID_ZOOM_OUT,
          ID_DIRECTION_ACROSS, ID_VIEW_SCROLLBARS, ID_EXPORT_PUZ, ID_EXPORT_IPUZ, ID_EXPORT_PDF}},
    };
    for (const auto& c : cases)
        for (int id : c.ids) EXPECT_EQ(EnabledByPhase(id), c.rule) << id;
}

TEST_F(CommandEnablingTest, RotationNeedsASquareGrid) {
    doc.phase = PHASE_VORMEN;
    doc.puzzle.width = 15;
    doc.puzzle.height = 13;
    EXPECT_FALSE(Enabled(ID_ROTATE_CLOCKWISE));
    doc.puzzle.height = 15;
    EXPECT_TRUE(Enabled(ID_ROTATE_CLOCKWISE));
}

TEST_F(CommandEnablingTest, FrameworkCommandsHaveNoRuleHere) {
    for (int id : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_APP_ABOUT, ID_APP_EXIT,
                   ID_VIEW_TOOLBAR, ID_FILE_SEND_MAIL, 12345})
        EXPECT_FALSE(GetCommandState(id, doc, undo, facts).has_value()) << id;
}

TEST_F(CommandEnablingTest, SearchCommands) {
    EXPECT_EQ(EnabledByPhase(ID_SEARCH_START), NEVER);
    EXPECT_EQ(EnabledByPhase(ID_SPELL_CHECK), NEVER);
    EXPECT_EQ(EnabledByPhase(ID_EXTRA_SEARCH_FILES), NEVER);
    doc.puzzle.search.wordFile = "woorden02.doc";
    EXPECT_EQ(EnabledByPhase(ID_SEARCH_START), SHAPING_OR_FILLING);
    EXPECT_EQ(EnabledByPhase(ID_SPELL_CHECK), ALWAYS);
    EXPECT_EQ(EnabledByPhase(ID_EXTRA_SEARCH_FILES), ALWAYS);
    EXPECT_EQ(EnabledByPhase(ID_SEARCH_OPTIONS), NOT_SEARCHING);
    EXPECT_EQ(EnabledByPhase(ID_SEARCH_INTERRUPT), ONLY_SEARCHING);
}

TEST_F(CommandEnablingTest, SolutionCommandsNeedSolutions) {
    const int navigation[] = {ID_SOLUTION_FIRST, ID_SOLUTION_NEXT, ID_SOLUTION_PREVIOUS,
                              ID_SOLUTION_LAST, ID_SOLUTIONS_DONE};
    EXPECT_EQ(EnabledByPhase(ID_SOLUTIONS_SHOW), NEVER);
    EXPECT_EQ(EnabledByPhase(ID_WRITE_SOLUTIONS), NEVER);
    EXPECT_EQ(EnabledByPhase(ID_FREQUENCY_DISTRIBUTION), NEVER);
    for (int id : navigation) EXPECT_EQ(EnabledByPhase(id), NEVER) << id;
    facts.solutionCount = 2;
    EXPECT_EQ(EnabledByPhase(ID_SOLUTIONS_SHOW), ONLY_FILLING);
    EXPECT_EQ(EnabledByPhase(ID_WRITE_SOLUTIONS), ALWAYS);
    EXPECT_EQ(EnabledByPhase(ID_FREQUENCY_DISTRIBUTION), ALWAYS);
    for (int id : navigation)
        EXPECT_EQ(EnabledByPhase(id), (ByPhase{{1, false}, {2, false}, {3, true}, {4, false}}));
}

TEST_F(CommandEnablingTest, BestResultNeedsADepthAndNoRunningSearch) {
    EXPECT_EQ(EnabledByPhase(ID_SHOW_BEST_RESULT), NEVER);
    facts.bestDepth = 7;
    EXPECT_EQ(EnabledByPhase(ID_SHOW_BEST_RESULT), NOT_SEARCHING);
}

TEST_F(CommandEnablingTest, ClueWindowsAndPartNumbering) {
    doc.phase = PHASE_VULLEN;
    facts.clueDialogOpen = true;
    EXPECT_FALSE(Enabled(ID_SHOW_CLUES));
    EXPECT_TRUE(Enabled(ID_SHOW_CLUE_LIST));
    facts.clueListOpen = true;
    EXPECT_FALSE(Enabled(ID_SHOW_CLUE_LIST));
    facts = CommandFacts{};
    doc.puzzle.numbering.numberPartWords = true;
    for (int id :
         {ID_SHOW_CLUES, ID_SHOW_CLUE_LIST, ID_WRITE_CLUE_FILE, ID_EXPORT_TEXT, ID_EXPORT_CLUES})
        EXPECT_FALSE(Enabled(id)) << id;
    doc.puzzle.numbering.numberPartWords = false;
    EXPECT_EQ(EnabledByPhase(ID_EXPORT_TEXT), ALWAYS);
    EXPECT_EQ(EnabledByPhase(ID_EXPORT_CLUES), ALWAYS);
}

TEST_F(CommandEnablingTest, EditWordNeedsACurrentWord) {
    doc.phase = PHASE_VULLEN;
    doc.curWord = -1;
    EXPECT_FALSE(Enabled(ID_EDIT_WORD));
    doc.curWord = static_cast<int>(doc.puzzle.words.size());
    EXPECT_FALSE(Enabled(ID_EDIT_WORD));
    doc.curWord = static_cast<int>(doc.puzzle.words.size()) - 1;
    EXPECT_TRUE(Enabled(ID_EDIT_WORD));
}

TEST_F(CommandEnablingTest, DirectionsAndTheirCheckMarks) {
    doc.direction = DIR_ACROSS;
    EXPECT_TRUE(Checked(ID_DIRECTION_ACROSS));
    EXPECT_FALSE(Checked(ID_DIRECTION_DOWN));
    doc.direction = DIR_DOWN;
    EXPECT_FALSE(Checked(ID_DIRECTION_ACROSS));
    EXPECT_TRUE(Checked(ID_DIRECTION_DOWN));
    EXPECT_EQ(EnabledByPhase(ID_DIRECTION_DOWN), ALWAYS);
    doc.puzzle.numbering.acrossOnly = true;
    EXPECT_EQ(EnabledByPhase(ID_DIRECTION_DOWN), NEVER);
}

TEST_F(CommandEnablingTest, ScrollingFollowsTheScrollBarsMode) {
    for (int id : {ID_SCROLL_DOWN, ID_SCROLL_UP, ID_SCROLL_RIGHT, ID_SCROLL_LEFT})
        EXPECT_EQ(EnabledByPhase(id), NEVER) << id;
    EXPECT_FALSE(Checked(ID_VIEW_SCROLLBARS));
    facts.scrollBars = true;
    for (int id : {ID_SCROLL_DOWN, ID_SCROLL_UP, ID_SCROLL_RIGHT, ID_SCROLL_LEFT})
        EXPECT_EQ(EnabledByPhase(id), ALWAYS) << id;
    EXPECT_TRUE(Checked(ID_VIEW_SCROLLBARS));
}

TEST_F(CommandEnablingTest, NextWordCheckMark) {
    doc.phase = PHASE_VULLEN;
    EXPECT_FALSE(Checked(ID_AUTO_NEXT_WORD));
    facts.autoNextWord = true;
    EXPECT_TRUE(Checked(ID_AUTO_NEXT_WORD));
}

TEST_F(CommandEnablingTest, UndoAndRedoFollowThePhasesHistory) {
    doc.phase = PHASE_VORMEN;
    EXPECT_FALSE(Enabled(ID_UNDO));
    EXPECT_FALSE(Enabled(ID_REDO));
    undo.PushShapeUndo(doc);
    EXPECT_TRUE(Enabled(ID_UNDO));
    doc.phase = PHASE_VULLEN;
    EXPECT_FALSE(Enabled(ID_UNDO));
    undo.PushFillUndo(doc);
    EXPECT_TRUE(Enabled(ID_UNDO));
    undo.Undo(doc);
    EXPECT_FALSE(Enabled(ID_UNDO));
    EXPECT_TRUE(Enabled(ID_REDO));
    for (int phase : {PHASE_TONEN, PHASE_ZOEKEN}) {
        doc.phase = phase;
        EXPECT_FALSE(Enabled(ID_UNDO));
        EXPECT_FALSE(Enabled(ID_REDO));
    }
}

}  // namespace
