#pragma once
// The window's states and the tools of the drawing field.

#include <cstdint>

namespace murva {

// Making (draw or edit) and watching.
using TMode = std::uint8_t;
constexpr TMode mdDraw = 0;
constexpr TMode mdEdit = 1;
constexpr TMode mdWatch = 2;

// Tool codes; figure kinds use the same code space.
constexpr std::uint8_t toolSelect = 0;
constexpr std::uint8_t toolMoveLine = 11;
constexpr std::uint8_t toolMoveFree = 12;

} // namespace murva
