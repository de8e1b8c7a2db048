#include "files/recovery_journal.h"

#include "files/action_reader.h"
#include "files/safe_file.h"
#include "files/text_format.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace murva {

namespace {

constexpr std::string_view HeaderLine = "MURVA JOURNAL 1\r\n";
constexpr std::string_view BlockEnd = "\r\nend ActionData\r\n";
// Each batch ends in this line after its last block. No line of a block is followed by it,
// so a block's end followed by it is the end of a batch, whatever texts the blocks hold.
constexpr std::string_view BatchEndLine = "end Batch\r\n";
constexpr std::string_view BatchEnd = "\r\nend ActionData\r\nend Batch\r\n";
constexpr std::string_view JournalExtension = ".journal";
constexpr std::string_view NewSuffix = ".new";
// A torn last batch is left out; should the batch before it not read either, a few
// earlier ones are tried.
constexpr int TriedBatchEnds = 4;
// Far beyond any work a child makes (a million actions take some 150 MB): a larger
// file is set aside unread rather than filling the memory at every start.
constexpr off_t MaxJournalBytes = off_t(256) << 20;

bool MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string ReadWhole(int fd) {
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool Reads(std::string_view body) {
    THistoryList log;
    TReaderState reader;
    TReadContext context{log, reader};
    return ReadActionText(body, context).Result == 0;
}

// The body up to the end of its last whole batch that reads, as an animation file.
std::string ReadableBody(std::string_view body) {
    std::size_t end = body.size();
    for (int tried = 0; tried < TriedBatchEnds && end > 0; ++tried) {
        const std::size_t found = body.rfind(BatchEnd, end - 1);
        if (found == std::string_view::npos) break;
        end = found + BatchEnd.size();
        std::string text;
        text.reserve(end);
        for (std::size_t at = 0; at < end;) {
            const std::size_t batch = body.find(BatchEnd, at) + BatchEnd.size();
            text.append(body.substr(at, batch - at - BatchEndLine.size()));
            at = batch;
        }
        if (Reads(text)) return text;
        end = found;
    }
    return {};
}

// What a journal holds: its file name and readable body; nothing when it holds no action.
std::optional<std::pair<std::string, std::string>> ParseJournal(std::string_view bytes) {
    if (bytes.substr(0, HeaderLine.size()) != HeaderLine) return std::nullopt;
    bytes.remove_prefix(HeaderLine.size());
    const std::size_t nameEnd = bytes.find("\r\n");
    if (nameEnd == std::string_view::npos) return std::nullopt;
    // Read as far as a log reads a file name: the rest of a longer line is dropped.
    std::string name(bytes.substr(0, std::min(nameEnd, MaxFileNameBytes)));
    std::string body = ReadableBody(bytes.substr(nameEnd + 2));
    if (body.empty()) return std::nullopt;
    return std::pair{std::move(name), std::move(body)};
}

} // namespace

TDiskSync::~TDiskSync() {
    if (!Worker.joinable()) return;
    {
        std::lock_guard lock(Guard);
        Stopping = true;
    }
    Wake.notify_one();
    Worker.join();
}

void TDiskSync::Sync(int fd) {
    const int own = ::dup(fd);
    if (own < 0) return;
    {
        std::lock_guard lock(Guard);
        // A sync not begun yet is covered by this one.
        if (Pending >= 0) ::close(Pending);
        Pending = own;
    }
    if (!Worker.joinable()) Worker = std::thread([this] { Run(); });
    Wake.notify_one();
}

void TDiskSync::Run() {
    std::unique_lock lock(Guard);
    for (;;) {
        Wake.wait(lock, [this] { return Pending >= 0 || Stopping; });
        if (Pending < 0) return;
        const int fd = std::exchange(Pending, -1);
        lock.unlock();
        ::fdatasync(fd);
        ::close(fd);
        lock.lock();
    }
}

TRecoveryJournal::TRecoveryJournal(std::string folder) : Folder(std::move(folder)) {
    if (Folder.empty()) return;
    // One name per program: its process and the moment it started.
    const auto started = std::chrono::steady_clock::now().time_since_epoch().count();
    Path = Folder + "/" + std::to_string(::getpid()) + "-" + std::to_string(started) +
           std::string(JournalExtension);
}

TRecoveryJournal::~TRecoveryJournal() {
    Close();
}

void TRecoveryJournal::Close() {
    if (Fd >= 0) ::close(Fd);
    Fd = -1;
}

bool TRecoveryJournal::Follow(const THistoryList& log, const std::string& fileName,
                              const TActionItem* pending) {
    if (Folder.empty()) return true;
    if (Fd < 0 || log.Generation() != WrittenGeneration || log.GetCount() < WrittenCount ||
        fileName != WrittenName)
        return WriteAnew(log, fileName, pending);
    std::string batch;
    for (const TActionItem* item = WrittenTail->Next; item; item = item->Next)
        Blocks.Write(*item, batch);
    if (!batch.empty()) batch.append(BatchEndLine);
    // After the log's blocks, whose creating actions a size change looks up.
    std::string pendingBlock = PendingBlockOf(pending);
    if (batch.empty() && pendingBlock == PendingBlock) return true;
    const off_t logBytes = LogBytes + static_cast<off_t>(batch.size());
    batch.append(pendingBlock);
    // The pending block written last time is taken back: its action is in the log now, or
    // it is written again as it stands.
    if ((!PendingBlock.empty() && ::ftruncate(Fd, LogBytes) != 0) || !WriteAll(Fd, batch)) {
        Close();
        return false;
    }
    Disk.Sync(Fd);
    WrittenCount = log.GetCount();
    WrittenTail = log.GetTail();
    LogBytes = logBytes;
    PendingBlock = std::move(pendingBlock);
    return true;
}

std::string TRecoveryJournal::PendingBlockOf(const TActionItem* pending) const {
    return pending ? Blocks.Block(*pending).append(BatchEndLine) : std::string();
}

bool TRecoveryJournal::WriteAnew(const THistoryList& log, const std::string& fileName,
                                 const TActionItem* pending) {
    if (!MakeFolders(Folder)) return false;
    const std::string temp = Path + std::string(NewSuffix);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    // Locked before it takes its name, so no other program ever takes it for left behind.
    ::flock(fd, LOCK_EX);
    // A name the header line cannot hold is left out: the figures matter more.
    const bool nameFits = fileName.find_first_of("\r\n") == std::string::npos;
    std::string bytes(HeaderLine);
    bytes.append(nameFits ? fileName : std::string()).append("\r\n");
    bytes.append(CurrentFormatLine).append("\r\n");
    Blocks = {};
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next)
        Blocks.Write(*item, bytes);
    bytes.append(BatchEndLine);
    const off_t logBytes = static_cast<off_t>(bytes.size());
    std::string pendingBlock = PendingBlockOf(pending);
    bytes.append(pendingBlock);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0 || ::rename(temp.c_str(), Path.c_str()) != 0) {
        ::unlink(temp.c_str());
        ::close(fd);
        return false;
    }
    SyncFolder(Folder);
    Close();
    Fd = fd;
    WrittenGeneration = log.Generation();
    WrittenCount = log.GetCount();
    WrittenTail = log.GetTail();
    WrittenName = fileName;
    LogBytes = logBytes;
    PendingBlock = std::move(pendingBlock);
    return true;
}

