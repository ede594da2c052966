#pragma once
// Command numbers of every menu item, shortcut and tool-bar button. The desktop
// program, its tests and the core's enabling rules share these names; the numbers
// themselves are fixed because users and older documentation refer to them.

// ---- Framework commands -------------------------------------------------------
constexpr int ID_FILE_NEW = 57600;            // "&Nieuw"
constexpr int ID_FILE_OPEN = 57601;           // "&Open..."
constexpr int ID_FILE_SAVE = 57603;           // "Op&slaan"
constexpr int ID_FILE_SAVE_AS = 57604;        // "Opslaan &als..."
constexpr int ID_FILE_PRINT_SETUP = 57606;    // "P&rinter instellingen..."
constexpr int ID_FILE_PRINT = 57607;          // "Afdru&kken..."
constexpr int ID_FILE_PRINT_PREVIEW = 57609;  // "Afdruk&voorbeeld..."
constexpr int ID_FILE_PRINT_GRID = 32860;     // "Afdrukken rooster zoals &getoond..."
constexpr int ID_FILE_PRINT_GREY = 32863;     // "Zwarte vakken &grijs afdrukken"
constexpr int ID_FILE_SEND_MAIL = 57612;      // "&Verzenden als e-mail..."
constexpr int ID_FILE_MRU_FIRST = 57616;      // recent files, ten numbers in a row
constexpr int ID_FILE_MRU_LAST = 57625;
constexpr int ID_PASTE_CLUES = 57637;      // "Plak omschrijvingen van klembord"
constexpr int ID_APP_ABOUT = 57664;        // "&Over Rooster2..."
constexpr int ID_APP_EXIT = 57665;         // "Afsl&uiten"
constexpr int ID_VIEW_TOOLBAR = 59392;     // "&Werkbalk"
constexpr int ID_VIEW_STATUS_BAR = 59393;  // "&Statusbalk"

// ---- Phases -------------------------------------------------------------------
constexpr int ID_PHASE_SHAPE = 32771;     // "&1. Vormen rooster"
constexpr int ID_PHASE_FILL = 32772;      // "&2. Vullen rooster"
constexpr int ID_SEARCH_START = 32786;    // "&3. Zoeken", "Start &zoeken"
constexpr int ID_SOLUTIONS_SHOW = 32787;  // "&4. Tonen", "&Toon oplossingen"

// ---- Grid -----------------------------------------------------------------------
constexpr int ID_DIRECTION_ACROSS = 32775;     // "&Horizontaal"
constexpr int ID_DIRECTION_DOWN = 32776;       // "&Verticaal"
constexpr int ID_GRID_COPY = 32778;            // "&Kopieer"
constexpr int ID_GRID_PROPERTIES = 32779;      // "&Eigenschappen rooster..."
constexpr int ID_GRID_CLEAN = 32780;           // "&Rooster schoonmaken"
constexpr int ID_GRID_REMOVE_LETTERS = 32783;  // "Verwijder alle &invullingen"
constexpr int ID_UNDO = 32796;                 // "Ongedaan &maken"
constexpr int ID_REDO = 32797;                 // "Op&nieuw"
constexpr int ID_SPELL_CHECK = 32810;          // "S&pellingcontrole"
constexpr int ID_GRID_CHECK = 32862;           // "Controleer roo&ster..."
constexpr int ID_GRID_COMMENT = 32813;         // "C&ommentaar..."
constexpr int ID_GRID_EDGE_BLACK = 32814;      // "&Randzwart verwijderen"
constexpr int ID_REDRAW = 32817;               // "Opnieuw &tekenen"
constexpr int ID_SHIFT_RIGHT = 32827;          // "&Rechts"
constexpr int ID_SHIFT_LEFT = 32828;           // "&Links"
constexpr int ID_SHIFT_DOWN = 32829;           // "&Omlaag"
constexpr int ID_SHIFT_UP = 32830;             // "Om&hoog"
constexpr int ID_COMPARE = 32831;              // "Ver&gelijken..."
constexpr int ID_COLOURS_ACROSS_LITE = 32836;  // "K&leuren volgens Across Lite"
constexpr int ID_COLOURS_WEBPUZZEL = 32837;    // "Kleuren volgens &Webpuzzel"
constexpr int ID_ALTERNATE_BLACK = 32838;      // "O&m en om zwart maken"
constexpr int ID_FREE_CELLS_BLACK = 32839;     // "Lege vakjes &zwart maken"
constexpr int ID_ROTATE_CLOCKWISE = 32840;     // "R&echtsom draaien"
constexpr int ID_MIRROR_ROWS = 32841;          // "Sp&iegel hor": top to bottom
constexpr int ID_MIRROR_COLUMNS = 32843;       // "S&piegel vert": left to right
constexpr int ID_AUTO_NEXT_WORD = 32847;       // "&Naar volgende woord"

