#pragma once
// Texts and file names inside animation and drawing-process files are CP932 (the
// Japanese Windows code page) on disk and UTF-8 in memory. Neither direction fails:
// bytes that do not decode become U+FFFD, characters CP932 cannot hold become '?'.

#include <string>
#include <string_view>

namespace murva {

std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);
// Whether CP932 holds every character of the text, so that none becomes '?'.
bool Cp932Holds(std::string_view text);

} // namespace murva
