#pragma once
// Whole-file reading with a size limit, and the one safe way every file is written:
// to a temporary file next to the real target (symbolic links followed), flushed to
// the disk and renamed over it, so a failed write never damages an existing file.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The largest puzzle, Across Lite, version-1, HTML or clue file a reader takes: far
// beyond any real one, small enough to hold in memory.
constexpr std::size_t DOCUMENT_FILE_LIMIT = std::size_t{64} << 20;

namespace system_files {
class OutputFile;
}

enum class ReadStatus { Read, CannotOpen, TooLarge };

// Reads the whole file when it holds at most maxBytes; a larger file is refused before
// its contents are read. bytes is changed only when the file was read.
ReadStatus ReadFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes);

// "Het bestand %s kan niet worden geopend." or, for a file over the limit, why it is
// refused.
std::string ReadFailureText(const std::string& path, ReadStatus status, std::size_t maxBytes);

enum class WriteStatus {
    Written,
    ReadOnly,  // the existing file may not be written: it was left alone
    Failed,    // anything else (no folder, full disk, size limit): nothing changed
};

struct WriteResult {
    WriteStatus status = WriteStatus::Written;
    explicit operator bool() const { return status == WriteStatus::Written; }
};

// The Dutch message for a write that did not happen.
std::string WriteFailureText(const std::string& path, WriteStatus status);

// Writes bytes to path safely; on any failure the file at path is as it was and no
// temporary file is left. A device or pipe (such as /dev/stdout), and "-" for the
// standard output, are written directly. A temporary has no name while it is written
// where the system allows; a named one that a killed program left behind is removed
// on the next write to its folder.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Where a write to path lands: symbolic links followed to their end; empty for a
// device, a pipe or the standard output, which have no folder.
std::string WrittenPathOf(const std::string& path);

// Files that belong together: each is written completely to its temporary file first,
// and only when all are complete are they renamed into place, so a failure on the way
// leaves every old file as it was. Temporaries not renamed are removed at destruction.
// The renames of several files are listed in a journal first: should the program be
// killed or a rename fail among them, the next reader (CompleteInterruptedFileSet) or
// writer in the folder finishes them, so nobody sees half an old and half a new set.
class FileSetWriter {
public:
    FileSetWriter();
    ~FileSetWriter();
    FileSetWriter(const FileSetWriter&) = delete;
    FileSetWriter& operator=(const FileSetWriter&) = delete;

    WriteResult Add(const std::string& path, std::string_view bytes);
    // Renames every added file into place; refused after a failed Add.
    WriteResult Commit();

private:
    struct Pending {
        std::unique_ptr<system_files::OutputFile> unnamed;  // complete, still without a name
        std::string temporary;
        std::string target;
    };
    // False when the bytes did not reach the disk; a temporary made is in m_pending.
    bool WriteTemporary(const std::string& target, bool replaces, std::string_view bytes);
    bool NameUnnamedFiles();

    std::vector<Pending> m_pending;
    bool m_failed = false;
};

// Finishes the renames of a set whose writer was stopped among them; firstPath is the
// first file the writer added. A reader of the set calls it before reading.
void CompleteInterruptedFileSet(const std::string& firstPath);

// Test hook: when set, the next writes fail after writing this many bytes (a full disk
// in the middle of a save). Negative switches it off.
void SimulateWriteFailureAfter(long long bytes);
// Test hook: the renames of a set's files fail after this many; negative switches it off.
void SimulateRenameFailureAfter(int renames);
// Test hook: while set, reading a whole file throws std::bad_alloc, as it would on a
// machine out of memory.
void SimulateOutOfMemoryOnRead(bool on);

// The file name part of a path (after the last '/' or '\\').
std::string FileNameOf(const std::string& path);
// The folder part of a path including its final separator; empty when there is none.
std::string FolderOf(const std::string& path);
