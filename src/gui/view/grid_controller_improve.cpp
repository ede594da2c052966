// "Verbeter vulling" on the shown solution or on the grid a search filled.
#include <QApplication>

#include "editing/grid_editor.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "search/fill_improver.h"
#include "util/worker_thread.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

namespace {

// How long the desktop improves at most; Escape stops it sooner, and so does a
// round of tries that finds nothing better.
constexpr double IMPROVE_SECONDS = 60;

}  // namespace

// Runs as "Start zoeken" does: in the search phase, on a thread of its own with
// the search's stack, its progress relayed to the status bar, so that
// "&Onderbreken" and Escape stop it with the best fill so far.
void GridController::OnImproveFill() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_phaseBeforeSearch = m_doc.phase;
    m_interruptSearch = false;
    m_improver = std::make_unique<FillImprover>(m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring,
                                                m_interruptSearch);
    m_improver->callbacks = m_relay.Callbacks();
    SetPhase(Phase::Zoeken);
    m_improving = std::make_unique<WorkerThread>(
        [this, fill = m_doc.puzzle().GridToString(), open = m_results.openCells] {
            m_improvedFill = m_improver->Improve(fill, open, IMPROVE_SECONDS);
            QMetaObject::invokeMethod(this, &GridController::EndImproveFill, Qt::QueuedConnection);
        },
        SEARCH_STACK_BYTES);
}

void GridController::EndImproveFill() {
    m_improving.reset();
    SetPhase(m_phaseBeforeSearch);
    m_browser.TakeImprovedFill(m_improvedFill);
    m_view.Invalidate();
    ShowFillResult(m_improver->ResultText(), m_improver->ScoreText(), m_improver->LowestText());
    m_improver.reset();
    QApplication::restoreOverrideCursor();
    emit SearchFinished();
}
