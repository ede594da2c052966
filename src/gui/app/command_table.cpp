#include "app/command_table.h"

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
        {57600, bestand, "&Nieuw", "Ctrl+N", {Key(CTRL | Qt::Key_N)}, "Maak nieuw rooster", "Nieuw", false},
        {57601, bestand, "&Open...", "Ctrl+O", {Key(CTRL | Qt::Key_O)}, "Open bestaand rooster", "Open", false},
        {57603, bestand, "Op&slaan", "Ctrl+S", {Key(CTRL | Qt::Key_S)}, "Sla actieve rooster op", "Opslaan", false},
        {57604, bestand, "Opslaan &als...", "F12", {Key(Qt::Key_F12)}, "Sla actieve rooster op met andere naam", "Opslaan als", false},
        {57612, bestand, "&Verzenden als e-mail...", "", {}, "Verstuur rooster via e-mail", "", true},
        {32800, bestand, "O&pen *.ros...", "", {}, "Afkomstig van versie 1 van Rooster", "", true},
        {32812, bestand, "Open *.pu&z...", "", {}, "Afkomstig van Across Lite", "", false},
        {32808, bestand, "Lees roos&ter als html...", "", {}, "Rooster lezen uit een met Rooster2 gemaakt html-bestand", "", false},
        {57607, bestand, "Afdru&kken...", "Ctrl+P", {Key(CTRL | Qt::Key_P)}, "Print het actieve rooster", "Print", true},
        {57609, bestand, "Afdruk&voorbeeld...", "", {}, "Afdrukvoorbeeld", "Afdrukvoorbeeld", false},
        {57606, bestand, "P&rinter instellingen...", "", {}, "Wijzig printinstellingen", "Print Setup", false},
        {ID_FILE_MRU_FIRST, bestand, "Recent File", "", {}, "Open dit rooster", "", true},
        {57665, bestand, "E&xit", "", {}, "Verlaat programma", "Einde", true},
        {32795, exportMenu, "&Tekst...", "", {}, "Schrijf inhoud van rooster in een tekstbestand", "", false},
        {32832, exportMenu, "&Omschrijvingen...", "", {}, "Schrijf omschrijvingen in een tekstbestand", "", false},
        {32801, exportMenu, "&Leeg html...", "Ctrl+H", {Key(CTRL | Qt::Key_H)}, "Schrijf leeg rooster en omschrijvingen als internetpagina (html)", "HTML", false},
        {32809, exportMenu, "&Gevuld html...", "", {}, "Schrijf gevuld rooster en omschrijvingen als internetpagina (html)", "HTML", false},
        {32811, exportMenu, "A&fbeelding png...", "", {}, "Het rooster als png-bestand schrijven", "", false},
        {32816, exportMenu, "Tekst voor *.&puz...", "", {}, "Schrijf rooster in een tekstbestand, geschikt voor Across Lite", "", false},
        {32835, exportMenu, "&Alle omschrijvingen...", "", {}, "Geeft alle woorden en omschrijvingen van alle *.rtr in een (sub)map", "", true},
        {59392, beeld, "&Werkbalk", "", {}, "Toon of verberg werkbalk", "", false},
        {59393, beeld, "&Statusbalk", "", {}, "Toon of verberg statusbalk", "", false},
        {32802, beeld, "&Met schuifbalken", "", {}, "Rooster wordt getoond met of zonder schuifbalken", "Schuifbalken", true},
        {32819, beeld, "Schuif &omlaag", "PgDn", {Key(Qt::Key_PageDown)}, "", "", false},
        {32820, beeld, "Schuif om&hoog", "PgUp", {Key(Qt::Key_PageUp)}, "", "", false},
        {32821, beeld, "Schuif &rechts", "Ctrl+PgDn", {Key(CTRL | Qt::Key_PageDown)}, "", "", false},
        {32822, beeld, "Schuif &links", "Ctrl+PgUp", {Key(CTRL | Qt::Key_PageUp)}, "", "", false},
        {32823, beeld, "&Groter", "Ctrl+Grijze+", {Key(CTRL | PAD | Qt::Key_Plus)}, "Maak het rooster groter", "Zoom in", true},
        {32824, beeld, "&Kleiner", "Ctrl+Grijze-", {Key(CTRL | PAD | Qt::Key_Minus)}, "Maak het rooster kleiner", "Zoom uit", false},
        {32771, fase, "&1. Vormen rooster", "Ctrl+1", {Key(CTRL | Qt::Key_1)}, "Vorm rooster (gebruik Ctrl+Klik links voor niet-vakjes)", "Vorm rooster", false},
        {32772, fase, "&2. Vullen rooster", "Ctrl+2", {Key(CTRL | Qt::Key_2)}, "Vul rooster met toetsenbord en muis", "Vul rooster", false},
        {32786, fase, "&3. Zoeken", "Ctrl+Z", {Key(CTRL | Qt::Key_Z)}, "Start zoekproces", "Zoeken", false},
        {32787, fase, "&4. Tonen", "Ctrl+T", {Key(CTRL | Qt::Key_T)}, "Toon de gevonden oplossingen", "Tonen", false},
        {32779, rooster, "&Eigenschappen rooster...", "Ctrl+E", {Key(CTRL | Qt::Key_E)}, "Toon en wijzig eigenschappen van het rooster", "Roostereigenschappen", false},
        {32813, rooster, "C&ommentaar...", "", {}, "Uitsluitend voor documentalistische doeleinden", "", false},
        {32780, rooster, "&Rooster schoonmaken", "", {}, "Met een schone lei beginnen", "", true},
        {32783, rooster, "Verwijder alle &invullingen", "", {}, "Alle ingevulde vakken leegmaken", "", false},
        {32814, rooster, "&Randzwart verwijderen", "", {}, "Zwarte vakjes aan de rand wijzigen in niet-vakjes", "", false},
        {32778, rooster, "&Kopieer", "Ctrl+C", {Key(CTRL | Qt::Key_C)}, "Kopieer rooster naar klembord", "", true},
        {32796, rooster, "Ongedaan &maken", "Alt+BkSp", {Key(ALT | Qt::Key_Backspace)}, "Herstel vorige bewerking", "Herstel", false},
        {32797, rooster, "Op&nieuw", "Ctrl+Y", {Key(CTRL | Qt::Key_Y)}, "Herstel herstel", "Spijt", false},
        {32775, rooster, "&Horizontaal", "Alt+Right", {Key(ALT | Qt::Key_Right), Key(ALT | Qt::Key_Left)}, "Vulrichting horizontaal", "Horizontaal", true},
        {32776, rooster, "&Verticaal", "Alt+Up", {Key(ALT | Qt::Key_Up), Key(ALT | Qt::Key_Down)}, "Vulrichting verticaal", "Verticaal", false},
        {32810, rooster, "S&pellingcontrole", "", {}, "Staan alle woorden van het rooster in de woordenlijst?", "", true},
        {32817, rooster, "Opnieuw &tekenen", "Ctrl+R", {Key(CTRL | Qt::Key_R)}, "Teken het rooster opnieuw", "Teken opnieuw", false},
        {32827, schuif, "&Rechts", "Ctrl+Alt+Right", {Key(CTRL | ALT | Qt::Key_Right)}, "E\xe9n positie naar rechts", "", false},
        {32828, schuif, "&Links", "Ctrl+Alt+Left", {Key(CTRL | ALT | Qt::Key_Left)}, "E\xe9n positie naar links", "", false},
        {32829, schuif, "&Omlaag", "Ctrl+Alt+Down", {Key(CTRL | ALT | Qt::Key_Down)}, "E\xe9n positie omlaag", "", false},
        {32830, schuif, "Om&hoog", "Ctrl+Alt+Up", {Key(CTRL | ALT | Qt::Key_Up)}, "E\xe9n positie omhoog", "", false},
        {32840, schuif, "R&echtsom draaien", "Ctrl+Alt+R", {Key(CTRL | ALT | Qt::Key_R)}, "Draai vierkant rooster 90 graden", "", true},
        {32843, schuif, "S&piegel vert", "Ctrl+Alt+V", {Key(CTRL | ALT | Qt::Key_V)}, "Spiegel om verticale as", "", false},
        {32841, schuif, "Sp&iegel hor", "Ctrl+Alt+H", {Key(CTRL | ALT | Qt::Key_H)}, "Spiegel om horizontale as", "", false},
        {32831, rooster, "Ver&gelijken...", "Ctrl+Q", {Key(CTRL | Qt::Key_Q)}, "Vergelijken huidig rooster met ander(e)", "", true},
        {32837, rooster, "Kleuren volgens &Webpuzzel", "", {}, "Zet de kleuren als bij Webpuzzelsite", "", true},
        {32836, rooster, "K&leuren volgens Across Lite", "", {}, "Zet de kleuren als bij Across Lite", "", false},
        {32838, rooster, "O&m en om zwart maken", "Ctrl+\\", {Key(CTRL | Qt::Key_Backslash)}, "Lege vakjes op dezelfde rij om en om zwart maken", "", true},
        {32839, rooster, "Lege vakjes &zwart maken", "", {}, "Lege vakjes worden zwart gemaakt", "", false},
        {32847, rooster, "&Naar volgende woord", "", {}, "Na invullen laatste teken van een woord cursor naar volgende woord", "", true},
        {32785, omschrijvingen, "&Bewerk woord...", "<TAB>", {Key(Qt::Key_Tab)}, "Voor omschrijving, mogelijke invullingen, anagrammen enz.", "Invullen", false},
        {32781, omschrijvingen, "&Toon omschrijvingen", "Ctrl+D", {Key(CTRL | Qt::Key_D)}, "Omschrijvingen tonen, wijzigen, aanvullen", "Omschrijvingen", false},
        {32833, omschrijvingen, "Toon &omschrijvingenlijst", "Ctrl+A", {Key(CTRL | Qt::Key_A)}, "Toon de omschrijvingen in lijstvorm", "Omschrijvingenlijst", false},
        {32803, omschrijvingen, "&Lees omschrijvingen...", "Ctrl+L", {Key(CTRL | Qt::Key_L)}, "Lees omschrijvingen uit een tekstbestand", "", true},
        {32807, omschrijvingen, "Schrij&f omschrijvingen...", "", {}, "Die later weer gelezen kunnen worden (met extra zoekbestanden)", "", false},
        {57637, omschrijvingen, "Plak omschrijvingen van klembord", "Ctrl+V", {Key(CTRL | Qt::Key_V)}, "Plak omschrijvingen uit klembord", "Plakken omschrijvingen", true},
        {32793, autoZoek, "Zoe&kOpties...", "", {}, "Instellingen voor het zoeken", "Zoekopties", false},
        {32849, autoZoek, "&Geef extra zoekbestanden...", "", {}, "Specificeer extra zoekbestanden, index aangeven in 'Bewerk woord'.", "", false},
        {32786, autoZoek, "Start &zoeken", "Ctrl+Z", {}, "Start zoekproces", "Zoeken", true},
        {32787, autoZoek, "&Toon oplossingen", "Ctrl+T", {}, "Toon de gevonden oplossingen", "Tonen", false},
        {32788, navigeer, "&Eerste", "Grijze /", {Key(PAD | Qt::Key_Slash)}, "Eerste", "", false},
        {32789, navigeer, "&Volgende", "Grijze +", {Key(PAD | Qt::Key_Plus)}, "Volgende", "", false},
        {32790, navigeer, "V&orige", "Grijze -", {Key(PAD | Qt::Key_Minus)}, "Vorige", "", false},
        {32791, navigeer, "&Laatste", "Grijze *", {Key(PAD | Qt::Key_Asterisk)}, "Laatste", "", false},
        {32792, autoZoek, "&Klaar", "", {}, "Terug naar vullen", "", false},
        {32805, autoZoek, "Toon &beste zoekresultaat", "", {}, "Toon rooster met meeste invullingen", "", false},
        {32794, autoZoek, "&Schrijf oplossingen...", "", {}, "Alle gevonden oplossingen naar een tekstbestand schrijven", "", true},
        {32799, autoZoek, "&Onderbreken", "", {}, "Stop zoekproces", "", false},
        {32848, autoZoek, "Frequentieverdeling", "", {}, "Geeft vak met kleinste tekenfrequentie van alle oplossingen", "", true},
        {57664, hulp, "&Over Rooster2...", "", {}, "Geeft programmainformatie, versie enz.", "Over", false},
    };
}

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> table = BuildTable();
    return table;
}

