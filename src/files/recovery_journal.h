#pragma once
// The recovery journal: every recorded action also goes to a file in the user's state
// folder, so that work never saved comes back after a crash or a power cut. Each running
// program keeps one journal and holds a lock on it; a journal nobody holds was left by a
// program that ended without a clean exit.
//
// A journal is a header line, a line naming the file the work was opened from, and then
// the log exactly as an animation file holds it. It grows by appending the actions
// recorded since the last batch, which the disk gets in the background; when the log was
// cut back or its file changed, it is written anew beside, put on the disk and renamed
// over, so that it is whole at every moment. The drawing window's work in progress lies
// beside it as a material file of its own, written anew the same way when it changed.

#include "files/action_writer.h"
#include "history/action_log.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>

namespace murva {

// Puts what was written to a file on the disk, on a thread of its own: the window never
// waits for the disk. Whatever was asked for is on the disk when the object goes.
class TDiskSync {
public:
    TDiskSync() = default;
    TDiskSync(const TDiskSync&) = delete;
    TDiskSync& operator=(const TDiskSync&) = delete;
    ~TDiskSync();
    void Sync(int fd);

private:
    void Run();
    std::mutex Guard;
    std::condition_variable Wake;
    int Pending = -1;
    bool Stopping = false;
    std::thread Worker;
};

class TRecoveryJournal {
public:
    // The journal lives in `folder`, which is made when first needed; an empty folder
    // keeps no journal.
    explicit TRecoveryJournal(std::string folder);
    ~TRecoveryJournal();
    TRecoveryJournal(const TRecoveryJournal&) = delete;
    TRecoveryJournal& operator=(const TRecoveryJournal&) = delete;

    // Brings the journal up to the log, whose work was opened from `fileName`, and puts
    // it on the disk. `pending`, an action not yet in the log, follows it until the next
    // call. A failure is tried again by writing it anew next time; false when this time
    // the journal could not be kept.
    bool Follow(const THistoryList& log, const std::string& fileName,
                const TActionItem* pending = nullptr);
    // Nothing is left to recover: the journal goes.
    void Remove();
    bool Exists() const { return Fd >= 0; }
    // Keeps the drawing window's work, a material file's text, beside the journal; an
    // empty one removes it. False when this time it could not be kept.
    bool FollowDrawing(const std::string& drawing);
    bool HasDrawing() const { return DrawingFd >= 0; }

private:
    bool WriteAnew(const THistoryList& log, const std::string& fileName,
                   const TActionItem* pending);
    // The block of the pending action and its batch's end; empty for none.
    std::string PendingBlockOf(const TActionItem* pending) const;
    void Close();

    std::string Folder, Path, DrawingPath;
    int Fd = -1, DrawingFd = -1;
    std::string WrittenDrawing;
    // How far the file follows the log.
    std::uint64_t WrittenGeneration = 0;
    std::int32_t WrittenCount = 0;
    const TActionItem* WrittenTail = nullptr;
    std::string WrittenName;
    // The size of the file without the pending block written after the log, if any.
    off_t LogBytes = 0;
    std::string PendingBlock;
    TActionBlockWriter Blocks;
    TDiskSync Disk;
};

// A file a program left behind, held (locked) while this object lives.
class THeldFile {
public:
    THeldFile() = default;
    THeldFile(std::string path, int fd) : Path(std::move(path)), Fd(fd) {}
    THeldFile(THeldFile&& other) noexcept;
    THeldFile& operator=(THeldFile&& other) noexcept;
    ~THeldFile();
    bool IsHeld() const { return Fd >= 0; }
    int Descriptor() const { return Fd; }
    const std::string& Name() const { return Path; }
    // Moves it aside under `name` in its folder, in place of an older one.
    void SetAside(const std::string& name);
    // Moves it into the folder, under its own name.
    void MoveInto(const std::string& folder);
    void Remove();

private:
    std::string Path;
    int Fd = -1;
};

// The work a program left behind: its journal, its drawing in progress, or both.
struct TLeftoverJournal {
    THeldFile Journal, DrawingFile;
    // The file the work was opened from; empty when none.
    std::string FileName;
    // The work as an animation file, up to the last action whose block reads whole;
    // empty when only a drawing was left.
    std::string Body;
    // The drawing in progress as a material file; empty when none.
    std::string Drawing;

    // Moves them into the set-aside folder beside them, where the newest SetAsideKept
    // stay to be opened later.
    void SetAside();
    void Remove();
};

inline constexpr int SetAsideKept = 5;

// Where work the child chose not to continue is kept: "set-aside" in the journal's folder.
std::string SetAsideFolder(const std::string& folder);

// Whether the folder holds a journal or a drawing in progress.
bool HoldsWork(const std::string& folder);

// The newest work in the folder that no running program holds: a journal holding an
// action, a drawing, or both. Journals holding none are removed on the way, and what
// cannot be read is set aside.
std::optional<TLeftoverJournal> FindLeftoverJournal(const std::string& folder);

} // namespace murva
