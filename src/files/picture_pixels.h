#pragma once
// Moving pixels between decoded pictures and bitmaps.

#include "files/jpeg_codec.h"
#include "model/canvas.h"

namespace murva {

// Draws the picture unscaled at the top left of the bitmap; where it ends, the bitmap
// keeps what it had.
void DrawRgbImage(const TRgbImage& image, Bitmap& into);

// The bitmap's pixels as an RGB picture.
TRgbImage RgbImageOf(const Bitmap& picture);

} // namespace murva
