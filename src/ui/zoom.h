#pragma once
// The window's zoom: the layout is one fixed design, shown whole at the largest zoom at
// which the window fits the screen it is on, and never larger than the screen's own scale.

#include <cstdint>

namespace murva {

struct TScreenArea {
    // The area windows may take (without panels), in device pixels.
    std::int32_t Width = 0, Height = 0;
    // Device pixels per logical pixel: the screen's own scale.
    double Scale = 1;
};

// Device pixels per layout pixel at which a window of `width` x `height` layout pixels,
// with a frame of `frameWidth` x `frameHeight` device pixels around it, fits the area: the
// largest such zoom in steps of 1/100, and at most the screen's scale.
double FittingZoom(std::int32_t width, std::int32_t height, std::int32_t frameWidth,
                   std::int32_t frameHeight, const TScreenArea& area);

} // namespace murva
