#include "search/search_run.h"

#include "model/clue_text.h"
#include "model/rooster2_doc.h"
#include "util/str_format.h"
#include "wordlists/word_scores.h"

CSearchRun::CSearchRun(CRooster2Doc& doc) : m_doc(doc) {}

bool CSearchRun::Run() {
    const long long wallStart = m_clock->WallSeconds();
    const long long millisStart = m_clock->Milliseconds();
    m_random->Seed(m_seed ? *m_seed : static_cast<std::uint32_t>(wallStart));
    m_interrupted = false;
    m_messages.clear();
    m_work = m_doc.puzzle;
    m_scoreText.clear();
    if (!CheckListNumbers() || !PrepareLists()) return false;

    const int phaseBefore = m_doc.phase;
    SetPhase(PHASE_ZOEKEN);
    m_deepest = 0;
    m_results.m_solutionCount = 0;
    m_results.m_solutions.clear();
    m_lastStatusTime = 0;
    m_progress.clear();
    m_results.m_bestDepth = 0;

    SearchTree();

    ReleaseSearchLists(m_work, m_lists);
    ComposeResult(m_clock->WallSeconds() - wallStart,
                  static_cast<double>(m_clock->Milliseconds() - millisStart) / 1000.0);
    if (m_results.m_solutionCount > 0) {
        m_scoreText = FirstSolutionScoreText();
        SetPhase(PHASE_VULLEN);
        m_doc.curWord = 0;
        m_doc.curPos = 0;
    } else {
        SetPhase(phaseBefore);
    }
    return true;
}

bool CSearchRun::CheckListNumbers() {
    const int extraCount = static_cast<int>(m_work.extraFiles.size());
    for (const WordInfo& word : m_work.words) {
        if (word.extraList >= 0 && word.extraList <= extraCount) continue;
        m_messages.push_back(
            {StrFormat("Index in '%s' incorrect, zoeken zinloos.", GetClueCaption(word).c_str())});
        return false;
    }
    return true;
}

bool CSearchRun::PrepareLists() {
    const int failing = PrepareSearchLists(m_work, m_doc.scoring, m_lists, *m_random);
    m_messages.insert(m_messages.end(), m_lists.m_messages.begin(), m_lists.m_messages.end());
    if (failing == 0) return true;
    m_messages.push_back({StrFormat("%s kandidaatloos, zoeken zinloos.",
                                    GetClueCaption(m_work.words[failing - 1]).c_str())});
    ReleaseSearchLists(m_work, m_lists);
    return false;
}

void CSearchRun::SetPhase(int phase) {
    if (m_callbacks.setPhase)
        m_callbacks.setPhase(phase);
    else
        m_doc.phase = phase;
}

void CSearchRun::ComposeResult(long long wallSeconds, double cpuSeconds) {
    const char* state = m_interrupted ? "Onderbroken" : "Klaar";
    const long hours = static_cast<long>(wallSeconds / 3600 % 24);
    const int minutes = static_cast<int>(wallSeconds / 60 % 60);
    const int seconds = static_cast<int>(wallSeconds % 60);
    const int count = m_results.m_solutionCount;
    if (count == 0)
        m_resultText = StrFormat("%s na %ld:%02d:%02d (%2.1f sec), geen oplossingen gevonden",
                                 state, hours, minutes, seconds, cpuSeconds);
    else
        m_resultText = StrFormat("%s na %ld:%02d:%02d (%2.1f sec), %d %s", state, hours, minutes,
                                 seconds, cpuSeconds, count, count == 1 ? "oplossing" : "oplossingen");
    if (count == 0 && m_callbacks.beep) m_callbacks.beep(SearchBeep::NoSolution);
}

std::string CSearchRun::FirstSolutionScoreText() const {
    Puzzle filled = m_doc.puzzle;
    filled.StringToGrid(m_results.m_solutions.front());
    return FillScoreText(ScoreFill(filled, m_doc.scoring));
}

void CSearchRun::PollAtCadence() {
    m_statusTime = m_clock->WallSeconds();
    if (m_statusTime <= m_lastStatusTime + 1) return;
    if (m_callbacks.status)
        m_callbacks.status(0, StrFormat("Zoekende, aantal oplossingen %d, druk op <ESC> om te "
                                        "onderbreken.",
                                        m_results.m_solutionCount));
    if (m_callbacks.poll) m_callbacks.poll();
    if (m_callbacks.status) m_callbacks.status(1, m_progress);
    m_lastStatusTime = m_statusTime;
}

void CSearchRun::NoteLevel(int level) {
    if (level > m_deepest) {
        m_deepest = level;
        if (m_work.search.showWhileSearching && m_callbacks.redraw) m_callbacks.redraw();
    }
    if (m_results.m_solutionCount == 0 && level > m_results.m_bestDepth) {
        m_results.m_bestFill = m_work.GridToString();
        m_results.m_bestDepth = level;
    }
    if (m_results.m_solutionCount != 0) m_results.m_bestDepth = 0;
}

void CSearchRun::RecordSolution() {
    if (m_work.search.sound && m_callbacks.beep) m_callbacks.beep(SearchBeep::Solution);
    m_results.m_solutions.push_back(m_work.GridToString());
    ++m_results.m_solutionCount;
    m_results.m_bestDepth = 0;
    if (m_work.search.showWhileSearching && m_callbacks.redraw) m_callbacks.redraw();
    if (m_work.search.maxSolutions > 0 && m_results.m_solutionCount >= m_work.search.maxSolutions)
        m_interrupted = true;
}

void CSearchRun::NotePlacement(int level, int word, int entry, int& tried, int best) {
    if (level < 2) {
        ++tried;
        const std::string text =
            StrFormat("%s %d/%d ", FormatLabel(m_work.words[word]).c_str(), tried, best);
        if (level == 0)
            m_progressTop = text;
        else
            m_progress = m_progressTop + text;
    }
    if (m_callbacks.trace) m_callbacks.trace(level, word, entry);
}
