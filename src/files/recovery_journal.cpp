#include "files/recovery_journal.h"

#include "files/action_reader.h"
#include "files/safe_file.h"
#include "files/text_format.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <new>
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
// The drawing window's work in progress, a material file beside the journal.
constexpr std::string_view DrawingExtension = ".drawing";
constexpr std::string_view NewSuffix = ".new";
// A torn last batch is left out; should the batch before it not read either, a few
// earlier ones are tried.
constexpr std::size_t TriedBatchEnds = 4;
// Far beyond any work a child makes (a million actions take some 150 MB): a larger
// file is set aside unread rather than filling the memory at every start.
constexpr off_t MaxJournalBytes = off_t(256) << 20;
// A drawing of a thousand figures of the most points each fits many times over.
constexpr off_t MaxDrawingBytes = off_t(64) << 20;

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

// Writes `bytes` as the file `path` in one step, through a file beside it that is held
// (locked) before it takes the name, so that no other program ever takes it for left
// behind. The open file, still held; -1 when it could not be written.
int WriteHeldFile(const std::string& path, std::string_view bytes) {
    const std::string temp = path + std::string(NewSuffix);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    ::flock(fd, LOCK_EX);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        ::close(fd);
        return -1;
    }
    SyncFolder(path.substr(0, path.rfind('/')));
    return fd;
}

// Reads the file's bytes in chunks; false when a read fails.
template <typename Take> bool ReadChunks(int fd, Take take) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        take(std::string_view(buffer, static_cast<std::size_t>(n)));
    }
}

bool Reads(std::string_view body, TLoadKind kind = TLoadKind::Animation) {
    THistoryList log;
    TReaderState reader;
    TReadContext context{log, reader};
    context.LoadKind = kind;
    return ReadActionText(body, context).Result == 0;
}

// A journal as it streams from the disk, kept as one copy of its log: the header, the
// name line as far as a log reads a file name (the rest of a longer line is dropped),
// then the whole batches without their end lines.
class TJournalStream {
public:
    // The journal's size, so that the text is one allocation, touched once.
    explicit TJournalStream(off_t bytes) { Text.reserve(static_cast<std::size_t>(bytes)); }
    void Take(std::string_view bytes) {
        Tail.append(bytes);
        if (Part == TPart::Header && Tail.size() >= HeaderLine.size()) {
            Part = Tail.starts_with(HeaderLine) ? TPart::Name : TPart::Refused;
            Tail.erase(0, HeaderLine.size());
        }
        if (Part == TPart::Name) TakeName();
        if (Part == TPart::Body) TakeBatches();
        if (Part == TPart::Refused) Tail.clear();
    }
    // The file name and the log up to the last of its whole batches that reads, as an
    // animation file; nothing when no batch reads.
    std::optional<std::pair<std::string, std::string>> Readable() {
        for (auto end = Ends.rbegin(); end != Ends.rend(); ++end)
            if (Reads(std::string_view(Text).substr(0, *end))) {
                Text.resize(*end);
                return std::pair{std::move(Name), std::move(Text)};
            }
        return std::nullopt;
    }
    // Whether it holds an action, whole or torn.
    bool HoldsAction() const {
        return !Ends.empty() || (Part == TPart::Body && Tail.find(BlockEnd) != std::string::npos);
    }

private:
    enum class TPart { Header, Name, Body, Refused };

    void TakeName() {
        const std::size_t end = Tail.find("\r\n");
        // A CR at the end may begin the line's end.
        const std::size_t taken =
            end != std::string::npos ? end : Tail.size() - (Tail.ends_with('\r') ? 1 : 0);
        Name.append(Tail, 0, std::min(taken, MaxFileNameBytes - Name.size()));
        Tail.erase(0, end != std::string::npos ? end + 2 : taken);
        if (end != std::string::npos) Part = TPart::Body;
    }

    // Moves the whole batches of the tail to the text.
    void TakeBatches() {
        std::size_t from = 0;
        for (std::size_t found; (found = Tail.find(BatchEnd, Scanned)) != std::string::npos;) {
            const std::size_t line = found + BatchEnd.size() - BatchEndLine.size();
            Text.append(Tail, from, line - from);
            from = line + BatchEndLine.size();
            Ends.push_back(Text.size());
            if (Ends.size() > TriedBatchEnds) Ends.erase(Ends.begin());
            Scanned = from;
        }
        Tail.erase(0, from);
        // A batch end may begin in the last bytes taken.
        Scanned = Tail.size() - std::min(Tail.size(), BatchEnd.size() - 1);
    }

