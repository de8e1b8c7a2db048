#pragma once
// The kind of the last file opened. The reader reads figure blocks by it: an animation's
// carry their cut and free-path flag, a drawing's go into the next parts-bin slot, and
// the children of a stamp in an animation carry neither.

#include <cstdint>

namespace murva {

enum class TLoadKind { Animation, Drawing, Image, StampChildren };

} // namespace murva
