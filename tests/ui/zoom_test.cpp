// The window's zoom: the whole window fits the screen, at the largest zoom that does, and
// never beyond the screen's own scale.

#include "ui/zoom.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(ZoomTest, TheWindowFitsEachScreenAtTheLargestZoomThatFits) {
    // The window of 1016 x 688 layout pixels, framed by 10 x 40 device pixels, on screens
    // whose panels take some of their height.
    constexpr std::int32_t Width = 1016, Height = 688, FrameWidth = 10, FrameHeight = 40;
    const struct {
        TScreenArea Area;
        double Zoom;
    } screens[] = {
        {{1366, 736, 1.25}, 1.01}, {{1280, 760, 1}, 1},  {{1920, 1040, 1}, 1},
        {{2560, 1560, 2}, 2},      {{3840, 2120, 2}, 2}, {{1024, 560, 1}, 0.75},
    };
    for (const auto& [area, zoom] : screens) {
        SCOPED_TRACE(std::to_string(area.Width) + "x" + std::to_string(area.Height));
        const double chosen = FittingZoom(Width, Height, FrameWidth, FrameHeight, area);
        EXPECT_DOUBLE_EQ(chosen, zoom);
        EXPECT_LE(chosen * Width + FrameWidth, area.Width);
        EXPECT_LE(chosen * Height + FrameHeight, area.Height);
        // A step larger would not fit, unless the screen's scale stops it first.
        const double larger = chosen + 0.01;
        EXPECT_TRUE(chosen == area.Scale || larger * Width + FrameWidth > area.Width ||
                    larger * Height + FrameHeight > area.Height);
    }
}

} // namespace
} // namespace murva
