#include "app/command_table.h"

#include <algorithm>

#include "model/cells.h"

namespace {

QKeySequence Key(QKeyCombination combination) { return QKeySequence(combination); }

constexpr auto CTRL = Qt::ControlModifier;
constexpr auto ALT = Qt::AltModifier;
constexpr auto PAD = Qt::KeypadModifier;
constexpr int TOOL_BAR_GROUP = 10;

std::vector<CommandSpec> BuildTable() {
    const char* bestand = "&Bestand";
    const char* exportMenu = "&Export";
    const char* beeld = "Bee&ld";
    const char* fase = "&Fase";
    const char* rooster = "&Rooster";
    const char* schuif = "&Rooster|&Schuif";
    const char* vorm = "&Rooster|&Vorm";
    const char* omschrijvingen = "&Omschrijvingen";
    const char* autoZoek = "&AutoZoek";
    const char* navigeer = "&AutoZoek|&Navigeer";
    const char* hulp = "&Hulp";
    return {
        {.id = ID_FILE_NEW,
         .menuPath = bestand,
         .shortcutText = "Ctrl+N",
         .keys = {Key(CTRL | Qt::Key_N)},
         .toolBarSlot = 11,
         .icon = ToolIcons::NewPage},
        {.id = ID_FILE_OPEN,
         .menuPath = bestand,
         .shortcutText = "Ctrl+O",
         .keys = {Key(CTRL | Qt::Key_O)},
         .toolBarSlot = 12,
         .icon = ToolIcons::OpenFolder},
        {.id = ID_FILE_SAVE,
         .menuPath = bestand,
         .shortcutText = "Ctrl+S",
         .keys = {Key(CTRL | Qt::Key_S)},
         .toolBarSlot = 13,
         .icon = ToolIcons::Disk},
        {.id = ID_FILE_SAVE_AS,
         .menuPath = bestand,
         .shortcutText = "F12",
         .keys = {Key(Qt::Key_F12)}},
        {.id = ID_FILE_SEND_MAIL, .menuPath = bestand, .separatorBefore = true},
        {.id = ID_IMPORT_ROS, .menuPath = bestand, .separatorBefore = true},
        {.id = ID_IMPORT_PUZ, .menuPath = bestand},
        {.id = ID_IMPORT_IPUZ, .menuPath = bestand},
        {.id = ID_IMPORT_HTML, .menuPath = bestand},
        {.id = ID_FILE_PRINT,
         .menuPath = bestand,
         .separatorBefore = true,
         .shortcutText = "Ctrl+P",
         .keys = {Key(CTRL | Qt::Key_P)},
         .toolBarSlot = 14,
         .icon = ToolIcons::Printer},
        {.id = ID_FILE_PRINT_PREVIEW, .menuPath = bestand},
        {.id = ID_FILE_PRINT_GRID, .menuPath = bestand},
        {.id = ID_FILE_PRINT_GREY, .menuPath = bestand},
        {.id = ID_FILE_PRINT_SETUP, .menuPath = bestand},
        {.id = ID_FILE_MRU_FIRST, .menuPath = bestand, .separatorBefore = true},
        {.id = ID_APP_EXIT, .menuPath = bestand, .separatorBefore = true},
        {.id = ID_EXPORT_TEXT, .menuPath = exportMenu},
        {.id = ID_EXPORT_CLUES, .menuPath = exportMenu},
        {.id = ID_EXPORT_HTML_EMPTY,
         .menuPath = exportMenu,
         .shortcutText = "Ctrl+H",
         .keys = {Key(CTRL | Qt::Key_H)}},
        {.id = ID_EXPORT_HTML_FILLED, .menuPath = exportMenu},
        {.id = ID_EXPORT_PNG, .menuPath = exportMenu},
        {.id = ID_EXPORT_PUZ_TEXT, .menuPath = exportMenu},
        {.id = ID_EXPORT_PUZ, .menuPath = exportMenu},
        {.id = ID_EXPORT_IPUZ, .menuPath = exportMenu},
        {.id = ID_EXPORT_PDF, .menuPath = exportMenu},
        {.id = ID_EXPORT_WEB, .menuPath = exportMenu},
        {.id = ID_EXPORT_ALL_CLUES, .menuPath = exportMenu, .separatorBefore = true},
        {.id = ID_VIEW_TOOLBAR, .menuPath = beeld},
        {.id = ID_VIEW_STATUS_BAR, .menuPath = beeld},
        {.id = ID_VIEW_SCROLLBARS,
         .menuPath = beeld,
         .separatorBefore = true,
         .toolBarSlot = 31,
         .icon = ToolIcons::ScrollBars},
        {.id = ID_SCROLL_DOWN,
         .menuPath = beeld,
         .shortcutText = "PgDn",
         .keys = {Key(Qt::Key_PageDown)}},
        {.id = ID_SCROLL_UP,
         .menuPath = beeld,
         .shortcutText = "PgUp",
         .keys = {Key(Qt::Key_PageUp)}},
        {.id = ID_SCROLL_RIGHT,
         .menuPath = beeld,
         .shortcutText = "Ctrl+PgDn",
         .keys = {Key(CTRL | Qt::Key_PageDown)}},
        {.id = ID_SCROLL_LEFT,
         .menuPath = beeld,
         .shortcutText = "Ctrl+PgUp",
         .keys = {Key(CTRL | Qt::Key_PageUp)}},
        {.id = ID_ZOOM_IN,
         .menuPath = beeld,
         .separatorBefore = true,
         .shortcutText = "Ctrl+Grijze+",
         .keys = {Key(CTRL | PAD | Qt::Key_Plus)},
         .toolBarSlot = 32,
         .icon = ToolIcons::ZoomIn},
        {.id = ID_ZOOM_OUT,
         .menuPath = beeld,
         .shortcutText = "Ctrl+Grijze-",
         .keys = {Key(CTRL | PAD | Qt::Key_Minus)},
         .toolBarSlot = 33,
         .icon = ToolIcons::ZoomOut},
        {.id = ID_VIEW_FILLABILITY,
         .menuPath = beeld,
         .separatorBefore = true,
         .toolBarSlot = 34,
         .icon = ToolIcons::HeatGrid},
        {.id = ID_VIEW_CANDIDATES,
         .menuPath = beeld,
         .toolBarSlot = 35,
         .icon = ToolIcons::ScoredList},
        {.id = ID_PHASE_SHAPE,
         .menuPath = fase,
         .shortcutText = "Ctrl+1",
         .keys = {Key(CTRL | Qt::Key_1)},
         .toolBarSlot = 51,
         .icon = ToolIcons::Digit1},
        {.id = ID_PHASE_FILL,
         .menuPath = fase,
         .shortcutText = "Ctrl+2",
         .keys = {Key(CTRL | Qt::Key_2)},
         .toolBarSlot = 52,
         .icon = ToolIcons::Digit2},
        {.id = ID_SEARCH_START,
         .menuPath = fase,
         .shortcutText = "Ctrl+Z",
         .keys = {Key(CTRL | Qt::Key_Z)},
         .toolBarSlot = 53,
         .icon = ToolIcons::Digit3},
        {.id = ID_SOLUTIONS_SHOW,
         .menuPath = fase,
         .shortcutText = "Ctrl+T",
         .keys = {Key(CTRL | Qt::Key_T)},
         .toolBarSlot = 54,
         .icon = ToolIcons::Digit4},
        {.id = ID_GRID_PROPERTIES,
         .menuPath = rooster,
         .shortcutText = "Ctrl+E",
         .keys = {Key(CTRL | Qt::Key_E)},
         .toolBarSlot = 61,
         .icon = ToolIcons::GridWithE},
        {.id = ID_GRID_COMMENT, .menuPath = rooster},
        {.id = ID_GRID_CLEAN, .menuPath = rooster, .separatorBefore = true},
        {.id = ID_GRID_REMOVE_LETTERS, .menuPath = rooster},
        {.id = ID_GRID_EDGE_BLACK, .menuPath = rooster},
        {.id = ID_GRID_COPY,
         .menuPath = rooster,
         .separatorBefore = true,
         .shortcutText = "Ctrl+C",
         .keys = {Key(CTRL | Qt::Key_C)}},
        {.id = ID_UNDO,
         .menuPath = rooster,
         .shortcutText = "Alt+BkSp",
         .keys = {Key(ALT | Qt::Key_Backspace)},
         .toolBarSlot = 22,
         .icon = ToolIcons::UndoArrow},
        {.id = ID_REDO,
         .menuPath = rooster,
         .shortcutText = "Ctrl+Y",
         .keys = {Key(CTRL | Qt::Key_Y)},
         .toolBarSlot = 23,
         .icon = ToolIcons::RedoArrow},
        {.id = ID_DIRECTION_ACROSS,
         .menuPath = rooster,
         .separatorBefore = true,
         .shortcutText = "Alt+Right",
         .keys = {Key(ALT | Qt::Key_Right), Key(ALT | Qt::Key_Left)},
         .toolBarSlot = 41,
         .icon = ToolIcons::ArrowRight},
        {.id = ID_DIRECTION_DOWN,
         .menuPath = rooster,
         .shortcutText = "Alt+Up",
         .keys = {Key(ALT | Qt::Key_Up), Key(ALT | Qt::Key_Down)},
         .toolBarSlot = 42,
         .icon = ToolIcons::ArrowDown},
        {.id = ID_SPELL_CHECK, .menuPath = rooster, .separatorBefore = true},
        {.id = ID_GRID_CHECK, .menuPath = rooster},
        {.id = ID_REDRAW,
         .menuPath = rooster,
         .shortcutText = "Ctrl+R",
         .keys = {Key(CTRL | Qt::Key_R)},
         .toolBarSlot = 24,
         .icon = ToolIcons::GridWithBlock},
        {.id = ID_SHIFT_RIGHT,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+Right",
         .keys = {Key(CTRL | ALT | Qt::Key_Right)}},
        {.id = ID_SHIFT_LEFT,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+Left",
         .keys = {Key(CTRL | ALT | Qt::Key_Left)}},
        {.id = ID_SHIFT_DOWN,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+Down",
         .keys = {Key(CTRL | ALT | Qt::Key_Down)}},
        {.id = ID_SHIFT_UP,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+Up",
         .keys = {Key(CTRL | ALT | Qt::Key_Up)}},
        {.id = ID_ROTATE_CLOCKWISE,
         .menuPath = schuif,
         .separatorBefore = true,
         .shortcutText = "Ctrl+Alt+R",
         .keys = {Key(CTRL | ALT | Qt::Key_R)}},
        {.id = ID_MIRROR_COLUMNS,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+V",
         .keys = {Key(CTRL | ALT | Qt::Key_V)}},
        {.id = ID_MIRROR_ROWS,
         .menuPath = schuif,
         .shortcutText = "Ctrl+Alt+H",
         .keys = {Key(CTRL | ALT | Qt::Key_H)}},
        {.id = ID_COMPARE,
         .menuPath = rooster,
         .separatorBefore = true,
         .shortcutText = "Ctrl+Q",
         .keys = {Key(CTRL | Qt::Key_Q)}},
        {.id = ID_COLOURS_WEBPUZZEL, .menuPath = rooster, .separatorBefore = true},
        {.id = ID_COLOURS_ACROSS_LITE, .menuPath = rooster},
        {.id = ID_ALTERNATE_BLACK,
         .menuPath = rooster,
         .separatorBefore = true,
         .shortcutText = "Ctrl+\\",
         .keys = {Key(CTRL | Qt::Key_Backslash)}},
        {.id = ID_FREE_CELLS_BLACK, .menuPath = rooster},
        {.id = ID_ZWEEDS_LAYOUT, .menuPath = vorm},
        {.id = ID_CLUE_ARROWS, .menuPath = vorm},
        {.id = ID_BAR_RIGHT, .menuPath = vorm, .separatorBefore = true},
        {.id = ID_BAR_BELOW, .menuPath = vorm},
        {.id = ID_KEY_CELL, .menuPath = vorm, .separatorBefore = true},
        {.id = ID_AUTO_NEXT_WORD, .menuPath = rooster, .separatorBefore = true},
        {.id = ID_EDIT_WORD,
         .menuPath = omschrijvingen,
         .shortcutText = "<TAB>",
         .keys = {Key(Qt::Key_Tab)},
         .toolBarSlot = 71,
         .icon = ToolIcons::LettersAB},
        {.id = ID_SHOW_CLUES,
         .menuPath = omschrijvingen,
         .shortcutText = "Ctrl+D",
         .keys = {Key(CTRL | Qt::Key_D)},
         .toolBarSlot = 62,
         .icon = ToolIcons::TextLines},
        {.id = ID_SHOW_CLUE_LIST,
         .menuPath = omschrijvingen,
         .shortcutText = "Ctrl+A",
         .keys = {Key(CTRL | Qt::Key_A)},
         .toolBarSlot = 63,
         .icon = ToolIcons::BulletLines},
        {.id = ID_READ_CLUES,
         .menuPath = omschrijvingen,
         .separatorBefore = true,
         .shortcutText = "Ctrl+L",
         .keys = {Key(CTRL | Qt::Key_L)}},
        {.id = ID_WRITE_CLUE_FILE, .menuPath = omschrijvingen},
        {.id = ID_PASTE_CLUES,
         .menuPath = omschrijvingen,
         .separatorBefore = true,
         .shortcutText = "Ctrl+V",
         .keys = {Key(CTRL | Qt::Key_V)},
         .toolBarSlot = 21,
         .icon = ToolIcons::Clipboard},
        {.id = ID_SEARCH_OPTIONS,
         .menuPath = autoZoek,
         .toolBarSlot = 64,
         .icon = ToolIcons::GridWithQuestion},
        {.id = ID_EXTRA_SEARCH_FILES, .menuPath = autoZoek},
        {.id = ID_SEARCH_START, .menuPath = autoZoek, .separatorBefore = true, .otherName = true},
        {.id = ID_SOLUTIONS_SHOW, .menuPath = autoZoek, .otherName = true},
        {.id = ID_SOLUTION_FIRST,
         .menuPath = navigeer,
         .shortcutText = "Grijze /",
         .keys = {Key(PAD | Qt::Key_Slash)}},
        {.id = ID_SOLUTION_NEXT,
         .menuPath = navigeer,
         .shortcutText = "Grijze +",
         .keys = {Key(PAD | Qt::Key_Plus)}},
        {.id = ID_SOLUTION_PREVIOUS,
         .menuPath = navigeer,
         .shortcutText = "Grijze -",
         .keys = {Key(PAD | Qt::Key_Minus)}},
        {.id = ID_SOLUTION_LAST,
         .menuPath = navigeer,
         .shortcutText = "Grijze *",
         .keys = {Key(PAD | Qt::Key_Asterisk)}},
        {.id = ID_SOLUTIONS_DONE, .menuPath = autoZoek, .toolBarSlot = 55, .icon = ToolIcons::Tick},
        {.id = ID_SOLUTION_TAKE_OVER, .menuPath = autoZoek},
        {.id = ID_SHOW_BEST_RESULT, .menuPath = autoZoek},
        {.id = ID_WRITE_SOLUTIONS, .menuPath = autoZoek, .separatorBefore = true},
        {.id = ID_SEARCH_INTERRUPT, .menuPath = autoZoek},
        {.id = ID_FREQUENCY_DISTRIBUTION, .menuPath = autoZoek, .separatorBefore = true},
        {.id = ID_IMPROVE_FILL, .menuPath = autoZoek},
        {.id = ID_FILL_SELECTION, .menuPath = autoZoek, .separatorBefore = true},
        {.id = ID_LOCK,
         .menuPath = autoZoek,
         .shortcutText = "Ctrl+K",
         .keys = {Key(CTRL | Qt::Key_K)}},
        {.id = ID_APP_ABOUT, .menuPath = hulp, .toolBarSlot = 81, .icon = ToolIcons::QuestionCoin},
    };
}

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> table = BuildTable();
    return table;
}

