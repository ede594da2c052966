#include "interrupt_signal.h"

#include <csignal>

namespace {

// A signal handler may only store into a lock-free atomic.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> g_interruptRequested{false};

extern "C" void OnInterruptSignal(int) {
    g_interruptRequested = true;
    // A second Ctrl+C ends the program the usual way.
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

std::atomic<bool>& InstallInterruptSignal() {
    g_interruptRequested = false;
    std::signal(SIGINT, OnInterruptSignal);
    return g_interruptRequested;
}
