#pragma once
// How long each run of a restarting search may go on: the Luby sequence
// 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ... Its total up to any point is within a
// logarithmic factor of the best fixed run length for the problem at hand,
// whatever that is, so the time to a fill has no heavy tail; and its terms grow
// without bound, so one run eventually gets the time to finish the search.

// The term at `index` (from 0).
long long LubyTerm(long long index);
