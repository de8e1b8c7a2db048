#pragma once
// "アニメをGIFにする": the animation as "うごかす" shows it, the current cut or every cut
// one after another, filmed at 25 pictures a second into an animated GIF that loops.

#include "anim/playback.h"
#include "ui/services.h"

#include <string>

namespace murva {

class TGifExport {
public:
    TGifExport(TServices& services, TPlayback& playback) : App(services), Playback(playback) {}

    // Asks for a file name and writes the current cut.
    void Save2GIFMenuClick();
    // Writes the current cut, or every cut; false after the message that says why.
    bool ExportGif(const std::string& path, bool allCuts);

private:
    TServices& App;
    TPlayback& Playback;
};

} // namespace murva
