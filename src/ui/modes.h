#pragma once
// The window's states, the kinds of input and the tools of the drawing field.

#include <cstdint>

namespace murva {

// What the size bars do: each bar grows its axis on both sides (Separately), both bars
// move together (Together), or only the bottom right or the top left corner moves.
// KeepShape scales the figure about its centre, both axes alike.
enum class TResizeMode { Separately = 1, Together, BottomRight, TopLeft, KeepShape };

// Making (draw or edit) and watching.
enum class TMode : std::uint8_t { Draw, Edit, Watch };

// What an input is: a command, or a look that leaves what the window shows (a move of the
// play bar, the pointer moving over the field).
enum class TInput : std::uint8_t { Command, Look };

// The tools of the drawing field.
enum class TMotionTool : std::uint8_t { Select = 0, MoveLine = 11, MoveFree = 12 };

} // namespace murva
