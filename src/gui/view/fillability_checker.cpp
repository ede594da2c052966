#include "view/fillability_checker.h"

namespace {

// The narrowing has no recursion; the lists live on the heap.
constexpr std::size_t CHECK_STACK_BYTES = std::size_t{8} << 20;

}  // namespace

FillabilityChecker::FillabilityChecker() { m_cache.SetCancelFlag(&m_cancel); }

FillabilityChecker::~FillabilityChecker() {
    m_cancel = true;
    m_worker.reset();
}

void FillabilityChecker::Request(FillabilityRequest request) {
    m_pending = std::move(request);
    if (m_worker)
        m_cancel = true;
    else
        StartPending();
}

void FillabilityChecker::StartPending() {
    m_cancel = false;
    m_worker = std::make_unique<WorkerThread>(
        [this, request = std::move(*m_pending)] {
            m_result = CheckFillability(request, m_cancel, &m_cache);
            QMetaObject::invokeMethod(this, &FillabilityChecker::OnWorkerDone,
                                      Qt::QueuedConnection);
        },
        CHECK_STACK_BYTES);
    m_pending.reset();
}

// A report that a newer request overtook is dropped unseen.
void FillabilityChecker::OnWorkerDone() {
    m_worker.reset();
    if (m_pending) {
        StartPending();
        return;
    }
    m_report = std::make_shared<const FillabilityReport>(std::move(m_result));
    emit Checked();
}
