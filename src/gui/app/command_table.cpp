#include "app/command_table.h"

#include "model/cells.h"

namespace {

QKeySequence Key(QKeyCombination combination) { return QKeySequence(combination); }

constexpr auto CTRL = Qt::ControlModifier;
constexpr auto ALT = Qt::AltModifier;
constexpr auto PAD = Qt::KeypadModifier;

std::vector<CommandSpec> BuildTable() {
    const char* bestand = "&Bestand";
    const char* exportMenu = "&Export";
    const char* beeld = "Bee&ld";
    const char* fase = "&Fase";
    const char* rooster = "&Rooster";
    const char* schuif = "&Rooster|&Schuif";
    const char* omschrijvingen = "&Omschrijvingen";
    const char* autoZoek = "&AutoZoek";
    const char* navigeer = "&AutoZoek|&Navigeer";
    const char* hulp = "&Hulp";
    return {
        {ID_FILE_NEW, bestand, "&Nieuw", "Ctrl+N", {Key(CTRL | Qt::Key_N)}, "Maak nieuw rooster", "Nieuw", false},
        {ID_FILE_OPEN, bestand, "&Open...", "Ctrl+O", {Key(CTRL | Qt::Key_O)}, "Open bestaand rooster", "Open", false},
        {ID_FILE_SAVE, bestand, "Op&slaan", "Ctrl+S", {Key(CTRL | Qt::Key_S)}, "Sla actieve rooster op", "Opslaan", false},
        {ID_FILE_SAVE_AS, bestand, "Opslaan &als...", "F12", {Key(Qt::Key_F12)}, "Sla actieve rooster op met andere naam", "Opslaan als", false},
        {ID_FILE_SEND_MAIL, bestand, "&Verzenden als e-mail...", "", {}, "Verstuur rooster via e-mail", "", true},
        {ID_IMPORT_ROS, bestand, "O&pen *.ros...", "", {}, "Afkomstig van versie 1 van Rooster", "", true},
        {ID_IMPORT_PUZ, bestand, "Open *.pu&z...", "", {}, "Afkomstig van Across Lite", "", false},
        {ID_IMPORT_IPUZ, bestand, "Open *.&ipuz...", "", {}, "Afkomstig van een ander programma (ipuz)", "", false},
        {ID_IMPORT_HTML, bestand, "Lees roos&ter als html...", "", {}, "Rooster lezen uit een met Rooster2 gemaakt html-bestand", "", false},
        {ID_FILE_PRINT, bestand, "Afdru&kken...", "Ctrl+P", {Key(CTRL | Qt::Key_P)}, "Print het actieve rooster", "Print", true},
        {ID_FILE_PRINT_PREVIEW, bestand, "Afdruk&voorbeeld...", "", {}, "Afdrukvoorbeeld", "Afdrukvoorbeeld", false},
        {ID_FILE_PRINT_GRID, bestand, "Afdrukken rooster zoals &getoond...", "", {}, "Print het rooster zoals het op het scherm staat", "", false},
        {ID_FILE_PRINT_SETUP, bestand, "P&rinter instellingen...", "", {}, "Wijzig printinstellingen", "Printerinstellingen", false},
        {ID_FILE_MRU_FIRST, bestand, "Recent File", "", {}, "Open dit rooster", "", true},
        {ID_APP_EXIT, bestand, "Afsl&uiten", "", {}, "Verlaat programma", "Einde", true},
        {ID_EXPORT_TEXT, exportMenu, "&Tekst...", "", {}, "Schrijf inhoud van rooster in een tekstbestand", "", false},
        {ID_EXPORT_CLUES, exportMenu, "&Omschrijvingen...", "", {}, "Schrijf omschrijvingen in een tekstbestand", "", false},
        {ID_EXPORT_HTML_EMPTY, exportMenu, "&Leeg html...", "Ctrl+H", {Key(CTRL | Qt::Key_H)}, "Schrijf leeg rooster en omschrijvingen als internetpagina (html)", "HTML", false},
        {ID_EXPORT_HTML_FILLED, exportMenu, "&Gevuld html...", "", {}, "Schrijf gevuld rooster en omschrijvingen als internetpagina (html)", "HTML", false},
        {ID_EXPORT_PNG, exportMenu, "A&fbeelding png...", "", {}, "Het rooster als png-bestand schrijven", "", false},
        {ID_EXPORT_PUZ_TEXT, exportMenu, "Tekst voor *.&puz...", "", {}, "Schrijf rooster in een tekstbestand, geschikt voor Across Lite", "", false},
        {ID_EXPORT_PUZ, exportMenu, "Across &Lite (.puz)...", "", {}, "Schrijf gevuld rooster en omschrijvingen als Across Lite-bestand", "", false},
        {ID_EXPORT_IPUZ, exportMenu, "&ipuz...", "", {}, "Schrijf rooster en omschrijvingen als ipuz-bestand", "", false},
        {ID_EXPORT_PDF, exportMenu, "&PDF...", "", {}, "Schrijf een puzzelblad (A4) met rooster en omschrijvingen als PDF", "", false},
        {ID_EXPORT_WEB, exportMenu, "Webpuzzel (interactief)...", "", {}, "Schrijf de puzzel als webpagina die lezers in de browser oplossen", "", false},
        {ID_EXPORT_ALL_CLUES, exportMenu, "&Alle omschrijvingen...", "", {}, "Geeft alle woorden en omschrijvingen van alle *.rtr in een (sub)map", "", true},
        {ID_VIEW_TOOLBAR, beeld, "&Werkbalk", "", {}, "Toon of verberg werkbalk", "", false},
        {ID_VIEW_STATUS_BAR, beeld, "&Statusbalk", "", {}, "Toon of verberg statusbalk", "", false},
        {ID_VIEW_SCROLLBARS, beeld, "&Met schuifbalken", "", {}, "Rooster wordt getoond met of zonder schuifbalken", "Schuifbalken", true},
        {ID_SCROLL_DOWN, beeld, "Schuif &omlaag", "PgDn", {Key(Qt::Key_PageDown)}, "", "", false},
        {ID_SCROLL_UP, beeld, "Schuif om&hoog", "PgUp", {Key(Qt::Key_PageUp)}, "", "", false},
        {ID_SCROLL_RIGHT, beeld, "Schuif &rechts", "Ctrl+PgDn", {Key(CTRL | Qt::Key_PageDown)}, "", "", false},
        {ID_SCROLL_LEFT, beeld, "Schuif &links", "Ctrl+PgUp", {Key(CTRL | Qt::Key_PageUp)}, "", "", false},
        {ID_ZOOM_IN, beeld, "&Groter", "Ctrl+Grijze+", {Key(CTRL | PAD | Qt::Key_Plus)}, "Maak het rooster groter", "Zoom in", true},
        {ID_ZOOM_OUT, beeld, "&Kleiner", "Ctrl+Grijze-", {Key(CTRL | PAD | Qt::Key_Minus)}, "Maak het rooster kleiner", "Zoom uit", false},
        {ID_PHASE_SHAPE, fase, "&1. Vormen rooster", "Ctrl+1", {Key(CTRL | Qt::Key_1)}, "Vorm rooster (gebruik Ctrl+Klik links voor niet-vakjes)", "Vorm rooster", false},
        {ID_PHASE_FILL, fase, "&2. Vullen rooster", "Ctrl+2", {Key(CTRL | Qt::Key_2)}, "Vul rooster met toetsenbord en muis", "Vul rooster", false},
        {ID_SEARCH_START, fase, "&3. Zoeken", "Ctrl+Z", {Key(CTRL | Qt::Key_Z)}, "Start zoekproces", "Zoeken", false},
        {ID_SOLUTIONS_SHOW, fase, "&4. Tonen", "Ctrl+T", {Key(CTRL | Qt::Key_T)}, "Toon de gevonden oplossingen", "Tonen", false},
        {ID_GRID_PROPERTIES, rooster, "&Eigenschappen rooster...", "Ctrl+E", {Key(CTRL | Qt::Key_E)}, "Toon en wijzig eigenschappen van het rooster", "Roostereigenschappen", false},
        {ID_GRID_COMMENT, rooster, "C&ommentaar...", "", {}, "Uitsluitend voor documentalistische doeleinden", "", false},
        {ID_GRID_CLEAN, rooster, "&Rooster schoonmaken", "", {}, "Met een schone lei beginnen", "", true},
        {ID_GRID_REMOVE_LETTERS, rooster, "Verwijder alle &invullingen", "", {}, "Alle ingevulde vakken leegmaken", "", false},
        {ID_GRID_EDGE_BLACK, rooster, "&Randzwart verwijderen", "", {}, "Zwarte vakjes aan de rand wijzigen in niet-vakjes", "", false},
        {ID_GRID_COPY, rooster, "&Kopieer", "Ctrl+C", {Key(CTRL | Qt::Key_C)}, "Kopieer rooster naar klembord", "", true},
        {ID_UNDO, rooster, "Ongedaan &maken", "Alt+BkSp", {Key(ALT | Qt::Key_Backspace)}, "Herstel vorige bewerking", "Herstel", false},
        {ID_REDO, rooster, "Op&nieuw", "Ctrl+Y", {Key(CTRL | Qt::Key_Y)}, "Herstel herstel", "Spijt", false},
        {ID_DIRECTION_ACROSS, rooster, "&Horizontaal", "Alt+Right", {Key(ALT | Qt::Key_Right), Key(ALT | Qt::Key_Left)}, "Vulrichting horizontaal", "Horizontaal", true},
        {ID_DIRECTION_DOWN, rooster, "&Verticaal", "Alt+Up", {Key(ALT | Qt::Key_Up), Key(ALT | Qt::Key_Down)}, "Vulrichting verticaal", "Verticaal", false},
        {ID_SPELL_CHECK, rooster, "S&pellingcontrole", "", {}, "Staan alle woorden van het rooster in de woordenlijst?", "", true},
        {ID_GRID_CHECK, rooster, "Controleer roo&ster...", "", {}, "Ongekruiste vakken, losse gebieden, dubbele en zwakke woorden", "", false},
        {ID_REDRAW, rooster, "Opnieuw &tekenen", "Ctrl+R", {Key(CTRL | Qt::Key_R)}, "Teken het rooster opnieuw", "Teken opnieuw", false},
        {ID_SHIFT_RIGHT, schuif, "&Rechts", "Ctrl+Alt+Right", {Key(CTRL | ALT | Qt::Key_Right)}, "E\xe9n positie naar rechts", "", false},
        {ID_SHIFT_LEFT, schuif, "&Links", "Ctrl+Alt+Left", {Key(CTRL | ALT | Qt::Key_Left)}, "E\xe9n positie naar links", "", false},
        {ID_SHIFT_DOWN, schuif, "&Omlaag", "Ctrl+Alt+Down", {Key(CTRL | ALT | Qt::Key_Down)}, "E\xe9n positie omlaag", "", false},
        {ID_SHIFT_UP, schuif, "Om&hoog", "Ctrl+Alt+Up", {Key(CTRL | ALT | Qt::Key_Up)}, "E\xe9n positie omhoog", "", false},
        {ID_ROTATE_CLOCKWISE, schuif, "R&echtsom draaien", "Ctrl+Alt+R", {Key(CTRL | ALT | Qt::Key_R)}, "Draai vierkant rooster 90 graden", "", true},
        {ID_MIRROR_COLUMNS, schuif, "S&piegel vert", "Ctrl+Alt+V", {Key(CTRL | ALT | Qt::Key_V)}, "Spiegel om verticale as", "", false},
        {ID_MIRROR_ROWS, schuif, "Sp&iegel hor", "Ctrl+Alt+H", {Key(CTRL | ALT | Qt::Key_H)}, "Spiegel om horizontale as", "", false},
        {ID_COMPARE, rooster, "Ver&gelijken...", "Ctrl+Q", {Key(CTRL | Qt::Key_Q)}, "Vergelijken huidig rooster met ander(e)", "", true},
        {ID_COLOURS_WEBPUZZEL, rooster, "Kleuren volgens &Webpuzzel", "", {}, "Zet de kleuren als bij Webpuzzelsite", "", true},
        {ID_COLOURS_ACROSS_LITE, rooster, "K&leuren volgens Across Lite", "", {}, "Zet de kleuren als bij Across Lite", "", false},
        {ID_ALTERNATE_BLACK, rooster, "O&m en om zwart maken", "Ctrl+\\", {Key(CTRL | Qt::Key_Backslash)}, "Lege vakjes op dezelfde rij om en om zwart maken", "", true},
        {ID_FREE_CELLS_BLACK, rooster, "Lege vakjes &zwart maken", "", {}, "Lege vakjes worden zwart gemaakt", "", false},
        {ID_AUTO_NEXT_WORD, rooster, "&Naar volgende woord", "", {}, "Na invullen laatste teken van een woord cursor naar volgende woord", "", true},
        {ID_EDIT_WORD, omschrijvingen, "&Bewerk woord...", "<TAB>", {Key(Qt::Key_Tab)}, "Voor omschrijving, mogelijke invullingen, anagrammen enz.", "Invullen", false},
        {ID_SHOW_CLUES, omschrijvingen, "&Toon omschrijvingen", "Ctrl+D", {Key(CTRL | Qt::Key_D)}, "Omschrijvingen tonen, wijzigen, aanvullen", "Omschrijvingen", false},
        {ID_SHOW_CLUE_LIST, omschrijvingen, "Toon &omschrijvingenlijst", "Ctrl+A", {Key(CTRL | Qt::Key_A)}, "Toon de omschrijvingen in lijstvorm", "Omschrijvingenlijst", false},
        {ID_READ_CLUES, omschrijvingen, "&Lees omschrijvingen...", "Ctrl+L", {Key(CTRL | Qt::Key_L)}, "Lees omschrijvingen uit een tekstbestand", "", true},
        {ID_WRITE_CLUE_FILE, omschrijvingen, "Schrij&f omschrijvingen...", "", {}, "Die later weer gelezen kunnen worden (met extra zoekbestanden)", "", false},
        {ID_PASTE_CLUES, omschrijvingen, "Plak omschrijvingen van klembord", "Ctrl+V", {Key(CTRL | Qt::Key_V)}, "Plak omschrijvingen uit klembord", "Plakken omschrijvingen", true},
        {ID_SEARCH_OPTIONS, autoZoek, "Zoe&kOpties...", "", {}, "Instellingen voor het zoeken", "Zoekopties", false},
        {ID_EXTRA_SEARCH_FILES, autoZoek, "&Geef extra zoekbestanden...", "", {}, "Specificeer extra zoekbestanden, index aangeven in 'Bewerk woord'.", "", false},
        {ID_SEARCH_START, autoZoek, "Start &zoeken", "Ctrl+Z", {}, "Start zoekproces", "Zoeken", true},
        {ID_SOLUTIONS_SHOW, autoZoek, "&Toon oplossingen", "Ctrl+T", {}, "Toon de gevonden oplossingen", "Tonen", false},
        {ID_SOLUTION_FIRST, navigeer, "&Eerste", "Grijze /", {Key(PAD | Qt::Key_Slash)}, "Eerste", "", false},
        {ID_SOLUTION_NEXT, navigeer, "&Volgende", "Grijze +", {Key(PAD | Qt::Key_Plus)}, "Volgende", "", false},
        {ID_SOLUTION_PREVIOUS, navigeer, "V&orige", "Grijze -", {Key(PAD | Qt::Key_Minus)}, "Vorige", "", false},
        {ID_SOLUTION_LAST, navigeer, "&Laatste", "Grijze *", {Key(PAD | Qt::Key_Asterisk)}, "Laatste", "", false},
        {ID_SOLUTIONS_DONE, autoZoek, "&Klaar", "", {}, "Terug naar vullen", "", false},
        {ID_SOLUTION_TAKE_OVER, autoZoek, "Oplossing &overnemen", "", {}, "Getoonde oplossing in het rooster houden en terug naar vullen", "", false},
        {ID_SHOW_BEST_RESULT, autoZoek, "Toon &beste zoekresultaat", "", {}, "Toon rooster met meeste invullingen", "", false},
        {ID_WRITE_SOLUTIONS, autoZoek, "&Schrijf oplossingen...", "", {}, "Alle gevonden oplossingen naar een tekstbestand schrijven", "", true},
        {ID_SEARCH_INTERRUPT, autoZoek, "&Onderbreken", "", {}, "Stop zoekproces", "", false},
        {ID_FREQUENCY_DISTRIBUTION, autoZoek, "Frequentieverdeling", "", {}, "Geeft vak met kleinste tekenfrequentie van alle oplossingen", "", true},
        {ID_IMPROVE_FILL, autoZoek, "Verbeter vulling", "", {}, "Verhoog de laagste en dan de gemiddelde score van de getoonde of overgenomen vulling", "", false},
        {ID_APP_ABOUT, hulp, "&Over Rooster2...", "", {}, "Geeft programmainformatie, versie enz.", "Over", false},
    };
}

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> table = BuildTable();
    return table;
}