const std::vector<int>& ToolBarLayout() {
    static const std::vector<int> layout = {
        57600, 57601, 57603, 57607, 0,     57637, 32796, 32797, 32817, 0,
        32802, 32823, 32824, 0,     32775, 32776, 0,     32771, 32772, 32786,
        32787, 32792, 0,     32779, 32781, 32833, 32793, 0,     32785, 0,
        57664};
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

const std::vector<ContextMenuItem>& ContextMenuOfPhase(int phase) {
    static const std::vector<ContextMenuItem> shaping = {
        {32779, "&Eigenschappen..."},       {32793, "&ZoekOpties..."},
        {32780, "&Rooster schoonmaken"},    {32783, "&Verwijder alle invullingen"},
        {32778, "&Kopieer"},                {32795, "&Schrijf rooster..."},
        {32801, "S&chrijf rooster als html..."}, {32786, "Start &zoeken"},
        {32805, "Toon &beste zoekresultaat"}};
    static const std::vector<ContextMenuItem> filling = {
        {32779, "&Eigenschappen..."},       {32793, "&ZoekOpties..."},
        {32786, "Start &zoeken"},           {32783, "&Verwijder alle invullingen"},
        {32778, "&Kopieer"},                {32795, "&Schrijf rooster..."},
        {32801, "S&chrijf rooster als html..."}, {32787, "&Toon oplossingen"},
        {32805, "Toon &beste zoekresultaat"}};
    static const std::vector<ContextMenuItem> searching = {{32799, "&Onderbreken"}};
    static const std::vector<ContextMenuItem> showing = {
        {32793, "&ZoekOpties..."}, {0, ""},           {32788, "&Eerste\tHome"},
        {32789, "&Volgende\tGrijze +"}, {32790, "V&orige\tGrijze -"}, {32791, "&Laatste\tEnd"},
        {0, ""},                   {32792, "&Klaar"}};
    static const std::vector<ContextMenuItem> none;
    switch (phase) {
        case 1: return shaping;
        case 2: return filling;
        case 3: return showing;
        case 4: return searching;
        default: return none;
    }
}
