#pragma once
// Basic value types shared by every layer: points, rectangles and colours.

#include <algorithm>
#include <cstdint>

namespace murva {

struct TPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Floating-point geometry becomes whole pixels by truncation toward zero; what lies
// beyond the 32-bit range (or is no number) is held at its edge (or 0).
inline std::int32_t Truncated(double v) {
    if (!(v == v)) return 0;
    return static_cast<std::int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

// Left, top, right, bottom; the right and bottom edges are excluded when drawn.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// A colour: red in the lowest byte, then green and blue. A value with the top bit
// set names a system colour (its low byte is the system colour index).
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBtnFace = 0x8000000F;
// The brush colour that means "no fill" everywhere in the program.
constexpr TColor NoFillColor = clBtnFace;

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) {
    return c & 0xFF;
}
constexpr std::uint8_t GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
constexpr bool IsSystemColor(TColor c) {
    return (c & 0x80000000u) != 0;
}

// Whether p lies in the box of the two corners widened by 3 pixels, borders included: where
// a press picks a figure, whichever way its box was drawn.
inline bool HitsBox(TPoint a, TPoint b, TPoint p) {
    // Wide enough that the margin never overflows.
    const auto within = [](std::int64_t x, std::int64_t y, std::int64_t q) {
        return q >= std::min(x, y) - 3 && q <= std::max(x, y) + 3;
    };
    return within(a.x, b.x, p.x) && within(a.y, b.y, p.y);
}

} // namespace murva
