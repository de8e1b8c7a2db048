#include "files/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace murva {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& backupPath) {
    // Only a file is ever replaced, never a folder or anything else found at the path.
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) return false;
    // Beside the target. Only '/' separates folders here: a backslash belongs to the name.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "/." + fileName + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    const std::string temp(name.data());
    // A saved file gets the usual permissions, not mkstemp's private ones.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = WriteAll(fd, bytes);
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    bool backedUp = false;
    if (!backupPath.empty() && PathExists(path) && !PathExists(backupPath))
        backedUp = ::rename(path.c_str(), backupPath.c_str()) == 0; // failing is no failed save
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        if (backedUp) ::rename(backupPath.c_str(), path.c_str());
        return false;
    }
    return true;
}

} // namespace murva
