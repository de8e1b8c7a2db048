#pragma once
// What every command needs besides the state its subsystem owns: the shared state, the
// window's controls, the platform, the graphics, repainting and recording.

#include "history/recording.h"
#include "model/canvas.h"
#include "ui/host.h"
#include "ui/painter.h"
#include "ui/shared_state.h"
#include "ui/window_controls.h"

namespace murva {

struct TServices {
    TServices(TSharedState& state, TWindowControls& controls, Host& host, Graphics& graphics)
        : S(state), C(controls), Platform(host), Pictures(graphics),
          Painter(state, controls, host, graphics) {}
    TServices(const TServices&) = delete;
    TServices& operator=(const TServices&) = delete;

    TSharedState& S;
    TWindowControls& C;
    Host& Platform;
    Graphics& Pictures;
    TPainter Painter;

    // Records with the time of the call.
    TRecorder Recorder();
    // A held size change goes into the log before anything that must see it.
    void CommitPendingChange();
};

} // namespace murva
