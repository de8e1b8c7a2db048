#pragma once
// Taking paths apart. Paths recorded in files may come from Windows, so a bare file
// name is split off at both '\' and '/'.

#include <array>
#include <span>
#include <string>
#include <string_view>

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
// The path from the root, as it names the file now: what a name given relative to the
// working folder must become before the folder changes. Empty stays empty.
std::string AbsolutePath(const std::string& path);
// How a file saved in `folder` names another: relative to it when the path lies inside
// it, else by its bare name.
std::string NameFrom(const std::string& folder, const std::string& path);

// The extensions of each kind of file the program opens, in the two spellings accepted:
// all lower case or all upper case (".mrv" and ".MRV", never ".Mrv").
using TExtensionPair = std::array<std::string_view, 2>;
inline constexpr TExtensionPair AnimationExtensions = {".mrv", ".MRV"};
inline constexpr TExtensionPair DrawingExtensions = {".znd", ".ZND"};
inline constexpr TExtensionPair BmpExtensions = {".bmp", ".BMP"};
inline constexpr TExtensionPair JpegExtensions = {".jpg", ".JPG"};
inline constexpr TExtensionPair Mp4Extensions = {".mp4", ".MP4"};
inline constexpr TExtensionPair WebMExtensions = {".webm", ".WEBM"};
inline constexpr TExtensionPair PdfExtensions = {".pdf", ".PDF"};

// Whether the path's extension is exactly one of the list.
bool HasExtension(const std::string& path, std::span<const std::string_view> extensions);

} // namespace murva
