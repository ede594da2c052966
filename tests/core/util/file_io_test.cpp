#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

TEST(FileIoTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.Path("puzzle.rtr");
    WriteFileOrFail(path, "old");
    ASSERT_TRUE(WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(ReadFileOrEmpty(path), "new contents");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path("")))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIoTest, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.Path("puzzle.rtr");
    WriteFileOrFail(path, "the good old puzzle");
    SimulateWriteFailureAfter(3);
    const bool written = WriteFileAtomically(path, "a much longer new puzzle");
    SimulateWriteFailureAfter(-1);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileOrEmpty(path), "the good old puzzle");
}

TEST(FileIoTest, WritingIntoAMissingFolderFails) {
    TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir.Path("missing/puzzle.rtr"), "x"));
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(dir.Path("missing/puzzle.rtr"), bytes));
}

TEST(FileIoTest, SplitsPathsOnEitherSeparator) {
    EXPECT_EQ(FileNameOf("C:\\lijsten\\nl05.doc"), "nl05.doc");
    EXPECT_EQ(FolderOf("/home/u/a.rtr"), "/home/u/");
    EXPECT_EQ(FolderOf("a.rtr"), "");
}

TEST(FileIoTest, AFolderIsNoFileToRead) {
    TempDir dir;
    std::string bytes = "kept";
    EXPECT_FALSE(ReadWholeFile(dir.Path(""), bytes));
    EXPECT_EQ(bytes, "kept");
}
