#pragma once
// The clock of a run: how long its steps take. At "ずっとおなじはやさ" every step lasts
// StepMilliseconds; the other two profiles spread the same total time unevenly.

#include <cstdint>

namespace murva {

inline constexpr double StepMilliseconds = 2.5;
// A frame is shown when at least this long has passed since the last: the screen's pace.
inline constexpr double FrameMilliseconds = 16.0;

// The share of a run's time that has passed when the share `done` of its steps is done
// (both 0..1). Profile 1 ("だんだんはやくなる") starts at 1.6 times and ends at 0.4 times
// the even pace, profile -1 ("だんだんおそくなる") the reverse, 0 keeps it even.
constexpr double ElapsedShare(std::int32_t profile, double done) {
    return done + 0.6 * profile * done * (1 - done);
}

} // namespace murva
