#pragma once
// The film strip of cuts below the drawing field, and its counter.

#include "ui/services.h"

namespace murva {

class TFilmStrip {
public:
    explicit TFilmStrip(TServices& services) : App(services) {}

    // The counter: current cut, a slash, the cut count.
    void UpdateCutCounter();

private:
    TServices& App;
};

} // namespace murva
