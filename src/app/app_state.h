#pragma once
// All application-wide state, grouped by the subsystem that owns each part. The form
// owns one; every test starts from a fresh one.

#include "anim/anim_state.h"
#include "edit/mouse_state.h"
#include "edit/resize_state.h"
#include "ui/shared_state.h"

namespace murva {

struct AppState : TSharedState {
    TMouseState Mouse;
    TResizeState Resize;
    TPartsState Parts;
    TMotionState Motion;
    TPlaybackState Playback;
};

} // namespace murva
