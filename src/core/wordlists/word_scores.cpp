#include "wordlists/word_scores.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/clue_text.h"
#include "model/profile.h"
#include "model/puzzle.h"
#include "util/file_io.h"
#include "util/latin1.h"
#include "util/native_path.h"
#include "util/str_format.h"
#include "util/text_lines.h"
#include "wordlists/candidates.h"
#include "wordlists/looked_up_stretches.h"
#include "wordlists/word_list_files.h"

namespace {

const char* const PROFILE_SECTION_WORD_LISTS = "Woordenlijsten";
const char* const PROFILE_ENTRY_MIN_SCORE = "MinimaleScore";
const char* const PROFILE_ENTRY_LOWER_MIN_SCORE = "MinimaleScoreVerlagen";
const char* const OVERRIDE_FILE_NAME = "eigen_scores.txt";

bool MakeFolderOf(const std::string& path) {
    const std::string folder = FolderOf(path);
    if (folder.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(NativePath(folder), error);
    return !error;
}

}  // namespace

int EffectiveScore(const WordScoring& scoring, std::string_view word, int listScore) {
    if (!scoring.overrides || scoring.overrides->empty()) return listScore;
    const auto own = scoring.overrides->find(TrimTrailingWhiteSpace(word));
    return own == scoring.overrides->end() ? listScore : own->second;
}

bool IsOfferedScore(const WordScoring& scoring, int score) {
    return score != BLOCKED_SCORE && score >= scoring.minScore;
}

ScoreOverrides ParseScoreOverrides(std::string_view text, int& malformed) {
    ScoreOverrides overrides;
    malformed = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = TrimWhiteSpace(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty()) continue;
        const std::size_t separator = line.find(SCORE_SEPARATOR);
        const std::string_view word =
            TrimWhiteSpace(line.substr(0, std::min(separator, line.size())));
        const std::optional<int> score = separator == std::string_view::npos
                                             ? std::nullopt
                                             : ParseScore(line.substr(separator + 1));
        if (word.empty() || !score) {
            ++malformed;
            continue;
        }
        overrides[Latin1ToUpper(word)] = *score;
    }
    return overrides;
}

std::string FormatScoreOverrides(const ScoreOverrides& overrides) {
    std::string text;
    for (const auto& [word, score] : overrides)
        text += word + SCORE_SEPARATOR + std::to_string(score) + "\r\n";
    return text;
}

std::string ScoreOverridePath(const std::string& dataFolder) {
    if (dataFolder.empty()) return std::string();
    return PathText(NativePath(dataFolder) / OVERRIDE_FILE_NAME);
}

namespace {

// What may be wrong with an own scores file that was there; empty when nothing is.
std::string ScoreFileWarnings(const std::string& path, ReadStatus read, bool utf8, int malformed) {
    std::string warnings;
    const auto add = [&warnings](const std::string& warning) {
        warnings += (warnings.empty() ? "" : "\n") + warning;
    };
    std::error_code error;
    if (read == ReadStatus::CannotOpen && std::filesystem::exists(NativePath(path), error))
        add(ReadFailureText(path, read, DOCUMENT_FILE_LIMIT));
    if (utf8)
        add(StrFormat("%s begint met een UTF-8-markering en is als UTF-8 gelezen", path.c_str()));
    if (malformed > 0)
        add(StrFormat("%d %s zonder geldige score in %s overgeslagen", malformed,
                      malformed == 1 ? "regel" : "regels", path.c_str()));
    return warnings;
}

}  // namespace

std::optional<UserMessage> LoadScoreOverrides(WordScoring& scoring, const std::string& path) {
    scoring.overrideFile = path;
    std::string text;
    int malformed = 0;
    // A missing file is the usual case: the user has not scored a word yet.
    const ReadStatus read =
        path.empty() ? ReadStatus::Read : ReadFileUpTo(path, DOCUMENT_FILE_LIMIT, text);
    // An editor that saves UTF-8 may put its mark in front; the words are Latin-1 here.
    const std::string_view content = WithoutByteOrderMark(text);
    const bool utf8 = content.size() != text.size();
    scoring.overrides = std::make_shared<const ScoreOverrides>(
        ParseScoreOverrides(utf8 ? Utf8ToLatin1(content) : text, malformed));
    if (read == ReadStatus::TooLarge)
        return UserMessage{ReadFailureText(path, read, DOCUMENT_FILE_LIMIT)};
    const std::string warnings = ScoreFileWarnings(path, read, utf8, malformed);
    if (warnings.empty()) return std::nullopt;
    return UserMessage{warnings};
}

