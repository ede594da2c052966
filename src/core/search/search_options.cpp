#include "search/search_options.h"

#include "model/rooster2_doc.h"
#include "util/latin1.h"
#include "wordlists/word_scores.h"

SearchOptions ReadSearchOptions(const CRooster2Doc& doc) {
    SearchOptions options;
    options.allDifferent = doc.m_allDifferent;
    options.maxSolutions = doc.m_maxSolutions;
    options.ijTwoLetters = doc.m_ijTwoLetters;
    options.fillWithLastShown = doc.m_fillWithLastShown;
    options.showWhileSearching = doc.m_showWhileSearching;
    options.excludedLetters = doc.m_excludedLetters;
    options.randomOrder = doc.m_randomOrder;
    options.sound = doc.m_sound;
    options.wordFile = doc.m_wordFile;
    options.maxFrequency = doc.m_maxFrequency;
    options.maxDistinct = doc.m_maxDistinct;
    options.minScore = doc.m_scoring.minScore;
    return options;
}

void ApplySearchOptions(CRooster2Doc& doc, const SearchOptions& options) {
    doc.m_allDifferent = options.allDifferent;
    doc.m_maxSolutions = options.maxSolutions;
    doc.m_ijTwoLetters = options.ijTwoLetters;
    doc.m_fillWithLastShown = options.fillWithLastShown;
    doc.m_showWhileSearching = options.showWhileSearching;
    doc.m_excludedLetters = Latin1ToUpper(options.excludedLetters);
    doc.m_randomOrder = options.randomOrder;
    doc.m_sound = options.sound;
    doc.m_wordFile = options.wordFile;
    doc.m_maxFrequency = options.maxFrequency;
    doc.m_maxDistinct = options.maxDistinct;
    StoreMinimumScore(doc.m_scoring, doc.m_profile, options.minScore);
    if (doc.m_wordFile.empty()) {
        doc.m_extraFiles.clear();
        for (WordInfo& word : doc.m_words) word.extraList = 0;
    }
    doc.MarkModified(true);
}

bool CanStartSearch(const CRooster2Doc& doc) {
    return (doc.m_phase == PHASE_VORMEN || doc.m_phase == PHASE_VULLEN) && !doc.m_wordFile.empty();
}
