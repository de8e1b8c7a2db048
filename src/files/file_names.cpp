#include "files/file_names.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace murva {

namespace {
std::string::size_type LastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}
} // namespace

std::string BareFileName(const std::string& path) {
    auto sep = LastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string FolderOf(const std::string& path) {
    auto sep = LastSeparator(path);
    if (sep == std::string::npos) return {};
    return sep == 0 ? path.substr(0, 1) : path.substr(0, sep);
}

std::string ExtensionOf(const std::string& path) {
    std::string name = BareFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
    std::string ext = ExtensionOf(path);
    return path.substr(0, path.size() - ext.size()) + extension;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string NameFrom(const std::string& folder, const std::string& path) {
    if (!folder.empty() && path.starts_with(folder) && path.size() > folder.size() + 1 &&
        path[folder.size()] == '/')
        return path.substr(folder.size() + 1);
    return BareFileName(path);
}

bool HasExtension(const std::string& path, std::span<const std::string_view> extensions) {
    const std::string ext = ExtensionOf(path);
    return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

} // namespace murva
