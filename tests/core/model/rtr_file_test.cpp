#include "model/rtr_file.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"
#include "util/byte_writer.h"
#include "util/file_io.h"

namespace {

// Fields 1 to 22 of a file as an earlier release wrote it: a 3 x 2 grid with one
// across word "AB " over a black row, and no later fields.
std::string OldShortFile(std::int32_t ijFlag = 0) {
    ByteWriter out;
    out.WriteU32(25);
    out.WriteBytes("Rooster Versie 2 Ruitwerk");
    out.WriteS32(3);
    out.WriteS32(2);
    out.WriteBytes("AB \x01\x01\x01");
    for (std::int32_t value : {7, 40, 0x111111, 0x222222, 0x333333, 0x444444, 3, 2, 1, 0, 1})
        out.WriteS32(value);
    out.WriteS16(3);  // the across word's letters
    out.WriteS16(0);
    out.WriteBytes(std::string("AB \0", 4));
    out.WriteU32(4);
    out.WriteBytes(std::string("Kaas\0", 5));
    out.WriteU32(9);
    out.WriteBytes(std::string("nl02x.doc\0", 10));
    for (std::int32_t value : {ijFlag, 250, 0, 1, 0}) out.WriteS32(value);
    return out.TakeBytes();
}

Rooster2Doc SamplePuzzle() {
    Rooster2Doc doc;
    SetGrid(doc, {"DENHAAG", ".#.#.#.", "y......"});
    Arrange(doc)->words[0].clue = "Hofstad";
    Arrange(doc)->words[0].partCount = 2;
    Arrange(doc)->words[0].partLengths[0] = 3;
    Arrange(doc)->words[0].partLengths[1] = 4;
    Arrange(doc)->words[1].extraList = 2;
    Arrange(doc)->html.title = "Puzzel 1";
    Arrange(doc)->comment = "Voor de krant";
    Arrange(doc)->search.wordFile = "/lijsten/nl05.doc";
    Arrange(doc)->extraFiles = {"/lijsten/extra02.doc", "/lijsten/namen02.doc"};
    Arrange(doc)->search.excludedLetters = "QX";
    Arrange(doc)->letterValues[4] = -3;
    Arrange(doc)->numbering.startNumber = 4;
    Arrange(doc)->numbering.numberPartWords = true;
    doc.phase = Phase::Vullen;
    Arrange(doc)->Renumber();
    return doc;
}

}  // namespace

TEST(RtrRoundTripTest, EveryStoredSettingSurvives) {
    const Rooster2Doc doc = SamplePuzzle();
    const std::string bytes = WriteRtr(doc);
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, bytes).status, RtrStatus::Loaded);
    EXPECT_EQ(WriteRtr(reopened), bytes);
    EXPECT_EQ(reopened.puzzle().GridToString(), doc.puzzle().GridToString());
    EXPECT_EQ(reopened.puzzle().words[0].partCount, 2);
    EXPECT_EQ(reopened.puzzle().words[0].partLengths[1], 4);
    EXPECT_EQ(reopened.puzzle().words[0].value, "DENHAAG");
    EXPECT_EQ(reopened.puzzle().words[1].extraList, 2);
    EXPECT_EQ(reopened.puzzle().extraFiles, doc.puzzle().extraFiles);
    EXPECT_EQ(reopened.puzzle().letterValues[4], -3);
    EXPECT_EQ(reopened.puzzle().comment, "Voor de krant");
    // Renumbered on reading with part numbers: the second part has its own number.
    EXPECT_EQ(reopened.puzzle().CellNumber(3, 0), doc.puzzle().CellNumber(3, 0));
    EXPECT_EQ(reopened.phase, Phase::Vullen);
}

