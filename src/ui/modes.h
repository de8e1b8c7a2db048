#pragma once
// The window's states and the tools of the drawing field.

#include <cstdint>

namespace murva {

// Making (draw or edit) and watching.
enum class TMode : std::uint8_t { Draw, Edit, Watch };

// The tools of the drawing field.
enum class TMotionTool : std::uint8_t { Select = 0, MoveLine = 11, MoveFree = 12 };

} // namespace murva
