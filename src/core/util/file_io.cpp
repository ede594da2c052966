#include "util/file_io.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <new>
#include <random>
#include <system_error>

#include "util/native_path.h"
#include "util/str_format.h"
#include "util/system_files.h"

namespace {

using system_files::CreateResult;
using system_files::OutputFile;
using system_files::TargetKind;
using system_files::WriteTarget;

constexpr std::string_view TEMPORARY_MARK = ".rooster2-";
constexpr std::size_t RANDOM_CHARACTERS = 6;
constexpr int NAME_ATTEMPTS = 100;
constexpr std::size_t READ_CHUNK = std::size_t{1} << 16;
// Beside the first file of a set while its files are renamed into place.
constexpr std::string_view JOURNAL_SUFFIX = ".rooster2-journal";
constexpr std::size_t JOURNAL_LIMIT = std::size_t{1} << 20;

long long g_failAfterBytes = -1;
int g_failRenamesAfter = -1;
bool g_outOfMemoryOnRead = false;

std::string RandomCharacters() {
    static constexpr std::string_view ALPHABET = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, ALPHABET.size() - 1);
    std::string text;
    for (std::size_t i = 0; i < RANDOM_CHARACTERS; ++i) text += ALPHABET[pick(generator)];
    return text;
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// ".NAME.rooster2-PID-XXXXXX" next to the target: hidden, and recognisable as ours should
// a crash leave it behind. NAME is shortened (never inside a UTF-8 character) to fit.
std::string TemporaryNameFor(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string name = FileNameOf(target);
    const std::string owner = std::to_string(system_files::CurrentProcessId()) + "-";
    const std::size_t limit = system_files::FileNameLimit(folder);
    const std::size_t fixed = 1 + TEMPORARY_MARK.size() + owner.size() + RANDOM_CHARACTERS;
    std::size_t kept = limit > fixed ? std::min(name.size(), limit - fixed) : 0;
    while (kept > 0 && kept < name.size() && IsUtf8Continuation(name[kept])) --kept;
    return folder + "." + name.substr(0, kept) + std::string(TEMPORARY_MARK) + owner +
           RandomCharacters();
}

// The process that made a temporary of ours with this name; 0 for any other name.
int TemporaryOwner(const std::string& name) {
    const std::size_t mark = name.rfind(TEMPORARY_MARK);
    if (!name.starts_with('.') || mark == std::string::npos) return 0;
    const std::string_view tail = std::string_view(name).substr(mark + TEMPORARY_MARK.size());
    const std::size_t dash = tail.find('-');
    if (dash == std::string_view::npos || tail.size() - dash - 1 != RANDOM_CHARACTERS) return 0;
    int owner = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dash, owner);
    return error == std::errc() && end == tail.data() + dash ? owner : 0;
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(NativePath(path), error);
}

std::string JournalFor(const std::string& firstTarget) {
    return FolderOf(firstTarget) + "." + FileNameOf(firstTarget) + std::string(JOURNAL_SUFFIX);
}

// Full paths, so that a program started elsewhere can finish the renames.
std::string JournalText(const std::vector<std::string>& temporaries,
                        const std::vector<std::string>& targets) {
    std::string text;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        for (const std::string* path : {&temporaries[i], &targets[i]}) {
            std::error_code error;
            text += PathText(std::filesystem::absolute(NativePath(*path), error));
            text += '\0';
        }
    }
    return text;
}

bool RenameMemberIntoPlace(const std::string& temporary, const std::string& target) {
    if (g_failRenamesAfter == 0) return false;
    if (g_failRenamesAfter > 0) --g_failRenamesAfter;
    return system_files::RenameOver(temporary, target);
}

