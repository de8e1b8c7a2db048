#include "anim/film_strip.h"

#include <cstdio>

namespace murva {

void TFilmStrip::UpdateCutCounter() {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", App.S.Cuts.CurrentCut, App.S.Cuts.CutCount);
    App.C.CutSelect.Text = text;
}

} // namespace murva