const std::vector<int>& ToolBarLayout() {
    static const std::vector<int> layout = {
        ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT,
        0,
        ID_PASTE_CLUES, ID_UNDO, ID_REDO, ID_REDRAW,
        0,
        ID_VIEW_SCROLLBARS, ID_ZOOM_IN, ID_ZOOM_OUT,
        0,
        ID_DIRECTION_ACROSS, ID_DIRECTION_DOWN,
        0,
        ID_PHASE_SHAPE, ID_PHASE_FILL, ID_SEARCH_START, ID_SOLUTIONS_SHOW, ID_SOLUTIONS_DONE,
        0,
        ID_GRID_PROPERTIES, ID_SHOW_CLUES, ID_SHOW_CLUE_LIST, ID_SEARCH_OPTIONS,
        0,
        ID_EDIT_WORD,
        0,
        ID_APP_ABOUT};
    return layout;
}

const std::vector<const char*>& MainMenuTitles() {
    static const std::vector<const char*> titles = {
        "&Bestand", "&Export", "Bee&ld", "&Fase", "&Rooster", "&Omschrijvingen", "&AutoZoek",
        "&Hulp"};
    return titles;
}

const CommandSpec* FindCommandSpec(int id) {
    for (const CommandSpec& spec : CommandTable())
        if (spec.id == id) return &spec;
    return nullptr;
}

int CommandForKey(QKeyCombination key) {
    const QKeySequence pressed(key);
    for (const CommandSpec& spec : CommandTable())
        for (const QKeySequence& shortcut : spec.keys)
            if (shortcut == pressed) return spec.id;
    return 0;
}
