#include "ui/zoom.h"

#include <algorithm>
#include <cmath>

namespace murva {

double FittingZoom(std::int32_t width, std::int32_t height, std::int32_t frameWidth,
                   std::int32_t frameHeight, const TScreenArea& area) {
    const double across = double(area.Width - frameWidth) / std::max(1, width);
    const double down = double(area.Height - frameHeight) / std::max(1, height);
    // A step of 1/100 that a window of whole pixels still fits; a screen too small for
    // any zoom still gets a tenth, so that the window can be found and moved.
    const double fitting = std::floor(std::min(across, down) * 100) / 100;
    return std::min(area.Scale, std::max(fitting, 0.1));
}

} // namespace murva