std::vector<int> ToolBarLayout() {
    std::vector<const CommandSpec*> buttons;
    for (const CommandSpec& spec : CommandTable())
        if (spec.toolBarSlot > 0) buttons.push_back(&spec);
    std::sort(buttons.begin(), buttons.end(), [](const CommandSpec* a, const CommandSpec* b) {
        return a->toolBarSlot < b->toolBarSlot;
    });
    std::vector<int> layout;
    int group = 0;
    for (const CommandSpec* button : buttons) {
        const int buttonGroup = button->toolBarSlot / TOOL_BAR_GROUP;
        if (group != 0 && buttonGroup != group) layout.push_back(0);
        group = buttonGroup;
        layout.push_back(button->id);
    }
    return layout;
}

const std::vector<const char*>& MainMenuTitles() {
    static const std::vector<const char*> titles = {"&Bestand",  "&Export",  "Bee&ld",
                                                    "&Fase",     "&Rooster", "&Omschrijvingen",
                                                    "&AutoZoek", "&Hulp"};
    return titles;
}

const CommandSpec* FindCommandSpec(int id) {
    for (const CommandSpec& spec : CommandTable())
        if (spec.id == id) return &spec;
    return nullptr;
}

const char* MenuText(const CommandSpec& spec) {
    const CommandInfo* info = FindCommand(spec.id);
    return spec.otherName ? info->OtherName() : info->text;
}

int CommandForKey(QKeyCombination key) {
    const QKeySequence pressed(key);
    for (const CommandSpec& spec : CommandTable())
        for (const QKeySequence& shortcut : spec.keys)
            if (shortcut == pressed) return spec.id;
    return 0;
}