// Does the renames a journal lists, in order; a temporary that is gone was renamed
// already. The journal goes once all are done, so a failure is retried later.
bool RollForward(const std::string& journal) {
    std::string text;
    if (ReadFileUpTo(journal, JOURNAL_LIMIT, text) != ReadStatus::Read) return false;
    std::vector<std::string> paths;
    for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos;
         start = end + 1)
        paths.push_back(text.substr(start, end - start));
    if (paths.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < paths.size(); i += 2) {
        if (IsRegularFile(paths[i]) && !RenameMemberIntoPlace(paths[i], paths[i + 1])) return false;
    }
    system_files::RemoveFile(journal);
    return true;
}

// A killed program cannot remove its temporaries; the next write to the folder does,
// after finishing the sets whose renames it had begun.
void RemoveStaleTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> journals, stale;
    std::error_code error;
    for (fs::directory_iterator entry(NativePath(folder.empty() ? "." : folder), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = PathText(entry->path().filename());
        const int owner = TemporaryOwner(name);
        if (name.starts_with('.') && name.ends_with(JOURNAL_SUFFIX))
            journals.push_back(folder + name);
        else if (owner > 0 && !system_files::ProcessIsRunning(owner))
            stale.push_back(folder + name);
    }
    bool finished = true;
    for (const std::string& journal : journals) finished = RollForward(journal) && finished;
    if (!finished) return;  // an unfinished journal still needs its temporaries
    for (const std::string& temporary : stale) {
        if (IsRegularFile(temporary)) system_files::RemoveFile(temporary);
    }
}

// Tries fresh temporary names next to target until create makes one.
template <typename Create>
bool MakeTemporary(const std::string& target, std::string& temporary, Create create) {
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        temporary = TemporaryNameFor(target);
        const CreateResult created = create(temporary);
        if (created != CreateResult::NameTaken) {
            if (created != CreateResult::Created) temporary.clear();
            return created == CreateResult::Created;
        }
    }
    temporary.clear();
    return false;
}

bool WriteAll(OutputFile& file, std::string_view bytes) {
    if (g_failAfterBytes >= 0 && static_cast<long long>(bytes.size()) > g_failAfterBytes) {
        file.Write(bytes.substr(0, static_cast<std::size_t>(g_failAfterBytes)));
        return false;
    }
    return file.Write(bytes);
}

WriteResult Result(bool ok) { return {ok ? WriteStatus::Written : WriteStatus::Failed}; }

// A device or pipe has no folder entry to replace: the bytes go straight into it.
WriteResult WriteInPlace(const std::string& path, std::string_view bytes) {
    OutputFile file;
    if (!file.OpenInPlace(path)) return Result(false);
    const bool written = WriteAll(file, bytes) && file.Flush();
    return Result(file.Close() && written);
}

}  // namespace

ReadStatus ReadFileUpTo(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    if (g_outOfMemoryOnRead) throw std::bad_alloc();
    // A folder opens like a file on some systems and then fails on reading.
    if (!IsRegularFile(path)) return ReadStatus::CannotOpen;
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in) return ReadStatus::CannotOpen;
    std::error_code error;
    const auto size = std::filesystem::file_size(NativePath(path), error);
    if (!error && size > maxBytes) return ReadStatus::TooLarge;
    // The size is only a hint: files under /proc say 0, and a file may grow meanwhile.
    std::string content;
    if (!error) content.reserve(static_cast<std::size_t>(size));
    char buffer[READ_CHUNK];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > maxBytes) return ReadStatus::TooLarge;
    }
    if (in.bad()) return ReadStatus::CannotOpen;
    bytes = std::move(content);
    return ReadStatus::Read;
}

std::string ReadFailureText(const std::string& path, ReadStatus status, std::size_t maxBytes) {
    if (status == ReadStatus::TooLarge)
        return StrFormat("Het bestand %s is te groot (meer dan %d MB) en wordt niet geopend.",
                         path.c_str(), static_cast<int>(maxBytes >> 20));
    return StrFormat("Het bestand %s kan niet worden geopend.", path.c_str());
}

