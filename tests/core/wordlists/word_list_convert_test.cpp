#include "wordlists/word_list_convert.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "util/file_io.h"
#include "wordlists/word_list_files.h"

namespace {

std::string Lines(std::initializer_list<const char*> words) {
    std::string text;
    for (const char* word : words) text += std::string(word) + "\r\n";
    return text;
}

TEST(DictionaryConversion, Utf8DiacriticsCaseAndLengths) {
    const auto result =
        ConvertDictionaryText("café\nkaas\nKaas\nÉén\nstraße\nægir\nbrûlée\npaté\n", true);
    EXPECT_EQ(result.files[4], Lines({"CAFE", "KAAS", "PATE"}));
    EXPECT_EQ(result.files[3], Lines({"EEN"}));
    EXPECT_EQ(result.files[7], Lines({"STRASSE"}));
    EXPECT_EQ(result.files[6], Lines({"BRULEE"}));
    EXPECT_EQ(result.files[5], Lines({"AEGIR"}));
    EXPECT_EQ(result.duplicates, 1);
}

TEST(DictionaryConversion, HyphensAndApostrophesAreLeftOutOtherSignsDropTheWord) {
    const auto result = ConvertDictionaryText(
        "auto's\nwalk-over\n's-Hertogenbosch\n10-jarig\nzoet water\naanw.\nB&B\nCO₂\n€10\n", true);
    EXPECT_EQ(result.files[5], Lines({"AUTOS"}));
    EXPECT_EQ(result.files[8], Lines({"WALKOVER"}));
    EXPECT_EQ(result.files[14], Lines({"SHERTOGENBOSCH"}));
    EXPECT_EQ(result.dropped, 6);
    EXPECT_EQ(result.wordsKept, 3);
}

TEST(DictionaryConversion, OrderDuplicatesShortAndLongWords) {
    const std::string word25(25, 'X');
    const std::string text = "zee\r\n  \r\na\r\nEe\r\nzee\r\n" + std::string(19, 'q') + "\r\n" +
                             word25 + "\r\n" + std::string(120, 'w') + "\r\nee\r\n'T\r\n";
    const auto result = ConvertDictionaryText(text, true);
    EXPECT_EQ(result.files[3], Lines({"ZEE"}));
    EXPECT_EQ(result.files[2], Lines({"EE"}));
    EXPECT_EQ(result.files[19], std::string(19, 'Q') + "\r\n" + word25 + "\r\n");
    EXPECT_EQ(result.duplicates, 2);
    EXPECT_EQ(result.tooShort, 2);
    EXPECT_EQ(result.tooLong, 1);
    EXPECT_EQ(result.wordsKept, 4);
}

TEST(DictionaryConversion, BinaryJunkKeepsOnlyPlainWords) {
    std::string junk("\0\x01\x02kaas\n\x7f\x80\x81\xfe\n", 13);
    junk += "boot\n";
    const auto result = ConvertDictionaryText(junk, true);
    EXPECT_EQ(result.files[4], Lines({"BOOT"}));
    EXPECT_EQ(result.dropped, 2);
}

TEST(DictionaryScoring, TheDefaultRuleFromSpellingAndStems) {
    ConversionScoring scoring;
    scoring.defaultRule = true;
    scoring.stemsText = "4\nhuis/CaZh\nfiets\nbtw/Fw\nkst\tpo:tussenwerpsel\n";
    const auto result = ConvertDictionaryText(
        "huis\nhuizen\nfiets\nKST\nkst\nBMW\nbtw\nAmsterdam\nAOW'er\n", true, scoring);
    EXPECT_EQ(result.files[4], Lines({"HUIS;70"}));
    EXPECT_EQ(result.files[6], Lines({"HUIZEN;50"}));
    EXPECT_EQ(result.files[5], Lines({"FIETS;70", "AOWER;10"}));
    EXPECT_EQ(result.files[3], Lines({"KST;10", "BMW;10", "BTW;10"}));
    EXPECT_EQ(result.files[9], Lines({"AMSTERDAM;20"}));
    EXPECT_EQ(result.stems, 3);
}

TEST(DictionaryScoring, FrequenciesCompoundsLetterWordsAndOffensiveWords) {
    ConversionScoring scoring;
    scoring.defaultRule = true;
    scoring.stemsText = "fiets\nbel\ntekeerga\napk/ClCw\n";
    scoring.frequenciesText =
        "fiets 4.76\nbel 4.1\nApk 3.10\namsterdam 5.00\nmix 3.80\nkut 3.90\nkaas x\n";
    scoring.offensiveText = "# geen woord\nkut\n";
    const auto result = ConvertDictionaryText(
        "fiets\nbel\nfietsbel\ntekeerga\napk\nkut\nmix\nAmsterdam\nZwolle\nkaas\n", true, scoring);
    EXPECT_EQ(result.files[5], Lines({"FIETS;82"}));
    EXPECT_EQ(result.files[3], Lines({"BEL;76", "APK;10", "KUT;0", "MIX;73"}));
    EXPECT_EQ(result.files[8], Lines({"FIETSBEL;55", "TEKEERGA;40"}));
    EXPECT_EQ(result.files[9], Lines({"AMSTERDAM;30"}));
    EXPECT_EQ(result.files[6], Lines({"ZWOLLE;20"}));
    EXPECT_EQ(result.files[4], Lines({"KAAS;30"}));
    EXPECT_EQ(result.frequencies, 6);
    EXPECT_EQ(result.offensive, 1);
}

// Each test writes the set dir/nl from a dictionary in dir.
class WordListSetWriting : public ::testing::Test {
protected:
    bool Write(const std::string& dictionary, const ScoringFiles& scoring = {},
               const std::string& base = "nl") {
        return WriteWordListSet(dir.Path(dictionary), base.empty() ? "" : dir.Path(base), true,
                                conversion, message, scoring);
    }
    int FilesInDir() const {
        int files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path("")))
            ++files;
        return files;
    }
    TempDir dir;
    WordListConversion conversion;
    UserMessage message;
};

