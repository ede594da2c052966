#pragma once
// Ctrl+C during a long command: the first one only sets a flag that the
// command watches, so it can stop and keep what it found.

#include <atomic>

// Installs the handler and returns its flag, cleared.
std::atomic<bool>& InstallInterruptSignal();
