// The file system on Windows: names go to the wide (UTF-16) API, a read-only file is
// one with the read-only attribute, and MoveFileEx replaces a file in one step;
// threads with a stack of a stated size.
#include <windows.h>

#include <string_view>

#include "util/native_path.h"
#include "util/system_files.h"
#include "util/worker_thread.h"

namespace {

// Code page of names that older Windows programs stored in their files.
constexpr UINT WINDOWS_LATIN = 1252;
constexpr std::size_t NAME_LIMIT = 255;  // UTF-16 units; a name in fewer bytes always fits
constexpr DWORD KEPT_ATTRIBUTES =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD LARGEST_WRITE = 1u << 30;
constexpr DWORD LONGEST_PATH = 32768;
constexpr std::string_view STANDARD_OUTPUT = "-";

std::wstring Widen(const std::string& text, UINT codePage, DWORD flags) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring WidePath(const std::string& path) {
    const std::wstring utf8 = Widen(path, CP_UTF8, MB_ERR_INVALID_CHARS);
    return !utf8.empty() || path.empty() ? utf8 : Widen(path, WINDOWS_LATIN, 0);
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The name the system gives an open file, without the "\\?\" it puts in front.
std::string FinalPathOf(HANDLE file, const std::string& fallback) {
    std::wstring buffer(LONGEST_PATH, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(file, buffer.data(), LONGEST_PATH, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= LONGEST_PATH) return fallback;
    std::wstring_view path(buffer.data(), length);
    if (path.starts_with(L"\\\\?\\UNC\\")) return "\\\\" + Utf8(path.substr(8));
    if (path.starts_with(L"\\\\?\\")) path.remove_prefix(4);
    return Utf8(path);
}

}  // namespace

namespace system_files {

WriteTarget FindWriteTarget(const std::string& path) {
    WriteTarget target;
    target.path = path;
    if (path == STANDARD_OUTPUT) {
        target.kind = TargetKind::Special;
        return target;
    }
    const std::wstring wide = WidePath(path);
    const HANDLE file =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return target;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK &&
                        GetFileInformationByHandle(file, &information) &&
                        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!onDisk) {
        target.kind = TargetKind::Special;
    } else {
        target.kind = TargetKind::Regular;
        target.readOnly = (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        // A symbolic link is replaced where it points, as on other systems.
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            target.path = FinalPathOf(file, path);
    }
    CloseHandle(file);
    return target;
}

std::size_t FileNameLimit(const std::string&) { return NAME_LIMIT; }

OutputFile::~OutputFile() {
    if (m_handle != -1) CloseHandle(AsHandle(m_handle));
}

CreateResult OutputFile::CreateNew(const std::string& path, const std::string& model) {
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (!model.empty()) {
        const DWORD modelAttributes = GetFileAttributesW(WidePath(model).c_str());
        if (modelAttributes != INVALID_FILE_ATTRIBUTES && (modelAttributes & KEPT_ATTRIBUTES))
            attributes = modelAttributes & KEPT_ATTRIBUTES;
    }
    const HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    attributes, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CreateResult::NameTaken
                                                                           : CreateResult::Failed;
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
    m_onDisk = true;
    return CreateResult::Created;
}

// Windows has no unnamed files: named temporaries it is.
bool OutputFile::CreateUnnamed(const std::string&, const std::string&) { return false; }

CreateResult OutputFile::LinkAs(const std::string&) { return CreateResult::Failed; }

bool OutputFile::OpenInPlace(const std::string& path) {
    HANDLE file = INVALID_HANDLE_VALUE;
    if (path == STANDARD_OUTPUT) {
        const HANDLE process = GetCurrentProcess();
        if (!DuplicateHandle(process, GetStdHandle(STD_OUTPUT_HANDLE), process, &file, 0, FALSE,
                             DUPLICATE_SAME_ACCESS))
            return false;
    } else {
        file =
            CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    m_handle = reinterpret_cast<std::intptr_t>(file);
    m_onDisk = false;
    return true;
}

bool OutputFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk =
            bytes.size() < LARGEST_WRITE ? static_cast<DWORD>(bytes.size()) : LARGEST_WRITE;
        DWORD written = 0;
        if (!WriteFile(AsHandle(m_handle), bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool OutputFile::Flush() { return !m_onDisk || FlushFileBuffers(AsHandle(m_handle)); }

bool OutputFile::Close() {
    const HANDLE file = AsHandle(m_handle);
    m_handle = -1;
    return CloseHandle(file) != 0;
}

bool RenameOver(const std::string& from, const std::string& to) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const std::string& path) { DeleteFileW(WidePath(path).c_str()); }

int CurrentProcessId() { return static_cast<int>(GetCurrentProcessId()); }

bool ProcessIsRunning(int processId) {
    if (processId <= 0) return false;
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD exitCode = 0;
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

}  // namespace system_files

std::filesystem::path NativePath(const std::string& path) {
    return std::filesystem::path(WidePath(path));
}

std::string PathText(const std::filesystem::path& path) { return Utf8(path.native()); }

struct WorkerThread::Native {
    HANDLE thread;
};

namespace {

DWORD WINAPI RunWorkerJob(LPVOID job) {
    (*static_cast<std::function<void()>*>(job))();
    return 0;
}

}  // namespace

// The size is a reservation: pages are committed only as the stack grows into them.
WorkerThread::WorkerThread(std::function<void()> job, std::size_t stackBytes)
    : m_job(std::move(job)) {
    const HANDLE thread = CreateThread(nullptr, stackBytes, RunWorkerJob, &m_job,
                                       STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread != nullptr)
        m_native = std::make_unique<Native>(Native{thread});
    else
        m_job();
}

WorkerThread::~WorkerThread() { Join(); }

void WorkerThread::Join() {
    if (!m_native) return;
    WaitForSingleObject(m_native->thread, INFINITE);
    CloseHandle(m_native->thread);
    m_native.reset();
}
