#pragma once
// The two fill methods: "exact", the classic order node for node, and "fast",
// which looks for fills with propagation and learning. The desktop keeps the
// choice in its profile, the command line takes it as --method.

#include <atomic>
#include <memory>
#include <optional>
#include <string_view>

class IProfile;
class Puzzle;
class SearchRun;
struct WordScoring;

// The values are stored in the profile.
enum class SearchMethod {
    Exact = 0,
    Fast = 1,
};

// "exact" or "fast", as the command line and the profile write them.
const char* SearchMethodName(SearchMethod method);
std::optional<SearchMethod> ParseSearchMethod(std::string_view name);
// "Exact" or "Snel", as the search options show them.
const char* SearchMethodLabel(SearchMethod method);

// The method the user chose last ("Zoekmethode" in the search options); it
// belongs to the user's profile, not to the puzzle. Fast in a profile without
// that choice, exact without a profile.
SearchMethod ReadSearchMethod(const IProfile* profile);
void StoreSearchMethod(IProfile* profile, SearchMethod method);

// A search of the chosen method on its own copy of the puzzle.
std::unique_ptr<SearchRun> MakeSearchRun(SearchMethod method, const Puzzle& puzzle,
                                         const WordScoring& scoring,
                                         std::atomic<bool>& interruptFlag);
