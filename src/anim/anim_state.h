#pragma once
// The state of cuts, the parts bin, motion and playback.

#include <cstdint>

namespace murva {

struct TCutState {
    std::int32_t CurrentCut = 1;
    std::int32_t CutCount = 1;
    // Thumbnail k (1..5) of the strip shows cut StripOffset + k.
    std::int32_t StripOffset = 0;
    // A thumbnail that the next selection takes whatever was clicked; 0 = none.
    std::int32_t PendingThumb = 1;
};

struct TPartsState {
    // Number of parts-bin slots in use.
    std::int32_t PartsCount = 0;
};

struct TMotionState {
    std::int32_t PlaySteps = 800;
    std::int32_t PlayBaseSteps = 800;
    // 0 same speed, 1 faster and faster, -1 slower and slower.
    std::int32_t SpeedProfile = 0;
};

struct TPlaybackState {
    // Set by a run just before it moves the play bar, so that the scrub ignores it.
    bool PlayerMovesBar = false;
};

} // namespace murva
