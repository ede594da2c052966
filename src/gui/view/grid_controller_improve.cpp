// "Verbeter vulling" on the shown solution or on the grid a search filled.
#include <QApplication>

#include "editing/grid_editor.h"
#include "model/rooster2_doc.h"
#include "search/fill_improver.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

namespace {

// How long the desktop improves at most; Escape stops it sooner, and so does a
// round of tries that finds nothing better.
constexpr double IMPROVE_SECONDS = 60;

}  // namespace

// Runs as "Start zoeken" does: in the search phase, holding the user-interface
// thread and giving the window a turn at its polls, so that "&Onderbreken" and
// Escape stop it with the best fill so far.
void GridController::OnImproveFill() {
    QCoreApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Phase phaseBefore = m_doc.phase;
    FillImprover improver(m_doc);
    WireProgress(improver.callbacks);
    m_runningImprover = &improver;
    SetPhase(Phase::Zoeken);
    const std::string improved = improver.Improve(m_doc.puzzle.GridToString(),
                                                  OpenCells(m_results.startGrid), IMPROVE_SECONDS);
    SetPhase(phaseBefore);
    m_runningImprover = nullptr;
    m_browser.TakeImprovedFill(improved, m_editor.Histories());
    m_view.Invalidate();
    ShowFillResult(improver.ResultText(), improver.ScoreText(), improver.LowestText());
    QApplication::restoreOverrideCursor();
}
