#pragma once
// What the search reports from its own thread reaches the window's thread as
// queued signals. The fill's grid is handed over as a snapshot; a fast fill
// can go deeper thousands of times a second, so snapshots that the window has
// not taken yet are replaced by the newest rather than queued.

#include <QObject>
#include <QString>
#include <atomic>
#include <mutex>
#include <string>

#include "search/search_run.h"

class SearchRelay : public QObject {
    Q_OBJECT

public:
    struct Snapshot {
        std::string grid;   // empty when the newest was taken already
        bool draw = false;  // draw it at once; else it waits for the next repaint
    };

    // Callbacks that emit the signals below, for the search's thread.
    SearchCallbacks Callbacks();
    // On the window's thread, after GridChanged: the newest grid.
    Snapshot TakeSnapshot();

signals:
    void StatusChanged(int pane, const QString& text);
    void GridChanged();
    void Beeped();
    void Finished();

private:
    void HandOver(const Puzzle& filling, bool draw);

    std::mutex m_mutex;
    Snapshot m_snapshot;
    std::atomic<bool> m_queued{false};
};
