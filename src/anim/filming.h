#pragma once
// Taking the pictures of a run instead of showing it: a picture at every tick of the
// film's clock, painted off the screen as watching shows the field.

#include "model/canvas.h"

#include <cstdint>
#include <functional>

namespace murva {

struct TFilming {
    // Pictures a second.
    double Rate = 25;
    // Takes the picture just painted; false asks the film to stop.
    std::function<bool()> Take;
    // The picture each frame is painted into, off the screen, at its own size; the
    // window's own field without one.
    Bitmap* Picture = nullptr;
    // One clock for the whole film, as a video needs: the ticks go on at the same pace
    // from one run into the next, and a run's end picture is taken only where a tick
    // falls. Otherwise each run starts its clock anew and ends with its end picture.
    bool OneClock = false;

    // Pictures taken so far.
    std::int64_t Taken = 0;
    // Asked to stop by Take: the film ends where it is.
    bool Stopped = false;
    // Where the run in progress began on the film's clock, in milliseconds.
    double RunBegin = 0;

    // A run begins.
    void BeginRun() {
        if (!OneClock) RunBegin = Taken * 1000.0 / Rate;
    }
    // When the next picture is due, in milliseconds on the clock of the run in progress.
    double NextPicture() const { return Taken * 1000.0 / Rate - RunBegin; }
    void TakePicture() {
        ++Taken;
        if (Take && !Take()) Stopped = true;
    }
    // The run ended after `length` milliseconds, its end picture painted.
    void EndRun(double length) {
        if (OneClock)
            RunBegin += length;
        else
            TakePicture();
    }
};

} // namespace murva
