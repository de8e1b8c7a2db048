#include "files/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace murva {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

namespace {

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A new name for the file; a copy where the file system has no second names.
bool LinkOrCopy(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) == 0) return true;
    if (errno == EEXIST) return false;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    bool ok = out >= 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n)));
    }
    ::close(in);
    if (out >= 0) {
        ok = (::close(out) == 0) && ok;
        if (!ok) ::unlink(to.c_str());
    }
    return ok;
}

// The temporary files of saves to this name that a crash left behind: "." + the file
// name + "." + the six characters mkstemp chose.
void RemoveLeftTemporaries(const std::string& folder, const std::string& fileName) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = "." + fileName + ".";
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

// Where a save to `path` goes first: folder, file name and temporary file.
struct TTemporary {
    std::string Folder, FileName, Path;
    int Fd = -1;
};

// A new temporary file beside `path`, with the permissions a saved file gets; Fd is -1
// when none could be made, or when something other than a file has the name.
TTemporary MakeTemporary(const std::string& path) {
    TTemporary temp;
    // Only a file is ever replaced, never a folder or anything else found at the path.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) return temp;
    // Beside the target. Only '/' separates folders here: a backslash belongs to the name.
    const std::size_t slash = path.rfind('/');
    temp.Folder = slash == std::string::npos ? std::string(".")
                  : slash == 0               ? std::string("/")
                                             : path.substr(0, slash);
    // The temporary name keeps within a name's 255 bytes: "." and ".XXXXXX" take eight.
    temp.FileName = (slash == std::string::npos ? path : path.substr(slash + 1)).substr(0, 247);
    std::string pattern = temp.Folder + "/." + temp.FileName + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    temp.Fd = ::mkstemp(name.data());
    if (temp.Fd < 0) return temp;
    temp.Path = name.data();
    // A saved file gets the usual permissions, not mkstemp's private ones.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.Fd, 0666 & ~mask);
    return temp;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& backupPath,
                         const std::function<void()>& beforeReplace) {
    const TTemporary temp = MakeTemporary(path);
    if (temp.Fd < 0) return false;
    bool ok = WriteAll(temp.Fd, bytes);
    ok = (::fsync(temp.Fd) == 0) && ok;
    ok = (::close(temp.Fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp.Path.c_str());
        return false;
    }
    // The backup is a second name of the old file, so that the saved name holds the old
    // file or the new one at every moment, whenever the program may be stopped.
    bool backedUp = false;
    if (!backupPath.empty() && PathExists(path) && !PathExists(backupPath))
        backedUp = LinkOrCopy(path, backupPath); // failing is no failed save
    if (beforeReplace) beforeReplace();
    if (::rename(temp.Path.c_str(), path.c_str()) != 0) {
        ::unlink(temp.Path.c_str());
        if (backedUp) ::unlink(backupPath.c_str());
        return false;
    }
    RemoveLeftTemporaries(temp.Folder, temp.FileName);
    return true;
}

TTemporaryFile::TTemporaryFile(const std::string& target) : Target(target) {
    const TTemporary temp = MakeTemporary(target);
    if (temp.Fd < 0) return;
    ::close(temp.Fd);
    Temp = temp.Path;
}

TTemporaryFile::~TTemporaryFile() {
    if (!Temp.empty()) ::unlink(Temp.c_str());
}

bool TTemporaryFile::Commit() {
    if (Temp.empty()) return false;
    const int fd = ::open(Temp.c_str(), O_RDONLY | O_CLOEXEC);
    const bool durable = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    struct stat existing {};
    const bool replaceable = ::lstat(Target.c_str(), &existing) != 0 || S_ISREG(existing.st_mode);
    if (!durable || !replaceable || ::rename(Temp.c_str(), Target.c_str()) != 0) return false;
    Temp.clear();
    return true;
}

} // namespace murva
