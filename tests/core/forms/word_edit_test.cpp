// What the word data dialog opens with and what its OK stores.
#include "forms/word_edit.h"

#include <gtest/gtest.h>

#include "model/undo_history.h"
#include "test_support.h"

namespace {

struct WordEditTest : ::testing::Test {
    Rooster2Doc doc;
    int across = -1;
    WordEditTest() {
        doc.OnNewDocument();
        SetGrid(doc, {"K..S.", "....."});
        doc.phase = Phase::Vullen;
        Arrange(doc)->Renumber();
        across = doc.FindWordAt(0, 0);
    }
};

TEST_F(WordEditTest, OpensWithTitleDottedValueAndClueText) {
    Arrange(doc)->words[across].clue = "Kaas";
    Arrange(doc)->search.maxCandidates = 3;
    Arrange(doc)->search.excludedLetters = 'Q';
    Arrange(doc)->words[across].extraList = 2;
    const WordDataFields fields = OpenWordData(doc, across);
    EXPECT_EQ(fields.title, "H1 met lengte 5");
    EXPECT_EQ(fields.value, "K..S.");
    EXPECT_EQ(fields.clue, "Kaas (5) *2");
    EXPECT_EQ(fields.maxCandidates, 3);
    EXPECT_EQ(fields.excludedLetters, "Q");
    EXPECT_EQ(fields.listNumber, 2);
}

TEST_F(WordEditTest, OkStoresLettersClueAndPartsWithAnUndoStep) {
    WordDataFields fields = OpenWordData(doc, across);
    fields.value = "KAYS.";
    fields.clue = "Twee woorden (2,3)";
    fields.listNumber = 1;
    fields.maxCandidates = 50;
    EXPECT_TRUE(ApplyWordData(doc, across, fields).empty());
    EXPECT_EQ(GridRows(doc)[0], "KAyS.");
    const WordInfo& word = doc.puzzle().words[across];
    EXPECT_EQ(word.clue, "Twee woorden");
    EXPECT_EQ(word.partCount, 2);
    EXPECT_EQ(word.partLengths[0], 2);
    EXPECT_EQ(word.partLengths[1], 3);
    EXPECT_EQ(word.extraList, 1);
    EXPECT_EQ(doc.puzzle().search.maxCandidates, 50);
    EXPECT_TRUE(doc.Histories().CanUndo(Phase::Vullen));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(WordEditTest, PartsThatDoNotAddUpAreReportedAndStored) {
    WordDataFields fields = OpenWordData(doc, across);
    fields.clue = "Fout (2,2)";
    const std::vector<UserMessage> messages = ApplyWordData(doc, across, fields);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Berekende lengte (4) ongelijk aan\nwoordlengte (5)");
    EXPECT_EQ(messages[0].caption, "Oei");
    EXPECT_EQ(doc.puzzle().words[across].partCount, 2);
}

TEST_F(WordEditTest, ConflictingLettersAreReportedButTheClueIsKept) {
    WordDataFields fields = OpenWordData(doc, across);
    fields.value = "MAAS.";
    fields.clue = "Rivier";
    const std::vector<UserMessage> messages = ApplyWordData(doc, across, fields);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Woordwaarde incorrect,\neerst woord verwijderen m.b.v. <Delete>");
    EXPECT_EQ(doc.puzzle().words[across].clue, "Rivier");
}

TEST_F(WordEditTest, AnEmptyValueClearsTheWord) {
    WordDataFields fields = OpenWordData(doc, across);
    fields.value.clear();
    EXPECT_TRUE(ApplyWordData(doc, across, fields).empty());
    EXPECT_EQ(GridRows(doc)[0], ".....");
}

}  // namespace