std::string WriteFailureText(const std::string& path, WriteStatus status) {
    if (status == WriteStatus::ReadOnly)
        return StrFormat("Het bestand %s is alleen-lezen en is niet gewijzigd.", path.c_str());
    return StrFormat(
        "Het bestand %s kan niet worden geschreven; een bestaand bestand is niet "
        "gewijzigd.",
        path.c_str());
}

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    FileSetWriter writer;
    const WriteResult added = writer.Add(path, bytes);
    return added ? writer.Commit() : added;
}

std::string WrittenPathOf(const std::string& path) {
    const WriteTarget target = system_files::FindWriteTarget(path);
    return target.kind == TargetKind::Special ? std::string() : target.path;
}

FileSetWriter::FileSetWriter() = default;

FileSetWriter::~FileSetWriter() {
    for (const Pending& pending : m_pending) {
        if (!pending.temporary.empty()) system_files::RemoveFile(pending.temporary);
    }
}

WriteResult FileSetWriter::Add(const std::string& path, std::string_view bytes) {
    const WriteTarget target = system_files::FindWriteTarget(path);
    WriteResult result;
    if (target.kind == TargetKind::Special) {
        result = WriteInPlace(target.path, bytes);
    } else if (target.readOnly) {
        result = {WriteStatus::ReadOnly};
    } else {
        RemoveStaleTemporaries(FolderOf(target.path));
        result = Result(WriteTemporary(target.path, target.kind == TargetKind::Regular, bytes));
    }
    if (!result) m_failed = true;
    return result;
}

bool FileSetWriter::WriteTemporary(const std::string& target, bool replaces,
                                   std::string_view bytes) {
    const std::string model = replaces ? target : std::string();
    auto file = std::make_unique<OutputFile>();
    Pending& pending = m_pending.emplace_back(Pending{nullptr, std::string(), target});
    if (file->CreateUnnamed(FolderOf(target), model)) {
        const bool written = WriteAll(*file, bytes) && file->Flush();
        pending.unnamed = std::move(file);
        return written;
    }
    const bool created = MakeTemporary(target, pending.temporary, [&](const std::string& name) {
        return file->CreateNew(name, model);
    });
    return created && WriteAll(*file, bytes) && file->Flush() && file->Close();
}

bool FileSetWriter::NameUnnamedFiles() {
    for (Pending& pending : m_pending) {
        if (!pending.unnamed) continue;
        OutputFile& file = *pending.unnamed;
        if (!MakeTemporary(pending.target, pending.temporary,
                           [&](const std::string& name) { return file.LinkAs(name); }))
            return false;
        const bool closed = file.Close();
        pending.unnamed.reset();
        if (!closed) return false;
    }
    return true;
}

WriteResult FileSetWriter::Commit() {
    if (m_failed || !NameUnnamedFiles()) return Result(false);
    if (m_pending.empty()) return Result(true);
    if (m_pending.size() == 1) {
        const bool renamed =
            system_files::RenameOver(m_pending.front().temporary, m_pending.front().target);
        if (renamed) m_pending.clear();
        return Result(renamed);
    }
    // Several renames cannot be one step: the journal makes them one. Once it is on the
    // disk the new set counts, and whoever finds the journal finishes the renames.
    std::vector<std::string> temporaries, targets;
    for (const Pending& pending : m_pending) {
        temporaries.push_back(pending.temporary);
        targets.push_back(pending.target);
    }
    const std::string journal = JournalFor(targets.front());
    if (!WriteFileAtomically(journal, JournalText(temporaries, targets))) return Result(false);
    m_pending.clear();  // the temporaries now belong to the journal
    return Result(RollForward(journal));
}

void CompleteInterruptedFileSet(const std::string& firstPath) {
    const std::string journal = JournalFor(WrittenPathOf(firstPath));
    if (IsRegularFile(journal)) RollForward(journal);
}

void SimulateWriteFailureAfter(long long bytes) { g_failAfterBytes = bytes; }

void SimulateRenameFailureAfter(int renames) { g_failRenamesAfter = renames; }

void SimulateOutOfMemoryOnRead(bool on) { g_outOfMemoryOnRead = on; }

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
