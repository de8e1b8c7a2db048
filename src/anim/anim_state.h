#pragma once
// The state of the parts bin, motion and playback. Which cut is shown is shared state.

#include "anim/pacing.h"

#include <cstdint>

namespace murva {

struct TPartsState {
    // Number of parts-bin slots in use.
    std::int32_t PartsCount = 0;
};

struct TMotionState {
    std::int32_t PlaySteps = 800;
    std::int32_t PlayBaseSteps = 800;
    TSpeedProfile SpeedProfile = TSpeedProfile::Even;
};

struct TPlaybackState {
    // The window shows the watching panels.
    bool InMoveState = false;
    // できるまで shows how the animation was made, with the parts bin; after the replay,
    // the play bar steps through its commands.
    bool MakingShown = false;
    bool MakingSteps = false;
    // A run is in progress, and whether it was asked to stop at the step it has reached.
    bool Running = false;
    bool StopAsked = false;
};

} // namespace murva