// Locks follow the classic fields as a tagged record: an older reader stops before it.
// The reader passes over records it does not know, refuses a cut one, and a puzzle
// opened without locks loses those of the puzzle open before.
TEST(RtrLocksTest, LocksSurviveAfterTheClassicFieldsAndUnknownRecordsArePassedOver) {
    Rooster2Doc doc = SamplePuzzle();
    const std::string classic = WriteRtr(doc);
    Arrange(doc)->SetLocked(1, 0, true);
    Arrange(doc)->SetLocked(0, 2, true);
    const std::string locked = WriteRtr(doc);
    ASSERT_EQ(locked.substr(0, classic.size()), classic);
    ByteWriter unknown;
    unknown.WriteU32(99);
    unknown.WriteU32(2);
    unknown.WriteBytes("xy");
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, locked + unknown.TakeBytes()).status, RtrStatus::Loaded);
    EXPECT_EQ(reopened.puzzle().LocksToString(), doc.puzzle().LocksToString());
    EXPECT_EQ(ReadRtr(reopened, locked.substr(0, locked.size() - 1)).status, RtrStatus::Refused);
    ASSERT_EQ(ReadRtr(reopened, classic).status, RtrStatus::Loaded);
    EXPECT_FALSE(reopened.puzzle().HasLocks());
}

TEST(RtrSignatureTest, AWrongSignatureKeepsTheOpenPuzzleAndItsFile) {
    TempDir dir;
    std::string bytes = WriteRtr(SamplePuzzle());
    bytes[10] = 'x';
    Rooster2Doc doc = SamplePuzzle();
    doc.pathName = "/open/puzzel.rtr";
    PuzzleEdit(doc, EditKind::Setting).Commit();
    const std::string before = WriteRtr(doc);
    WriteFileAtomically(dir.Path("kapot.rtr"), bytes);
    const RtrReadResult result = OpenRtrFile(doc, dir.Path("kapot.rtr"));
    EXPECT_EQ(result.status, RtrStatus::NotRtr);
    EXPECT_EQ(result.message.text, "Geen valide rtr-bestand");
    EXPECT_EQ(result.message.caption, "Rooster2");
    EXPECT_EQ(WriteRtr(doc), before);
    EXPECT_EQ(doc.pathName, "/open/puzzel.rtr");
    EXPECT_TRUE(doc.IsModified());

    bytes = WriteRtr(SamplePuzzle());
    bytes[0] = 24;
    EXPECT_EQ(ReadRtr(doc, bytes).status, RtrStatus::NotRtr);
    EXPECT_EQ(WriteRtr(doc), before);
}

TEST(RtrShortFileTest, AFileEndingAfterFieldTwentyTwoGetsTheDefaults) {
    Rooster2Doc doc = SamplePuzzle();
    Arrange(doc)->search.maxFrequency = 4;
    Arrange(doc)->html.blackGrey = false;
    ASSERT_EQ(ReadRtr(doc, OldShortFile()).status, RtrStatus::Loaded);
    EXPECT_EQ(doc.puzzle().width, 3);
    EXPECT_EQ(doc.puzzle().words.size(), 1u);
    EXPECT_EQ(doc.puzzle().words[0].clue, "Kaas");
    EXPECT_EQ(doc.puzzle().words[0].value, "AB ");
    EXPECT_EQ(doc.puzzle().search.wordFile, "nl02x.doc");
    EXPECT_EQ(doc.puzzle().search.maxSolutions, 250);
    EXPECT_FALSE(doc.puzzle().search.allDifferent);
    EXPECT_EQ(doc.puzzle().appearance.colours.niet, 0x333333u);
    EXPECT_EQ(doc.phase, Phase::Vullen);
    // Later fields take their defaults.
    EXPECT_TRUE(doc.puzzle().html.title.empty());
    EXPECT_TRUE(doc.puzzle().comment.empty());
    EXPECT_TRUE(doc.puzzle().extraFiles.empty());
    EXPECT_TRUE(doc.puzzle().appearance.partDashes);
    EXPECT_EQ(doc.puzzle().search.maxCandidates, 1000);
    EXPECT_EQ(doc.puzzle().appearance.letterFontName, "Arial");
    EXPECT_EQ(doc.puzzle().appearance.colours.woordPos, 0x80FF80u);
    EXPECT_EQ(doc.puzzle().appearance.colours.achtergrond, 0xD8E9ECu);
    EXPECT_EQ(doc.puzzle().numbering.startNumber, 1);
    EXPECT_FALSE(doc.puzzle().numbering.numberPartWords);
    EXPECT_EQ(doc.puzzle().letterValues[4], 5);
    EXPECT_EQ(doc.puzzle().words[0].number, 1);
    // The final resets.
    EXPECT_EQ(doc.puzzle().search.maxFrequency, 0);
    EXPECT_TRUE(doc.puzzle().html.blackGrey);
}

