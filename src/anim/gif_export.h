#pragma once
// "アニメをGIFにする": the animation as "うごかす" shows it, the current cut or every cut
// one after another, or how it was made, filmed at 25 pictures a second into an animated
// GIF that loops.

#include "anim/playback.h"
#include "ui/painter.h"

#include <functional>
#include <string>

namespace murva {

class TGifExport {
public:
    TGifExport(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
               Host& host, TPainter& painter, TPlayback& playback, Graphics& graphics)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Painter(painter),
          Playback(playback), Bitmaps(graphics) {}

    // Asks for a file name and writes every cut.
    void Save2GIFMenuClick();
    // Writes the current cut, or every cut; false after the message that says why.
    bool ExportGif(const std::string& path, bool allCuts);
    // Writes what `film` films; it returns false after the message that says why not.
    bool ExportGif(const std::string& path, const std::function<bool(const TFilming&)>& film);

private:
    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TPlayback& Playback;
    Graphics& Bitmaps;
};

} // namespace murva
