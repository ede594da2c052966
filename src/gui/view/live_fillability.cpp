#include "view/live_fillability.h"

#include "dialogs/candidate_pane.h"
#include "editing/command_ids.h"
#include "editing/fill_editing.h"
#include "model/app_state.h"
#include "model/clue_text.h"
#include "model/profile.h"
#include "model/rooster2_doc.h"
#include "render/latin1_text.h"
#include "support/command_router.h"
#include "util/str_format.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

namespace {

const char* const PROFILE_SECTION = "Beeld";
const char* const PROFILE_HEAT_MAP = "Vulbaarheid tonen";

}  // namespace

LiveFillability::LiveFillability(Rooster2Doc& doc, AppState& app, GridView& view,
                                 GridController& controller, CandidatePane& pane)
    : m_doc(doc), m_app(app), m_view(view), m_controller(controller), m_pane(pane) {
    m_heatMap = m_app.profile != nullptr &&
                m_app.profile->GetProfileInt(PROFILE_SECTION, PROFILE_HEAT_MAP, 0) != 0;
    connect(&m_checker, &FillabilityChecker::Checked, this, &LiveFillability::OnChecked);
    connect(&m_controller, &GridController::StateChanged, this, &LiveFillability::Refresh);
    connect(&m_pane, &CandidatePane::OrderChanged, this, &LiveFillability::Refresh);
    connect(&m_pane, &QDockWidget::visibilityChanged, this, &LiveFillability::Refresh);
    connect(&m_pane, &CandidatePane::PlaceRequested, this, &LiveFillability::PlaceCandidate);
}

void LiveFillability::RegisterCommands(CommandRouter& router) {
    router.Register(ID_VIEW_FILLABILITY, [this] { ToggleHeatMap(); });
    router.Register(ID_VIEW_CANDIDATES, [this] { m_pane.setVisible(m_pane.isHidden()); });
}

// While searching and showing solutions the grid is not the one being made.
bool LiveFillability::Editing() const {
    return m_doc.phase == Phase::Vormen || m_doc.phase == Phase::Vullen;
}

// The pane lists the cursor's word while filling.
int LiveFillability::FocusWord() const {
    return !m_pane.isHidden() && m_doc.phase == Phase::Vullen && HasCurrentWord(m_doc)
               ? m_doc.curWord
               : -1;
}

// Everything a check depends on that can change while the window is open.
std::string LiveFillability::RequestKey(int focusWord) const {
    const Puzzle& puzzle = m_doc.puzzle();
    std::string words;
    for (const WordInfo& word : puzzle.words) {
        words += StrFormat("%d:", word.extraList);
        for (int part = 0; part < word.PartCountInUse(); ++part)
            words += StrFormat("%d,", word.partLengths[part]);
    }
    return words +
           StrFormat("%d %d %d %d %d %d %p %d|", puzzle.width, puzzle.height,
                     static_cast<int>(puzzle.extraFiles.size()), focusWord,
                     static_cast<int>(m_pane.Order()), m_app.scoring.minScore,
                     static_cast<const void*>(m_app.scoring.overrides.get()),
                     puzzle.search.ijTwoLetters ? 1 : 0) +
           puzzle.search.excludedLetters + "|" + m_app.SearchWordFile(m_doc.puzzle()) + "|" +
           puzzle.GridToString();
}

void LiveFillability::Refresh() {
    if (!Editing()) {
        if (!m_lastKey.empty()) emit StatusChanged(QString());
        m_lastKey.clear();
        return;
    }
    const int focusWord = FocusWord();
    std::string key = RequestKey(focusWord);
    if (key == m_lastKey) return;
    m_lastKey = std::move(key);
    m_focusWord = focusWord;
    FillabilityRequest request{m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring};
    request.focusWord = focusWord;
    request.order = m_pane.Order();
    m_checker.Request(std::move(request));
}

void LiveFillability::OnChecked() {
    if (!Editing()) return;
    const std::shared_ptr<const FillabilityReport> report = m_checker.Report();
    m_view.ShowFillability(report, m_heatMap);
    emit StatusChanged(Latin1(FillabilityStatusText(*report)));
    ShowPane(*report);
}

void LiveFillability::ShowPane(const FillabilityReport& report) {
    if (!report.checked) {
        m_pane.ShowCandidates(Latin1(FillabilityStatusText(report)), {});
        return;
    }
    if (m_focusWord < 0 || !m_doc.puzzle().IsValidWordIndex(m_focusWord) ||
        static_cast<std::size_t>(m_focusWord) >= report.candidates.size()) {
        m_pane.ShowCandidates(Latin1("Geen woord gekozen"), {});
        return;
    }
    const int count = report.candidates[m_focusWord];
    m_pane.ShowCandidates(
        Latin1(FormatLabel(m_doc.puzzle().words[m_focusWord]) + ": " +
               CandidateCountText(count == NOT_SEARCHED ? count : report.focusCount)),
        report.focusCandidates);
}

void LiveFillability::ToggleHeatMap() {
    m_heatMap = !m_heatMap;
    if (m_app.profile != nullptr)
        m_app.profile->WriteProfileInt(PROFILE_SECTION, PROFILE_HEAT_MAP, m_heatMap ? 1 : 0);
    m_view.ShowFillability(m_checker.Report(), m_heatMap);
    emit HeatMapToggled(m_heatMap);
}

void LiveFillability::PlaceCandidate(const QString& word) {
    if (m_doc.phase != Phase::Vullen || !HasCurrentWord(m_doc)) return;
    m_controller.PlaceWord(m_doc.curWord, ToLatin1(word));
    m_view.setFocus();
}
