#pragma once
// Where a Dutch word may be broken with a hyphen, from Debian's hyphen-nl patterns
// through libhyphen. Without the library or the pattern file no break is offered.

#include <string>
#include <vector>

// The offsets (1 .. size - 1) before which the ISO-8859-1 word may be broken, in order.
std::vector<int> DutchBreakPoints(const std::string& latin1Word);