    TPart Part = TPart::Header;
    std::string Name, Text;
    // What is not yet in the text: the header, the name line, a batch not yet whole.
    std::string Tail;
    std::size_t Scanned = 0;
    // Where the last few whole batches end in the text.
    std::vector<std::size_t> Ends;
};

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
    const std::string stem =
        Folder + "/" + std::to_string(::getpid()) + "-" + std::to_string(started);
    Path = stem + std::string(JournalExtension);
    DrawingPath = stem + std::string(DrawingExtension);
}

TRecoveryJournal::~TRecoveryJournal() {
    Close();
    if (DrawingFd >= 0) ::close(DrawingFd);
}

void TRecoveryJournal::Close() {
    if (Fd >= 0) ::close(Fd);
    Fd = -1;
}

bool TRecoveryJournal::FollowDrawing(const std::string& drawing) {
    if (Folder.empty() || (drawing == WrittenDrawing && (drawing.empty() || DrawingFd >= 0)))
        return true;
    if (drawing.empty()) {
        if (DrawingFd >= 0) {
            ::unlink(DrawingPath.c_str());
            ::close(std::exchange(DrawingFd, -1));
        }
        WrittenDrawing.clear();
        return true;
    }
    // The new file takes the name before the old one is let go, so that one is held at
    // every moment; should it fail, the old one stays.
    const int fd = MakeFolders(Folder) ? WriteHeldFile(DrawingPath, drawing) : -1;
    if (fd < 0) return false;
    if (DrawingFd >= 0) ::close(DrawingFd);
    DrawingFd = fd;
    WrittenDrawing = drawing;
    return true;
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
    const int fd = WriteHeldFile(Path, bytes);
    if (fd < 0) return false;
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

THeldFile::THeldFile(THeldFile&& other) noexcept
    : Path(std::move(other.Path)), Fd(std::exchange(other.Fd, -1)) {}

THeldFile& THeldFile::operator=(THeldFile&& other) noexcept {
    if (this != &other) {
        if (Fd >= 0) ::close(Fd);
        Path = std::move(other.Path);
        Fd = std::exchange(other.Fd, -1);
    }
    return *this;
}

THeldFile::~THeldFile() {
    if (Fd >= 0) ::close(Fd);
}

void THeldFile::SetAside(const std::string& name) {
    if (Fd < 0) return;
    const std::string old = Path.substr(0, Path.rfind('/') + 1) + name;
    ::rename(Path.c_str(), old.c_str());
}

void THeldFile::Remove() {
    if (Fd >= 0) ::unlink(Path.c_str());
}

void THeldFile::MoveInto(const std::string& folder) {
    if (Fd < 0) return;
    ::mkdir(folder.c_str(), 0700);
    const std::string moved = folder + Path.substr(Path.rfind('/'));
    if (::rename(Path.c_str(), moved.c_str()) == 0) Path = moved;
}

std::string SetAsideFolder(const std::string& folder) {
    return folder + "/set-aside";
}

void TLeftoverJournal::Remove() {
    Journal.Remove();
    DrawingFile.Remove();
}

namespace {

// The file, held, when no running program holds it: a running program may also have just
// written it anew under the same name, and then the file opened is no longer the one
// named. Only plain files are opened: a pipe or a device under a journal's name would keep
// the start waiting for ever.
THeldFile HoldLeftFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat opened {
    }, named{};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
        ::stat(path.c_str(), &named) != 0 || opened.st_ino != named.st_ino) {
        ::close(fd);
        return {};
    }
    return {path, fd};
}

off_t SizeOf(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_size : 0;
}