TEST(RtrShortFileTest, AnIjFlagOtherThanZeroOrOneStopsReading) {
    Rooster2Doc doc = SamplePuzzle();
    Arrange(doc)->html.title = "Blijft";
    Arrange(doc)->search.maxFrequency = 4;
    std::string bytes = OldShortFile(7) + "garbage that is never read";
    ASSERT_EQ(ReadRtr(doc, bytes).status, RtrStatus::Loaded);
    EXPECT_EQ(doc.puzzle().width, 3);
    EXPECT_EQ(doc.puzzle().html.title, "Blijft");
    EXPECT_EQ(doc.puzzle().search.maxFrequency, 4);
}

TEST(RtrPartsTest, OnlyTwoToNineteenPartsAreRead) {
    for (const std::int32_t stored : {1, 20}) {
        std::string bytes = OldShortFile();
        ByteWriter later;
        later.WriteU32(0);       // title
        later.WriteS32(0);       // line width
        later.WriteS32(0);       // side by side
        later.WriteS32(stored);  // the only word's parts
        bytes += later.Bytes();
        Rooster2Doc doc;
        ASSERT_EQ(ReadRtr(doc, bytes).status, RtrStatus::Loaded) << stored;
        EXPECT_EQ(doc.puzzle().words[0].partCount, 0) << stored;
    }
}

TEST(RtrPartsTest, ARejectedStringIsSkippedAndTheNextFieldsStayAligned) {
    Rooster2Doc doc = SamplePuzzle();
    Arrange(doc)->html.title = std::string(1000, 'T');  // longer than a title may be
    const std::string bytes = WriteRtr(doc);
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, bytes).status, RtrStatus::Loaded);
    EXPECT_TRUE(reopened.puzzle().html.title.empty());
    EXPECT_EQ(reopened.puzzle().comment, "Voor de krant");
    EXPECT_EQ(reopened.puzzle().words[0].partCount, 2);
}

TEST(RtrDamageTest, EveryTruncationLoadsOrLeavesTheDocumentAsItWas) {
    const std::string bytes = WriteRtr(SamplePuzzle());
    Rooster2Doc open;
    Arrange(open)->html.title = "Het open rooster";
    const std::string before = WriteRtr(open);
    int refused = 0;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        Rooster2Doc doc = open;
        const RtrReadResult result = ReadRtr(doc, std::string_view(bytes).substr(0, cut));
        ASSERT_NE(result.status, RtrStatus::NotRtr) << cut;
        if (result.status == RtrStatus::Refused) {
            ++refused;
            EXPECT_EQ(WriteRtr(doc), before) << cut;
            EXPECT_EQ(result.message.caption, "Jammer");
        }
    }
    EXPECT_GT(refused, 100);
}

TEST(RtrDamageTest, ACutInsideTheRequiredFieldsIsRefused) {
    const std::string bytes = OldShortFile();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        Rooster2Doc doc;
        const RtrStatus status = ReadRtr(doc, std::string_view(bytes).substr(0, cut)).status;
        // Only the boundaries of the word file and the later option fields may be missing.
        const std::size_t fieldsFrom17 = bytes.size() - 14 - 20;
        const std::size_t fieldsFrom18 = fieldsFrom17 + 14;
        const bool boundary =
            cut == fieldsFrom17 || (cut >= fieldsFrom18 && (cut - fieldsFrom18) % 4 == 0);
        EXPECT_EQ(status, boundary ? RtrStatus::Loaded : RtrStatus::Refused) << cut;
    }
}