// ---- Puzzle forms ---------------------------------------------------------------------
constexpr int ID_ZWEEDS_LAYOUT = 32890;  // "Maak &Zweeds raster..."
constexpr int ID_CLUE_ARROWS = 32891;    // "&Pijlen..."
constexpr int ID_BAR_RIGHT = 32892;      // "Balkje &rechts"
constexpr int ID_BAR_BELOW = 32893;      // "Balkje &onder"
constexpr int ID_KEY_CELL = 32894;       // "&Sleutelwoordvakje"

// ---- View -------------------------------------------------------------------------
constexpr int ID_VIEW_SCROLLBARS = 32802;  // "&Met schuifbalken"
constexpr int ID_SCROLL_DOWN = 32819;      // "Schuif &omlaag"
constexpr int ID_SCROLL_UP = 32820;        // "Schuif om&hoog"
constexpr int ID_SCROLL_RIGHT = 32821;     // "Schuif &rechts"
constexpr int ID_SCROLL_LEFT = 32822;      // "Schuif &links"
constexpr int ID_ZOOM_IN = 32823;          // "&Groter"
constexpr int ID_ZOOM_OUT = 32824;         // "&Kleiner"

// ---- Live fillability ---------------------------------------------------------------
constexpr int ID_VIEW_FILLABILITY = 32870;  // "&Vulbaarheid tonen"
constexpr int ID_VIEW_CANDIDATES = 32871;   // "&Kandidaten"

// ---- Import and export --------------------------------------------------------------
constexpr int ID_EXPORT_TEXT = 32795;         // "&Tekst..."
constexpr int ID_IMPORT_ROS = 32800;          // "O&pen *.ros..."
constexpr int ID_EXPORT_HTML_EMPTY = 32801;   // "&Leeg html..."
constexpr int ID_IMPORT_HTML = 32808;         // "Lees roos&ter als html..."
constexpr int ID_EXPORT_HTML_FILLED = 32809;  // "&Gevuld html..."
constexpr int ID_EXPORT_PNG = 32811;          // "A&fbeelding png..."
constexpr int ID_IMPORT_PUZ = 32812;          // "Open *.pu&z..."
constexpr int ID_EXPORT_PUZ_TEXT = 32816;     // "Tekst voor *.&puz..."
constexpr int ID_EXPORT_CLUES = 32832;        // "&Omschrijvingen..."
constexpr int ID_EXPORT_ALL_CLUES = 32835;    // "&Alle omschrijvingen..."
constexpr int ID_IMPORT_IPUZ = 32850;         // "Open *.&ipuz..."
constexpr int ID_EXPORT_PUZ = 32851;          // "Across &Lite (.puz)..."
constexpr int ID_EXPORT_IPUZ = 32852;         // "&ipuz..."
constexpr int ID_EXPORT_PDF = 32853;          // "&PDF..."
constexpr int ID_EXPORT_WEB = 32858;          // "Webpuzzel (interactief)..."

// ---- Clues ------------------------------------------------------------------------------
constexpr int ID_SHOW_CLUES = 32781;       // "&Toon omschrijvingen"
constexpr int ID_EDIT_WORD = 32785;        // "&Bewerk woord..."
constexpr int ID_READ_CLUES = 32803;       // "&Lees omschrijvingen..."
constexpr int ID_WRITE_CLUE_FILE = 32807;  // "Schrij&f omschrijvingen..."
constexpr int ID_SHOW_CLUE_LIST = 32833;   // "Toon &omschrijvingenlijst"

// ---- Search and solutions -------------------------------------------------------------------
constexpr int ID_SOLUTION_FIRST = 32788;          // "&Eerste"
constexpr int ID_SOLUTION_NEXT = 32789;           // "&Volgende"
constexpr int ID_SOLUTION_PREVIOUS = 32790;       // "V&orige"
constexpr int ID_SOLUTION_LAST = 32791;           // "&Laatste"
constexpr int ID_SOLUTIONS_DONE = 32792;          // "&Klaar"
constexpr int ID_SOLUTION_TAKE_OVER = 32861;      // "Oplossing &overnemen"
constexpr int ID_SEARCH_OPTIONS = 32793;          // "Zoe&kOpties..."
constexpr int ID_WRITE_SOLUTIONS = 32794;         // "&Schrijf oplossingen..."
constexpr int ID_SEARCH_INTERRUPT = 32799;        // "&Onderbreken"
constexpr int ID_SHOW_BEST_RESULT = 32805;        // "Toon &beste zoekresultaat"
constexpr int ID_FREQUENCY_DISTRIBUTION = 32848;  // "Frequentieverdeling"
constexpr int ID_IMPROVE_FILL = 32854;            // "Verbeter vulling"
constexpr int ID_FILL_SELECTION = 32880;          // "Vul se&lectie"
constexpr int ID_LOCK = 32881;                    // "&Vastzetten"
constexpr int ID_EXTRA_SEARCH_FILES = 32849;      // "&Geef extra zoekbestanden..."
