#include "ui/action_clock.h"

namespace murva {

TActionTime ActionTimeOf(const TLocalTime& t) {
    TActionTime time;
    time.Year = t.Year;
    time.Month = static_cast<std::uint8_t>(t.Month);
    time.Day = static_cast<std::uint8_t>(t.Day);
    time.Hour = static_cast<std::uint8_t>(t.Hour);
    time.Minute = static_cast<std::uint8_t>(t.Minute);
    time.Second = static_cast<std::uint8_t>(t.Second);
    time.Hundredths = static_cast<std::uint8_t>(t.Millisecond / 10);
    return time;
}

} // namespace murva