std::optional<UserMessage> SetOwnScore(WordScoring& scoring, std::string_view word, int score) {
    if (scoring.overrideFile.empty()) return UserMessage{"Geen bestand voor eigen scores", "Oei"};
    auto changed =
        std::make_shared<ScoreOverrides>(scoring.overrides ? *scoring.overrides : ScoreOverrides());
    (*changed)[Latin1ToUpper(TrimWhiteSpace(word))] =
        std::clamp(score, LOWEST_SCORE, HIGHEST_SCORE);
    if (!MakeFolderOf(scoring.overrideFile))
        return UserMessage{WriteFailureText(scoring.overrideFile, WriteStatus::Failed), "Oei"};
    if (const WriteResult written =
            WriteFileAtomically(scoring.overrideFile, FormatScoreOverrides(*changed));
        !written)
        return UserMessage{WriteFailureText(scoring.overrideFile, written.status), "Oei"};
    scoring.overrides = std::move(changed);
    return std::nullopt;
}

int ReadMinimumScore(const IProfile* profile) {
    if (profile == nullptr) return 0;
    const int stored = profile->GetProfileInt(PROFILE_SECTION_WORD_LISTS, PROFILE_ENTRY_MIN_SCORE,
                                              DEFAULT_MIN_SCORE);
    return std::clamp(stored, LOWEST_SCORE, HIGHEST_SCORE);
}

void StoreMinimumScore(WordScoring& scoring, IProfile* profile, int minScore) {
    scoring.minScore = std::clamp(minScore, LOWEST_SCORE, HIGHEST_SCORE);
    if (profile != nullptr)
        profile->WriteProfileInt(PROFILE_SECTION_WORD_LISTS, PROFILE_ENTRY_MIN_SCORE,
                                 scoring.minScore);
}

bool ReadLowerWhenNothingFits(const IProfile* profile) {
    return profile != nullptr && profile->GetProfileInt(PROFILE_SECTION_WORD_LISTS,
                                                        PROFILE_ENTRY_LOWER_MIN_SCORE, 1) != 0;
}

void StoreLowerWhenNothingFits(WordScoring& scoring, IProfile* profile, bool lower) {
    scoring.lowerWhenNothingFits = lower;
    if (profile != nullptr)
        profile->WriteProfileInt(PROFILE_SECTION_WORD_LISTS, PROFILE_ENTRY_LOWER_MIN_SCORE, lower);
}

std::vector<EntryScore> ScoreEntries(const Puzzle& puzzle, const ScoreLookup& lookup) {
    std::vector<EntryScore> entries;
    for (int i = 0; i < static_cast<int>(puzzle.words.size()); ++i) {
        if (!puzzle.IsWordComplete(i)) continue;
        const WordInfo& word = puzzle.words[i];
        ForEachLookedUpStretch(word, puzzle.GetWordValue(i), [&](std::string_view stretch) {
            if (const std::optional<int> score = lookup(stretch, word.extraList))
                entries.push_back({i, Latin1ToUpper(stretch), *score});
            return true;
        });
    }
    return entries;
}

std::vector<EntryScore> ScoreEntries(const Puzzle& puzzle, const WordScoring& scoring) {
    return ScoreEntries(puzzle, [&](std::string_view stretch, int listNumber) {
        return ListedScore(puzzle, scoring, stretch, listNumber);
    });
}

FillScore SummarizeScores(const std::vector<EntryScore>& entries) {
    FillScore result;
    for (const EntryScore& entry : entries) {
        if (result.scoredWords == 0 || entry.score < result.lowest) {
            result.lowest = entry.score;
            result.lowestWord = entry.letters;
        }
        ++result.scoredWords;
        result.total += entry.score;
    }
    return result;
}

FillScore ScoreFill(const Puzzle& puzzle, const WordScoring& scoring) {
    return SummarizeScores(ScoreEntries(puzzle, scoring));
}

std::string FormatScoreAverage(const FillScore& score) {
    const double average =
        score.scoredWords == 0 ? 0.0 : static_cast<double>(score.total) / score.scoredWords;
    std::string text = StrFormat("%.1f", average);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string FillScoreText(const FillScore& score) {
    if (score.scoredWords == 0) return std::string();
    return StrFormat("Score: gemiddeld %s, laagste %d (%s)", FormatScoreAverage(score).c_str(),
                     score.lowest, score.lowestWord.c_str());
}

std::vector<EntryScore> LowestEntries(std::vector<EntryScore> entries, std::size_t count) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const EntryScore& a, const EntryScore& b) { return a.score < b.score; });
    entries.resize(std::min(count, entries.size()));
    return entries;
}

std::string LowestEntriesText(const Puzzle& puzzle, const std::vector<EntryScore>& lowest) {
    std::string text;
    for (const EntryScore& entry : lowest)
        text += StrFormat("%s %s %s (%d)", text.empty() ? "Laagste woorden:" : ",",
                          FormatLabel(puzzle.words[entry.word]).c_str(), entry.letters.c_str(),
                          entry.score);
    return text;
}
