// The thumbnails of the cut strip and of the parts bin, and the cut counter.

#include "app/zinda_form.h"

#include <cstdio>

namespace murva {

void TZindaForm::RefreshCutStrip() {
    const std::int32_t current = S.Cuts.CurrentCut;
    for (int k = 0; k < 5; ++k) {
        S.Cuts.CurrentCut = S.Cuts.StripOffset + k + 1;
        S.Paint.CurrentCutImage = &CutImages[k];
        PaintCutThumbnail({0, 0, FieldWidth, FieldHeight});
    }
    S.Cuts.CurrentCut = current;
}

void TZindaForm::RefreshPartsBin() {
    const std::int32_t current = S.Cuts.CurrentCut;
    for (int k = 0; k < 5; ++k) {
        S.Cuts.CurrentCut = 100 + k;
        S.Paint.CurrentCutImage = &PartsImages[k];
        PaintCutThumbnail({0, 0, FieldWidth, FieldHeight});
    }
    S.Cuts.CurrentCut = current;
}

void TZindaForm::UpdateCutCounter() {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", S.Cuts.CurrentCut, S.Cuts.CutCount);
    CutSelect.Text = text;
}

} // namespace murva
