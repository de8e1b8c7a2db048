#include "anim/speed_controls.h"

namespace murva {

void TSpeedControls::SpeedBarChange() {
    // 7.5 steps more for every position of the bar, truncated.
    Motion.PlaySteps =
        static_cast<std::int32_t>(Motion.PlayBaseSteps + 7.5 * App.C.SpeedBar.Position());
    App.C.PlayBar.SetRange(0, Motion.PlaySteps);
    App.C.PlayBar.SetPosition(0);
}

void TSpeedControls::SpeedBtnClick(TSpeedButton button) {
    // From the first of these buttons on, "ふつう" is 1000 steps.
    Motion.PlayBaseSteps = 1000;
    const std::int32_t position = button == TSpeedButton::FastBtn   ? -99
                                  : button == TSpeedButton::SlowBtn ? 100
                                                                    : 0;
    App.C.SpeedBar.SetPosition(position);
    SpeedBarChange();
}

} // namespace murva
