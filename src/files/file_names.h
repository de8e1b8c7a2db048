#pragma once
// Taking paths apart. Paths recorded in files may come from Windows, so a bare file
// name is split off at both '\' and '/'.

#include <string>

namespace murva {

// The file name without its folder.
std::string BareFileName(const std::string& path);
// The folder of a path, without the trailing separator; empty when there is none.
std::string FolderOf(const std::string& path);
// The extension of the file name, from its last "." on, case kept; empty when none.
std::string ExtensionOf(const std::string& path);
// The path with its extension replaced (the new one includes its dot).
std::string ReplaceExtension(const std::string& path, const std::string& extension);
bool FileExists(const std::string& path);

} // namespace murva
