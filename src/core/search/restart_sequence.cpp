#include "search/restart_sequence.h"

long long LubyTerm(long long index) {
    // The sequence is made of blocks of 2^k - 1 terms, each block two copies of
    // the one before and then 2^(k-1): find the block, then descend into its copies.
    long long size = 1;
    long long term = 1;
    while (size < index + 1) {
        size = 2 * size + 1;
        term *= 2;
    }
    while (size - 1 != index) {
        size = (size - 1) / 2;
        term /= 2;
        index %= size;
    }
    return term;
}
