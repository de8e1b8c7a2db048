#pragma once
// The speed of a run: the three profiles of "うごきをつける", the speed bar (low is fast)
// and its three buttons. The bar decides the number of steps of a run, which is the
// play bar's maximum.

#include "anim/anim_state.h"
#include "ui/painter.h"

namespace murva {

// The three buttons of "アニメのはやさ", told apart by the one clicked.
enum class TSpeedButton { FastBtn, SpeedBtn, SlowBtn };

class TSpeedControls {
public:
    TSpeedControls(TWindowControls& controls, TMotionState& motion, TPainter& painter)
        : C(controls), Motion(motion), Painter(painter) {}

    // "ずっとおなじはやさ", "だんだんはやくなる", "だんだんおそくなる".
    void SameSpeedBtnClick() { Motion.SpeedProfile = TSpeedProfile::Even; }
    void FastSpeedBtnClick() { Motion.SpeedProfile = TSpeedProfile::Faster; }
    void SlowSpeedBtnClick() { Motion.SpeedProfile = TSpeedProfile::Slower; }
    // The steps of a run from the bar's position; the play bar starts over.
    void SpeedBarChange();
    // "はやい", "ふつう", "おそい".
    void SpeedBtnClick(TSpeedButton button);

private:
    TWindowControls& C;
    TMotionState& Motion;
    TPainter& Painter;
};

} // namespace murva
