#include "model/rooster2_doc.h"

#include <algorithm>

#include "model/profile.h"

const char* const RTR_SIGNATURE = "Rooster Versie 2 Ruitwerk";

namespace {

const char* const PROFILE_SECTION_COLORS = "Kleur";

struct ColorEntry {
    const char* entry;
    ColorRef CRooster2Doc::*member;
    ColorRef builtIn;
};

const ColorEntry COLOR_ENTRIES[] = {
    {"Zwart", &CRooster2Doc::m_colorZwart, DEFAULT_COLOR_ZWART},
    {"Woord", &CRooster2Doc::m_colorWoord, DEFAULT_COLOR_WOORD},
    {"WoordPos", &CRooster2Doc::m_colorWoordPos, DEFAULT_COLOR_WOORDPOS},
    {"Niet", &CRooster2Doc::m_colorNiet, DEFAULT_COLOR_NIET},
    {"Vrij", &CRooster2Doc::m_colorVrij, DEFAULT_COLOR_VRIJ},
    {"Achtergrond", &CRooster2Doc::m_colorAchtergrond, DEFAULT_COLOR_ACHTERGROND},
};

}  // namespace

CRooster2Doc::CRooster2Doc() : m_signature(RTR_SIGNATURE) { OnNewDocument(); }

bool CRooster2Doc::OnNewDocument() {
    m_width = 15;
    m_height = 15;
    m_cells.fill(CELL_VRIJ);
    m_margin = 5;
    m_cellSize = 30;
    m_symmetry = 0;
    for (const ColorEntry& color : COLOR_ENTRIES) this->*color.member = color.builtIn;
    ReadDefaultColors();
    m_phase = PHASE_VORMEN;
    m_direction = DIR_ACROSS;
    m_curWord = 0;
    m_curPos = 0;
    m_showNumbers = true;
    m_wordFile.clear();
    m_ijTwoLetters = false;
    m_maxSolutions = 100;
    m_allDifferent = true;
    m_fillWithLastShown = false;
    m_showWhileSearching = true;
    m_lineWidth = 0;
    m_htmlCluesSideBySide = false;
    m_partDashes = true;
    m_maxCandidates = 1000;
    m_excludedLetters.clear();
    m_randomOrder = false;
    m_htmlBlackGrey = true;
    m_letterFontName = "Arial";
    m_pathName.clear();
    m_comment.clear();
    m_htmlTitle.clear();
    m_clueTextSize = 0;
    m_largerNumbers = true;
    m_letterColor = 0;
    m_numberPartWords = false;
    m_showLength = false;
    m_showClues = false;
    m_doorloper = false;
    m_acrossOnly = false;
    m_ijToggled = false;
    m_clueListDirty = false;
    m_startNumber = 1;
    m_maxFrequency = 0;
    m_maxDistinct = 0;
    for (int letter = 0; letter < 26; ++letter) m_letterValues[letter] = letter + 1;
    m_extraFiles.clear();
    m_modified = false;
    // Words always match the grid, also before the first draw rebuilds them.
    BuildWords();
    return true;
}

void CRooster2Doc::ReadDefaultColors() {
    if (m_profile == nullptr) return;
    for (const ColorEntry& color : COLOR_ENTRIES) {
        const int stored = m_profile->GetProfileInt(PROFILE_SECTION_COLORS, color.entry, -1);
        if (stored != -1) this->*color.member = static_cast<ColorRef>(stored);
    }
}

void CRooster2Doc::WriteDefaultColors() const {
    if (m_profile == nullptr) return;
    for (const ColorEntry& color : COLOR_ENTRIES)
        m_profile->WriteProfileInt(PROFILE_SECTION_COLORS, color.entry,
                                   static_cast<int>(this->*color.member));
}

void CRooster2Doc::SetCellSymmetric(int x, int y, Cell code) {
    const int w = m_width;
    const int h = m_height;
    SetCell(x, y, code);
    auto setIfInside = [&](int cx, int cy) {
        if (IsInGrid(cx, cy)) SetCell(cx, cy, code);
    };
    switch (m_symmetry) {
        case 1:  // quarter turns about the centre
            setIfInside(w - 1 - y, x);
            SetCell(w - 1 - x, h - 1 - y, code);
            setIfInside(y, h - 1 - x);
            break;
        case 2:
            SetCell(x, h - 1 - y, code);
            break;
        case 3:
            SetCell(w - 1 - x, y, code);
            break;
        case 4:
            SetCell(w - 1 - x, h - 1 - y, code);
            break;
        case 5:
            SetCell(x, h - 1 - y, code);
            SetCell(w - 1 - x, y, code);
            SetCell(w - 1 - x, h - 1 - y, code);
            break;
        default:
            break;
    }
}

void CRooster2Doc::ResizeGrid(int oldWidth, int oldHeight, int newWidth, int newHeight) {
    std::array<Cell, MAX_CELLS> image;
    image.fill(CELL_VRIJ);
    const int keepWidth = std::min(oldWidth, newWidth);
    const int keepHeight = std::min(oldHeight, newHeight);
    for (int y = 0; y < keepHeight; ++y)
        for (int x = 0; x < keepWidth; ++x) image[y * newWidth + x] = m_cells[y * oldWidth + x];
    std::copy_n(image.begin(), newWidth * newHeight, m_cells.begin());
}

std::string CRooster2Doc::GridToString() const {
    return std::string(reinterpret_cast<const char*>(m_cells.data()),
                       static_cast<std::size_t>(CellCount()));
}

void CRooster2Doc::StringToGrid(const std::string& grid) {
    const std::size_t count = std::min(grid.size(), static_cast<std::size_t>(CellCount()));
    std::copy_n(reinterpret_cast<const Cell*>(grid.data()), count, m_cells.begin());
}

void CRooster2Doc::MarkModified(bool modified) {
    m_modified = modified;
    if (m_modifiedListener) m_modifiedListener(modified);
}
