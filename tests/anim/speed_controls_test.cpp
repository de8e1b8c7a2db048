// The speed of a run: the steps the speed bar and its buttons give, the play bar that
// follows them, the profiles, and the clock each profile keeps.

#include "support/form_fixture.h"

#include "anim/pacing.h"

namespace murva::test {
namespace {

using SpeedTest = FormTest;

TEST_F(SpeedTest, TheBarGivesTheStepsOfARunAndTheButtonsRaiseTheBase) {
    for (const auto& [position, steps] : {std::pair{-99, 57}, {0, 800}, {100, 1550}}) {
        form.SpeedBar.SetPosition(position);
        form.SpeedBarChange();
        EXPECT_EQ(form.S.Motion.PlaySteps, steps);
    }
    form.PlayBar.SetPosition(300);
    for (const auto& [button, steps] : {std::pair{TSpeedButton::FastBtn, 257},
                                        {TSpeedButton::SpeedBtn, 1000},
                                        {TSpeedButton::SlowBtn, 1750}}) {
        form.SpeedBtnClick(button);
        EXPECT_EQ(form.S.Motion.PlaySteps, steps);
        EXPECT_EQ(form.PlayBar.Max, steps);
        EXPECT_EQ(form.PlayBar.Position(), 0);
    }
    EXPECT_EQ(form.SpeedBar.Position(), 100);
}

TEST_F(SpeedTest, TheProfilesShapeTheClockButKeepItsTotal) {
    form.FastSpeedBtnClick();
    EXPECT_EQ(form.S.Motion.SpeedProfile, TSpeedProfile::Faster);
    form.SlowSpeedBtnClick();
    EXPECT_EQ(form.S.Motion.SpeedProfile, TSpeedProfile::Slower);
    form.SameSpeedBtnClick();
    EXPECT_EQ(form.S.Motion.SpeedProfile, TSpeedProfile::Even);

    const double first = 1.0 / 800, last = 799.0 / 800;
    for (const TSpeedProfile profile :
         {TSpeedProfile::Slower, TSpeedProfile::Even, TSpeedProfile::Faster}) {
        EXPECT_DOUBLE_EQ(ElapsedShare(profile, 0), 0);
        EXPECT_DOUBLE_EQ(ElapsedShare(profile, 1), 1);
        for (double done = 0; done < 1; done += 1.0 / 64)
            EXPECT_LT(ElapsedShare(profile, done), ElapsedShare(profile, done + 1.0 / 64));
    }
    EXPECT_DOUBLE_EQ(ElapsedShare(TSpeedProfile::Even, 0.25), 0.25);
    // Faster and faster: the first step takes longer than the last; slower and slower the
    // reverse.
    EXPECT_GT(ElapsedShare(TSpeedProfile::Faster, first),
              1 - ElapsedShare(TSpeedProfile::Faster, last));
    EXPECT_LT(ElapsedShare(TSpeedProfile::Slower, first),
              1 - ElapsedShare(TSpeedProfile::Slower, last));
}

} // namespace
} // namespace murva::test