void TRecoveryJournal::Remove() {
    if (Fd < 0) return;
    ::unlink(Path.c_str());
    Close();
}

TLeftoverJournal::TLeftoverJournal(TLeftoverJournal&& other) noexcept
    : Path(std::move(other.Path)), FileName(std::move(other.FileName)), Body(std::move(other.Body)),
      Fd(other.Fd) {
    other.Fd = -1;
}

TLeftoverJournal::~TLeftoverJournal() {
    if (Fd >= 0) ::close(Fd);
}

void TLeftoverJournal::SetAside() {
    const std::size_t slash = Path.rfind('/');
    const std::string old = Path.substr(0, slash + 1) + "journal.old";
    ::rename(Path.c_str(), old.c_str());
}

void TLeftoverJournal::Remove() {
    ::unlink(Path.c_str());
}

std::optional<TLeftoverJournal> FindLeftoverJournal(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<std::pair<timespec, std::string>> journals;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = folder + "/" + name;
        // Only plain files are opened: a pipe or a device under a journal's name would
        // keep the start waiting for ever.
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // A journal being written anew when its program ended; nobody holds it any more.
        if (name.ends_with(std::string(JournalExtension).append(NewSuffix))) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
            if (fd >= 0) ::close(fd);
            continue;
        }
        if (name.ends_with(JournalExtension)) journals.emplace_back(info.st_mtim, path);
    }
    ::closedir(dir);
    std::sort(journals.begin(), journals.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first.tv_sec, a.first.tv_nsec) >
               std::tie(b.first.tv_sec, b.first.tv_nsec);
    });
    for (const auto& [time, path] : journals) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A running program holds its own, and may have just written it anew under the
        // same name: then the file opened is no longer the one named.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
            ::stat(path.c_str(), &named) != 0 || opened.st_ino != named.st_ino) {
            ::close(fd);
            continue;
        }
        if (opened.st_size > MaxJournalBytes) {
            TLeftoverJournal(path, fd, {}, {}).SetAside();
            continue;
        }
        const std::string bytes = ReadWhole(fd);
        auto parsed = ParseJournal(bytes);
        if (parsed)
            return TLeftoverJournal(path, fd, std::move(parsed->first), std::move(parsed->second));
        TLeftoverJournal unreadable(path, fd, {}, {});
        // Only a journal of no action at all goes; one that cannot be read is kept.
        if (bytes.find(BlockEnd) == std::string::npos)
            unreadable.Remove();
        else
            unreadable.SetAside();
    }
    return std::nullopt;
}

} // namespace murva