// Takes the journal's work into `left`; false when it holds none. A journal of no action
// at all goes; one too large or that cannot be read is set aside.
bool TakeJournal(THeldFile journal, TLeftoverJournal& left) {
    if (!journal.IsHeld()) return false;
    const off_t size = SizeOf(journal.Descriptor());
    std::optional<std::pair<std::string, std::string>> work;
    // Unless it was read and holds no action, it is kept.
    bool holdsAction = true;
    try {
        if (size <= MaxJournalBytes) {
            TJournalStream stream(size);
            if (ReadChunks(journal.Descriptor(),
                           [&](std::string_view bytes) { stream.Take(bytes); })) {
                work = stream.Readable();
                holdsAction = stream.HoldsAction();
            }
        }
    } catch (const std::bad_alloc&) {
        // Set aside below, so that the next start does not fail the same way.
    }
    if (!work) {
        if (holdsAction)
            journal.SetAside("journal.old");
        else
            journal.Remove();
        return false;
    }
    std::tie(left.FileName, left.Body) = std::move(*work);
    left.Journal = std::move(journal);
    return true;
}

// Takes the drawing into `left`; false when it holds none. One that cannot be read is set
// aside.
bool TakeDrawing(THeldFile drawing, TLeftoverJournal& left) {
    if (!drawing.IsHeld()) return false;
    const int fd = drawing.Descriptor();
    std::string text;
    const bool read = SizeOf(fd) <= MaxDrawingBytes &&
                      ReadChunks(fd, [&](std::string_view bytes) { text.append(bytes); });
    if (!read || !Reads(text, TLoadKind::Drawing)) {
        drawing.SetAside("drawing.old");
        return false;
    }
    left.Drawing = std::move(text);
    left.DrawingFile = std::move(drawing);
    return true;
}

} // namespace

namespace {

// The stems of the journals and drawings in the folder, the newest change of either first.
// Files a program was writing anew when it ended go, unless a program still holds them.
std::vector<std::string> StemsNewestFirst(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return {};
    // Each program's files share a stem; the newest change of either counts.
    using TChanged = std::pair<std::time_t, long>;
    std::map<std::string, TChanged> stems;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = folder + "/" + name;
        for (const std::string_view extension : {JournalExtension, DrawingExtension}) {
            // A file being written anew when its program ended; nobody holds it any more.
            if (name.ends_with(std::string(extension).append(NewSuffix)) &&
                HoldLeftFile(path).IsHeld())
                ::unlink(path.c_str());
            struct stat info {};
            if (!name.ends_with(extension) || ::lstat(path.c_str(), &info) != 0) continue;
            TChanged& newest = stems[path.substr(0, path.size() - extension.size())];
            newest = std::max(newest, TChanged{info.st_mtim.tv_sec, info.st_mtim.tv_nsec});
        }
    }
    ::closedir(dir);
    std::vector<std::pair<TChanged, std::string>> newestFirst;
    for (const auto& [stem, changed] : stems)
        newestFirst.emplace_back(changed, stem);
    std::sort(newestFirst.rbegin(), newestFirst.rend());
    std::vector<std::string> sorted;
    for (auto& [changed, stem] : newestFirst)
        sorted.push_back(std::move(stem));
    return sorted;
}

} // namespace

void TLeftoverJournal::SetAside() {
    const std::string& path = Journal.IsHeld() ? Journal.Name() : DrawingFile.Name();
    if (path.empty()) return;
    const std::string folder = SetAsideFolder(path.substr(0, path.rfind('/')));
    Journal.MoveInto(folder);
    DrawingFile.MoveInto(folder);
    const std::vector<std::string> stems = StemsNewestFirst(folder);
    for (std::size_t i = SetAsideKept; i < stems.size(); ++i)
        for (const std::string_view extension : {JournalExtension, DrawingExtension})
            ::unlink((stems[i] + std::string(extension)).c_str());
}

bool HoldsWork(const std::string& folder) {
    return !folder.empty() && !StemsNewestFirst(folder).empty();
}

std::optional<TLeftoverJournal> FindLeftoverJournal(const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    for (const std::string& stem : StemsNewestFirst(folder)) {
        TLeftoverJournal left;
        const bool journal = TakeJournal(HoldLeftFile(stem + std::string(JournalExtension)), left);
        const bool drawing = TakeDrawing(HoldLeftFile(stem + std::string(DrawingExtension)), left);
        if (journal || drawing) return left;
    }
    return std::nullopt;
}

} // namespace murva
