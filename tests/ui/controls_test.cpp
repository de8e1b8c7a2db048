// The control models: track bars fire their change event as a drag does, and a button
// group keeps one button down.

#include "ui/window_controls.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(TrackBar, APositionSetFromCodeFiresOnceAndOnlyWhenItChanges) {
    TTrackBar bar;
    bar.SetRange(-99, 100);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    bar.SetPosition(5);
    bar.SetPosition(5);
    EXPECT_EQ(changes, 1);
    bar.SetPosition(500); // clamped to the maximum
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(changes, 2);
    bar.SetRange(0, 50); // the position moves into the new range
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(changes, 3);
    bar.SetPositionQuietly(-200); // clamped too, without the event
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(changes, 3);
}

TEST(TrackBar, AHandlerSeesTheNewPosition) {
    TTrackBar bar;
    bar.SetRange(0, 800);
    std::vector<int> seen;
    bar.OnChange = [&] { seen.push_back(bar.Position()); };
    bar.SetPosition(12);
    bar.SetPosition(0);
    EXPECT_EQ(seen, (std::vector<int>{12, 0}));
}

TEST(ButtonGroup, APressedButtonGoesDownAndTheOthersOfItsGroupUp) {
    TWindowControls c;
    c.MoveFreeBtn.Down = true;
    c.SameSpeedBtn.Down = true;
    c.MoveLineBtn.Press();
    EXPECT_TRUE(c.MoveLineBtn.Down);
    EXPECT_FALSE(c.MoveFreeBtn.Down);
    EXPECT_TRUE(c.SameSpeedBtn.Down) << "another group changed";
    c.MoveLineBtn.Press(); // pressing the button that is down keeps it down
    EXPECT_TRUE(c.MoveLineBtn.Down);

    c.SlowSpeedBtn.Press();
    EXPECT_EQ((std::vector<bool>{c.SameSpeedBtn.Down, c.FastSpeedBtn.Down, c.SlowSpeedBtn.Down}),
              (std::vector<bool>{false, false, true}));

    // A button of no group does not stay down.
    c.CutMake.Press();
    EXPECT_FALSE(c.CutMake.Down);
}

} // namespace
} // namespace murva
