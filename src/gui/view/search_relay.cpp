#include "view/search_relay.h"

#include "render/latin1_text.h"

SearchCallbacks SearchRelay::Callbacks() {
    SearchCallbacks callbacks;
    callbacks.status = [this](int pane, const std::string& text) {
        emit StatusChanged(pane, Latin1(text));
    };
    // At the cadence the snapshot only stays ready for a repaint, as the grid
    // was shown before; a deeper fill or a solution is drawn when asked.
    callbacks.poll = [this](const Puzzle& filling) { HandOver(filling, false); };
    callbacks.redraw = [this](const Puzzle& filling) { HandOver(filling, true); };
    callbacks.beep = [this](SearchBeep) { emit Beeped(); };
    return callbacks;
}

void SearchRelay::HandOver(const Puzzle& filling, bool draw) {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_snapshot.grid = filling.GridToString();
        m_snapshot.draw = m_snapshot.draw || draw;
    }
    if (!m_queued.exchange(true)) emit GridChanged();
}

SearchRelay::Snapshot SearchRelay::TakeSnapshot() {
    m_queued = false;
    const std::lock_guard<std::mutex> lock(m_mutex);
    Snapshot taken = std::move(m_snapshot);
    m_snapshot = Snapshot{};
    return taken;
}
