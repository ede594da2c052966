#pragma once
// Ctrl+C during a long command: the first one only raises a flag that the
// command polls, so it can stop and keep what it found.

void InstallInterruptSignal();
bool InterruptRequested();
