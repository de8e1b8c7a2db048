#include "app/controls.h"

#include <algorithm>

namespace murva {

void TTrackBar::SetPosition(std::int32_t value) {
    value = std::clamp(value, Min, std::max(Min, Max));
    if (value == position) return;
    position = value;
    if (OnChange) OnChange();
}

void TTrackBar::SetRange(std::int32_t min, std::int32_t max) {
    Min = min;
    Max = max;
    SetPosition(position);
}

} // namespace murva
