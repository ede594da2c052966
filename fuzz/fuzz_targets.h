#pragma once
// One entry per reader of untrusted input. Each runs the reader on the bytes
// and aborts when an invariant breaks (for example a refused file that still
// changed the open puzzle). The fuzzers and the regression tests share them.

#include <cstddef>
#include <cstdint>
#include <string_view>

struct FuzzTarget {
    const char* name;
    void (*run)(std::string_view input);
};

void FuzzRtrReader(std::string_view input);
void FuzzWordList(std::string_view input);
void FuzzCommandLine(std::string_view input);
void FuzzPuzImport(std::string_view input);
void FuzzIpuzImport(std::string_view input);
void FuzzRosImport(std::string_view input);
void FuzzHtmlImport(std::string_view input);
void FuzzClueText(std::string_view input);
void FuzzPuzzleDescription(std::string_view input);
void FuzzCompare(std::string_view input);
void FuzzLetterValues(std::string_view input);

// Every target, by the name used for its corpus and regression folder.
const FuzzTarget* FuzzTargets(std::size_t& count);
