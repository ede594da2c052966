#include "view/context_menus.h"

#include "editing/command_ids.h"
#include "model/cells.h"

const std::vector<ContextMenuItem>& ContextMenuOfPhase(Phase phase) {
    static const std::vector<ContextMenuItem> shaping = {
        {ID_GRID_PROPERTIES, "&Eigenschappen..."},
        {ID_SEARCH_OPTIONS, "&ZoekOpties..."},
        {ID_GRID_CLEAN, "&Rooster schoonmaken"},
        {ID_GRID_REMOVE_LETTERS, "&Verwijder alle invullingen"},
        {ID_GRID_COPY, "&Kopieer"},
        {ID_EXPORT_TEXT, "&Schrijf rooster..."},
        {ID_EXPORT_HTML_EMPTY, "S&chrijf rooster als html..."},
        {ID_SEARCH_START, "Start &zoeken"},
        {ID_SHOW_BEST_RESULT, "Toon &beste zoekresultaat"}};
    static const std::vector<ContextMenuItem> filling = {
        {ID_GRID_PROPERTIES, "&Eigenschappen..."},
        {ID_SEARCH_OPTIONS, "&ZoekOpties..."},
        {ID_SEARCH_START, "Start &zoeken"},
        {ID_GRID_REMOVE_LETTERS, "&Verwijder alle invullingen"},
        {ID_GRID_COPY, "&Kopieer"},
        {ID_EXPORT_TEXT, "&Schrijf rooster..."},
        {ID_EXPORT_HTML_EMPTY, "S&chrijf rooster als html..."},
        {ID_SOLUTIONS_SHOW, "&Toon oplossingen"},
        {ID_SHOW_BEST_RESULT, "Toon &beste zoekresultaat"}};
    static const std::vector<ContextMenuItem> searching = {{ID_SEARCH_INTERRUPT, "&Onderbreken"}};
    static const std::vector<ContextMenuItem> showing = {
        {ID_SEARCH_OPTIONS, "&ZoekOpties..."},
        {0, ""},
        {ID_SOLUTION_FIRST, "&Eerste\tHome"},
        {ID_SOLUTION_NEXT, "&Volgende\tGrijze +"},
        {ID_SOLUTION_PREVIOUS, "V&orige\tGrijze -"},
        {ID_SOLUTION_LAST, "&Laatste\tEnd"},
        {0, ""},
        {ID_SOLUTION_TAKE_OVER, "Oplossing &overnemen"},
        {ID_SOLUTIONS_DONE, "&Klaar"}};
    static const std::vector<ContextMenuItem> none;
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
