#pragma once
// Films of the animation: "アニメをGIFにする" (25 pictures a second, an animated GIF that
// loops) and "アニメを どうがにする" (30 pictures a second, MP4 or WebM at a chosen size).
// A film shows the current cut or every cut one after another as "うごかす" shows them,
// or how the animation was made, painted off the screen and kept to the run's clock; the
// last picture is held a second. A progress window can stop it, and a film stopped or
// failed leaves no file.

#include "anim/making_replay.h"
#include "anim/playback.h"
#include "ui/painter.h"

#include <cstdint>
#include <string>

namespace murva {

// What a film shows.
enum class TFilmKind { Cut, AllCuts, Making };

struct TVideoSize {
    std::int32_t Width = 640, Height = 480;
};

class TFilmExport {
public:
    TFilmExport(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
                Host& host, TPlayback& playback, TMakingReplay& making, Graphics& graphics)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Playback(playback),
          Making(making), Bitmaps(graphics) {}

    // Ask for a file name and film every cut.
    void Save2GIFMenuClick();
    void Save2VideoMenuClick();
    // False after the message that says why not, or when stopped.
    bool ExportGif(const std::string& path, TFilmKind kind);
    // The format follows the extension (.mp4 or .webm); the size is the field's times a
    // scale, both even.
    bool ExportVideo(const std::string& path, TFilmKind kind, TVideoSize size = {});

private:
    // Films what the kind shows into `filming`, whose Take gets each picture, with the
    // progress window counting them and `held` more; afterwards the window is as it was.
    // Whether the film ran to its end.
    bool Film(TFilming& filming, TFilmKind kind, std::int64_t held);
    // How long the kind's film runs, in milliseconds.
    double FilmMilliseconds(TFilmKind kind) const;

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPlayback& Playback;
    TMakingReplay& Making;
    Graphics& Bitmaps;
};

} // namespace murva
