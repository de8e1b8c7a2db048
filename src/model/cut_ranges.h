#pragma once
// What a figure's CutNumber means: cuts are numbered 1..97, parts-bin slots from 100
// (the five shown are 100..104), 0 is a figure taken out of the animation and 1000 a
// material taken out of the bin.

#include <cstdint>

namespace murva {

constexpr std::int32_t RemovedFromAnimation = 0;
constexpr std::int32_t FirstCut = 1;
constexpr std::int32_t LastCut = 97;
constexpr std::int32_t FirstPartsSlot = 100;
constexpr std::int32_t ShownPartsSlots = 5;
constexpr std::int32_t RemovedPart = 1000;

} // namespace murva
