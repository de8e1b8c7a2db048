#pragma once
// Saving without ever leaving a half-written file: the bytes go to a temporary file
// in the target's folder, every write and the close are checked, and only then does
// the old file become its backup and the temporary file take its name.

#include <string>
#include <string_view>

namespace murva {

// backupPath empty: no backup. An existing backup is kept, and the old file is then
// replaced without a new one. On failure the target is exactly as it was and false
// is returned.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::string& backupPath);

} // namespace murva
