#pragma once
// Videos, written picture by picture as they are painted, with FFmpeg's libraries: H.264
// in MP4 (yuv420p, the index at the front so that playing can start at once) or VP9 in
// WebM, chosen by the file's extension. The file is written beside the target under a
// temporary name and takes the target's name only when it is whole: a stopped or failed
// video leaves no file.

#include "files/safe_file.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace murva {

enum class TVideoFormat { Mp4, WebM };

// The format a file name asks for: ".mp4" or ".webm" (or in capitals); nothing for others.
std::optional<TVideoFormat> VideoFormatOf(const std::string& path);

class TVideoWriter {
public:
    // A video of width × height pixels (both even) at `rate` pictures a second. When it
    // cannot be begun, Failed() is true and Error() says why.
    TVideoWriter(const std::string& path, std::int32_t width, std::int32_t height, int rate);
    ~TVideoWriter();
    TVideoWriter(const TVideoWriter&) = delete;
    TVideoWriter& operator=(const TVideoWriter&) = delete;

    // One picture: width × height pixels, row after row, each 0xAARRGGBB (alpha ignored).
    // False after a failure of the library or the disk.
    bool AddFrame(const std::uint32_t* pixels);
    // The pictures still in the encoder, the end of the file, and the target's name.
    bool Finish();

    bool Failed() const { return !Error().empty(); }
    // What went wrong, in the library's words; empty while all is well.
    const std::string& Error() const;

private:
    struct TLibrary;
    TTemporaryFile File;
    // Closed before the temporary file goes.
    std::unique_ptr<TLibrary> L;
};

} // namespace murva
