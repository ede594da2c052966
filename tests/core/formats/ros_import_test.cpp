#include "formats/ros_import.h"

#include <gtest/gtest.h>

#include <optional>

#include "import_test_support.h"
#include "util/byte_writer.h"

namespace {

constexpr int SIDE = 40;

// A version-1 file: rows of cells as in SetGrid ('#' black, '-' niet, '.' a
// letter cell holding a space, else a letter cell with that letter).
std::string MakeRos(const std::vector<std::string>& rows,
                    std::optional<std::int32_t> columns = std::nullopt,
                    std::optional<std::int32_t> rowCount = std::nullopt) {
    std::string letters(SIDE * SIDE, '\0');
    std::string kinds(SIDE * SIDE, '\x07');
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            const int at = x * SIDE + y;
            kinds[at] = c == '#' ? 0 : c == '-' ? 2 : 1;
            letters[at] = c == '.' ? ' ' : c;
        }
    }
    ByteWriter out;
    out.WriteU32(12091998);
    out.WriteBytes(std::string(8, 'x'));
    out.WriteS32(columns.value_or(static_cast<std::int32_t>(rows[0].size())));
    out.WriteS32(rowCount.value_or(static_cast<std::int32_t>(rows.size())));
    out.WriteU32(0);
    out.WriteBytes(letters);
    out.WriteBytes(kinds);
    return out.TakeBytes();
}

TEST(RosImport, ReadsKindsAndLetters) {
    Rooster2Doc doc = MakeOpenPuzzle();
    const ImportResult result = ImportRos(doc, MakeRos({"AB#", "C.D", "-.E"}));
    ASSERT_TRUE(result.imported);
    EXPECT_TRUE(result.message.text.empty());
    EXPECT_EQ(GridRows(doc), (Rows{"AB#", "C.D", "-.E"}));
    EXPECT_EQ(6u, doc.puzzle().words.size());
    for (const WordInfo& word : doc.puzzle().words) EXPECT_EQ("", word.clue);
    EXPECT_EQ("", doc.puzzle().html.title);  // everything else as for a new puzzle
    EXPECT_EQ(30, doc.puzzle().appearance.cellSize);
    EXPECT_EQ(Phase::Vullen, doc.phase);
    EXPECT_TRUE(doc.IsModified());
}

TEST(RosImport, FifteenByFifteenAndTheLargestGrid) {
    std::vector<std::string> rows(15, std::string(15, '.'));
    rows[7][7] = '#';
    rows[0][14] = '-';
    rows[3][4] = 'Q';
    Rooster2Doc doc;
    ASSERT_TRUE(ImportRos(doc, MakeRos(rows)).imported);
    EXPECT_EQ(GridRows(doc), rows);
    ASSERT_TRUE(
        ImportRos(doc, MakeRos(std::vector<std::string>(40, std::string(40, 'A')))).imported);
    EXPECT_EQ(40, doc.puzzle().height);
    EXPECT_EQ(80u, doc.puzzle().words.size());
}

TEST(RosImport, UnknownKindsAndControlBytesGiveFreeCells) {
    std::string bytes = MakeRos({"AB", "CD"});
    bytes[1624 + 1 * SIDE + 0] = 9;     // kind of (1, 0)
    bytes[24 + 0 * SIDE + 1] = '\x01';  // letter of (0, 1): no letter at all
    Rooster2Doc doc;
    ASSERT_TRUE(ImportRos(doc, bytes).imported);
    EXPECT_EQ(GridRows(doc), (Rows{"A.", ".D"}));
}

TEST(RosImportRefusal, BadFilesLeaveTheDocument) {
    std::string wrongSignature = MakeRos({"AB"});
    wrongSignature[0] = 0;
    std::string shortFile = MakeRos({"AB"});
    shortFile.pop_back();
    const std::vector<std::string> bad = {wrongSignature,         shortFile,
                                          MakeRos({"AB"}, 0, 1),  MakeRos({"AB"}, 41, 1),
                                          MakeRos({"AB"}, 2, 0),  MakeRos({"AB"}, 2, 41),
                                          MakeRos({"AB"}, -5, 1), std::string()};
    const Rooster2Doc original = MakeOpenPuzzle();
    for (const std::string& bytes : bad) {
        Rooster2Doc doc = original;
        const ImportResult result = ImportRos(doc, bytes);
        EXPECT_FALSE(result.imported);
        EXPECT_EQ("Ros-bestand incorrect", result.message.text);
        ExpectSameDocument(original, doc);
    }
}

TEST(RosImportRefusal, EveryTruncationAndGarbageIsSafe) {
    const std::string bytes = MakeRos({"AB#", "C.D"});
    ExpectEveryTruncationSafe(bytes, ImportRos);
    ExpectGarbageSafe(bytes, ImportRos);
}

}  // namespace
