// The rows of "Extra zoekbestanden" and removing selected ones.
#include "forms/extra_files.h"

#include <gtest/gtest.h>

#include "model/rooster2_doc.h"
#include "test_support.h"

namespace {

TEST(ExtraFilesTest, RowsAreNumberedFromOne) {
    Rooster2Doc doc;
    Arrange(doc)->extraFiles = {"a03.doc", "b03.doc"};
    const std::vector<ExtraFileRow> rows = ExtraFileRows(doc);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].number, "2");
    EXPECT_EQ(rows[1].path, "b03.doc");
}

TEST(ExtraFilesTest, AddingAndRemovingMarkModifiedAndMoveLaterFilesUp) {
    Rooster2Doc doc;
    AddExtraFile(doc, "a03.doc");
    EXPECT_TRUE(doc.IsModified());
    Arrange(doc)->extraFiles = {"a03.doc", "b03.doc", "c03.doc"};
    doc.MarkSaved();
    RemoveExtraFiles(doc, {1, 3});
    EXPECT_EQ(doc.puzzle().extraFiles, std::vector<std::string>{"b03.doc"});
    EXPECT_TRUE(doc.IsModified());
}

TEST(ExtraFilesTest, NumbersNamingNoFileArePassedOver) {
    Rooster2Doc doc;
    Arrange(doc)->extraFiles = {"a03.doc"};
    RemoveExtraFiles(doc, {0, 2});
    EXPECT_FALSE(doc.IsModified());
    RemoveExtraFiles(doc, {1, 1});
    EXPECT_TRUE(doc.puzzle().extraFiles.empty());
}

}  // namespace
