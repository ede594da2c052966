#include "interrupt_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_interruptRequested = 0;

extern "C" void OnInterruptSignal(int) {
    g_interruptRequested = 1;
    // A second Ctrl+C ends the program the usual way.
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

void InstallInterruptSignal() {
    g_interruptRequested = 0;
    std::signal(SIGINT, OnInterruptSignal);
}

bool InterruptRequested() { return g_interruptRequested != 0; }
