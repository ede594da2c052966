#pragma once
// The live check on a worker thread: the window asks after every edit, the
// check never holds up typing, and a newer request cancels the one running, so
// that only the report of the newest grid comes back (as a queued signal on
// the window's thread). The lists stay loaded from one check to the next.

#include <QObject>
#include <atomic>
#include <memory>
#include <optional>

#include "search/fillability.h"
#include "search/search_lists.h"
#include "util/worker_thread.h"

class FillabilityChecker : public QObject {
    Q_OBJECT

public:
    FillabilityChecker();
    ~FillabilityChecker() override;

    void Request(FillabilityRequest request);
    // The newest report; null before the first.
    std::shared_ptr<const FillabilityReport> Report() const { return m_report; }

signals:
    void Checked();

private:
    void StartPending();
    void OnWorkerDone();

    std::optional<FillabilityRequest> m_pending;
    std::unique_ptr<WorkerThread> m_worker;
    std::atomic<bool> m_cancel{false};
    // Touched by the worker only while it runs, and by this thread after joining it.
    SearchListCache m_cache;
    FillabilityReport m_result;
    std::shared_ptr<const FillabilityReport> m_report;
};