TEST(RtrDamageTest, ImpossibleSizesAndLengthsAreRefused) {
    auto withS32At = [](std::size_t offset, std::int32_t value) {
        std::string bytes = OldShortFile();
        ByteWriter field;
        field.WriteS32(value);
        bytes.replace(offset, 4, field.Bytes());
        return bytes;
    };
    for (const std::int32_t width : {0, -1, 101, 0x7FFFFFFF}) {
        Rooster2Doc doc;
        EXPECT_EQ(ReadRtr(doc, withS32At(29, width)).status, RtrStatus::Refused) << width;
        EXPECT_EQ(doc.puzzle().width, 15);
    }
    const std::size_t clueLength = 29 + 8 + 6 + 44 + 4 + 4;
    for (const std::int32_t length : {-1, 5000, 0x7FFFFFFF}) {
        Rooster2Doc doc;
        EXPECT_EQ(ReadRtr(doc, withS32At(clueLength, length)).status, RtrStatus::Refused);
    }
}

TEST(RtrDamageTest, ForeignStateValuesAndSettingsOutsideTheDialogRangesAreMadeSafe) {
    // Never saved so by the program, but a hand-made file may say it.
    Rooster2Doc doc = SamplePuzzle();
    Arrange(doc)->numbering.startNumber = 0x7FFFFFFF;  // would overflow the numbering
    Arrange(doc)->appearance.lineWidth = 40;
    Arrange(doc)->appearance.clueTextSize = -3;
    std::string bytes = WriteRtr(doc);
    ByteWriter state;
    for (std::int32_t value : {5, 100000}) state.WriteS32(value);
    const std::size_t margin = 29 + 8 + 21;
    bytes.replace(margin, 8, state.Bytes());
    ByteWriter phase;
    for (std::int32_t value : {4, 1, 999}) phase.WriteS32(value);
    bytes.replace(margin + 28, 12, phase.Bytes());
    Rooster2Doc reopened;
    ASSERT_EQ(ReadRtr(reopened, bytes).status, RtrStatus::Loaded);
    EXPECT_EQ(reopened.phase, Phase::Vormen);
    EXPECT_EQ(reopened.curWord, -1);
    EXPECT_EQ(reopened.puzzle().appearance.cellSize, 200);
    EXPECT_EQ(reopened.puzzle().numbering.startNumber, 999);
    EXPECT_EQ(reopened.puzzle().appearance.lineWidth, 1);
    EXPECT_EQ(reopened.puzzle().appearance.clueTextSize, 0);
    EXPECT_EQ(reopened.puzzle().words[0].number, 999);
}

TEST(RtrFileTest, SavingInTheSearchPhasesIsRefusedAndTouchesNothing) {
    TempDir dir;
    const std::string path = dir.Path("puzzel.rtr");
    WriteFileOrFail(path, "bestaand");
    for (const Phase phase : {Phase::Tonen, Phase::Zoeken}) {
        Rooster2Doc doc;
        doc.phase = phase;
        UserMessage message;
        EXPECT_FALSE(SaveRtrFile(doc, path, message));
        EXPECT_EQ(message.text, "Opslaan " + path + "\nalleen mogelijk in fase vorm of vul");
        EXPECT_EQ(ReadFileOrEmpty(path), "bestaand");
    }
}

TEST(RtrFileTest, AFailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.Path("puzzel.rtr");
    Rooster2Doc doc;
    Arrange(doc)->BuildWords();
    UserMessage message;
    ASSERT_TRUE(SaveRtrFile(doc, path, message));
    const std::string good = ReadFileOrEmpty(path);
    Arrange(doc)->comment = std::string(5000, 'c');
    SimulateWriteFailureAfter(100);
    const bool saved = SaveRtrFile(doc, path, message);
    SimulateWriteFailureAfter(-1);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(message.text.empty());
    EXPECT_EQ(ReadFileOrEmpty(path), good);
}
