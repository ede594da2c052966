#include "view/context_menus.h"

#include "editing/command_ids.h"

const std::vector<int>& ContextMenuOfPhase(Phase phase) {
    static const std::vector<int> shaping = {
        ID_GRID_PROPERTIES,     ID_SEARCH_OPTIONS, ID_GRID_CLEAN,
        ID_GRID_REMOVE_LETTERS, ID_GRID_COPY,      ID_EXPORT_TEXT,
        ID_EXPORT_HTML_EMPTY,   ID_SEARCH_START,   ID_SHOW_BEST_RESULT};
    static const std::vector<int> filling = {ID_GRID_PROPERTIES,   ID_SEARCH_OPTIONS,
                                             ID_SEARCH_START,      ID_GRID_REMOVE_LETTERS,
                                             ID_GRID_COPY,         ID_EXPORT_TEXT,
                                             ID_EXPORT_HTML_EMPTY, ID_SOLUTIONS_SHOW,
                                             ID_SHOW_BEST_RESULT,  0,
                                             ID_FILL_SELECTION,    ID_LOCK};
    static const std::vector<int> searching = {ID_SEARCH_INTERRUPT};
    static const std::vector<int> showing = {
        ID_SEARCH_OPTIONS, 0, ID_SOLUTION_FIRST,     ID_SOLUTION_NEXT, ID_SOLUTION_PREVIOUS,
        ID_SOLUTION_LAST,  0, ID_SOLUTION_TAKE_OVER, ID_SOLUTIONS_DONE};
    static const std::vector<int> none;
    switch (phase) {
        case Phase::Vormen:
            return shaping;
        case Phase::Vullen:
            return filling;
        case Phase::Tonen:
            return showing;
        case Phase::Zoeken:
            return searching;
        default:
            return none;
    }
}
