#pragma once
// What every command needs besides the state its subsystem owns: the shared state, the
// window's controls, the platform, the graphics, repainting and recording.

#include "model/canvas.h"
#include "ui/host.h"
#include "ui/painter.h"
#include "ui/shared_state.h"
#include "ui/window_controls.h"

namespace murva {

// The wall-clock time as an action's time stamp.
TActionTime ActionTimeOf(const TLocalTime& t);

struct TServices {
    TServices(TSharedState& state, TWindowControls& controls, Host& host, Graphics& graphics)
        : S(state), C(controls), Platform(host), Pictures(graphics),
          Painter(state, controls, host, graphics) {
        S.Doc.Clock = [&host] { return ActionTimeOf(host.Now()); };
    }
    TServices(const TServices&) = delete;
    TServices& operator=(const TServices&) = delete;

    TSharedState& S;
    TWindowControls& C;
    Host& Platform;
    Graphics& Pictures;
    TPainter Painter;
};

} // namespace murva
