#include "ui/controls.h"

#include <algorithm>

namespace murva {

TButtonGroup::TButtonGroup(std::initializer_list<TButtonControl*> members) : Members(members) {
    for (TButtonControl* member : Members)
        member->Group = this;
}

void TButtonControl::Press() {
    if (!Group) return;
    for (TButtonControl* member : Group->Members)
        member->Down = member == this;
}

void TTrackBar::SetPosition(std::int32_t value) {
    value = std::clamp(value, Min, std::max(Min, Max));
    if (value == position) return;
    position = value;
    if (OnChange) OnChange();
}

void TTrackBar::SetPositionQuietly(std::int32_t value) {
    position = std::clamp(value, Min, std::max(Min, Max));
}

void TTrackBar::SetRange(std::int32_t min, std::int32_t max) {
    Min = min;
    Max = max;
    SetPosition(position);
}

} // namespace murva
