#include "editing/command_enabling.h"

#include "editing/command_ids.h"
#include "editing/grid_transforms.h"
#include "editing/undo_history.h"
#include "model/rooster2_doc.h"
#include "search/fill_improver.h"
#include "search/search_options.h"

namespace {

CommandState Enabled(bool enabled) { return {enabled, false}; }
CommandState EnabledChecked(bool enabled, bool checked) { return {enabled, checked}; }

// Opening or starting another puzzle while the search runs would pull the
// words out from under it (the search runs inside its own command and lets
// the menus work between its steps).
std::optional<CommandState> FrameworkCommandState(int id, Phase phase) {
    const bool replacesDocument = id == ID_FILE_NEW || id == ID_FILE_OPEN ||
                                  (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST);
    if (replacesDocument) return Enabled(phase != Phase::Zoeken);
    return std::nullopt;
}

}  // namespace

std::optional<CommandState> GetCommandState(int id, const Rooster2Doc& doc,
                                            const UndoHistories& undo, const CommandFacts& facts) {
    const Phase phase = doc.phase;
    const bool shaping = phase == Phase::Vormen;
    const bool filling = phase == Phase::Vullen;
    const bool editing = shaping || filling;
    const bool hasWordFile = !doc.SearchWordFile().empty();
    const bool plainNumbering = !doc.puzzle.numbering.numberPartWords;
    const bool solutions = facts.solutionCount > 0;

    if (IsGridTransform(id)) return Enabled(CanRunGridTransform(id, doc));
    switch (id) {
        case ID_PHASE_SHAPE:
            return EnabledChecked(filling, shaping);
        case ID_PHASE_FILL:
            return EnabledChecked(shaping, filling);
        case ID_DIRECTION_ACROSS:
            return EnabledChecked(true, doc.direction == Direction::Across);
        case ID_DIRECTION_DOWN:
            return EnabledChecked(!doc.puzzle.numbering.acrossOnly,
                                  doc.direction == Direction::Down);
        case ID_GRID_PROPERTIES:
            // Resizing or clearing the grid under a running search would pull the
            // cells and words out from under it.
            return Enabled(phase != Phase::Zoeken);
        case ID_SHOW_CLUES:
            return Enabled(filling && !facts.clueDialogOpen && plainNumbering);
        case ID_EDIT_WORD:
            return Enabled(filling && doc.puzzle.IsValidWordIndex(doc.curWord));
        case ID_SEARCH_START:
            return Enabled(CanStartSearch(doc));
        case ID_SOLUTIONS_SHOW:
            return Enabled(filling && solutions);
        case ID_SOLUTION_FIRST:
        case ID_SOLUTION_NEXT:
        case ID_SOLUTION_PREVIOUS:
        case ID_SOLUTION_LAST:
        case ID_SOLUTIONS_DONE:
        case ID_SOLUTION_TAKE_OVER:
            return Enabled(phase == Phase::Tonen && solutions);
        case ID_SEARCH_OPTIONS:
        case ID_GRID_CHECK:
            return Enabled(phase != Phase::Zoeken);
        case ID_WRITE_SOLUTIONS:
        case ID_FREQUENCY_DISTRIBUTION:
            return Enabled(solutions);
        case ID_IMPROVE_FILL:
            return Enabled(CanImproveFill(doc, facts.solutionCount));
        case ID_EXPORT_TEXT:
            return Enabled(plainNumbering);
        case ID_UNDO:
            return Enabled(undo.CanUndo(phase));
        case ID_REDO:
            return Enabled(undo.CanRedo(phase));
        case ID_SEARCH_INTERRUPT:
            return Enabled(phase == Phase::Zoeken);
        case ID_IMPORT_ROS:
            return Enabled(editing);
        case ID_VIEW_SCROLLBARS:
            return EnabledChecked(true, facts.scrollBars);
        case ID_READ_CLUES:
            return Enabled(filling);
        case ID_SHOW_BEST_RESULT:
            return Enabled(phase != Phase::Zoeken && facts.bestDepth > 0);
        case ID_WRITE_CLUE_FILE:
            return Enabled(filling && plainNumbering);
        case ID_IMPORT_HTML:
            return Enabled(shaping);
        case ID_SPELL_CHECK:
            return Enabled(hasWordFile);
        case ID_IMPORT_PUZ:
        case ID_IMPORT_IPUZ:
            return Enabled(editing);
        case ID_REDRAW:
            return Enabled(editing);
        case ID_SCROLL_DOWN:
        case ID_SCROLL_UP:
        case ID_SCROLL_RIGHT:
        case ID_SCROLL_LEFT:
            return Enabled(facts.scrollBars);
        case ID_ZOOM_IN:
        case ID_ZOOM_OUT:
            return Enabled(true);
        case ID_EXPORT_CLUES:
            return Enabled(plainNumbering);
        case ID_SHOW_CLUE_LIST:
            return Enabled(filling && !facts.clueListOpen && plainNumbering);
        case ID_AUTO_NEXT_WORD:
            return EnabledChecked(filling, facts.autoNextWord);
        case ID_EXTRA_SEARCH_FILES:
            return Enabled(hasWordFile);
        case ID_PASTE_CLUES:
            return Enabled(filling);
        // The view's commands without a rule of their own: always.
        case ID_GRID_COPY:
        case ID_EXPORT_HTML_EMPTY:
        case ID_EXPORT_HTML_FILLED:
        case ID_EXPORT_PNG:
        case ID_GRID_COMMENT:
        case ID_EXPORT_PUZ_TEXT:
        case ID_EXPORT_PUZ:
        case ID_EXPORT_IPUZ:
        case ID_EXPORT_PDF:
        case ID_EXPORT_WEB:
        case ID_COMPARE:
        case ID_EXPORT_ALL_CLUES:
        case ID_COLOURS_ACROSS_LITE:
        case ID_COLOURS_WEBPUZZEL:
            return Enabled(true);
        default:
            return FrameworkCommandState(id, phase);
    }
}
