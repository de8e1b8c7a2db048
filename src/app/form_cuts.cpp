// The thumbnails of the cut strip and of the parts bin, and the cut counter.

#include "app/zinda_form.h"

#include <cstdio>

namespace murva {

void TZindaForm::PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut) {
    const std::int32_t current = S.Cuts.CurrentCut;
    for (int k = 0; k < 5; ++k) {
        S.Cuts.CurrentCut = firstCut + k;
        S.Paint.CurrentCutImage = &images[k];
        PaintCutThumbnail({0, 0, FieldWidth, FieldHeight});
    }
    S.Cuts.CurrentCut = current;
}

void TZindaForm::RefreshCutStrip() {
    PaintThumbnails(CutImages, S.Cuts.StripOffset + 1);
}

void TZindaForm::RefreshPartsBin() {
    PaintThumbnails(PartsImages, 100);
}

void TZindaForm::UpdateCutCounter() {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", S.Cuts.CurrentCut, S.Cuts.CutCount);
    CutSelect.Text = text;
}

} // namespace murva
