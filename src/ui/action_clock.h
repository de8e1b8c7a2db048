#pragma once
// Recorded actions carry the wall-clock time the host tells.

#include "history/action_data.h"
#include "ui/host.h"

namespace murva {

TActionTime ActionTimeOf(const TLocalTime& t);

} // namespace murva
