#include "anim/speed_controls.h"

namespace murva {

void TSpeedControls::SpeedBarChange() {
    // 7.5 steps more for every position of the bar, truncated.
    Motion.PlaySteps =
        static_cast<std::int32_t>(Motion.PlayBaseSteps + 7.5 * C.SpeedBar.Position());
    C.PlayBar.SetRange(0, Motion.PlaySteps);
    // The run starts over: the start copies at their places.
    C.PlayBar.SetPositionQuietly(0);
    Painter.PaintBoxPaint();
}

void TSpeedControls::SpeedBtnClick(TSpeedButton button) {
    // From the first of these buttons on, "ふつう" is 1000 steps.
    Motion.PlayBaseSteps = 1000;
    const std::int32_t position = button == TSpeedButton::FastBtn   ? -99
                                  : button == TSpeedButton::SlowBtn ? 100
                                                                    : 0;
    C.SpeedBar.SetPositionQuietly(position);
    SpeedBarChange();
}

} // namespace murva