TEST_F(WordListSetWriting, RefusesMissingOrEmptyDictionariesAndKeepsOldLists) {
    WriteFileOrFail(dir.Path("nl04.doc"), "KAAS\r\n");
    WriteFileOrFail(dir.Path("empty.txt"), "");
    WriteFileOrFail(dir.Path("signs.txt"), "1\n2\n#\n");
    EXPECT_FALSE(Write("none.txt"));
    EXPECT_EQ(message.text, "Bestand " + dir.Path("none.txt") + " ontbreekt.");
    EXPECT_FALSE(Write("empty.txt"));
    EXPECT_EQ(message.text, "Geen bruikbare woorden in " + dir.Path("empty.txt"));
    EXPECT_FALSE(Write("signs.txt"));
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl04.doc")), "KAAS\r\n");
    EXPECT_FALSE(Write("signs.txt", {}, ""));
    EXPECT_EQ(message.text, "Naam voor de woordenlijsten te kort: ");
}

TEST_F(WordListSetWriting, ScoringFilesAreReadAndAMissingOneIsRefused) {
    WriteFileOrFail(dir.Path("dict.txt"), "kaas\nBMW\n");
    WriteFileOrFail(dir.Path("scores.txt"), "kaas;65\n");
    ScoringFiles scoring{true, dir.Path("none.dic"), dir.Path("scores.txt"), "", ""};
    EXPECT_FALSE(Write("dict.txt", scoring));
    EXPECT_EQ(message.text, "Bestand " + dir.Path("none.dic") + " ontbreekt.");
    scoring.stemsPath.clear();
    ASSERT_TRUE(Write("dict.txt", scoring));
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl04.doc")), "KAAS;65\r\n");
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl03.doc")), "BMW;10\r\n");
    EXPECT_NE(
        ConversionSummary(conversion, dir.Path("nl"))
            .find("\nScores: 0 stammen, 1 eigen scores gebruikt, 0 niet in de lijsten, 0 onjuist"),
        std::string::npos);
}

TEST_F(WordListSetWriting, AFailureMidwayLeavesTheOldSetWhole) {
    // The short lists come first and fit under the failure point; the 5-letter list does not.
    WriteFileOrFail(dir.Path("dict.txt"), "ei\nkaas\nappel\nperen\n");
    WriteFileOrFail(dir.Path("nl02.doc"), "OK\r\n");
    WriteFileOrFail(dir.Path("nl05.doc"), "OUDER\r\n");
    SimulateWriteFailureAfter(10);
    const bool written = Write("dict.txt");
    SimulateWriteFailureAfter(-1);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl02.doc")), "OK\r\n");
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl05.doc")), "OUDER\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("nl04.doc")));
    EXPECT_EQ(FilesInDir(), 3);
}

TEST_F(WordListSetWriting, RenamesCutShortAreFinishedBeforeTheSetIsRead) {
    WriteFileOrFail(dir.Path("old.txt"), "ok\nouder\n");
    WriteFileOrFail(dir.Path("new.txt"), "ei\nperen\n");
    ASSERT_TRUE(Write("old.txt"));
    SimulateRenameFailureAfter(1);
    EXPECT_FALSE(Write("new.txt"));
    SimulateRenameFailureAfter(-1);
    ASSERT_EQ(ReadFileOrEmpty(dir.Path("nl02.doc")), "EI\r\n");
    ASSERT_EQ(ReadFileOrEmpty(dir.Path("nl05.doc")), "OUDER\r\n");  // a mix, for now

    WordListFile file;
    EXPECT_EQ(OpenWordListSetFile(dir.Path("nl05.doc"), 5, file), "");
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("nl05.doc")), "PEREN\r\n");
    // The dictionaries and the set, no journal.
    EXPECT_EQ(FilesInDir(), 2 + LONGEST_OWN_FILE_LENGTH - 1);
}

}  // namespace
