// The file system on POSIX systems: file names are bytes, permissions and owners are
// kept by hand, a rename replaces a file in one step; threads with a stack of a
// stated size.
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <string_view>
#include <system_error>

#include "util/native_path.h"
#include "util/system_files.h"
#include "util/worker_thread.h"

namespace system_files {

namespace {

// More links in a row than this is a loop; the system then refuses to open the file.
constexpr int MAX_LINK_HOPS = 40;
constexpr std::size_t DEFAULT_NAME_LIMIT = 255;
// Where an open file can be reached by name, so that an unnamed file can be linked.
constexpr std::string_view OWN_DESCRIPTORS = "/proc/self/fd/";

// The descriptor that "-", /dev/stdout and /dev/fd/N name; -1 for any other path. They
// are written through a copy of the descriptor: a link to a pipe leads nowhere, and a
// redirected output keeps its position and append mode.
int StreamDescriptor(const std::string& path) {
    if (path == "-" || path == "/dev/stdout") return STDOUT_FILENO;
    if (path == "/dev/stderr") return STDERR_FILENO;
    std::string_view number = path;
    if (number.starts_with("/dev/fd/"))
        number.remove_prefix(8);
    else if (number.starts_with(OWN_DESCRIPTORS))
        number.remove_prefix(OWN_DESCRIPTORS.size());
    else
        return -1;
    int fd = -1;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), fd);
    return error == std::errc() && end == number.data() + number.size() ? fd : -1;
}

std::string LinkDestination(const std::string& link) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path destination = fs::read_symlink(link, error);
    if (error) return link;
    if (destination.is_absolute()) return destination.string();
    return (fs::path(link).parent_path() / destination).string();
}

bool IsReadOnly(const std::string& path, const struct stat& status) {
    // The mode bits count too: a file nobody may write is not replaced, not even by root.
    return access(path.c_str(), W_OK) != 0 || (status.st_mode & 0222) == 0;
}

// A file size limit (ulimit -f) must fail the write, not kill the program mid-save.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// Where the system refuses (only root may give a file away) the new file keeps what it
// got; a member of the model's group may still keep the group.
void TakeOverOwnerAndMode(int fd, const struct stat& model) {
    if (fchown(fd, model.st_uid, model.st_gid) != 0) {
        [[maybe_unused]] const int groupKept = fchown(fd, static_cast<uid_t>(-1), model.st_gid);
    }
    // After the owner: a change of owner clears the set-id bits.
    [[maybe_unused]] const int modeKept = fchmod(fd, model.st_mode & 07777);
}

void FlushFolder(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

WriteTarget FindWriteTarget(const std::string& path) {
    WriteTarget target;
    target.path = path;
    struct stat followed {};
    if (StreamDescriptor(path) >= 0 ||
        (stat(path.c_str(), &followed) == 0 && !S_ISREG(followed.st_mode))) {
        target.kind = TargetKind::Special;
        return target;
    }
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat status {};
        if (lstat(target.path.c_str(), &status) != 0) return target;
        if (S_ISLNK(status.st_mode)) {
            target.path = LinkDestination(target.path);
            continue;
        }
        if (S_ISREG(status.st_mode)) {
            target.kind = TargetKind::Regular;
            target.readOnly = IsReadOnly(target.path, status);
        } else {
            target.kind = TargetKind::Special;
        }
        return target;
    }
    target.kind = TargetKind::Special;
    return target;
}

std::size_t FileNameLimit(const std::string& folder) {
    const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : DEFAULT_NAME_LIMIT;
}

OutputFile::~OutputFile() {
    if (m_handle >= 0) close(static_cast<int>(m_handle));
}

CreateResult OutputFile::CreateNew(const std::string& path, const std::string& model) {
    IgnoreFileSizeSignal();
    struct stat modelStatus {};
    const bool hasModel = !model.empty() && stat(model.c_str(), &modelStatus) == 0;
    // Private until the model's mode is in place; a new file gets the umask's default.
    const int fd =
        open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, hasModel ? 0600 : 0666);
    if (fd < 0) return errno == EEXIST ? CreateResult::NameTaken : CreateResult::Failed;
    m_handle = fd;
    m_onDisk = true;
    if (hasModel) TakeOverOwnerAndMode(fd, modelStatus);
    return CreateResult::Created;
}

bool OutputFile::CreateUnnamed(const std::string& folder, const std::string& model) {
#ifdef O_TMPFILE
    IgnoreFileSizeSignal();
    if (access(OWN_DESCRIPTORS.data(), X_OK) != 0) return false;
    struct stat modelStatus {};
    const bool hasModel = !model.empty() && stat(model.c_str(), &modelStatus) == 0;
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                        hasModel ? 0600 : 0666);
    if (fd < 0) return false;
    m_handle = fd;
    m_onDisk = true;
    if (hasModel) TakeOverOwnerAndMode(fd, modelStatus);
    return true;
#else
    (void)folder;
    (void)model;
    return false;
#endif
}

CreateResult OutputFile::LinkAs(const std::string& path) {
    const std::string self = std::string(OWN_DESCRIPTORS) + std::to_string(m_handle);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return CreateResult::Created;
    return errno == EEXIST ? CreateResult::NameTaken : CreateResult::Failed;
}

bool OutputFile::OpenInPlace(const std::string& path) {
    IgnoreFileSizeSignal();
    const int stream = StreamDescriptor(path);
    const int fd = stream >= 0 ? fcntl(stream, F_DUPFD_CLOEXEC, 0)
                               : open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    m_handle = fd;
    m_onDisk = false;
    return true;
}

bool OutputFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(static_cast<int>(m_handle), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::Flush() { return !m_onDisk || fsync(static_cast<int>(m_handle)) == 0; }

bool OutputFile::Close() {
    const int fd = static_cast<int>(m_handle);
    m_handle = -1;
    return close(fd) == 0;
}

bool RenameOver(const std::string& from, const std::string& to) {
    if (rename(from.c_str(), to.c_str()) != 0) return false;
    FlushFolder(to);
    return true;
}

void RemoveFile(const std::string& path) { unlink(path.c_str()); }

int CurrentProcessId() { return static_cast<int>(getpid()); }

bool ProcessIsRunning(int processId) {
    return processId > 0 && (kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH);
}

}  // namespace system_files

std::filesystem::path NativePath(const std::string& path) { return std::filesystem::path(path); }

std::string PathText(const std::filesystem::path& path) { return path.string(); }

struct WorkerThread::Native {
    pthread_t thread;
};

namespace {

extern "C" void* RunWorkerJob(void* job) {
    (*static_cast<std::function<void()>*>(job))();
    return nullptr;
}

}  // namespace

WorkerThread::WorkerThread(std::function<void()> job, std::size_t stackBytes)
    : m_job(std::move(job)) {
    pthread_attr_t attributes;
    auto native = std::make_unique<Native>();
    bool started = pthread_attr_init(&attributes) == 0;
    if (started) {
        started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                  pthread_create(&native->thread, &attributes, RunWorkerJob, &m_job) == 0;
        pthread_attr_destroy(&attributes);
    }
    if (started)
        m_native = std::move(native);
    else
        m_job();
}

WorkerThread::~WorkerThread() { Join(); }

void WorkerThread::Join() {
    if (!m_native) return;
    pthread_join(m_native->thread, nullptr);
    m_native.reset();
}
