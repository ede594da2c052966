#include "model/properties.h"

#include "model/grid_transforms.h"
#include "model/rooster2_doc.h"
#include "model/undo_history.h"

namespace {

constexpr int SMALLEST_CLUE_TEXT_SIZE = 10;

// The document's colour members in the order of the dialog's buttons.
constexpr ColorRef CRooster2Doc::*COLOUR_MEMBERS[PROPERTY_COLOUR_COUNT] = {
    &CRooster2Doc::m_colorZwart, &CRooster2Doc::m_colorWoord,    &CRooster2Doc::m_colorNiet,
    &CRooster2Doc::m_colorVrij,  &CRooster2Doc::m_colorWoordPos, &CRooster2Doc::m_colorAchtergrond};

void Resize(CRooster2Doc& doc, CUndoHistories& undo, int width, int height) {
    doc.ResizeGrid(doc.m_width, doc.m_height, width, height);
    doc.m_width = width;
    doc.m_height = height;
    doc.m_curWord = 0;
    doc.m_curPos = 0;
    // The words of the old size would point outside the new grid.
    doc.BuildWords();
    undo.ResetShapeUndo(doc);
}

void StoreDisplaySettings(CRooster2Doc& doc, const PuzzleProperties& p) {
    doc.m_symmetry = p.symmetry;
    doc.m_margin = p.margin;
    doc.m_cellSize = p.cellSize;
    for (int i = 0; i < PROPERTY_COLOUR_COUNT; ++i) doc.*COLOUR_MEMBERS[i] = p.colours[i];
    doc.m_showNumbers = p.showNumbers;
    doc.m_numberPartWords = p.numberPartWords;
    doc.m_htmlTitle = p.htmlTitle;
    doc.m_lineWidth = p.lineWidth;
    doc.m_htmlCluesSideBySide = p.htmlCluesSideBySide;
    doc.m_partDashes = p.partDashes;
    doc.m_htmlBlackGrey = p.htmlBlackGrey;
    doc.m_showLength = p.showLength;
    doc.m_showClues = p.showClues;
    doc.m_clueTextSize = StoredClueTextSize(p.clueTextSize);
    doc.m_largerNumbers = p.largerNumbers;
}

}  // namespace

PuzzleProperties ReadProperties(const CRooster2Doc& doc, bool smallLetters) {
    PuzzleProperties p;
    p.width = doc.m_width;
    p.height = doc.m_height;
    p.cellSize = doc.m_cellSize;
    p.margin = doc.m_margin;
    p.clueTextSize = doc.m_clueTextSize;
    p.startNumber = doc.m_startNumber;
    p.showNumbers = doc.m_showNumbers;
    p.numberPartWords = doc.m_numberPartWords;
    p.largerNumbers = doc.m_largerNumbers;
    p.acrossOnly = doc.m_acrossOnly;
    p.htmlCluesSideBySide = doc.m_htmlCluesSideBySide;
    p.partDashes = doc.m_partDashes;
    p.smallLetters = smallLetters;
    p.doorloper = doc.m_doorloper;
    p.htmlTitle = doc.m_htmlTitle;
    p.symmetry = doc.m_symmetry;
    for (int i = 0; i < PROPERTY_COLOUR_COUNT; ++i) p.colours[i] = doc.*COLOUR_MEMBERS[i];
    p.lineWidth = doc.m_lineWidth;
    p.htmlBlackGrey = doc.m_htmlBlackGrey;
    p.showLength = doc.m_showLength;
    p.showClues = doc.m_showClues;
    return p;
}

int StoredClueTextSize(int size) { return size < SMALLEST_CLUE_TEXT_SIZE ? 0 : size; }

bool CanChangeGridLayout(const CRooster2Doc& doc) { return doc.m_phase == PHASE_VORMEN; }

PropertiesApplied ApplyProperties(CRooster2Doc& doc, CUndoHistories& undo,
                                  const PuzzleProperties& p) {
    PropertiesApplied applied;
    const bool layout = CanChangeGridLayout(doc);
    if (layout && (p.width != doc.m_width || p.height != doc.m_height)) {
        Resize(doc, undo, p.width, p.height);
        applied.resized = true;
    }
    StoreDisplaySettings(doc, p);
    if (layout) {
        if (p.doorloper && !doc.m_doorloper) applied.cleared = CleanSlateCommand(doc, undo).applied;
        doc.m_doorloper = p.doorloper;
        doc.m_acrossOnly = p.acrossOnly;
        // The words follow the (perhaps new) layout at once, not only at the next paint.
        doc.BuildWords();
    }
    if (doc.m_acrossOnly) doc.m_direction = DIR_ACROSS;
    doc.m_startNumber = p.startNumber;
    doc.MarkModified(true);
    return applied;
}

void ApplyComment(CRooster2Doc& doc, const std::string& comment) {
    doc.m_comment = comment;
    doc.MarkModified(true);
}
