#pragma once
// The clock of a run: how long its steps take. At "ずっとおなじはやさ" every step lasts
// StepMilliseconds; the other two profiles spread the same total time unevenly.

#include <cstdint>

namespace murva {

inline constexpr double StepMilliseconds = 2.5;
// A frame is shown when at least this long has passed since the last: the screen's pace.
inline constexpr double FrameMilliseconds = 16.0;

// How a run's pace changes: "ずっとおなじはやさ", "だんだんはやくなる", "だんだんおそくなる".
enum class TSpeedProfile : std::int8_t { Even = 0, Faster = 1, Slower = -1 };

// The share of a run's time that has passed when the share `done` of its steps is done
// (both 0..1). Faster starts at 1.6 times and ends at 0.4 times the even pace, Slower the
// reverse.
constexpr double ElapsedShare(TSpeedProfile profile, double done) {
    return done + 0.6 * static_cast<int>(profile) * done * (1 - done);
}

} // namespace murva
