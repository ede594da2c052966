#include "util/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "test_support.h"
#include "util/native_path.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

std::set<std::string> FileNamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(PathText(entry.path().filename()));
    return names;
}

// Each test writes into a fresh folder of its own.
class FileIoTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(FileIoTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    const std::string path = dir.Path("puzzle.rtr");
    WriteFileOrFail(path, "the good old puzzle");
    SimulateWriteFailureAfter(3);
    const WriteResult written = WriteFileAtomically(path, "a much longer new puzzle");
    SimulateWriteFailureAfter(-1);
    EXPECT_EQ(written.status, WriteStatus::Failed);
    EXPECT_EQ(ReadFileOrEmpty(path), "the good old puzzle");
    EXPECT_EQ(FileNamesIn(dir.Path("")), std::set<std::string>{"puzzle.rtr"});
}

TEST_F(FileIoTest, AMissingFolderCannotBeWrittenAndAFolderIsNoFileToRead) {
    EXPECT_FALSE(WriteFileAtomically(dir.Path("missing/puzzle.rtr"), "x"));
    std::string bytes = "kept";
    EXPECT_EQ(ReadFileUpTo(dir.Path("missing/puzzle.rtr"), 10, bytes), ReadStatus::CannotOpen);
    EXPECT_EQ(ReadFileUpTo(dir.Path(""), 10, bytes), ReadStatus::CannotOpen);
    EXPECT_EQ(bytes, "kept");
}

TEST_F(FileIoTest, AReadOnlyFileIsRefusedAndKept) {
    const std::string path = dir.Path("puzzle.rtr");
    WriteFileOrFail(path, "kept");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(WriteFileAtomically(path, "new").status, WriteStatus::ReadOnly);
    EXPECT_EQ(ReadFileOrEmpty(path), "kept");
    EXPECT_EQ(WriteFailureText(path, WriteStatus::ReadOnly),
              "Het bestand " + path + " is alleen-lezen en is niet gewijzigd.");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(FileIoTest, ANameAtTheSystemsLimitIsSaved) {
    const std::string name = std::string(251, 'p') + ".rtr";
    ASSERT_TRUE(WriteFileAtomically(dir.Path(name), "puzzle"));
    EXPECT_EQ(FileNamesIn(dir.Path("")), std::set<std::string>{name});
}

TEST_F(FileIoTest, NonAsciiNamesAreWrittenAndReadBack) {
    const std::string name = "caf\xc3\xa9 \xe2\x82\xac.rtr";  // "café €.rtr" in UTF-8
    ASSERT_TRUE(WriteFileAtomically(dir.Path(name), "puzzle"));
    ASSERT_TRUE(WriteFileAtomically(dir.Path(name), "replaced"));
    std::string bytes;
    EXPECT_EQ(ReadFileUpTo(dir.Path(name), 100, bytes), ReadStatus::Read);
    EXPECT_EQ(bytes, "replaced");
    EXPECT_EQ(FileNamesIn(dir.Path("")), std::set<std::string>{name});
}

TEST_F(FileIoTest, AFileOverTheLimitIsRefusedUnread) {
    const std::string path = dir.Path("big.rtr");
    WriteFileOrFail(path, std::string(11, 'x'));
    std::string bytes = "kept";
    EXPECT_EQ(ReadFileUpTo(path, 10, bytes), ReadStatus::TooLarge);
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(ReadFileUpTo(path, 11, bytes), ReadStatus::Read);
    EXPECT_EQ(bytes, std::string(11, 'x'));
}

TEST_F(FileIoTest, SplitsPathsOnEitherSeparator) {
    EXPECT_EQ(FileNameOf("C:\\lijsten\\nl05.doc"), "nl05.doc");
    EXPECT_EQ(FolderOf("/home/u/a.rtr"), "/home/u/");
    EXPECT_EQ(FolderOf("a.rtr"), "");
}

#ifdef _WIN32

TEST_F(FileIoTest, LinksModesPipesAndSizeLimitsArePosixOnly) {
    GTEST_SKIP() << "symbolic links, POSIX modes, pipes and ulimit -f do not apply on Windows";
}

TEST_F(FileIoTest, ALatin1NameNamesTheSameFileAsItsUtf8Spelling) {
    ASSERT_TRUE(WriteFileAtomically(dir.Path("caf\xe9.rtr"), "puzzle"));
    EXPECT_EQ(FileNamesIn(dir.Path("")), std::set<std::string>{"caf\xc3\xa9.rtr"});
}

#else

// What waits in the descriptor, which is closed after.
std::string ReadAndClose(int descriptor) {
    char received[64] = {};
    const ssize_t count = read(descriptor, received, sizeof received);
    close(descriptor);
    return std::string(received, count > 0 ? static_cast<std::size_t>(count) : 0);
}

TEST_F(FileIoTest, ALinkIsWrittenThroughToItsTarget) {
    fs::create_directories(dir.Path("real"));
    WriteFileOrFail(dir.Path("real/puzzle.rtr"), "old");
    fs::create_symlink("real/puzzle.rtr", dir.Path("link.rtr"));
    ASSERT_TRUE(WriteFileAtomically(dir.Path("link.rtr"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.Path("link.rtr")));
    EXPECT_EQ(ReadFileOrEmpty(dir.Path("real/puzzle.rtr")), "new");
    EXPECT_EQ(FileNamesIn(dir.Path("real")), std::set<std::string>{"puzzle.rtr"});
}

TEST_F(FileIoTest, TheReplacedFilesModeIsKept) {
    const std::string path = dir.Path("private.rtr");
    WriteFileOrFail(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(FileIoTest, APipeIsWrittenInPlace) {
    const std::string path = dir.Path("pipe");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    // The reading end is open first, so that the write neither blocks nor fails.
    const int readEnd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(readEnd, 0);
    EXPECT_TRUE(WriteFileAtomically(path, "through the pipe"));
    EXPECT_EQ(ReadAndClose(readEnd), "through the pipe");
    EXPECT_TRUE(fs::is_fifo(path));
}

TEST_F(FileIoTest, AnOpenDescriptorIsWrittenThroughItsNumber) {
    // /dev/stdout leads to "pipe:[N]" when followed as a link: the number is what counts.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const WriteResult written = WriteFileAtomically("/dev/fd/" + std::to_string(ends[1]), "piped");
    close(ends[1]);
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadAndClose(ends[0]), "piped");
}

TEST_F(FileIoTest, TemporariesOfEndedProcessesAreRemovedOnTheNextWrite) {
    const std::string stale = ".puzzle.rtr.rooster2-2147483647-abc123";  // no such process
    const std::string live = ".puzzle.rtr.rooster2-" + std::to_string(getpid()) + "-abc123";
    for (const std::string& name : {stale, live, std::string(".x.rooster2-12")})
        WriteFileOrFail(dir.Path(name), "left");
    ASSERT_TRUE(WriteFileAtomically(dir.Path("other.rtr"), "new"));
    EXPECT_EQ(FileNamesIn(dir.Path("")),
              (std::set<std::string>{"other.rtr", live, ".x.rooster2-12"}));
}

TEST_F(FileIoTest, AFileSizeLimitFailsTheWriteInsteadOfEndingTheProgram) {
    const std::string path = dir.Path("export.txt");
    WriteFileOrFail(path, "old");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit limited = before;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const WriteResult written = WriteFileAtomically(path, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(written.status, WriteStatus::Failed);
    EXPECT_EQ(ReadFileOrEmpty(path), "old");
    EXPECT_EQ(FileNamesIn(dir.Path("")), std::set<std::string>{"export.txt"});
}

#endif

}  // namespace
