#pragma once
// What the file helpers need from the operating system; platform_posix.cpp and
// platform_windows.cpp each implement it. Paths are the program's byte strings
// (see native_path.h).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace system_files {

enum class TargetKind {
    Missing,  // nothing there yet: a new file is made
    Regular,  // an ordinary file: replaced by renaming a complete copy over it
    Special,  // a device, a pipe, a folder, the standard output ("-"): written in place
              // or refused by the system
};

struct WriteTarget {
    std::string path;  // where the bytes land: symbolic links followed to their end
    TargetKind kind = TargetKind::Missing;
    bool readOnly = false;  // a regular file the user may not (or should not) replace
};

WriteTarget FindWriteTarget(const std::string& path);

// The longest file name, in bytes, that the folder takes.
std::size_t FileNameLimit(const std::string& folder);

enum class CreateResult { Created, NameTaken, Failed };

// A file open for writing; closed (never removed) when destroyed.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Makes a file that must not exist yet. With a model (an existing regular file) the
    // new file gets its permissions, and its owner and group where the system allows.
    CreateResult CreateNew(const std::string& path, const std::string& model);
    // Makes a file without a name in the folder, where the system can: a program killed
    // while writing it leaves nothing behind. LinkAs gives it its name when complete.
    bool CreateUnnamed(const std::string& folder, const std::string& model);
    // Opens an existing non-regular file, or the standard output for "-", to write into
    // it directly.
    bool OpenInPlace(const std::string& path);
    bool Write(std::string_view bytes);
    // Brings the data onto the disk, for a file that has one.
    bool Flush();
    // Names a file made by CreateUnnamed; the name must not exist yet.
    CreateResult LinkAs(const std::string& path);
    bool Close();

private:
    std::intptr_t m_handle = -1;
    bool m_onDisk = false;
};

// Renames from over to, in one step, and makes the change durable.
bool RenameOver(const std::string& from, const std::string& to);
void RemoveFile(const std::string& path);

int CurrentProcessId();
// False only when no process with that number runs on this machine.
bool ProcessIsRunning(int processId);

}  // namespace system_files
