#pragma once
// Small word list sets written by the tests.

#include <string>
#include <vector>

#include "test_support.h"
#include "util/str_format.h"

// Writes dir/nlNN.doc with the given lines, each ended by CR LF; returns the set name
// (the file name for length 5, whatever lengths are written).
inline std::string WriteListFile(const TempDir& dir, int length,
                                 const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFileOrFail(dir.Path(StrFormat("nl%02d.doc", length)), text);
    return dir.Path("nl05.doc");
}
