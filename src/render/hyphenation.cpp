#include "render/hyphenation.h"

#ifdef ROOSTER2_WITH_HYPHEN
#include <hyphen.h>

#include <cstdlib>

#include "util/latin1.h"

namespace {

// The Dutch patterns are ISO-8859-1, as the model's text is.
constexpr const char* DUTCH_PATTERNS = "/usr/share/hyphen/hyph_nl_NL.dic";

HyphenDict* DutchPatterns() {
    // Loaded once and kept for the run: every clue cell of every drawing needs it.
    static HyphenDict* const dict = hnj_hyphen_load(DUTCH_PATTERNS);
    return dict;
}

}  // namespace

std::vector<int> DutchBreakPoints(const std::string& latin1Word) {
    std::vector<int> points;
    HyphenDict* dict = DutchPatterns();
    if (dict == nullptr || latin1Word.size() < 2) return points;
    const std::string word = Latin1ToLower(latin1Word);
    std::vector<char> hyphens(word.size() + 5, '0');
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    if (hnj_hyphen_hyphenate2(dict, word.c_str(), static_cast<int>(word.size()), hyphens.data(),
                              nullptr, &rep, &pos, &cut) == 0) {
        // A break that changes the spelling (rep) is passed over: the letters stay as typed.
        for (std::size_t i = 0; i + 1 < word.size(); ++i)
            if ((hyphens[i] & 1) != 0 && (rep == nullptr || rep[i] == nullptr))
                points.push_back(static_cast<int>(i + 1));
    }
    if (rep != nullptr) {
        for (std::size_t i = 0; i < word.size(); ++i) std::free(rep[i]);
        std::free(rep);
    }
    std::free(pos);
    std::free(cut);
    return points;
}

#else

std::vector<int> DutchBreakPoints(const std::string&) { return {}; }

#endif
