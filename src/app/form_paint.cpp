// Painting the drawing field and the thumbnails.

#include "app/zinda_form.h"

namespace murva {

void TZindaForm::PaintBoxPaint() {
    S.Paint.PaintIndex = 0;
    const TRect field{0, 0, FieldWidth, FieldHeight};
    CanvasBitmap->GetCanvas().CopyRect(field, BGImage.Picture->GetCanvas(), field);
    PaintBox.Picture->GetCanvas().CopyRect(field, CanvasBitmap->GetCanvas(), field);
    GetHost().Present();
}

} // namespace murva
