#pragma once
// Whole-file reading and safe writing. Writing goes to a temporary file in
// the target's folder that is renamed over the target only when complete, so
// a failed write never damages an existing file.

#include <string>
#include <string_view>

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes bytes to path through a temporary file and a rename; false on any failure,
// in which case the file at path is as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Test hook: when set, the next atomic writes fail after writing this many bytes
// (a full disk in the middle of a save). Negative switches it off.
void SimulateWriteFailureAfter(long long bytes);

// The file name part of a path (after the last '/' or '\\').
std::string FileNameOf(const std::string& path);
// The folder part of a path including its final separator; empty when there is none.
std::string FolderOf(const std::string& path);
