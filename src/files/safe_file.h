#pragma once
// Saving without ever leaving a half-written file: the bytes go to a temporary file
// in the target's folder, every write and the close are checked, and only then does
// the old file get its backup name beside it and the temporary file take its name in
// one step. Temporary files an earlier crash left behind go with the next save.

#include <functional>
#include <string>
#include <string_view>

namespace murva {

// backupPath empty: no backup. An existing backup is kept, and the old file is then
// replaced without a new one. On failure the target is exactly as it was and false
// is returned.
// beforeReplace runs just before the new file takes the name, as a crash could come.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& backupPath,
                         const std::function<void()>& beforeReplace = {});

// A file written piece by piece by someone else (a library that writes it by name and
// may read it back): a temporary file beside the target, which takes the target's name
// only on Commit. One not committed is removed when this goes, so a stopped or failed
// writing leaves nothing under the target's name, nor beside it.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const std::string& target);
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    // Empty when no temporary file could be made there.
    const std::string& Path() const { return Temp; }
    // The written file, made durable, takes the target's name (no backup); false when it
    // cannot, and the target is then as it was.
    bool Commit();

private:
    std::string Target, Temp;
};

// Writes every byte to the open file, going on after an interrupted write.
bool WriteAll(int fd, std::string_view bytes);

} // namespace murva
